// One-line setting files: a value, then CR LF.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// The first field of the first line: leading spaces skipped; a field that
// opens with a double quote runs to its closing quote (a doubled quote inside
// stands for one), any other field runs to the first comma or the line's end.
std::string parseSettingValue(std::string_view content);

// The line that reads back as exactly this value: the value, quoted when the
// reading rule would otherwise change it, then CR LF.
std::string formatSettingLine(std::string_view value);

}  // namespace vl
