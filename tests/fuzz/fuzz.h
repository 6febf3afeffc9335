// What the harnesses share. A broken invariant aborts, so that libFuzzer
// keeps the input as it keeps a crash; an exception that escapes does too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(cond) ((cond) ? void(0) : ::fuzz::fail(#cond, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
  std::abort();
}

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input as fields parted by the record separator 0x1E, so that a seed
// stays readable; at most `most` fields, the last taking the rest.
inline std::vector<std::string_view> fields(std::string_view input, std::size_t most) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < most) {
    std::size_t at = input.find('\x1E');
    if (at == std::string_view::npos) break;
    out.push_back(input.substr(0, at));
    input.remove_prefix(at + 1);
  }
  out.push_back(input);
  return out;
}

}  // namespace fuzz
