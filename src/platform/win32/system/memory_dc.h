// A memory DC to draw from or into: what was selected into it is put back
// before it is deleted, so that the selected objects can be deleted too.
#pragma once

#include <windows.h>

#include "platform/win32/system/dc_selection.h"

namespace vl::win32 {

class MemoryDc {
 public:
  // Compatible with `like`; with the screen when it is null.
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)), selection_(dc_) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    selection_.restore();
    if (dc_) DeleteDC(dc_);
  }

  explicit operator bool() const { return dc_ != nullptr; }
  HDC get() const { return dc_; }
  void select(HGDIOBJ object) { selection_.select(object); }

 private:
  HDC dc_;
  DcSelection selection_;
};

}  // namespace vl::win32
