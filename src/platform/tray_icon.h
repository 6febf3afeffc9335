// The program's icon in the taskbar's notification area. The shell reports
// the mouse over the icon as a mouse move over a hidden hook control, with
// the mouse message's number as its x position in pixels.
#pragma once

#include <functional>
#include <string>

#include "platform/control.h"
#include "platform/event.h"

namespace vl {

// Mouse messages as the shell reports them.
namespace tray {
inline constexpr int LeftDown = 0x201;
inline constexpr int LeftUp = 0x202;
inline constexpr int LeftDoubleClick = 0x203;
inline constexpr int RightDown = 0x204;
inline constexpr int RightUp = 0x205;
}  // namespace tray

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Shows the icon with its tip; the hook's window receives its messages.
  // "" on success, else the reason.
  // pixelsPerInch turns the hook's mouse position in twips back into pixels.
  std::string add(Control& hook, const std::string& tip, int pixelsPerInch);
  // Takes the icon away; harmless when it is not there.
  void remove();
  // The text shown over the icon, from now on.
  void setTip(const std::string& tip);
  bool shown() const { return hook_ != nullptr; }

  // The mouse message the shell reported over the icon.
  Event<void(int mouseMessage)> Callback;

 protected:
  virtual std::string show(Control& hook, const std::string& tip) = 0;
  virtual void hide(Control& hook) = 0;
  virtual void retip(Control& hook, const std::string& tip) = 0;

 private:
  Control* hook_ = nullptr;
};

}  // namespace vl
