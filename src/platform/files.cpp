#include "platform/files.h"

namespace vl {

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

}  // namespace vl
