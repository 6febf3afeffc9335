// Little-endian fields appended to a file being made by a test.
#pragma once

#include <string>

namespace testbytes {

inline void put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
inline void put32(std::string& s, unsigned long v) {
  put16(s, v & 0xFFFF);
  put16(s, (v >> 16) & 0xFFFF);
}

}  // namespace testbytes
