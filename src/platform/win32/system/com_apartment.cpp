#include "platform/win32/system/com_apartment.h"

#include <objbase.h>

#include "platform/win32/system/system_library.h"

namespace vl::win32 {

bool ComApartment::enter() {
  if (GetCurrentThreadId() != thread_) return false;
  if (tried_) return usable_;
  tried_ = true;
  auto initialize =
      libraries_.function<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  if (!initialize) return false;
  HRESULT hr = initialize(nullptr, COINIT_APARTMENTTHREADED);
  // S_FALSE: already started on this thread, and counted all the same.
  initialised_ = hr == S_OK || hr == S_FALSE;
  // Started by someone else in the other model: usable, but not ours to end.
  usable_ = initialised_ || hr == RPC_E_CHANGED_MODE;
  return usable_;
}

ComApartment::~ComApartment() {
  if (!initialised_ || GetCurrentThreadId() != thread_) return;
  auto uninitialize =
      libraries_.function<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
  if (uninitialize) uninitialize();
}

}  // namespace vl::win32
