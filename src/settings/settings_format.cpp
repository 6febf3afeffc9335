#include "settings/settings_format.h"

namespace vl {

std::string parseSettingValue(std::string_view content) {
  std::size_t i = content.find_first_not_of(' ');
  if (i == std::string_view::npos) return {};
  std::string value;
  if (content[i] == '"') {
    for (++i; i < content.size(); ++i) {
      if (content[i] != '"') {
        value += content[i];
      } else if (i + 1 < content.size() && content[i + 1] == '"') {
        value += '"';
        ++i;
      } else {
        break;
      }
    }
    return value;
  }
  std::size_t end = content.find_first_of(",\r\n", i);
  return std::string(content.substr(i, end == std::string_view::npos ? end : end - i));
}

std::string formatSettingLine(std::string_view value) {
  bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
               (!value.empty() && value.front() == ' ');
  std::string line;
  if (quote) {
    line += '"';
    for (char c : value) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  } else {
    line = value;
  }
  return line + "\r\n";
}

}  // namespace vl
