#include "browse/listing.h"

#include <algorithm>

namespace vl {

namespace {

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool matchOne(std::string_view name, std::string_view pattern) {
  // Iterative glob with backtracking to the last star.
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool matchesPattern(std::string_view name, std::string_view patterns) {
  while (true) {
    std::size_t semicolon = patterns.find(';');
    std::string_view one = patterns.substr(0, semicolon);
    // "*.*" is every name, with or without a dot, as on Windows.
    if (one == "*.*" || one == "*" || matchOne(name, one)) return true;
    if (semicolon == std::string_view::npos) return false;
    patterns.remove_prefix(semicolon + 1);
  }
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
  auto pa = a.begin(), pb = b.begin();
  for (; pa != a.end() && pb != b.end(); ++pa, ++pb) {
    char x = lowerAscii(*pa), y = lowerAscii(*pb);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::vector<ListItem> driveItems(const std::vector<DriveInfo>& drives) {
  std::vector<ListItem> items;
  for (const DriveInfo& d : drives) {
    std::string text{static_cast<char>(lowerAscii(d.letter)), ':'};
    if (!d.label.empty()) text += " [" + d.label + "]";
    items.push_back({text});
  }
  return items;
}

std::string normalDirectory(std::string path) {
  if (path.size() >= 2 && path[1] == ':' && path[0] >= 'a' && path[0] <= 'z')
    path[0] = static_cast<char>(path[0] - 32);
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  if (path.size() == 2 && path[1] == ':') path += '\\';
  return path;
}

DirectoryItems directoryItems(const std::string& directory, const std::vector<DirEntry>& entries) {
  DirectoryItems out;
  std::string dir = normalDirectory(directory);
  // The root ("C:\"), then each name below it.
  std::string path = dir.substr(0, std::min<std::size_t>(3, dir.size()));
  out.items.push_back({path, 0, true});
  out.paths.push_back(path);
  std::size_t at = path.size();
  while (at < dir.size()) {
    std::size_t next = dir.find('\\', at);
    if (next == std::string::npos) next = dir.size();
    std::string name = dir.substr(at, next - at);
    path = joinPath(path, name);
    out.items.push_back({name, static_cast<int>(out.items.size()), true});
    out.paths.push_back(path);
    at = next + 1;
  }
  out.current = static_cast<int>(out.items.size()) - 1;
  std::vector<std::string> subdirectories;
  for (const DirEntry& e : entries)
    if (e.directory && !e.hidden) subdirectories.push_back(e.name);
  std::sort(subdirectories.begin(), subdirectories.end(), lessIgnoringCase);
  int depth = static_cast<int>(out.items.size());
  for (const std::string& name : subdirectories) {
    out.items.push_back({name, depth, false});
    out.paths.push_back(joinPath(dir, name));
  }
  return out;
}

std::vector<ListItem> fileItems(const std::vector<DirEntry>& entries, std::string_view patterns) {
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const DirEntry& e : entries)
    if (!e.directory && !e.hidden && matchesPattern(e.name, patterns)) names.push_back(e.name);
  std::sort(names.begin(), names.end(), lessIgnoringCase);
  std::vector<ListItem> items;
  items.reserve(names.size());
  for (std::string& n : names) items.push_back({std::move(n)});
  return items;
}

}  // namespace vl
