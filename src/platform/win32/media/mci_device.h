// Multimedia devices over MCI (winmm, loaded when a device is first made).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "platform/media_device.h"

namespace vl::win32 {

class MciDevice;
class SystemLibraries;

// Makes the devices and keeps what they share: the window MCI posts their
// notifications to and the list of those open. Outlives its devices.
class MciDevices : public MediaDevices {
 public:
  explicit MciDevices(SystemLibraries& libraries) : libraries_(libraries) {}
  MciDevices(const MciDevices&) = delete;
  MciDevices& operator=(const MciDevices&) = delete;
  ~MciDevices() override;

  std::unique_ptr<MediaDevice> create() override;
  std::string deviceTypeFor(const std::string& fileName) override;

  SystemLibraries& libraries() { return libraries_; }
  // A hidden window of the UI thread that MCI posts its notifications to.
  HWND notifyWindow();
  void opened(MciDevice& device) { open_.push_back(&device); }
  void closed(MciDevice& device, MCIDEVICEID id);

 private:
  static LRESULT CALLBACK notifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void deliver(MCIDEVICEID id, UINT flag);

  SystemLibraries& libraries_;
  // Devices that are open, so a notification finds its device only while the
  // device is still there to take it. MCI is used from the UI thread only.
  std::vector<MciDevice*> open_;
  HWND notifyWindow_ = nullptr;
};

}  // namespace vl::win32
