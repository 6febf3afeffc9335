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
  // The program's first twelve types are known by a name's last three
  // characters; the pictures added since, by the extension after the dot.
  bool lastThree;
};

inline constexpr std::array<MediaType, 26> kMediaTypes{{
    {"BMP", MediaPage::Image, true, true},
    {"DIB", MediaPage::Image, true, true},
    {"WMF", MediaPage::Image, true, true},
    {"EMF", MediaPage::Image, true, true},
    {"ICO", MediaPage::Image, true, true},
    {"CUR", MediaPage::Image, true, true},
    {"RLE", MediaPage::Image, false, true},
    {"MID", MediaPage::Music, true, true},
    {"RMI", MediaPage::Music, true, true},
    {"WAV", MediaPage::Sound, true, true},
    {"AVI", MediaPage::MciDevices, true, true},
    {"MOV", MediaPage::MciDevices, true, true},
    // Read by the system's imaging component, where it has the codec.
    {"PNG", MediaPage::Image, true, false},
    {"JPG", MediaPage::Image, true, false},
    {"JPEG", MediaPage::Image, true, false},
    {"JPE", MediaPage::Image, true, false},
    {"JFIF", MediaPage::Image, true, false},
    {"GIF", MediaPage::Image, true, false},
    {"TIF", MediaPage::Image, true, false},
    {"TIFF", MediaPage::Image, true, false},
    {"WEBP", MediaPage::Image, true, false},
    {"HEIC", MediaPage::Image, true, false},
    {"HEIF", MediaPage::Image, true, false},
    {"AVIF", MediaPage::Image, true, false},
    {"JXR", MediaPage::Image, true, false},
    {"WDP", MediaPage::Image, true, false},
}};

// The MCI Devices page lists every file: a registered device may open any.
constexpr bool listsAllFiles(MediaPage page) {
  return page == MediaPage::MciDevices;
}

// The file list's pattern, "*.BMP;*.DIB;..."; "*.*" for a page that lists all files.
std::string filePattern(MediaPage page);

// The page that opens a file named on the command line: its last three
// characters are one of the first twelve extensions, or its extension is one
// of the pictures', in any letter case.
std::optional<MediaPage> pageForCommandLine(std::string_view path);

// The path a command line names: surrounding spaces dropped, and a path in
// double quotes taken from inside them.
std::string commandLinePath(std::string_view commandLine);

}  // namespace vl
