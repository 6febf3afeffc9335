// What the drive, directory and file lists show, from the file system's answers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/list_controls.h"
#include "platform/files.h"

namespace vl {

// Case-insensitive match of a name against patterns such as "*.BMP;*.DIB",
// with * and ? as Windows has them; "*.*" matches every name.
bool matchesPattern(std::string_view name, std::string_view patterns);

// Orders names as Windows lists do: letter case aside, then as they stand.
bool lessIgnoringCase(const std::string& a, const std::string& b);

// "c: [SYSTEM]", one item per drive.
std::vector<ListItem> driveItems(const std::vector<DriveInfo>& drives);

// The path from the drive's root down to the directory, each step indented
// one more, then the directory's own subdirectories, with the full path of each.
struct DirectoryItems {
  std::vector<ListItem> items;
  std::vector<std::string> paths;
  int current = 0;  // the item of the directory itself
};
DirectoryItems directoryItems(const std::string& directory, const std::vector<DirEntry>& entries);

// The directory's files that match the patterns, hidden ones left out, in order.
std::vector<ListItem> fileItems(const std::vector<DirEntry>& entries, std::string_view patterns);

// A path with the drive letter in capitals and no separator after the last name.
std::string normalDirectory(std::string path);

}  // namespace vl
