// The drive, directory and file lists of a browser page.
#pragma once

#include <string>

#include "browse/directory_browser.h"

namespace vl {

class BrowserPane {
 public:
  BrowserPane(Control& frame, const char* driveName, const char* dirName, const char* fileName,
              std::string pattern, FileSystem& fs);

  DirectoryBrowser browser;
  ListControl& drive = browser.drive;
  ListControl& dir = browser.dir;
  FileList file;

  // The file list's directory and its selection.
  const std::string& directory() const { return browser.path(); }
  bool hasSelection() const { return file.listIndex() >= 0; }
  std::string selectedName() const { return file.selectedText(); }
  // Directory, "\" unless it ends in one, then the selected name; with
  // nothing selected the path ends in the separator.
  std::string selectedPath() const;
  // Lists the directory's files anew, keeping the selected name where it still is.
  void refreshFiles();
  // Starts in the directory (the process's current one, at start).
  void start(const std::string& directory);

 private:
  void showFiles(const std::vector<DirEntry>& entries, bool keepSelection);
  std::string pattern_;
  FileSystem& fs_;
};

}  // namespace vl
