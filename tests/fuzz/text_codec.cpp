// Text decoding: whatever the bytes, the Western code page decodes them to
// valid UTF-8 and encodes that back to the same bytes; UTF-16 decodes to
// valid UTF-8 and agrees with an encoder of its own; a settings or tip text
// written by encodeText reads back exactly by decodeText.
#include "settings/settings_store.h"
#include "fuzz.h"
#include "platform/text_codec.h"

namespace {

std::string utf16(std::string_view utf8, bool bigEndian) {
  std::string out;
  auto unit = [&](char32_t u) {
    char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = vl::nextUtf8(utf8, i);
    if (c >= 0x10000) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = fuzz::bytes(data, size);
  vl::Cp1252Codec codec;

  std::string text = codec.fromAnsi(input);
  FUZZ_CHECK(vl::isValidUtf8(text));
  FUZZ_CHECK(codec.toAnsi(text) == std::string(input));

  // Character by character, valid UTF-8 encodes back to its own bytes.
  if (vl::isValidUtf8(input)) {
    std::string again;
    for (std::size_t i = 0; i < input.size();) {
      std::size_t before = i;
      char32_t c = vl::nextUtf8(input, i);
      FUZZ_CHECK(i > before && i - before <= 4);
      FUZZ_CHECK(c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF));
      vl::appendUtf8(again, c);
    }
    FUZZ_CHECK(again == input);
    if (auto ansi = codec.toAnsi(input)) FUZZ_CHECK(codec.fromAnsi(*ansi) == input);
    for (bool big : {false, true}) FUZZ_CHECK(vl::utf16ToUtf8(utf16(input, big), big) == input);
  } else {
    FUZZ_CHECK(!codec.toAnsi(input));
  }
  for (bool big : {false, true}) FUZZ_CHECK(vl::isValidUtf8(vl::utf16ToUtf8(input, big)));

  // Whatever the text, even bytes that are no UTF-8, it reads back as written.
  std::string written = vl::encodeText(input, codec);
  FUZZ_CHECK(vl::decodeText(written, codec) == input);
  (void)vl::decodeText(input, codec);
  return 0;
}
