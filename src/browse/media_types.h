// The media types the program knows, and which page owns each.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

enum class MediaPage { Image, Music, Sound, MciDevices };

struct MediaType {
  std::string_view extension;  // in capitals
  MediaPage page;
  bool listed;  // shown by the page's file list (RLE is only opened)
};

// Known by a name's last three characters. The Image page also shows the
// pictures the system's imaging component reads, known by their extension
// (kImagingExtensions).
inline constexpr std::array<MediaType, 12> kMediaTypes{{
    {"BMP", MediaPage::Image, true},
    {"DIB", MediaPage::Image, true},
    {"WMF", MediaPage::Image, true},
    {"EMF", MediaPage::Image, true},
    {"ICO", MediaPage::Image, true},
    {"CUR", MediaPage::Image, true},
    {"RLE", MediaPage::Image, false},
    {"MID", MediaPage::Music, true},
    {"RMI", MediaPage::Music, true},
    {"WAV", MediaPage::Sound, true},
    {"AVI", MediaPage::MciDevices, true},
    {"MOV", MediaPage::MciDevices, true},
}};

// The MCI Devices page lists every file: a registered device may open any.
constexpr bool listsAllFiles(MediaPage page) {
  return page == MediaPage::MciDevices;
}

// The file list's pattern, "*.BMP;*.DIB;..."; "*.*" for a page that lists all files.
std::string filePattern(MediaPage page);

// The page that opens a file named on the command line: its last three
// characters are one of the extensions above, or its extension is one of the
// imaging component's pictures, in any letter case.
std::optional<MediaPage> pageForCommandLine(std::string_view path);

// The path a command line names: surrounding spaces dropped, and a path in
// double quotes taken from inside them.
std::string commandLinePath(std::string_view commandLine);

}  // namespace vl
