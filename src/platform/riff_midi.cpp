#include "platform/riff_midi.h"

#include <algorithm>
#include <cstdint>

namespace vl {

namespace {

std::uint32_t littleEndian32(std::string_view bytes) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
  return v;
}

}  // namespace

bool looksLikeRmi(std::string_view head) {
  return head.size() >= 12 && head.substr(0, 4) == "RIFF" && head.substr(8, 4) == "RMID";
}

std::optional<std::string_view> embeddedMidi(std::string_view file) {
  if (!looksLikeRmi(file)) return std::nullopt;
  // The form's own size may be wrong; the chunks are bounded by the file.
  std::string_view rest = file.substr(12);
  while (rest.size() >= 8) {
    std::string_view id = rest.substr(0, 4);
    std::uint32_t size = littleEndian32(rest.substr(4, 4));
    rest.remove_prefix(8);
    if (size > rest.size()) return std::nullopt;
    std::string_view body = rest.substr(0, size);
    if (id == "data") {
      if (body.size() < 14 || body.substr(0, 4) != "MThd") return std::nullopt;
      return body;
    }
    // Chunks are padded to an even length.
    rest.remove_prefix(std::min<std::size_t>(rest.size(), std::size_t{size} + (size & 1)));
  }
  return std::nullopt;
}

}  // namespace vl
