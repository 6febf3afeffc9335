// A drive list and a directory list wired together: choosing a drive moves
// the directory list there; a double click on a directory enters it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/list_controls.h"
#include "platform/files.h"
#include "platform/event.h"

namespace vl {

class DirectoryBrowser {
 public:
  DirectoryBrowser(Control& parent, const char* driveName, const char* dirName, FileSystem& fs);

  DriveList drive;
  DirList dir;

  // The directory the directory list stands in ("C:\PICS", "C:\").
  const std::string& path() const { return path_; }
  // Moves the lists to the directory; false (and the reason told) when it cannot be read.
  bool changeDirectory(const std::string& directory);
  // Moves to the drive's current directory; on failure the previous drive and
  // directory stay and the user is told.
  bool changeDrive(char letter);
  // Lists the drives and the directory anew.
  void refresh();

  // Raised after the directory changed, with what it holds.
  Event<void(const std::vector<DirEntry>&)> DirectoryChanged;
  // Tells the user something went wrong.
  Event<void(const std::string&)> Tell;

 private:
  bool enter(const std::string& target, bool newDrive);
  void enterHighlighted();
  void showDrives();
  FileSystem& fs_;
  std::string path_;
  std::vector<std::string> itemPaths_;
  std::vector<char> driveLetters_;
};

}  // namespace vl
