// A browser page of the main window: its frame, the drive, directory and file
// lists, its Open button, the hidden field with the page's current-file path,
// the pop-up menu of its file list, and its file operations.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browse/browser_pane.h"
#include "browse/file_transfer.h"
#include "browse/media_types.h"
#include "platform/form.h"
#include "platform/services.h"
#include "platform/event.h"

namespace vl {

class LocationDialog;

// Where a page's frame sits on its tab page, in twips: the same on every page.
inline constexpr int kPageFrameLeft = 600;
inline constexpr int kPageFrameTop = 660;
inline constexpr int kPageFrameWidth = 4515;
inline constexpr int kPageFrameHeight = 3675;

struct BrowserPageSetup {
  int tab;
  MediaPage media;
  const char *frame, *caption;
  const char *drive, *dir, *file, *field;
  const char *openButton, *openHelp, *openPicture;
  const char* dialog;
  int dialogWidth, dialogHeight;
  bool greyDialog;
  bool darkLists;  // the drive and directory lists draw their text in dark red
  bool darkFiles;  // so does the file list
  // The pop-up menu: the items that open the file, then Delete, Copy and Move.
  std::vector<std::pair<const char*, const char*>> openItems;
  const char *deleteItem, *copyItem, *moveItem;
};

class BrowserPage {
 public:
  BrowserPage(Services& services, Form& form, TabStrip& tabs, MenuItem& popup, StatusBar& status,
              const BrowserPageSetup& setup);
  ~BrowserPage();

  Frame frame;
  CommandButton openButton;
  BrowserPane pane;
  TextBox field;  // mirrors the current file for those who read windows; never seen

  MenuItem& item(const std::string& name);
  // An open item of the pop-up menu that the page's owner gives a meaning of
  // its own: its click no longer opens the selection here.
  MenuItem& takeItem(const std::string& name);
  LocationDialog* locationDialog();  // null unless it is open

  // Lists the process's current directory, the first time only.
  void start();
  // The file the page last acted on: its selection when it was chosen, or a
  // file handed to the page.
  const std::string& currentFile() const { return currentFile_; }
  void setCurrentFile(std::string path);
  // Takes the selection's path as the page's current file, then opens it.
  void openSelection();
  void deleteSelection();
  void askLocation(Transfer operation);
  // Copies or moves the file into the folder, on a worker: the windows keep
  // answering meanwhile, and only the progress window, if any, takes input.
  void transfer(Transfer operation, const std::string& source, const std::string& folder);
  // Whether a copy or move is under way.
  bool transferring() const { return static_cast<bool>(transfer_); }

  // What the page does with the file the user opens.
  Event<void(const std::string& path)> Open;

 private:
  struct Transferring;
  // The lists' and the button's help, and what clicks and keys on them do.
  void wireFiles();
  // The page's pop-up menu: open, then delete, copy and move.
  void buildMenu();
  void tell(const std::string& message);  // what could not be done
  bool choose();  // takes the selection's path; false when nothing is selected
  void transferEnded();

  Services& services_;
  Form& form_;
  StatusBar& status_;
  MenuItem& popup_;
  BrowserPageSetup setup_;
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::unique_ptr<LocationDialog> dialog_;
  std::string currentFile_;
  bool started_ = false;
  std::unique_ptr<Transferring> transfer_;
};

}  // namespace vl
