// A handle the program made or loaded itself (not a shared one), freed with
// its owner: GDI objects (bitmaps, brushes, fonts), icons, kernel objects and
// windows of its own.
#pragma once

#include <windows.h>

#include <utility>

namespace vl::win32 {

template <class Handle, auto Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Frees the one held (a GDI object must not be selected into a DC any more).
  void reset(Handle handle = nullptr) {
    if (handle_) Free(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

template <class Handle>
using GdiObject = OwnedHandle<Handle, &::DeleteObject>;
using IconHandle = OwnedHandle<HICON, &::DestroyIcon>;
// A mutex, event or thread (not a file: those are invalid as -1, see FileHandle).
using KernelHandle = OwnedHandle<HANDLE, &::CloseHandle>;
using OwnWindow = OwnedHandle<HWND, &::DestroyWindow>;

}  // namespace vl::win32
