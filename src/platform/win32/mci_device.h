// Multimedia devices over MCI (winmm, loaded when a device is first made).
#pragma once

#include "platform/media_device.h"

namespace vl::win32 {

class MciDevices : public MediaDevices {
 public:
  std::unique_ptr<MediaDevice> create() override;
};

}  // namespace vl::win32
