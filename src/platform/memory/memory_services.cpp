#include "platform/memory/memory_services.h"

#include <utility>

namespace vl {

namespace {

// A job whose ending runs only while it is held.
class MemoryJob : public Workers::Job {
 public:
  explicit MemoryJob(std::shared_ptr<bool> alive) : alive_(std::move(alive)) {}
  ~MemoryJob() override { *alive_ = false; }
  void wait() override {}

 private:
  std::shared_ptr<bool> alive_;
};

}  // namespace

std::unique_ptr<Workers::Job> MemoryWorkers::start(std::function<void()> work,
                                                   std::function<void()> ended) {
  if (refuse) return nullptr;
  ++started;
  auto alive = std::make_shared<bool>(true);
  auto job = std::make_unique<MemoryJob>(alive);
  if (hold) {
    held_.push_back({std::move(work), std::move(ended), alive});
    return job;
  }
  // At once: the work, then its ending, before the caller holds the job.
  work();
  ended();
  return job;
}

void MemoryWorkers::finishAll() {
  while (!held_.empty()) {
    Pending p = std::move(held_.front());
    held_.erase(held_.begin());
    if (p.work) p.work();
    if (*p.alive && p.ended) p.ended();
  }
}

}  // namespace vl
