// Workers on threads of their own; what comes of their work is taken up on
// the windows' thread through its posted steps.
#pragma once

#include "platform/workers.h"

namespace vl::win32 {

class PostedSteps;

class Win32Workers : public Workers {
 public:
  explicit Win32Workers(PostedSteps& posted) : posted_(posted) {}
  std::unique_ptr<Job> start(std::function<void()> work, std::function<void()> ended) override;

 private:
  PostedSteps& posted_;
};

}  // namespace vl::win32
