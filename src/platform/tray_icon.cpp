#include "platform/tray_icon.h"

namespace vl {

std::string TrayIcon::add(Control& hook, const std::string& tip, int pixelsPerInch) {
  remove();
  std::string failure = show(hook, tip);
  if (!failure.empty()) return failure;
  hook_ = &hook;
  hook.MouseMove = [this, pixelsPerInch](int x, int) {
    if (Callback) Callback((x * pixelsPerInch + 720) / 1440);
  };
  return {};
}

void TrayIcon::setTip(const std::string& tip) {
  if (hook_) retip(*hook_, tip);
}

void TrayIcon::remove() {
  if (!hook_) return;
  Control& hook = *hook_;
  hook_ = nullptr;
  hook.MouseMove = nullptr;
  hide(hook);
}

}  // namespace vl
