#include "platform/win32/system/posted_steps.h"

#include <utility>

namespace vl::win32 {

namespace {
constexpr wchar_t kClass[] = L"VarilumePostedSteps";
constexpr UINT kRunStep = WM_APP + 9;
}  // namespace

PostedSteps::PostedSteps(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &windowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClass;
  // Another owner in this module registered it already: as good.
  if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
  window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

PostedSteps::~PostedSteps() {
  if (window_) DestroyWindow(window_);
}

bool PostedSteps::post(std::function<void()> step) {
  if (!window_) return false;
  AcquireSRWLockExclusive(&lock_);
  steps_.push_back(std::move(step));
  ReleaseSRWLockExclusive(&lock_);
  return PostMessageW(window_, kRunStep, 0, 0) != FALSE;
}

void PostedSteps::runOne() {
  AcquireSRWLockExclusive(&lock_);
  if (steps_.empty()) {
    ReleaseSRWLockExclusive(&lock_);
    return;
  }
  std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  ReleaseSRWLockExclusive(&lock_);
  step();
}

LRESULT CALLBACK PostedSteps::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PostedSteps*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg != kRunStep || !self) return DefWindowProcW(hwnd, msg, wp, lp);
  self->runOne();
  return 0;
}

}  // namespace vl::win32
