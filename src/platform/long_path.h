// Paths past the old MAX_PATH limit. The "\\?\" form lifts the limit, but
// the file system then takes the path as it stands: no "/" becomes "\" and
// no "." or ".." is resolved. So a path takes that form only once Windows
// has made it a full path (GetFullPathNameW). Written for both char and
// wchar_t so that the rules are checked natively.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vl {

// From this length a path needs the long form: MAX_PATH less the room that
// CreateDirectory keeps for an 8.3 name.
inline constexpr std::size_t kLongPathFrom = 260 - 12;

template <class Char>
constexpr bool isPathSeparator(Char c) {
  return c == Char('\\') || c == Char('/');
}

// "\\?\...", "\\.\..." and "\??\...": forms the file functions do not
// rewrite, and that must not be prefixed again.
template <class Char>
bool isPrefixedPath(std::basic_string_view<Char> path) {
  return path.size() >= 4 && isPathSeparator(path[0]) && isPathSeparator(path[3]) &&
         ((isPathSeparator(path[1]) && (path[2] == Char('?') || path[2] == Char('.'))) ||
          (path[1] == Char('?') && path[2] == Char('?')));
}

// The length of a full path's root: "C:\" or "\\server\share\" (without its
// last separator when the path ends there); 0 when the path is no full one.
template <class Char>
std::size_t fullPathRootLength(std::basic_string_view<Char> path) {
  auto letter = [](Char c) {
    return (c >= Char('A') && c <= Char('Z')) || (c >= Char('a') && c <= Char('z'));
  };
  if (path.size() >= 3 && letter(path[0]) && path[1] == Char(':') && path[2] == Char('\\'))
    return 3;
  if (path.size() < 5 || path[0] != Char('\\') || path[1] != Char('\\') || isPrefixedPath(path))
    return 0;
  std::size_t server = path.find(Char('\\'), 2);
  if (server == 2 || server == std::basic_string_view<Char>::npos || server + 1 == path.size())
    return 0;
  std::size_t share = path.find(Char('\\'), server + 1);
  if (share == server + 1) return 0;
  return share == std::basic_string_view<Char>::npos ? path.size() : share + 1;
}

// A full path in its long form: "\\?\C:\..." or "\\?\UNC\server\share\...";
// any other path as it stands.
template <class Char>
std::basic_string<Char> longPathForm(std::basic_string_view<Char> full) {
  auto text = [](std::string_view ascii) {
    return std::basic_string<Char>(ascii.begin(), ascii.end());
  };
  std::size_t root = fullPathRootLength(full);
  if (root == 3) return text("\\\\?\\") + std::basic_string<Char>(full);
  if (root > 0) return text("\\\\?\\UNC\\") + std::basic_string<Char>(full.substr(2));
  return std::basic_string<Char>(full);
}

// The path without the long form's prefix, as longPathForm took it;
// any other path as it stands.
template <class Char>
std::basic_string<Char> withoutLongForm(std::basic_string_view<Char> path) {
  auto is = [&](std::size_t at, std::string_view ascii) {
    if (path.size() < at + ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
      Char c = path[at + i];
      if (c >= Char('a') && c <= Char('z')) c = static_cast<Char>(c - 32);
      if (c != Char(ascii[i])) return false;
    }
    return true;
  };
  if (is(0, "\\\\?\\UNC\\")) {
    std::basic_string<Char> network = Char('\\') + std::basic_string<Char>(path.substr(7));
    if (fullPathRootLength<Char>(network) > 0) return network;
  } else if (is(0, "\\\\?\\") && fullPathRootLength(path.substr(4)) == 3) {
    return std::basic_string<Char>(path.substr(4));
  }
  return std::basic_string<Char>(path);
}

}  // namespace vl
