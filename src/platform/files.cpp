#include "platform/files.h"

#include <algorithm>
#include <cctype>

namespace vl {

bool samePath(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

std::string joinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string fileNameOf(std::string_view path) {
  std::size_t slash = path.find_last_of('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string directoryOf(std::string_view path) {
  std::size_t slash = path.find_last_of('\\');
  if (slash == std::string_view::npos) return {};
  std::string dir(path.substr(0, slash));
  if (dir.size() == 2 && dir[1] == ':') dir += '\\';  // a root keeps its separator
  return dir;
}

static std::string folded(std::string_view path) {
  std::string s(path);
  while (s.size() > 3 && s.back() == '\\') s.pop_back();
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

bool sameDirectory(std::string_view a, std::string_view b) {
  return folded(a) == folded(b);
}

std::optional<std::string> fullDirectoryPath(std::string_view path) {
  std::string dir(path);
  std::replace(dir.begin(), dir.end(), '/', '\\');
  while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
  bool drive = dir.size() > 3 &&
               ((dir[0] >= 'A' && dir[0] <= 'Z') || (dir[0] >= 'a' && dir[0] <= 'z')) &&
               dir[1] == ':' && dir[2] == '\\';
  if (!drive) return std::nullopt;
  for (std::size_t at = 3; at <= dir.size();) {
    std::size_t end = std::min(dir.find('\\', at), dir.size());
    std::string_view name = std::string_view(dir).substr(at, end - at);
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ')
      return std::nullopt;
    for (char c : name)
      if (static_cast<unsigned char>(c) < 0x20 ||
          std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
        return std::nullopt;
    at = end + 1;
  }
  return dir;
}

}  // namespace vl
