#include "browse/media_types.h"

#include "platform/picture_format.h"

namespace vl {

std::string filePattern(MediaPage page) {
  if (listsAllFiles(page)) return "*.*";
  std::string pattern;
  for (const MediaType& t : kMediaTypes) {
    if (t.page != page || !t.listed) continue;
    if (!pattern.empty()) pattern += ';';
    pattern += "*.";
    pattern += t.extension;
  }
  if (page == MediaPage::Image) pattern += ";" + imagingPatterns();
  return pattern;
}

static std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

std::optional<MediaPage> pageForCommandLine(std::string_view path) {
  // Windows names files without regard to case: "Open with" hands over
  // Sunset.Bmp as readily as SUNSET.BMP.
  std::string lastThree = path.size() < 3 ? "" : upper(path.substr(path.size() - 3));
  std::size_t dot = path.find_last_of(".\\");
  std::string extension =
      dot == std::string_view::npos || path[dot] != '.' ? "" : upper(path.substr(dot + 1));
  for (const MediaType& t : kMediaTypes)
    if (lastThree == t.extension) return t.page;
  for (std::string_view ext : kImagingExtensions)
    if (extension == ext) return MediaPage::Image;
  return std::nullopt;
}

std::string commandLinePath(std::string_view commandLine) {
  std::size_t first = commandLine.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = commandLine.find_last_not_of(" \t");
  std::string_view s = commandLine.substr(first, last - first + 1);
  if (s.front() == '"') {
    std::size_t close = s.find('"', 1);
    return std::string(s.substr(1, close == std::string_view::npos ? s.npos : close - 1));
  }
  return std::string(s);
}

}  // namespace vl
