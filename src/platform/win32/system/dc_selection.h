// Objects selected into a DC for a while: what each replaced is put back,
// last first, when the selection goes, so that the first of each kind is the
// one the DC is left with.
#pragma once

#include <windows.h>

#include <vector>

namespace vl::win32 {

class DcSelection {
 public:
  explicit DcSelection(HDC dc) : dc_(dc) {}
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;
  ~DcSelection() { restore(); }

  void select(HGDIOBJ object) {
    if (!dc_) return;
    HGDIOBJ old = SelectObject(dc_, object);
    if (old && old != HGDI_ERROR) originals_.push_back(old);
  }
  void restore() {
    for (auto it = originals_.rbegin(); it != originals_.rend(); ++it) SelectObject(dc_, *it);
    originals_.clear();
  }

 private:
  HDC dc_;
  std::vector<HGDIOBJ> originals_;
};

}  // namespace vl::win32
