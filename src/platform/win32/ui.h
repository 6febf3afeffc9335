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
#include "platform/win32/gdi_object.h"
#include "platform/win32/picture_decoder.h"

namespace vl::win32 {

class Win32Ui : public Ui {
 public:
  explicit Win32Ui(HINSTANCE instance);
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  bool load(Form& form) override;
  void unload(Form& form) override;
  void bringToFront(Form& form) override;
  void messageBox(Form* owner, const std::string& text, const std::string& title,
                  MsgIcon icon) override;
  ScreenInfo screen() const override;
  void endMessageLoop(int exitCode) override;
  void popupMenu(Form& form, MenuItem& menu) override;
  void doEvents() override;
  PictureLoad loadPicture(const std::string& source) override;

  // Runs the message loop until the program ends.
  int run();
  void afterPainting(std::function<void()> step) override;

  HINSTANCE instance() const { return instance_; }
  int toPixels(int twips) const { return MulDiv(twips, dpi_, 1440); }
  int toTwips(int pixels) const { return MulDiv(pixels, 1440, dpi_); }
  HFONT font(const Font& f);
  HBRUSH brush(COLORREF color);

  UINT addMenuCommand(MenuItem& item);
  void removeMenuCommand(UINT id) { menuCommands_.erase(id); }
  MenuItem* menuCommand(UINT id) const;

 private:
  std::vector<std::function<void()>> afterPainting_;
  bool preTranslate(MSG& msg);

  HINSTANCE instance_;
  int dpi_ = 96;
  bool classesRegistered_ = false;  // no form can be made without them
  std::unique_ptr<Win32PictureDecoder> decoder_;
  std::unique_ptr<PictureCache> pictures_;
  std::map<std::tuple<std::string, int, bool>, GdiObject<HFONT>> fonts_;
  std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
  std::unordered_map<UINT, MenuItem*> menuCommands_;
  UINT nextMenuCommand_ = 1000;
};

}  // namespace vl::win32
