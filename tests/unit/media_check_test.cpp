#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "../e2e/media_files.h"
#include "platform/media_check.h"

namespace vl {
namespace {

using testmedia::Bytes;
using testmedia::riff;

MediaFault wave(std::string s) {
  BytesRecordFile f(std::move(s));
  return checkWaveFile(f);
}
MediaFault avi(std::string s) {
  BytesRecordFile f(std::move(s));
  return checkAviFile(f);
}
MediaFault midi(std::string s) {
  BytesRecordFile f(std::move(s));
  return checkMidiFile(f);
}
MediaFault rmi(std::string s) {
  BytesRecordFile f(std::move(s));
  return checkRmiFile(f);
}

void poke16(std::string& s, std::size_t at, unsigned v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void poke32(std::string& s, std::size_t at, std::uint32_t v) {
  poke16(s, at, v & 0xFFFF);
  poke16(s, at + 2, v >> 16);
}
void pokeBE16(std::string& s, std::size_t at, unsigned v) {
  s[at] = static_cast<char>((v >> 8) & 0xFF);
  s[at + 1] = static_cast<char>(v & 0xFF);
}
void pokeBE32(std::string& s, std::size_t at, std::uint32_t v) {
  pokeBE16(s, at, v >> 16);
  pokeBE16(s, at + 2, v & 0xFFFF);
}
std::uint32_t peek32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
  return v;
}
// Where a four-letter name first appears; the generated files hold each once.
std::size_t find(const std::string& s, const char* id) {
  std::size_t at = s.find(id);
  EXPECT_NE(at, std::string::npos) << id;
  return at;
}

// The fields of silentWave's fmt chunk, which begins at 12.
constexpr std::size_t kFmtSize = 16, kChannels = 22, kRate = 24, kAverage = 28, kAlign = 32,
                      kBits = 34, kDataSize = 40;

// A fmt chunk's body: PCM-style fields that agree with each other, then `extra`.
std::string waveFormat(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits,
                       const std::string& extra = "") {
  Bytes b;
  unsigned align = channels * bits / 8;
  b.u16(tag), b.u16(channels), b.u32(rate), b.u32(rate * align), b.u16(align), b.u16(bits);
  b.text(extra);
  return b.s;
}
// WAVE_FORMAT_EXTENSIBLE with a subformat of the KSDATAFORMAT_SUBTYPE family.
std::string extensible(unsigned channels, unsigned bits, unsigned validBits, std::uint32_t subtype,
                       unsigned cbSize = 22) {
  Bytes x;
  x.u16(cbSize), x.u16(validBits), x.u32(3 /* front left and right */);
  x.u32(subtype), x.u16(0), x.u16(0x10);
  x.text(std::string("\x80\x00\x00\xAA\x00\x38\x9B\x71", 8));
  return waveFormat(0xFFFE, channels, 48000, bits, x.s);
}
std::string waveFile(const std::string& fmt, const std::string& data = std::string(16, '\x80'),
                     const std::string& before = "", const std::string& after = "") {
  Bytes chunks;
  chunks.text(before);
  chunks.chunk("fmt ", fmt);
  chunks.chunk("data", data);
  chunks.text(after);
  return riff("WAVE", chunks.s);
}
std::string chunk(const char* id, const std::string& body) {
  Bytes b;
  b.chunk(id, body);
  return b.s;
}

// Counts what is read, to show that a check reads headers and not contents.
class CountingFile : public RecordFile {
 public:
  explicit CountingFile(RecordFile& file) : file_(file) {}
  std::int64_t length() const override { return file_.length(); }
  std::string read(std::int64_t offset, std::size_t count) override {
    std::string got = file_.read(offset, count);
    total += got.size();
    largest = std::max(largest, got.size());
    return got;
  }
  std::size_t total = 0, largest = 0;

 private:
  RecordFile& file_;
};

// A file of the given length holding the given pieces, and zeros elsewhere.
class SparseFile : public RecordFile {
 public:
  SparseFile(std::int64_t length, std::vector<std::pair<std::int64_t, std::string>> pieces)
      : length_(length), pieces_(std::move(pieces)) {}
  std::int64_t length() const override { return length_; }
  std::string read(std::int64_t offset, std::size_t count) override {
    if (offset < 0 || offset >= length_) return {};
    std::string out(static_cast<std::size_t>(
                        std::min<std::int64_t>(static_cast<std::int64_t>(count), length_ - offset)),
                    '\0');
    for (const auto& [at, bytes] : pieces_)
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::int64_t p = at + static_cast<std::int64_t>(i);
        if (p >= offset && p < offset + static_cast<std::int64_t>(out.size()))
          out[static_cast<std::size_t>(p - offset)] = bytes[i];
      }
    return out;
  }

 private:
  std::int64_t length_;
  std::vector<std::pair<std::int64_t, std::string>> pieces_;
};

TEST(MediaCheckSniff, FirstBytesNameTheFormat) {
  EXPECT_EQ(sniffMediaFormat(testmedia::silentWave(1)), MediaFormat::Wave);
  EXPECT_EQ(sniffMediaFormat(testmedia::aviFile(4, 2, 1, 10)), MediaFormat::Avi);
  EXPECT_EQ(sniffMediaFormat(testmedia::midiFile(1)), MediaFormat::Midi);
  EXPECT_EQ(sniffMediaFormat(testmedia::rmiFile(testmedia::midiFile(1))), MediaFormat::Rmi);
  EXPECT_EQ(sniffMediaFormat(testmedia::silentWave(1).substr(0, 12)), MediaFormat::Wave);
  EXPECT_EQ(sniffMediaFormat("MThd"), MediaFormat::Midi);
  // Too short to hold the form, another form, another byte order, plain text.
  EXPECT_EQ(sniffMediaFormat(testmedia::silentWave(1).substr(0, 11)), MediaFormat::Unknown);
  EXPECT_EQ(sniffMediaFormat(riff("PAL ", "")), MediaFormat::Unknown);
  EXPECT_EQ(sniffMediaFormat(std::string_view("RIFX\x24\0\0\0WAVE", 12)), MediaFormat::Unknown);
  EXPECT_EQ(sniffMediaFormat("Dear diary, today I wrote a WAVE file"), MediaFormat::Unknown);
  EXPECT_EQ(sniffMediaFormat(""), MediaFormat::Unknown);
}

TEST(MediaCheckWave, SoundFilesPass) {
  EXPECT_EQ(wave(testmedia::silentWave(5)), MediaFault::None);
  // 16-bit stereo at 44.1 kHz.
  EXPECT_EQ(wave(waveFile(waveFormat(1, 2, 44100, 16), std::string(400, '\0'))), MediaFault::None);
  // A LIST chunk before fmt, and odd-sized chunks each padded to even.
  Bytes info;
  info.text("INFO"), info.chunk("INAM", "abc");
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 8), std::string(5, '\x80'),
                          chunk("LIST", info.s) + chunk("JUNK", "odd"))),
            MediaFault::None);
  // The last chunk odd and its pad byte left out of the form and the file.
  std::string unpadded = waveFile(waveFormat(1, 1, 8000, 8), std::string(5, '\x80'));
  unpadded.pop_back();
  poke32(unpadded, 4, static_cast<std::uint32_t>(unpadded.size() - 8));
  EXPECT_EQ(wave(unpadded), MediaFault::None);
  // Chunks after the data, and bytes after the form.
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 8), "\x80\x80", "", chunk("cue ", "1234"))),
            MediaFault::None);
  EXPECT_EQ(wave(testmedia::silentWave(1) + "trailing"), MediaFault::None);
  // Data that is no whole number of blocks: the drivers play the whole ones.
  EXPECT_EQ(wave(waveFile(waveFormat(1, 2, 44100, 16), std::string(7, '\0'))), MediaFault::None);
  // Plain PCM ignores what an 18-byte chunk's cbSize says.
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 8, "\xFF\xFF"))), MediaFault::None);
  EXPECT_EQ(wave(waveFile(waveFormat(3, 2, 48000, 32))), MediaFault::None);
  EXPECT_EQ(wave(waveFile(waveFormat(3, 1, 96000, 64, std::string(2, '\0')))), MediaFault::None);
}

TEST(MediaCheckWave, ExtensibleAndCompressedFormatsPass) {
  EXPECT_EQ(wave(waveFile(extensible(2, 32, 24, 1))), MediaFault::None);
  EXPECT_EQ(wave(waveFile(extensible(2, 32, 32, 3))), MediaFault::None);
  EXPECT_EQ(wave(waveFile(extensible(8, 16, 16, 1))), MediaFault::None);
  // IMA ADPCM: blocks of 256 bytes, four bits a sample, two extra bytes.
  Bytes adpcm;
  adpcm.u16(0x11), adpcm.u16(1), adpcm.u32(8000), adpcm.u32(4055), adpcm.u16(256);
  adpcm.u16(4), adpcm.u16(2), adpcm.u16(505);
  EXPECT_EQ(wave(waveFile(adpcm.s, std::string(256, '\0'))), MediaFault::None);
  // A compressed subformat inside WAVE_FORMAT_EXTENSIBLE follows the compressed rules.
  EXPECT_EQ(wave(waveFile(extensible(2, 4, 4, 0x11))), MediaFault::None);
  // So does a subformat of another family, whatever its first bytes say.
  std::string vendor = extensible(2, 12, 12, 1);
  vendor[vendor.size() - 1] = 0x72;
  EXPECT_EQ(wave(waveFile(vendor)), MediaFault::None);
}

TEST(MediaCheckWave, FmtChunkThatReachesOutsideIsRefused) {
  std::string s = testmedia::silentWave(1);
  poke32(s, kFmtSize, 0xFFFFFFFF);
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  // Short of the 16 bytes of a WAVEFORMAT.
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 8).substr(0, 14))), MediaFault::Damaged);
  // cbSize declaring more than the chunk holds.
  EXPECT_EQ(wave(waveFile(waveFormat(0x11, 2, 8000, 4, std::string("\x03\0\0\0", 4)))),
            MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(extensible(2, 16, 16, 1).substr(0, 38))), MediaFault::Damaged);
}

TEST(MediaCheckWave, PcmFieldsTheDriversTrustAreChecked) {
  auto withField = [](std::size_t at, unsigned v, bool wide = false) {
    std::string s = testmedia::silentWave(1);
    wide ? poke32(s, at, v) : poke16(s, at, v);
    return wave(s);
  };
  // An 8 kHz 8-bit header with no channels and so no block.
  std::string none = testmedia::silentWave(1);
  poke16(none, kChannels, 0), poke16(none, kAlign, 0), poke32(none, kAverage, 0);
  EXPECT_EQ(wave(none), MediaFault::Damaged);
  EXPECT_EQ(withField(kBits, 7), MediaFault::Damaged);
  EXPECT_EQ(withField(kChannels, 65535), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 9, 8000, 8))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 8, 8000, 8))), MediaFault::None);
  EXPECT_EQ(withField(kRate, 0, true), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 384001, 8))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 384000, 8))), MediaFault::None);
  EXPECT_EQ(withField(kAlign, 2), MediaFault::Damaged);
  EXPECT_EQ(withField(kAverage, 8001, true), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 12))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 1, 8000, 64))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(3, 1, 8000, 16))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(waveFormat(1, 8, 384000, 32))), MediaFault::None);
}

TEST(MediaCheckWave, CompressedAndExtensibleFieldsAreChecked) {
  Bytes adpcm;
  adpcm.u16(0x11), adpcm.u16(1), adpcm.u32(8000), adpcm.u32(4055), adpcm.u16(0);
  adpcm.u16(4), adpcm.u16(2), adpcm.u16(505);
  EXPECT_EQ(wave(waveFile(adpcm.s)), MediaFault::Damaged);  // no block
  poke16(adpcm.s, 12, 256), poke16(adpcm.s, 2, 0);
  EXPECT_EQ(wave(waveFile(adpcm.s)), MediaFault::Damaged);  // no channel
  poke16(adpcm.s, 2, 9);
  EXPECT_EQ(wave(waveFile(adpcm.s)), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(extensible(2, 16, 16, 1, 21))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(extensible(2, 16, 24, 1))), MediaFault::Damaged);  // valid > bits
  EXPECT_EQ(wave(waveFile(extensible(2, 7, 7, 1))), MediaFault::Damaged);    // PCM rules
  EXPECT_EQ(wave(waveFile(extensible(2, 16, 16, 3))), MediaFault::Damaged);  // float rules
  EXPECT_EQ(wave(waveFile(extensible(0, 16, 16, 0x55))), MediaFault::Damaged);
}

TEST(MediaCheckWave, ChunksMustLieInsideTheFormAndTheFile) {
  std::string s = testmedia::silentWave(1);
  poke32(s, 4, static_cast<std::uint32_t>(s.size() - 7));  // one byte more than the file
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  poke32(s, 4, 3);  // not even its form type
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  // The data chunk past the end of the file: a truncated recording.
  s = testmedia::silentWave(1);
  poke32(s, kDataSize, peek32(s, kDataSize) + 2);
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  poke32(s, kDataSize, 0xFFFFFFFF);
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  // The data chunk inside the file but past the form's end.
  s = testmedia::silentWave(1) + std::string(100, '\0');
  poke32(s, kDataSize, peek32(s, kDataSize) + 50);
  EXPECT_EQ(wave(s), MediaFault::Damaged);
  // A chunk after the data that runs out of the form.
  std::string after = waveFile(waveFormat(1, 1, 8000, 8), "\x80\x80", "", chunk("cue ", "1234"));
  poke32(after, after.size() - 8, 6);
  EXPECT_EQ(wave(after), MediaFault::Damaged);
}

TEST(MediaCheckWave, OneFormatBeforeTheData) {
  const std::string fmt = waveFormat(1, 1, 8000, 8);
  EXPECT_EQ(wave(waveFile(fmt, "\x80\x80", chunk("fmt ", fmt))), MediaFault::Damaged);
  EXPECT_EQ(wave(waveFile(fmt, "\x80\x80", "", chunk("fmt ", fmt))), MediaFault::Damaged);
  EXPECT_EQ(wave(riff("WAVE", chunk("data", "\x80\x80") + chunk("fmt ", fmt))),
            MediaFault::Damaged);
  EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", fmt))), MediaFault::Damaged);
  EXPECT_EQ(wave(riff("WAVE", chunk("data", "\x80\x80"))), MediaFault::Damaged);
  EXPECT_EQ(wave(riff("WAVE", "")), MediaFault::Damaged);
}

TEST(MediaCheckWave, OtherFilesAreTheWrongKind) {
  EXPECT_EQ(wave("Dear diary, today I wrote a WAVE file"), MediaFault::WrongKind);
  EXPECT_EQ(wave(""), MediaFault::WrongKind);
  EXPECT_EQ(wave(testmedia::aviFile(4, 2, 1, 10)), MediaFault::WrongKind);
  EXPECT_EQ(wave(testmedia::midiFile(1)), MediaFault::WrongKind);
}

TEST(MediaCheckWave, LargeRecordingIsCheckedWithoutReadingItsSamples) {
  const std::uint32_t samples = 100u << 20;
  Bytes head;
  head.text("RIFF"), head.u32(36 + samples + 12), head.text("WAVE");
  head.chunk("fmt ", waveFormat(1, 2, 44100, 16));
  head.text("data"), head.u32(samples);
  const std::int64_t tailAt = static_cast<std::int64_t>(head.s.size()) + samples;
  SparseFile sparse(tailAt + 12, {{0, head.s}, {tailAt, chunk("cue ", "1234")}});
  CountingFile counted(sparse);
  EXPECT_EQ(checkWaveFile(counted), MediaFault::None);
  EXPECT_LT(counted.total, 64u * 1024);
  // The chunk after the samples was found where the data's size says: damage there shows.
  SparseFile broken(tailAt + 12, {{0, head.s}, {tailAt, std::string("cue \6\0\0\0", 8)}});
  EXPECT_EQ(checkWaveFile(broken), MediaFault::Damaged);
}

// An AVI made of parts, for what the generator cannot make.
std::string mainHeader(std::uint32_t streams, std::uint32_t width = 4, std::uint32_t height = 2,
                       std::size_t size = 56) {
  Bytes b;
  for (int i = 0; i < 6; ++i) b.u32(i == 4 ? 1 : 0);
  b.u32(streams), b.u32(0), b.u32(width), b.u32(height);
  b.s.resize(size, '\0');
  return chunk("avih", b.s);
}
std::string streamList(const char* type, const std::string& format, std::size_t headerSize = 56) {
  std::string strh = std::string(type) + "    ";
  strh.resize(headerSize, '\0');
  return chunk("LIST", "strl" + chunk("strh", strh) + chunk("strf", format));
}
std::string bitmapHeader(std::uint32_t width, std::uint32_t height, std::uint32_t size = 40) {
  Bytes b;
  b.u32(size), b.u32(width), b.u32(height), b.u16(1), b.u16(24);
  b.s.resize(40, '\0');
  return b.s;
}
std::string aviOf(const std::string& hdrl, const std::string& movi, const std::string& index) {
  return riff("AVI ", chunk("LIST", "hdrl" + hdrl) + chunk("LIST", "movi" + movi) +
                          (index.empty() ? "" : chunk("idx1", index)));
}
std::string indexEntry(const char* id, std::uint32_t offset, std::uint32_t size) {
  Bytes b;
  b.text(id), b.u32(0x10), b.u32(offset), b.u32(size);
  return b.s;
}

TEST(MediaCheckAvi, VideoFilesPass) {
  EXPECT_EQ(avi(testmedia::aviFile(4, 2, 3, 10)), MediaFault::None);
  EXPECT_EQ(avi(testmedia::aviFile(32, 24, 1, 25) + "trailing"), MediaFault::None);
  // A video and a sound stream, their frames interleaved, JUNK between the lists.
  std::string movi = chunk("00db", std::string(24, '\0')) + chunk("01wb", std::string(8, '\0'));
  std::string hdrl = mainHeader(2) + streamList("vids", bitmapHeader(4, 2)) + chunk("JUNK", "pad") +
                     streamList("auds", waveFormat(1, 1, 8000, 8));
  std::string index = indexEntry("00db", 4, 24) + indexEntry("01wb", 4 + 32, 8);
  EXPECT_EQ(avi(aviOf(hdrl, movi, index)), MediaFault::None);
  // The same index with offsets from the file's start.
  std::string file = aviOf(hdrl, movi, index);
  const std::uint32_t moviAt = static_cast<std::uint32_t>(find(file, "movi"));
  std::string absolute = indexEntry("00db", moviAt + 4, 24) + indexEntry("01wb", moviAt + 36, 8);
  EXPECT_EQ(avi(aviOf(hdrl, movi, absolute)), MediaFault::None);
  // Frames drawn top-down; no index at all.
  EXPECT_EQ(avi(aviOf(mainHeader(1) + streamList("vids", bitmapHeader(4, 0xFFFFFFFE)), movi, "")),
            MediaFault::None);
  // A stream of neither kind keeps its own format.
  EXPECT_EQ(avi(aviOf(mainHeader(1) + streamList("txts", ""), movi, "")), MediaFault::None);
}

TEST(MediaCheckAvi, MainHeaderIsChecked) {
  const std::string good = testmedia::aviFile(4, 2, 3, 10);
  const std::size_t avih = find(good, "avih") + 8;
  std::string s = good;
  poke32(s, avih + 24, 0);  // no stream
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, avih + 24, 2);  // two streams, one list
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, avih + 32, 0x7FFFFFFF);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, avih + 36, 0);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, avih + 36, 0xFFFFFFFF);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  // One list more than the header says.
  std::string strl = streamList("vids", bitmapHeader(4, 2));
  EXPECT_EQ(avi(aviOf(mainHeader(1) + strl + strl, "", "")), MediaFault::Damaged);
  EXPECT_EQ(avi(aviOf(mainHeader(2) + strl + strl, "", "")), MediaFault::None);
  EXPECT_EQ(avi(aviOf(mainHeader(1, 4, 2, 52) + strl, "", "")), MediaFault::Damaged);
  EXPECT_EQ(avi(aviOf(mainHeader(1, 32767, 32767) + strl, "", "")), MediaFault::None);
  EXPECT_EQ(avi(aviOf(mainHeader(1, 32768, 2) + strl, "", "")), MediaFault::Damaged);
  // The stream lists before the main header.
  EXPECT_EQ(avi(aviOf(strl + mainHeader(1), "", "")), MediaFault::Damaged);
}

TEST(MediaCheckAvi, StreamHeadersAndFormatsAreChecked) {
  const std::string good = testmedia::aviFile(4, 2, 3, 10);
  const std::size_t strf = find(good, "strf");
  std::string s = good;
  poke32(s, strf + 4, 42);  // past the end of its list
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  poke32(s, strf + 4, 0xFFFFFFFF);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, strf + 12, 0x7FFFFFFF);  // biWidth
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, strf + 16, 0x80000000);  // biHeight
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, strf + 8, 44);  // biSize past the strf chunk
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  s[strf + 3] = 'g';  // a strl without its strf
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  auto one = [](const std::string& strl) {
    return avi(aviOf(mainHeader(1) + strl, chunk("00db", std::string(24, '\0')), ""));
  };
  EXPECT_EQ(one(streamList("vids", bitmapHeader(4, 2), 44)), MediaFault::Damaged);  // strh
  EXPECT_EQ(one(streamList("vids", bitmapHeader(4, 2).substr(0, 36))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("vids", bitmapHeader(0, 2))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("vids", bitmapHeader(4, 2, 12))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("vids", bitmapHeader(32767, 0xFFFF8001))), MediaFault::None);
  // A sound stream's format by the rules of a WAV's fmt chunk.
  EXPECT_EQ(one(streamList("auds", waveFormat(1, 0, 8000, 8))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("auds", waveFormat(1, 1, 8000, 7))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("auds", waveFormat(0x55, 2, 44100, 0))), MediaFault::Damaged);
  EXPECT_EQ(one(streamList("auds", extensible(2, 32, 24, 1))), MediaFault::None);
  // The format before its header.
  std::string swapped =
      chunk("LIST", "strl" + chunk("strf", bitmapHeader(4, 2)) +
                        chunk("strh", std::string("vids") + std::string(52, '\0')));
  EXPECT_EQ(one(swapped), MediaFault::Damaged);
}

TEST(MediaCheckAvi, ListsMustLieInsideTheFile) {
  const std::string good = testmedia::aviFile(4, 2, 3, 10);
  std::string s = good;
  poke32(s, find(s, "movi") - 4, 0x7FFFFFF0);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, 4, static_cast<std::uint32_t>(s.size() - 7));
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, find(s, "hdrl") - 4, 0xFFFFFFF0);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, find(s, "idx1") + 4, peek32(s, find(s, "idx1") + 4) + 16);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  // No movi list; the headers not first; headers over 1 MB.
  s = good;
  s[find(s, "movi") + 3] = 'j';
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  EXPECT_EQ(avi(riff("AVI ", chunk("JUNK", "1234") + good.substr(12))), MediaFault::Damaged);
  std::string strl = streamList("vids", bitmapHeader(4, 2));
  EXPECT_EQ(avi(aviOf(mainHeader(1) + strl + chunk("JUNK", std::string(1 << 20, '\0')), "", "")),
            MediaFault::Damaged);
  EXPECT_EQ(avi(aviOf(mainHeader(1) + strl + chunk("JUNK", std::string(1000, '\0')), "", "")),
            MediaFault::None);
  EXPECT_EQ(avi(riff("AVI ", "")), MediaFault::Damaged);
  EXPECT_EQ(avi(testmedia::silentWave(1)), MediaFault::WrongKind);
}

TEST(MediaCheckAvi, IndexEntriesMustNameChunksInsideTheMovieList) {
  const std::string good = testmedia::aviFile(4, 2, 3, 10);
  const std::size_t entries = find(good, "idx1") + 8, last = entries + 32;
  std::string s = good;
  poke32(s, last + 12, peek32(s, last + 12) + 1);  // one byte past the list
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, last + 8, 0xFFFFFFF8);  // wraps round if added carelessly
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  s = good;
  poke32(s, last + 12, 0xFFFFFFFF);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  // Absolute offsets, decided by the first entry: one too far is still caught.
  s = good;
  const std::uint32_t moviAt = static_cast<std::uint32_t>(find(s, "movi"));
  for (std::size_t e = entries; e <= last; e += 16) poke32(s, e + 8, moviAt + peek32(s, e + 8));
  EXPECT_EQ(avi(s), MediaFault::None);
  poke32(s, last + 12, peek32(s, last + 12) + 1);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  // A later entry before the list, read as absolute.
  s = good;
  poke32(s, entries + 8, moviAt + 4);
  EXPECT_EQ(avi(s), MediaFault::Damaged);
  // A partial entry at the end is never read.
  s = testmedia::aviFile(4, 2, 3, 10);
  std::string withTail =
      riff("AVI ", s.substr(12, entries - 8 - 12) + chunk("idx1", s.substr(entries) + "0123"));
  EXPECT_EQ(avi(withTail), MediaFault::None);
}

TEST(MediaCheckAvi, LongIndexIsReadInBlocks) {
  const std::string good = testmedia::aviFile(4, 2, 1, 10);
  const std::size_t idx1 = find(good, "idx1");
  std::string entries;
  for (int i = 0; i < 100000; ++i) entries += good.substr(idx1 + 8, 16);
  BytesRecordFile file(riff("AVI ", good.substr(12, idx1 - 12) + chunk("idx1", entries)));
  CountingFile counted(file);
  EXPECT_EQ(checkAviFile(counted), MediaFault::None);
  EXPECT_LE(counted.largest, 64u * 1024);
  EXPECT_GE(counted.total, entries.size());
}

// A standard MIDI file of the given header and tracks, with `between` after the first.
std::string midiOf(unsigned format, unsigned declared, int tracks, unsigned division = 96,
                   const std::string& between = "") {
  const std::string track = testmedia::midiFile(2).substr(14);
  std::string s = std::string("MThd\0\0\0\6", 8);
  s.resize(14);
  pokeBE16(s, 8, format), pokeBE16(s, 10, declared), pokeBE16(s, 12, division);
  for (int i = 0; i < tracks; ++i) s += track + (i == 0 ? between : "");
  return s;
}

TEST(MediaCheckMidi, MusicFilesPass) {
  EXPECT_EQ(midi(testmedia::midiFile(8)), MediaFault::None);
  EXPECT_EQ(midi(midiOf(1, 3, 3)), MediaFault::None);
  EXPECT_EQ(midi(midiOf(2, 2, 2)), MediaFault::None);
  // A chunk of another kind between the tracks, bytes after them.
  EXPECT_EQ(midi(midiOf(1, 2, 2, 96, std::string("XFIH\0\0\0\3abc", 11))), MediaFault::None);
  EXPECT_EQ(midi(testmedia::midiFile(1) + "trailing"), MediaFault::None);
  // SMPTE time: -25 frames a second, 40 ticks a frame; a longer header.
  EXPECT_EQ(midi(midiOf(0, 1, 1, 0xE728)), MediaFault::None);
  EXPECT_EQ(midi(midiOf(0, 1, 1, 0xE350)), MediaFault::None);  // -29
  std::string longer = testmedia::midiFile(1);
  longer.insert(14, "xy");
  pokeBE32(longer, 4, 8);
  EXPECT_EQ(midi(longer), MediaFault::None);
}

TEST(MediaCheckMidi, HeaderFieldsAreChecked) {
  EXPECT_EQ(midi(midiOf(3, 1, 1)), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(1, 0, 0)), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(0, 2, 2)), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(0, 1, 1, 0)), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(0, 1, 1, 0xE900)), MediaFault::Damaged);  // -23 frames
  EXPECT_EQ(midi(midiOf(0, 1, 1, 0xE700)), MediaFault::Damaged);  // no tick a frame
  std::string s = testmedia::midiFile(1);
  pokeBE32(s, 4, 5);
  EXPECT_EQ(midi(s), MediaFault::Damaged);
  pokeBE32(s, 4, 0xFFFFFFF0);
  EXPECT_EQ(midi(s), MediaFault::Damaged);
  EXPECT_EQ(midi(std::string("MThd\0\0\0\6\0\0", 10)), MediaFault::Damaged);
  EXPECT_EQ(midi("MThd"), MediaFault::Damaged);
}

TEST(MediaCheckMidi, DeclaredTracksMustBeInTheFile) {
  std::string s = testmedia::midiFile(4);
  pokeBE32(s, 18, static_cast<std::uint32_t>(s.size() - 21));  // one byte past the end
  EXPECT_EQ(midi(s), MediaFault::Damaged);
  pokeBE32(s, 18, 0xFFFFFFFF);
  EXPECT_EQ(midi(s), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(1, 3, 2)), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(1, 2, 2, 96, std::string("XFIH\0\0\0\x40", 8))), MediaFault::Damaged);
  EXPECT_EQ(midi(midiOf(1, 2, 1) + "MTr"), MediaFault::Damaged);
  // A chunk of another kind is no track.
  EXPECT_EQ(midi(midiOf(1, 2, 1, 96, std::string("XFIH\0\0\0\0", 8))), MediaFault::Damaged);
  EXPECT_EQ(midi(testmedia::rmiFile(testmedia::midiFile(1))), MediaFault::WrongKind);
  EXPECT_EQ(midi("Dear diary"), MediaFault::WrongKind);
}

TEST(MediaCheckRmi, WrappedMusicIsChecked) {
  const std::string song = testmedia::midiFile(4);
  EXPECT_EQ(rmi(testmedia::rmiFile(song)), MediaFault::None);
  EXPECT_EQ(
      rmi(riff("RMID", chunk("LIST", std::string("INFOICMT\1\0\0\0x", 13)) + chunk("data", song))),
      MediaFault::None);
  EXPECT_EQ(rmi(riff("RMID", chunk("LIST", "INFO"))), MediaFault::Damaged);
  std::string s = testmedia::rmiFile(song);
  poke32(s, 16, static_cast<std::uint32_t>(song.size() + 2));  // data past the end
  EXPECT_EQ(rmi(s), MediaFault::Damaged);
  s = testmedia::rmiFile(song);
  poke32(s, 4, static_cast<std::uint32_t>(s.size() - 7));
  EXPECT_EQ(rmi(s), MediaFault::Damaged);
  // The music inside must be sound, and may not reach out of its chunk.
  EXPECT_EQ(rmi(testmedia::rmiFile(midiOf(0, 1, 1, 0))), MediaFault::Damaged);
  EXPECT_EQ(rmi(testmedia::rmiFile("Dear diary, not music")), MediaFault::Damaged);
  std::string reaching = song;
  pokeBE32(reaching, 18, static_cast<std::uint32_t>(song.size() - 22 + 4));
  EXPECT_EQ(rmi(riff("RMID", chunk("data", reaching) + chunk("JUNK", "12345678"))),
            MediaFault::Damaged);
  EXPECT_EQ(rmi(song), MediaFault::WrongKind);
}

TEST(MediaCheckFile, TheFirstBytesChooseTheCheck) {
  auto check = [](std::string s) {
    BytesRecordFile f(std::move(s));
    return checkMediaFile(f);
  };
  EXPECT_EQ(check(testmedia::silentWave(1)), MediaFault::None);
  EXPECT_EQ(check(testmedia::aviFile(4, 2, 1, 10)), MediaFault::None);
  EXPECT_EQ(check(testmedia::midiFile(1)), MediaFault::None);
  EXPECT_EQ(check(testmedia::rmiFile(testmedia::midiFile(1))), MediaFault::None);
  std::string s = testmedia::silentWave(1);
  poke16(s, kBits, 7);
  EXPECT_EQ(check(s), MediaFault::Damaged);
  EXPECT_EQ(check("Dear diary, today I wrote a WAVE file"), MediaFault::WrongKind);
}

TEST(MediaCheckFile, BytesRecordFileReadsLikeAFile) {
  BytesRecordFile f("abcdef");
  EXPECT_EQ(f.length(), 6);
  EXPECT_EQ(f.read(2, 3), "cde");
  EXPECT_EQ(f.read(4, 10), "ef");
  EXPECT_EQ(f.read(6, 1), "");
  EXPECT_EQ(f.read(-1, 2), "");
}

}  // namespace
}  // namespace vl
