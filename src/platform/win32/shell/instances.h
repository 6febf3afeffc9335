// One program per user session: a named mark tells a later start that a copy
// runs, and a message-only window of that copy takes the later command line.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "platform/services.h"
#include "platform/win32/system/owned_handle.h"

namespace vl::win32 {

class Win32Instances : public Instances {
 public:
  explicit Win32Instances(HINSTANCE instance) : instance_(instance) {}
  ~Win32Instances() override;
  Win32Instances(const Win32Instances&) = delete;
  Win32Instances& operator=(const Win32Instances&) = delete;

  bool claim(const std::string& commandLine) override;
  void stopServing() override;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // Whether the copy that runs took the command line.
  bool handOver(const std::string& commandLine);
  void serve();
  void take(const COPYDATASTRUCT& data);

  HINSTANCE instance_;
  KernelHandle mark_;
  OwnWindow window_;
  std::deque<std::string> arrived_;
};

}  // namespace vl::win32
