// The system's 8-bit code page, for the settings and tip files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vl {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // UTF-8 to the code page; nullopt when a character has no exact equivalent there.
  virtual std::optional<std::string> toAnsi(std::string_view utf8) const = 0;
  virtual std::string fromAnsi(std::string_view bytes) const = 0;
};

// Windows-1252, the Western code page; used where no system is asked.
class Cp1252Codec : public TextCodec {
 public:
  std::optional<std::string> toAnsi(std::string_view utf8) const override;
  std::string fromAnsi(std::string_view bytes) const override;
};

// The text with A..Z made a..z; other bytes, UTF-8 ones too, stay as they are.
std::string asciiLower(std::string_view s);

// UTF-8 helpers shared by the codecs.
bool isValidUtf8(std::string_view s);
void appendUtf8(std::string& out, char32_t c);
// Decodes one character at i and advances i; invalid bytes give U+FFFD.
char32_t nextUtf8(std::string_view s, std::size_t& i);
// UTF-16 bytes (little or big endian) as UTF-8; a lone surrogate or an odd
// last byte gives U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

}  // namespace vl
