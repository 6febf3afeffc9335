// The window system kept in memory: forms load and show without windows,
// message boxes are recorded, the screen is what the test says, pictures are
// what the test registers, and time passes when the test says so.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/memory/memory_services.h"
#include "platform/menu_item.h"
#include "platform/picture.h"
#include "platform/ui.h"

namespace vl {

struct ShownMessage {
  std::string owner, text, title;
  MsgIcon icon;
};

// Pictures by name: resources are always there, files only once registered.
class MemoryPictureDecoder : public PictureDecoder {
 public:
  PictureLoad decode(const std::string& source) override;
  // A picture file; an incomplete one stopped early.
  void add(const std::string& path, int widthTwips, int heightTwips, bool incomplete = false);
  // A file the decoder refuses, with its reason.
  void refuse(const std::string& path, std::string reason) { refused_[path] = std::move(reason); }
  // The file is written anew (with another size), or goes.
  void replace(const std::string& path, int widthTwips, int heightTwips);
  void remove(const std::string& path);
  std::optional<std::uint64_t> version(const std::string& source) override;
  // How often each source was decoded.
  std::map<std::string, int> decodes;

 private:
  struct Registered {
    int width, height;
    bool incomplete;
    std::uint64_t version = 1;
  };
  // Windows names a file the same whatever the letters' case.
  struct AnyCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::map<std::string, Registered, AnyCase> sizes_;
  std::uint64_t writes_ = 0;
  std::map<std::string, std::string, AnyCase> refused_;
};

class MemoryUi : public Ui {
 public:
  MemoryUi() : pictureCache_(pictures, &pictureWorkers) {}
  bool load(Form& form) override;
  void unload(Form& form) override;
  void bringToFront(Form& form) override { frontmost = form.name(); }
  void activate(Form& form) override {
    frontmost = form.name();
    activated.push_back(form.name());
  }
  void post(std::function<void()> step) override { step(); }
  ScreenInfo screen() const override { return screenInfo; }
  // The screen less a taskbar along its bottom.
  MonitorArea workArea() const override {
    return {0, 0, screenInfo.width, screenInfo.height - taskbarHeight, screenInfo.pixelsPerInch};
  }
  // The monitors set, or the screen alone.
  std::vector<MonitorArea> monitors() const override {
    if (!monitorList.empty()) return monitorList;
    return {MonitorArea{0, 0, screenInfo.width, screenInfo.height, screenInfo.pixelsPerInch}};
  }
  void endMessageLoop(int code) override {
    ended = true;
    exitCode = code;
  }
  void setFocus(Control& control) override { focused = control.name(); }
  void closeModal() override { modalClosed = true; }
  // Each reading is a while later than the one before, so that whatever is
  // paced by it happens at every step unless a test holds the clock.
  std::int64_t milliseconds() override { return clockMs += msPerClockReading; }
  PictureLoad loadPicture(const std::string& source) override { return pictureCache_.load(source); }
  void readPicturesAhead(std::vector<std::string> sources) override {
    readAhead = sources;
    pictureCache_.readAhead(std::move(sources));
  }

  // Screen of width x height pixels at the given twips per pixel.
  void setScreen(int widthPx, int heightPx, int twipsPerPixel = 15);
  // Lets time pass: each running timer of a loaded form ticks once for every
  // whole interval since it was started.
  void advance(int ms);

  ScreenInfo screenInfo{800 * 15, 600 * 15, 15, 15, 96};
  std::vector<MonitorArea> monitorList;  // the pointer's first
  int taskbarHeight = 450;
  std::vector<ShownMessage> messages;
  std::string frontmost;
  std::vector<std::string> activated;
  bool ended = false;
  int exitCode = -1;
  std::vector<std::string> loadedForms;
  // Forms whose windows cannot be made (the system is out of them): their
  // load fails.
  std::set<std::string> refusedForms;
  std::vector<std::string> popups;
  std::vector<std::string> popupAnchors;  // "" for a menu opened at the pointer
  std::string focused;
  MemoryPictureDecoder pictures;
  // Where pictures are read ahead; hold them to see a reading under way.
  MemoryWorkers pictureWorkers;
  std::vector<std::string> readAhead;  // what was last asked to be read ahead
  std::size_t picturesHeldAhead() const { return pictureCache_.heldAhead(); }
  // What happens while a message box or pop-up menu is open: time passing,
  // a later start handing its file over.
  std::function<void()> WhileModal;
  bool modalClosed = false;  // the program closed the box or menu
  std::int64_t clockMs = 0;
  int msPerClockReading = 1000;

 protected:
  void showMessageBox(Form* owner, const std::string& text, const std::string& title,
                      MsgIcon icon) override;
  void showPopupMenu(Form&, MenuItem& menu, const Control* anchor) override {
    popups.push_back(menu.name());
    popupAnchors.push_back(anchor ? anchor->name() : "");
    if (WhileModal) WhileModal();
  }

 private:
  class TimerClock;
  PictureCache pictureCache_;
  std::vector<TimerClock*> clocks_;
};

}  // namespace vl
