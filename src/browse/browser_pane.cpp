#include "browse/browser_pane.h"

#include "browse/listing.h"

namespace vl {

BrowserPane::BrowserPane(Control& frame, const char* driveName, const char* dirName,
                         const char* fileName, std::string pattern, FileSystem& fs)
    : browser(frame, driveName, dirName, fs),
      file(&frame, fileName),
      pattern_(std::move(pattern)),
      fs_(fs) {
  place(drive, 120, 1200, 4275, 330);
  place(dir, 120, 1560, 2115, 1950);
  place(file, 2280, 1560, 2115, 1950);
  drive.setBackColor(kLightGrey);
  dir.setBackColor(kPaleYellow);
  file.setBackColor(kPaleYellow);
  browser.DirectoryChanged = [this](const std::vector<DirEntry>& entries) {
    showFiles(entries, false);
  };
}

std::string BrowserPane::selectedPath() const {
  return joinPath(directory(), selectedName());
}

void BrowserPane::refreshFiles() {
  std::string error;
  auto entries = fs_.listDirectory(directory(), error);
  showFiles(entries ? *entries : std::vector<DirEntry>{}, true);
}

void BrowserPane::showFiles(const std::vector<DirEntry>& entries, bool keepSelection) {
  std::string keep = keepSelection ? selectedName() : std::string();
  std::vector<ListItem> items = fileItems(entries, pattern_);
  int selected = -1;
  for (std::size_t i = 0; i < items.size() && !keep.empty(); ++i)
    if (items[i].text == keep) selected = static_cast<int>(i);
  file.setItems(std::move(items), selected);
}

void BrowserPane::start(const std::string& directory) {
  if (!browser.changeDirectory(directory)) browser.changeDirectory(directory.substr(0, 3));
}

}  // namespace vl
