#include "platform/media_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/bytes.h"

namespace vl {

namespace {

using Pos = std::uint64_t;  // a place in the file

constexpr std::size_t kBlock = 4096;            // chunk headers are read a block at a time
constexpr std::size_t kIndexBlock = 64 * 1024;  // the video index, 16 bytes an entry
constexpr std::size_t kIndexEntry = 16;
constexpr Pos kLargestHeaderList = 1 << 20;  // the AVI headers are read whole
constexpr unsigned kMostChannels = 8;
constexpr unsigned long kLargestRate = 384000;
constexpr long kLargestFrameSide = 32767;

enum : unsigned long { kPcm = 1, kFloat = 3, kExtensible = 0xFFFE };
// KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT after their first four bytes, the format tag.
constexpr std::string_view kSubtypeTail("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);

// A file's bytes through a cache of one block, so that walking small chunks
// does not cost a read each. The file's length is taken once: a file that
// changes under the check reads short, and a short read is damage.
class Source {
 public:
  explicit Source(RecordFile& file)
      : file_(file), length_(static_cast<Pos>(std::max<std::int64_t>(0, file.length()))) {}
  Pos length() const { return length_; }

  // The bytes [at, at + count), all of them or none; valid until the next call.
  std::optional<std::string_view> bytes(Pos at, std::size_t count) {
    if (at > length_ || count > length_ - at) return std::nullopt;
    if (count == 0) return std::string_view();
    if (at >= cacheAt_ && at - cacheAt_ <= cache_.size() &&
        count <= cache_.size() - static_cast<std::size_t>(at - cacheAt_))
      return std::string_view(cache_).substr(static_cast<std::size_t>(at - cacheAt_), count);
    auto want = static_cast<std::size_t>(std::min<Pos>(std::max(count, kBlock), length_ - at));
    cache_ = file_.read(static_cast<std::int64_t>(at), want);
    if (cache_.size() > want) cache_.resize(want);
    cacheAt_ = at;
    if (cache_.size() < count) return std::nullopt;
    return std::string_view(cache_).substr(0, count);
  }

 private:
  RecordFile& file_;
  Pos length_;
  std::string cache_;
  Pos cacheAt_ = 0;
};

MediaFormat sniffSource(Source& src) {
  auto head = src.bytes(0, static_cast<std::size_t>(std::min<Pos>(12, src.length())));
  return head ? sniffMediaFormat(*head) : MediaFormat::Unknown;
}

// The end of the first RIFF form, which must lie inside the file and hold its form type.
std::optional<Pos> riffEnd(Source& src) {
  auto head = src.bytes(0, 12);
  if (!head) return std::nullopt;
  Pos size = readU32(*head, 4);
  if (size < 4 || size > src.length() - 8) return std::nullopt;
  return 8 + size;
}

struct Chunk {
  std::string id;
  std::string form;  // a list's type: the first four bytes of the body, if it has them
  Pos data = 0;      // where the body begins
  std::uint32_t size = 0;
};

// Calls each(chunk) for the chunks of [begin, end) in order; a chunk that runs
// past the end is damage. A pad byte missing at the very end is not: many
// writers leave it out of the last chunk.
template <class Each>
MediaFault walkFileChunks(Source& src, Pos begin, Pos end, Each&& each) {
  Pos at = begin;
  while (at <= end && end - at >= 8) {
    auto head = src.bytes(at, static_cast<std::size_t>(std::min<Pos>(12, end - at)));
    if (!head) return MediaFault::Damaged;
    Chunk c;
    c.id = head->substr(0, 4);
    c.size = static_cast<std::uint32_t>(readU32(*head, 4));
    c.data = at + 8;
    if (c.size > end - c.data) return MediaFault::Damaged;
    if (c.size >= 4) c.form = head->substr(8, 4);
    if (MediaFault f = each(c); f != MediaFault::None) return f;
    at = c.data + c.size + (c.size & 1);
  }
  return MediaFault::None;
}

// The same over chunks already in memory: each(id, body).
template <class Each>
MediaFault walkChunks(std::string_view bytes, Each&& each) {
  std::size_t at = 0;
  while (bytes.size() - at >= 8) {
    std::string_view id = bytes.substr(at, 4);
    std::size_t size = readU32(bytes, at + 4);
    if (size > bytes.size() - at - 8) return MediaFault::Damaged;
    if (MediaFault f = each(id, bytes.substr(at + 8, size)); f != MediaFault::None) return f;
    at = std::min(bytes.size(), at + 8 + size + (size & 1));
  }
  return MediaFault::None;
}

// A WAVEFORMAT, WAVEFORMATEX or WAVEFORMATEXTENSIBLE: `fmt` holds the chunk's
// first bytes (up to 40), `size` is the whole chunk's.
MediaFault checkWaveFormat(std::string_view fmt, std::uint32_t size) {
  if (size < 16 || fmt.size() < 16) return MediaFault::Damaged;
  unsigned long tag = readU16(fmt, 0), rate = readU32(fmt, 4), average = readU32(fmt, 8);
  unsigned channels = readU16(fmt, 2), align = readU16(fmt, 12), bits = readU16(fmt, 14);
  if (channels < 1 || channels > kMostChannels || rate < 1 || rate > kLargestRate)
    return MediaFault::Damaged;
  // Beyond plain PCM the drivers copy the extra bytes cbSize declares.
  if (tag != kPcm && size >= 18 && 18u + readU16(fmt, 16) > size) return MediaFault::Damaged;
  unsigned long samples = tag;
  if (tag == kExtensible) {
    if (size < 40 || fmt.size() < 40 || readU16(fmt, 16) < 22 || readU16(fmt, 18) > bits)
      return MediaFault::Damaged;
    samples = fmt.substr(28, 12) == kSubtypeTail ? readU32(fmt, 24) : kExtensible;
  }
  if (samples == kPcm || samples == kFloat) {
    bool depth = samples == kPcm ? bits == 8 || bits == 16 || bits == 24 || bits == 32
                                 : bits == 32 || bits == 64;
    if (!depth || align != channels * bits / 8 ||
        average != static_cast<std::uint64_t>(rate) * align)
      return MediaFault::Damaged;
    return MediaFault::None;
  }
  return align >= 1 ? MediaFault::None : MediaFault::Damaged;
}

bool frameSide(long long side) {
  return side >= 1 && side <= kLargestFrameSide;
}

MediaFault checkBitmapHeader(std::string_view strf) {
  if (strf.size() < 40) return MediaFault::Damaged;
  unsigned long headerSize = readU32(strf, 0);
  long long height = readI32(strf, 8);  // negative: rows top-down
  if (headerSize < 40 || headerSize > strf.size() || !frameSide(readI32(strf, 4)) ||
      !frameSide(height < 0 ? -height : height))
    return MediaFault::Damaged;
  return MediaFault::None;
}

// A "strl" list after its type: the stream's header, then its format.
MediaFault checkStreamList(std::string_view strl) {
  std::optional<std::string_view> header, format;
  MediaFault f = walkChunks(strl, [&](std::string_view id, std::string_view body) {
    if (id == "strh") {
      if (header || body.size() < 48) return MediaFault::Damaged;
      header = body;
    } else if (id == "strf") {
      if (!header || format) return MediaFault::Damaged;
      format = body;
    }
    return MediaFault::None;
  });
  if (f != MediaFault::None) return f;
  if (!header || !format) return MediaFault::Damaged;
  std::string_view type = header->substr(0, 4);
  if (type == "vids") return checkBitmapHeader(*format);
  if (type == "auds")
    return checkWaveFormat(format->substr(0, 40), static_cast<std::uint32_t>(format->size()));
  return MediaFault::None;
}

// The "hdrl" list after its type: the main header first, then a list per stream.
MediaFault checkHeaderList(std::string_view hdrl) {
  bool mainHeader = false;
  unsigned long declared = 0, streams = 0;
  MediaFault f = walkChunks(hdrl, [&](std::string_view id, std::string_view body) {
    if (!mainHeader) {
      if (id != "avih" || body.size() < 56) return MediaFault::Damaged;
      mainHeader = true;
      declared = readU32(body, 24);
      if (!frameSide(readU32(body, 32)) || !frameSide(readU32(body, 36)))
        return MediaFault::Damaged;
      return MediaFault::None;
    }
    if (id == "LIST" && body.substr(0, 4) == "strl") {
      ++streams;
      return checkStreamList(body.substr(4));
    }
    return MediaFault::None;
  });
  if (f != MediaFault::None) return f;
  if (!mainHeader || streams == 0 || streams != declared) return MediaFault::Damaged;
  return MediaFault::None;
}

// Every idx1 entry must name a chunk inside the movi list. Its offsets count
// from the list's "movi" or from the file's start; as the players do, the
// first entry decides which: an offset before the list cannot be absolute.
MediaFault checkIndex(Source& src, const Chunk& movi, const Chunk& idx1) {
  const Pos moviStart = movi.data, moviEnd = movi.data + movi.size;
  const Pos entries = idx1.size / kIndexEntry;  // a partial entry at the end is never read
  Pos base = 0;
  for (Pos done = 0; done < entries;) {
    auto n = static_cast<std::size_t>(std::min<Pos>(entries - done, kIndexBlock / kIndexEntry));
    auto block = src.bytes(idx1.data + done * kIndexEntry, n * kIndexEntry);
    if (!block) return MediaFault::Damaged;
    if (done == 0 && readU32(*block, 8) < moviStart) base = moviStart;
    for (std::size_t i = 0; i < n; ++i) {
      Pos at = base + readU32(*block, i * kIndexEntry + 8);
      Pos size = readU32(*block, i * kIndexEntry + 12);
      if (at < moviStart || at > moviEnd || moviEnd - at < 8 || moviEnd - at - 8 < size)
        return MediaFault::Damaged;
    }
    done += n;
  }
  return MediaFault::None;
}

// A standard MIDI file lying in [begin, end).
MediaFault checkMidiIn(Source& src, Pos begin, Pos end) {
  auto head = src.bytes(begin, static_cast<std::size_t>(std::min<Pos>(14, end - begin)));
  if (!head) return MediaFault::Damaged;
  if (head->substr(0, 4) != "MThd") return MediaFault::WrongKind;
  if (head->size() < 8) return MediaFault::Damaged;
  std::uint32_t length = readBigU32(*head, 4);
  if (length < 6 || length > end - begin - 8) return MediaFault::Damaged;
  unsigned format = readBigU16(*head, 8), tracks = readBigU16(*head, 10),
           division = readBigU16(*head, 12);
  if (format > 2 || tracks == 0 || (format == 0 && tracks != 1) || division == 0)
    return MediaFault::Damaged;
  if (division & 0x8000) {
    // Frames a second as a negative byte, then ticks a frame.
    int frames = 256 - static_cast<int>(division >> 8);
    if ((frames != 24 && frames != 25 && frames != 29 && frames != 30) || (division & 0xFF) == 0)
      return MediaFault::Damaged;
  }
  // The tracks, with any chunks of other kinds between them skipped.
  Pos at = begin + 8 + length;
  for (unsigned found = 0; found < tracks;) {
    if (end - at < 8) return MediaFault::Damaged;
    auto chunk = src.bytes(at, 8);
    if (!chunk) return MediaFault::Damaged;
    std::uint32_t size = readBigU32(*chunk, 4);
    if (size > end - at - 8) return MediaFault::Damaged;
    if (chunk->substr(0, 4) == "MTrk") ++found;
    at += 8 + Pos{size};
  }
  return MediaFault::None;
}

}  // namespace

std::string BytesRecordFile::read(std::int64_t offset, std::size_t count) {
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= bytes_.size()) return {};
  return bytes_.substr(static_cast<std::size_t>(offset), count);
}

MediaFormat sniffMediaFormat(std::string_view head) {
  if (head.substr(0, 4) == "MThd") return MediaFormat::Midi;
  if (head.size() < 12 || head.substr(0, 4) != "RIFF") return MediaFormat::Unknown;
  std::string_view form = head.substr(8, 4);
  if (form == "WAVE") return MediaFormat::Wave;
  if (form == "AVI ") return MediaFormat::Avi;
  if (form == "RMID") return MediaFormat::Rmi;
  return MediaFormat::Unknown;
}

MediaFault checkWaveFile(RecordFile& file) {
  Source src(file);
  if (sniffSource(src) != MediaFormat::Wave) return MediaFault::WrongKind;
  auto end = riffEnd(src);
  if (!end) return MediaFault::Damaged;
  bool format = false, data = false;
  MediaFault f = walkFileChunks(src, 12, *end, [&](const Chunk& c) {
    if (c.id == "fmt ") {
      if (format) return MediaFault::Damaged;
      format = true;
      auto fmt = src.bytes(c.data, std::min<std::size_t>(c.size, 40));
      return fmt ? checkWaveFormat(*fmt, c.size) : MediaFault::Damaged;
    }
    if (c.id == "data") {
      if (!format) return MediaFault::Damaged;
      // The walk has held it inside the file: a truncated recording is refused
      // rather than a driver left to read past the end. A size that is no
      // whole number of blocks passes: the drivers play the whole blocks.
      data = true;
    }
    return MediaFault::None;
  });
  if (f != MediaFault::None) return f;
  return data ? MediaFault::None : MediaFault::Damaged;
}

MediaFault checkAviFile(RecordFile& file) {
  Source src(file);
  if (sniffSource(src) != MediaFormat::Avi) return MediaFault::WrongKind;
  // Beyond 1 GB the file goes on in further RIFF forms; the first holds the headers.
  auto end = riffEnd(src);
  if (!end) return MediaFault::Damaged;
  bool headers = false;
  std::optional<Chunk> movi, idx1;
  MediaFault f = walkFileChunks(src, 12, *end, [&](const Chunk& c) {
    if (!headers) {
      if (c.id != "LIST" || c.form != "hdrl" || c.size > kLargestHeaderList)
        return MediaFault::Damaged;
      headers = true;
      auto hdrl = src.bytes(c.data, c.size);
      return hdrl ? checkHeaderList(hdrl->substr(4)) : MediaFault::Damaged;
    }
    if (c.id == "LIST" && c.form == "movi" && !movi) movi = c;
    if (c.id == "idx1" && !idx1) idx1 = c;
    return MediaFault::None;
  });
  if (f != MediaFault::None) return f;
  if (!movi) return MediaFault::Damaged;
  return idx1 ? checkIndex(src, *movi, *idx1) : MediaFault::None;
}

MediaFault checkMidiFile(RecordFile& file) {
  Source src(file);
  if (sniffSource(src) != MediaFormat::Midi) return MediaFault::WrongKind;
  return checkMidiIn(src, 0, src.length());
}

MediaFault checkRmiFile(RecordFile& file) {
  Source src(file);
  if (sniffSource(src) != MediaFormat::Rmi) return MediaFault::WrongKind;
  auto end = riffEnd(src);
  if (!end) return MediaFault::Damaged;
  bool data = false;
  MediaFault f = walkFileChunks(src, 12, *end, [&](const Chunk& c) {
    if (c.id != "data" || data) return MediaFault::None;
    data = true;
    MediaFault midi = checkMidiIn(src, c.data, c.data + c.size);
    return midi == MediaFault::WrongKind ? MediaFault::Damaged : midi;
  });
  if (f != MediaFault::None) return f;
  return data ? MediaFault::None : MediaFault::Damaged;
}

MediaFault checkMediaFile(RecordFile& file) {
  Source src(file);
  switch (sniffSource(src)) {
    case MediaFormat::Wave:
      return checkWaveFile(file);
    case MediaFormat::Avi:
      return checkAviFile(file);
    case MediaFormat::Midi:
      return checkMidiFile(file);
    case MediaFormat::Rmi:
      return checkRmiFile(file);
    case MediaFormat::Unknown:
      break;
  }
  return MediaFault::WrongKind;
}

}  // namespace vl
