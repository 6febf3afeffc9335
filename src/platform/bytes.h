// Little-endian fields of a file's bytes, read without trusting the file:
// a field past the end reads as 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace vl {

inline unsigned readU16(std::string_view b, std::size_t at) {
  if (at > b.size() || b.size() - at < 2) return 0;
  return static_cast<unsigned char>(b[at]) |
         static_cast<unsigned>(static_cast<unsigned char>(b[at + 1])) << 8;
}
inline unsigned long readU32(std::string_view b, std::size_t at) {
  if (at > b.size() || b.size() - at < 4) return 0;
  return readU16(b, at) | static_cast<unsigned long>(readU16(b, at + 2)) << 16;
}
inline int readI16(std::string_view b, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(readU16(b, at)));
}
inline long readI32(std::string_view b, std::size_t at) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(readU32(b, at)));
}

// Big-endian fields, as MIDI files and ISO media boxes keep them.
inline unsigned readBigU16(std::string_view b, std::size_t at) {
  if (at > b.size() || b.size() - at < 2) return 0;
  return static_cast<unsigned>(static_cast<unsigned char>(b[at])) << 8 |
         static_cast<unsigned char>(b[at + 1]);
}
inline unsigned long readBigU32(std::string_view b, std::size_t at) {
  if (at > b.size() || b.size() - at < 4) return 0;
  return static_cast<unsigned long>(readBigU16(b, at)) << 16 | readBigU16(b, at + 2);
}

}  // namespace vl
