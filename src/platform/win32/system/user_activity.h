// What the user is doing, as the system knows it: the time since the last
// input and whether something runs full screen in front.
#pragma once

#include "platform/services.h"

namespace vl::win32 {

class Win32Activity : public UserActivity {
 public:
  LocalTime now() override;
  std::int64_t idleMilliseconds() override;
  bool fullScreenInFront() override;
};

}  // namespace vl::win32
