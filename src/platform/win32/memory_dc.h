// A memory DC to draw from or into: what was selected into it is put back
// before it is deleted, so that the selected objects can be deleted too.
#pragma once

#include <windows.h>

#include <vector>

namespace vl::win32 {

class MemoryDc {
 public:
  // Compatible with `like`; with the screen when it is null.
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    // Backwards, so that the first original of each kind is the one left.
    for (auto it = originals_.rbegin(); it != originals_.rend(); ++it) SelectObject(dc_, *it);
    if (dc_) DeleteDC(dc_);
  }

  explicit operator bool() const { return dc_ != nullptr; }
  HDC get() const { return dc_; }
  void select(HGDIOBJ object) {
    if (!dc_) return;
    HGDIOBJ old = SelectObject(dc_, object);
    if (old && old != HGDI_ERROR) originals_.push_back(old);
  }

 private:
  HDC dc_;
  std::vector<HGDIOBJ> originals_;
};

}  // namespace vl::win32
