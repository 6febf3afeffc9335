// Sound, music and video files made in code, for the programs that check the
// real program from outside (driver, platform check, benchmarks).
#pragma once

#include <cstdint>
#include <string>

namespace testmedia {

struct Bytes {
  std::string s;
  void u8(unsigned v) { s.push_back(static_cast<char>(v & 0xFF)); }
  void u16(unsigned v) { u8(v), u8(v >> 8); }
  void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
  void text(const std::string& t) { s += t; }
  // A chunk: its four-letter name, its size and its body, padded to even.
  void chunk(const char* id, const std::string& body) {
    text(id), u32(static_cast<std::uint32_t>(body.size())), text(body);
    if (body.size() % 2) u8(0);
  }
};

inline std::string riff(const char* form, const std::string& chunks) {
  Bytes b;
  b.chunk("RIFF", form + chunks);
  return b.s;
}

// Silence in unsigned 8-bit mono samples at 8 kHz.
inline std::string silentWave(int tenthsOfASecond) {
  const std::uint32_t rate = 8000,
                      samples = rate * static_cast<std::uint32_t>(tenthsOfASecond) / 10;
  Bytes fmt;
  fmt.u16(1 /* PCM */), fmt.u16(1), fmt.u32(rate), fmt.u32(rate), fmt.u16(1), fmt.u16(8);
  Bytes chunks;
  chunks.chunk("fmt ", fmt.s);
  chunks.chunk("data", std::string(samples, static_cast<char>(0x80)));
  return riff("WAVE", chunks.s);
}

// A standard MIDI file of one track: a note each half second.
inline std::string midiFile(int notes) {
  Bytes track;
  track.text(std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7));  // 120 beats a minute
  for (int i = 0; i < notes; ++i) {
    track.u8(0), track.u8(0x90), track.u8(60 + i % 12), track.u8(0x40);
    track.u8(0x60), track.u8(0x80), track.u8(60 + i % 12), track.u8(0x40);  // 96 ticks later
  }
  track.text(std::string("\x00\xFF\x2F\x00", 4));
  Bytes b;
  b.text("MThd");
  b.text(std::string("\0\0\0\6\0\0\0\1\0\x60", 10));  // format 0, one track, 96 ticks a beat
  b.text("MTrk");
  for (int shift = 24; shift >= 0; shift -= 8) b.u8(static_cast<unsigned>(track.s.size() >> shift));
  b.text(track.s);
  return b.s;
}

// The MIDI file wrapped as RIFF MIDI.
inline std::string rmiFile(const std::string& midi) {
  Bytes chunks;
  chunks.chunk("data", midi);
  return riff("RMID", chunks.s);
}

// An uncompressed 24-bit video of grey frames getting lighter.
inline std::string aviFile(int width, int height, int frames, int framesPerSecond) {
  const std::uint32_t frameBytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4 * height);
  Bytes avih;
  avih.u32(1000000u / static_cast<std::uint32_t>(framesPerSecond));
  avih.u32(frameBytes * static_cast<std::uint32_t>(framesPerSecond)), avih.u32(0);
  avih.u32(0x10 /* has an index */), avih.u32(static_cast<std::uint32_t>(frames)), avih.u32(0);
  avih.u32(1), avih.u32(frameBytes);
  avih.u32(static_cast<std::uint32_t>(width)), avih.u32(static_cast<std::uint32_t>(height));
  for (int i = 0; i < 4; ++i) avih.u32(0);
  Bytes strh;
  strh.text("vids"), strh.text("DIB "), strh.u32(0), strh.u16(0), strh.u16(0), strh.u32(0);
  strh.u32(1), strh.u32(static_cast<std::uint32_t>(framesPerSecond)), strh.u32(0);
  strh.u32(static_cast<std::uint32_t>(frames)), strh.u32(frameBytes), strh.u32(0xFFFFFFFFu);
  strh.u32(0), strh.u16(0), strh.u16(0), strh.u16(static_cast<unsigned>(width));
  strh.u16(static_cast<unsigned>(height));
  Bytes strf;
  strf.u32(40), strf.u32(static_cast<std::uint32_t>(width));
  strf.u32(static_cast<std::uint32_t>(height)), strf.u16(1), strf.u16(24), strf.u32(0);
  strf.u32(frameBytes), strf.u32(0), strf.u32(0), strf.u32(0), strf.u32(0);
  Bytes strl;
  strl.chunk("strh", strh.s), strl.chunk("strf", strf.s);
  Bytes hdrl;
  hdrl.chunk("avih", avih.s), hdrl.chunk("LIST", "strl" + strl.s);
  Bytes movi, index;
  for (int f = 0; f < frames; ++f) {
    index.text("00db"), index.u32(0x10 /* key frame */);
    index.u32(static_cast<std::uint32_t>(4 + movi.s.size())), index.u32(frameBytes);
    movi.chunk("00db", std::string(frameBytes, static_cast<char>(40 + f * 200 / frames)));
  }
  Bytes chunks;
  chunks.chunk("LIST", "hdrl" + hdrl.s);
  chunks.chunk("LIST", "movi" + movi.s);
  chunks.chunk("idx1", index.s);
  return riff("AVI ", chunks.s);
}

}  // namespace testmedia
