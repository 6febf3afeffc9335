// COM for the thread that makes this owner: started on first use, so that
// ole32 is loaded only when something needs it, and ended with the owner.
#pragma once

#include <windows.h>

namespace vl::win32 {

class SystemLibraries;

class ComApartment {
 public:
  explicit ComApartment(SystemLibraries& libraries)
      : libraries_(libraries), thread_(GetCurrentThreadId()) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();

  // Whether COM can be used now on this owner's thread (not on another).
  bool enter();
  bool onItsThread() const { return GetCurrentThreadId() == thread_; }
  // Where ole32 and its functions are found.
  SystemLibraries& libraries() { return libraries_; }

 private:
  SystemLibraries& libraries_;
  DWORD thread_;
  bool tried_ = false;
  bool usable_ = false;
  bool initialised_ = false;  // owes the thread a CoUninitialize
};

}  // namespace vl::win32
