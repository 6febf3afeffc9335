#include "browse/browser_page.h"

#include "browse/location_dialog.h"
#include "browse/progress_window.h"

#include <optional>

namespace vl {

namespace {
constexpr Rgb kDarkRed{64, 0, 0};
// Copies larger than this show their progress and can be cancelled.
constexpr std::int64_t kProgressThreshold = 4 << 20;
}  // namespace

BrowserPage::BrowserPage(Services& services, Form& form, TabStrip& tabs, MenuItem& popup,
                         StatusBar& status, const BrowserPageSetup& setup)
    : frame(&tabs, setup.frame),
      openButton(&frame, setup.openButton),
      pane(frame, setup.drive, setup.dir, setup.file, filePattern(setup.media), services.fs),
      field(&frame, setup.field),
      services_(services),
      form_(form),
      status_(status),
      popup_(popup),
      setup_(setup) {
  frame.setTabPage(setup.tab);
  place(frame, kPageFrameLeft, kPageFrameTop, kPageFrameWidth, kPageFrameHeight, setup.caption);
  place(field, kPageFrameWidth + 600, 0, 1500, 285);
  place(openButton, 120, 240, 735, 915);
  openButton.setPicture(setup.openPicture);
  if (setup.darkLists) {
    pane.drive.setForeColor(kDarkRed);
    pane.dir.setForeColor(kDarkRed);
  }
  if (setup.darkFiles) pane.file.setForeColor(kDarkRed);

  auto help = [&status](Control& c, std::string text) { statusHelp(c, status, std::move(text)); };
  help(pane.dir, "Double Click to change directory");
  help(pane.file, "Press Enter or Double-click to view, Right-Click for menu");
  help(openButton, setup.openHelp);
  help(frame, "");

  pane.browser.Tell = [this](const std::string& message) { tell(message); };
  pane.file.DblClick = [this] { openSelection(); };
  pane.file.KeyDown = [this](int key) {
    if (key == key::Enter) openSelection();
    if (key == key::Delete) deleteSelection();
  };
  pane.file.MouseDown = [this](int button, int, int) {
    if (button != 2) return;
    // The menu's commands act on the selection: the file under the pointer
    // is selected first, as a click on it would; below the last file the
    // selection stays.
    if (int pointed = pane.file.pressedItem(); pointed >= 0) pane.file.userSelect(pointed);
    form_.ui().popupMenu(form_, popup_);
  };
  // From the keyboard, the menu opens at the selected file.
  pane.file.MenuKey = [this] { form_.ui().popupMenuAt(form_, popup_, &pane.file); };
  openButton.Click = [this] { openSelection(); };

  for (auto [name, caption] : setup.openItems) {
    items_.push_back(std::make_unique<MenuItem>(form, &popup, name, caption));
    items_.back()->Click = [this] { openSelection(); };
  }
  items_.push_back(std::make_unique<MenuItem>(form, &popup, std::string(setup.frame) + "Sep", "-"));
  for (auto [name, op] :
       {std::pair{setup.deleteItem, 0}, {setup.copyItem, 1}, {setup.moveItem, 2}}) {
    const char* caption = op == 0 ? "Delete File" : op == 1 ? "Copy File" : "Move File";
    items_.push_back(std::make_unique<MenuItem>(form, &popup, name, caption));
    items_.back()->Click = [this, op] {
      if (op == 0)
        deleteSelection();
      else
        askLocation(op == 1 ? Transfer::Copy : Transfer::Move);
    };
  }
}

BrowserPage::~BrowserPage() = default;

MenuItem& BrowserPage::item(const std::string& name) {
  for (auto& i : items_)
    if (i->name() == name) return *i;
  return *items_.front();
}

MenuItem& BrowserPage::takeItem(const std::string& name) {
  MenuItem& taken = item(name);
  taken.Click = nullptr;
  return taken;
}

LocationDialog* BrowserPage::locationDialog() {
  return dialog_ && dialog_->loaded() ? dialog_.get() : nullptr;
}

void BrowserPage::start() {
  pane.start(services_.fs.currentDirectory());
}

void BrowserPage::tell(const std::string& message) {
  form_.ui().warn(&form_, message);
}

bool BrowserPage::choose() {
  field.setText(pane.selectedPath());
  return pane.hasSelection();
}

void BrowserPage::openSelection() {
  choose();
  if (Open) Open(field.text());
}

void BrowserPage::deleteSelection() {
  if (!choose()) return;  // nothing selected: nothing to delete
  FsResult r = deleteMediaFile(services_.fs, field.text());
  pane.refreshFiles();
  if (!r.ok()) tell(fileNameOf(field.text()) + " could not be deleted: " + r.error);
}

void BrowserPage::askLocation(Transfer operation) {
  if (!choose()) {
    tell("Select the file to " + std::string(operation == Transfer::Copy ? "copy" : "move") +
         " in the list first.");
    return;
  }
  if (!locationDialog()) {
    dialog_ = std::make_unique<LocationDialog>(services_.fs, services_.ui, setup_.dialog,
                                               setup_.dialogWidth, setup_.dialogHeight,
                                               setup_.greyDialog);
    dialog_->setOwner(&form_);
    dialog_->Done = [this] { finishTransfer(); };
    if (!dialog_->load()) {
      dialog_.reset();
      tell("The window to choose a location in could not be opened.");
      return;
    }
  }
  dialog_->Label2.setText(operation == Transfer::Copy ? "copy" : "move");
  dialog_->show();
  form_.ui().bringToFront(*dialog_);
}

void BrowserPage::finishTransfer() {
  LocationDialog& dialog = *dialog_;
  std::string source = field.text();
  std::string destinationDir = dialog.lists.path();
  dialog.Label1.setText(joinPath(destinationDir, fileNameOf(source)));
  Transfer op = dialog.Label2.text() == "move" ? Transfer::Move : Transfer::Copy;
  // The dialog has done its part: it leaves the screen before the copy begins.
  dialog.unload();

  TransferOutcome outcome;
  {
    // A long copy shows its progress and lets events run: until it ends only
    // its own window acts, and a quit cancels it first.
    std::unique_ptr<Form3> progress;
    std::optional<BusyScope> busy;
    auto size = services_.fs.fileSize(source);
    if (size && *size > kProgressThreshold) {
      progress = std::make_unique<Form3>(form_.ui(), op == Transfer::Copy ? "Copying" : "Moving",
                                         fileNameOf(source) + " to " + destinationDir);
      progress->setOwner(&form_);
      progress->show();
      busy.emplace(form_.ui(), *progress, [window = progress.get()] { window->cancel(); });
    }
    form_.setEnabled(false);
    outcome = transferFile(services_.fs, source, destinationDir, op,
                           [&](std::int64_t done, std::int64_t total) {
                             return !progress || progress->report(done, total);
                           });
    form_.setEnabled(true);
    pane.refreshFiles();
  }
  // The program may have ended meanwhile: then there is nobody to tell.
  if (!form_.loaded()) return;
  if (!outcome.message.empty()) {
    tell(outcome.message);
  } else if (outcome.kind == TransferOutcome::Done) {
    status_.setText((op == Transfer::Copy ? "Copied " : "Moved ") + fileNameOf(source) + " to " +
                    destinationDir);
  }
}

}  // namespace vl
