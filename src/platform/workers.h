// Work that runs away from the windows' thread, such as the copy of a large
// file: the windows keep answering while it runs. The work touches no
// control and no window; what comes of it is taken up on the windows' thread
// once it has ended.
#pragma once

#include <functional>
#include <memory>

namespace vl {

class Workers {
 public:
  virtual ~Workers() = default;

  class Job {
   public:
    // Waits for the work to end; its ending then never runs.
    virtual ~Job() = default;
    // Waits for the work to end (its ending still runs, from the message loop).
    virtual void wait() = 0;
  };

  // Starts the work; `ended` runs on the windows' thread after it, from the
  // message loop, while the job is still held (in memory, where there is no
  // loop, it may run before this returns). Null when no worker could start
  // (the work has not run).
  [[nodiscard]] virtual std::unique_ptr<Job> start(std::function<void()> work,
                                                   std::function<void()> ended) = 0;
};

}  // namespace vl
