// The window system over the Windows API: forms become top-level windows,
// controls become child windows of the standard classes where Windows has one.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/form.h"
#include "platform/win32/system/com_apartment.h"
#include "platform/win32/windows/button_art.h"
#include "platform/win32/windows/dpi_context.h"
#include "platform/win32/windows/keyboard.h"
#include "platform/win32/system/owned_handle.h"
#include "platform/win32/pictures/picture_decoder.h"
#include "platform/win32/system/posted_steps.h"
#include "platform/win32/system/thread_workers.h"
#include "platform/menu_item.h"
#include "platform/ui.h"

namespace vl::win32 {

class SystemLibraries;
class WindowPeer;

class Win32Ui : public Ui {
 public:
  Win32Ui(HINSTANCE instance, SystemLibraries& libraries);
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;
  // Destroys the windows still open, and their peers with them.
  ~Win32Ui() override;

  bool load(Form& form) override;
  void unload(Form& form) override;
  void bringToFront(Form& form) override;
  void post(std::function<void()> step) override { posted_.post(std::move(step)); }
  PostedSteps& posted() { return posted_; }
  void closeModal() override;
  ScreenInfo screen() const override;
  std::vector<MonitorArea> monitors() const override;
  MonitorArea workArea() const override;
  void endMessageLoop(int exitCode) override;
  void setFocus(Control& control) override;
  void activate(Form& form) override;
  std::int64_t milliseconds() override { return static_cast<std::int64_t>(GetTickCount64()); }
  PictureLoad loadPicture(const std::string& source) override;
  void readPicturesAhead(std::vector<std::string> sources) override {
    pictures_->readAhead(std::move(sources));
  }

  // Runs the message loop until the program ends.
  int run();
  void afterPainting(std::function<void()> step) override;

  HINSTANCE instance() const { return instance_; }
  SystemLibraries& libraries() const { return libraries_; }
  // COM on the window thread, started when something first needs it: the
  // one apartment of the thread, which everything on it shares.
  ComApartment& com() { return com_; }
  // Twips to pixels at the system's DPI: the screen, the monitors, and every
  // form but those that follow their monitor.
  Scale systemScale() const { return {dpi_}; }
  int toPixels(int twips) const { return systemScale().toPixels(twips); }
  int toTwips(int pixels) const { return systemScale().toTwips(pixels); }
  // Whether the pointer stands somewhere else than at the last move seen.
  bool pointerMovedTo(POINT at) {
    bool moved = at.x != pointer_.x || at.y != pointer_.y;
    pointer_ = at;
    return moved;
  }
  HFONT font(const Font& f, int dpi);
  HBRUSH brush(COLORREF color);

  UINT addMenuCommand(MenuItem& item);
  void removeMenuCommand(UINT id) { menuCommands_.erase(id); }
  MenuItem* menuCommand(UINT id) const;

  // The peers of this owner's windows, found also for a window that may be
  // another's (a dialog, a combo box's own list).
  WindowPeer* peerOf(HWND hwnd) const;
  void addPeer(HWND hwnd, WindowPeer& peer) { peers_[hwnd] = &peer; }
  void removePeer(HWND hwnd) { peers_.erase(hwnd); }
  // Containers whose controls get their windows when shown or when idle.
  std::vector<WindowPeer*>& pendingContainers() { return pending_; }
  // The window property that names each window for the tests that drive it.
  LPCWSTR nameProperty() const { return nameAtom_ ? MAKEINTATOM(nameAtom_) : L"VarilumeName"; }
  // The message the shell broadcasts when the taskbar has been created anew.
  UINT taskbarCreated();
  const ButtonArt* buttonArt(const std::string& name, int pixels) {
    return buttonArt_.find(name, pixels);
  }

 protected:
  void showMessageBox(Form* owner, const std::string& text, const std::string& title,
                      MsgIcon icon) override;
  void showPopupMenu(Form& form, MenuItem& menu, const Control* anchor) override;

 private:
  std::vector<std::function<void()>> afterPainting_;
  // The program asked to end, with this code; the loop ends on nothing else.
  bool endAsked_ = false;
  int exitCode_ = 0;
  // The message loop itself failed: never mistaken for a clean end.
  static constexpr int kLoopFailed = 3;
  Keyboard keyboard_{*this};

  HINSTANCE instance_;
  SystemLibraries& libraries_;
  PostedSteps posted_{instance_};
  POINT pointer_{-32768, -32768};  // where the user last left the pointer
  ComApartment com_{libraries_};
  int dpi_ = 96;
  bool classesRegistered_ = false;        // no form can be made without them
  Win32Workers pictureWorkers_{posted_};  // pictures read ahead
  std::unique_ptr<Win32PictureDecoder> decoder_;
  std::unique_ptr<PictureCache> pictures_;
  std::map<std::tuple<std::string, int, bool, int>, GdiObject<HFONT>> fonts_;
  std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
  std::unordered_map<UINT, MenuItem*> menuCommands_;
  UINT nextMenuCommand_ = 1000;
  std::unordered_map<HWND, WindowPeer*> peers_;
  std::vector<WindowPeer*> pending_;
  // Found once: given as a string, the system would look it up for every window.
  ATOM nameAtom_ = 0;
  UINT taskbarCreated_ = 0;
  ButtonArtCache buttonArt_;
};

}  // namespace vl::win32
