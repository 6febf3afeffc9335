// UTF-8 inside the program, UTF-16 at the Windows API.
#pragma once

#include <string>
#include <string_view>

namespace vl::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The system's message for an error code, without its line break.
std::string errorText(unsigned long code);

}  // namespace vl::win32
