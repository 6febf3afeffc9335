#include "browse/browser_page.h"

#include "browse/location_dialog.h"
#include "browse/progress_window.h"
#include "platform/menu_item.h"
#include "platform/ui.h"

#include <optional>
#include <utility>

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
  wireFiles();
  buildMenu();
}

void BrowserPage::wireFiles() {
  auto help = [this](Control& c, std::string text) { statusHelp(c, status_, std::move(text)); };
  help(pane.dir, "Double Click to change directory");
  help(pane.file, "Press Enter or Double-click to view, Right-Click for menu");
  help(openButton, setup_.openHelp);
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
}

void BrowserPage::buildMenu() {
  const BrowserPageSetup& setup = setup_;
  for (auto [name, caption] : setup.openItems) {
    items_.push_back(std::make_unique<MenuItem>(form_, &popup_, name, caption));
    items_.back()->Click = [this] { openSelection(); };
  }
  items_.push_back(
      std::make_unique<MenuItem>(form_, &popup_, std::string(setup.frame) + "Sep", "-"));
  for (auto [name, op] :
       {std::pair{setup.deleteItem, 0}, {setup.copyItem, 1}, {setup.moveItem, 2}}) {
    const char* caption = op == 0 ? "Delete File" : op == 1 ? "Copy File" : "Move File";
    items_.push_back(std::make_unique<MenuItem>(form_, &popup_, name, caption));
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
  if (started_) return;
  started_ = true;
  pane.start(services_.fs.currentDirectory());
}

void BrowserPage::tell(const std::string& message) {
  form_.ui().warn(&form_, message);
}

void BrowserPage::setCurrentFile(std::string path) {
  currentFile_ = std::move(path);
  field.setText(currentFile_);
}

bool BrowserPage::choose() {
  setCurrentFile(pane.selectedPath());
  return pane.hasSelection();
}

void BrowserPage::openSelection() {
  choose();
  if (Open) Open(currentFile_);
}

void BrowserPage::deleteSelection() {
  if (!choose()) return;  // nothing selected: nothing to delete
  FsResult r = deleteMediaFile(services_.fs, currentFile_);
  pane.refreshFiles();
  if (!r.ok()) tell(fileNameOf(currentFile_) + " could not be deleted: " + r.error);
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
    dialog_->Done = [this] {
      // The program may be ending: the posted Done finds the dialog gone.
      if (!locationDialog()) return;
      LocationDialog& d = *dialog_;
      Transfer op = d.operation();
      std::string source = d.source(), folder = d.lists.path();
      // The dialog has done its part: it leaves the screen before the copy begins.
      d.unload();
      transfer(op, source, folder);
    };
    if (!dialog_->load()) {
      dialog_.reset();
      tell("The window to choose a location in could not be opened.");
      return;
    }
  }
  // The dialog holds the file chosen now: whatever is selected or previewed
  // meanwhile, Done acts on this one.
  dialog_->ask(operation, currentFile_);
  dialog_->show();
  form_.ui().bringToFront(*dialog_);
}

// A copy or move under way: its figures, shared with the worker, and what it
// holds of the windows meanwhile.
struct BrowserPage::Transferring {
  Transfer operation;
  std::string source, folder;
  TransferProgress progress;
  TransferOutcome outcome;
  std::unique_ptr<Form3> window;  // for a large file
  std::unique_ptr<Workers::Job> job;
};

void BrowserPage::transfer(Transfer op, const std::string& source, const std::string& folder) {
  if (transfer_) return;  // one at a time: input waits while one runs
  auto t = std::make_unique<Transferring>();
  t->operation = op;
  t->source = source;
  t->folder = folder;
  auto size = services_.fs.fileSize(source);
  if (size && *size > kProgressThreshold) {
    t->window = std::make_unique<Form3>(form_.ui(), op == Transfer::Copy ? "Copying" : "Moving",
                                        fileNameOf(source) + " to " + folder, t->progress);
    t->window->setOwner(&form_);
    if (!t->window->load()) {
      tell("The window that shows how far a copy has gone could not be opened, so " +
           fileNameOf(source) + " was not " + (op == Transfer::Copy ? "copied." : "moved."));
      return;
    }
    t->window->show();
  }
  // Until it ends only its own window acts (or none, for a small file), and
  // a quit cancels it first.
  Form& busyWindow = t->window ? static_cast<Form&>(*t->window) : form_;
  TransferProgress* progress = &t->progress;
  form_.ui().beginBusy(busyWindow, [progress] { progress->cancel = true; });
  if (t->window) form_.setEnabled(false);
  Transferring& running = *t;
  transfer_ = std::move(t);
  FileSystem& fs = services_.fs;
  std::unique_ptr<Workers::Job> job = services_.workers.start(
      [&fs, &running] {
        running.outcome = transferFile(fs, running.source, running.folder, running.operation,
                                       [&running](std::int64_t done, std::int64_t total) {
                                         running.progress.done = done;
                                         running.progress.total = total;
                                         return !running.progress.cancel;
                                       });
      },
      [this] { transferEnded(); });
  if (!job) {
    running.outcome = {TransferOutcome::Failed,
                       {},
                       fileNameOf(source) + " could not be " +
                           (op == Transfer::Copy ? "copied" : "moved") +
                           ": Windows could not start the work."};
    transferEnded();
    return;
  }
  // A worker in memory has ended already.
  if (transfer_) transfer_->job = std::move(job);
}

void BrowserPage::transferEnded() {
  if (!transfer_) return;
  std::unique_ptr<Transferring> t = std::move(transfer_);
  if (t->job) t->job->wait();
  if (t->window) t->window->unload();
  form_.setEnabled(true);
  pane.refreshFiles();
  const TransferOutcome& outcome = t->outcome;
  // What waited runs from here: a quit among it ends the program, and then
  // there is nobody to tell.
  form_.ui().endBusy();
  if (!form_.loaded()) return;
  if (!outcome.message.empty()) {
    tell(outcome.message);
  } else if (outcome.kind == TransferOutcome::Done) {
    status_.setText((t->operation == Transfer::Copy ? "Copied " : "Moved ") +
                    fileNameOf(t->source) + " to " + t->folder);
  }
}

}  // namespace vl
