#include "browse/directory_browser.h"

#include <algorithm>
#include <cctype>

#include "browse/listing.h"

namespace vl {

DirectoryBrowser::DirectoryBrowser(Control& parent, const char* driveName, const char* dirName,
                                   FileSystem& fs)
    : drive(&parent, driveName), dir(&parent, dirName), fs_(fs) {
  drive.Click = [this] {
    std::size_t i = static_cast<std::size_t>(drive.listIndex());
    if (i < driveLetters_.size()) changeDrive(driveLetters_[i]);
  };
  // A single click only moves the highlight; a double click enters, and so
  // does Enter, for those who walk the folders with the keyboard.
  dir.DblClick = [this] { enterHighlighted(); };
  dir.KeyDown = [this](int key) {
    if (key == key::Enter) enterHighlighted();
  };
}

void DirectoryBrowser::enterHighlighted() {
  std::size_t i = static_cast<std::size_t>(dir.listIndex());
  if (i < itemPaths_.size()) changeDirectory(itemPaths_[i]);
}

void DirectoryBrowser::showDrives() {
  std::vector<DriveInfo> drives = fs_.drives();
  driveLetters_.clear();
  int selected = -1;
  char current = path_.empty() ? '\0' : static_cast<char>(std::toupper(path_[0]));
  for (const DriveInfo& d : drives) {
    if (d.letter == current) selected = static_cast<int>(driveLetters_.size());
    driveLetters_.push_back(d.letter);
  }
  drive.setItems(driveItems(drives), selected);
}

bool DirectoryBrowser::changeDirectory(const std::string& directory) {
  return enter(normalDirectory(directory), false);
}

bool DirectoryBrowser::enter(const std::string& target, bool newDrive) {
  std::string error;
  auto entries = fs_.listDirectory(target, error);
  if (!entries) {
    std::string driveName = target.substr(0, 2);
    if (Tell)
      Tell(newDrive ? "Drive " + driveName + " cannot be read: " + error
                    : target + " cannot be opened: " + error);
    showDrives();  // the previous drive stays selected
    return false;
  }
  bool driveChanged = path_.empty() || std::toupper(path_[0]) != std::toupper(target[0]);
  path_ = target;
  DirectoryItems listing = directoryItems(path_, *entries);
  itemPaths_ = std::move(listing.paths);
  dir.setItems(std::move(listing.items), listing.current);
  if (driveChanged || drive.listIndex() < 0) showDrives();
  if (DirectoryChanged) DirectoryChanged(*entries);
  return true;
}

bool DirectoryBrowser::changeDrive(char letter) {
  return enter(normalDirectory(fs_.currentDirectoryOn(letter)), true);
}

void DirectoryBrowser::refresh() {
  showDrives();
  if (!path_.empty()) changeDirectory(path_);
}

}  // namespace vl
