#include "platform/memory/memory_services.h"

#include <utility>

namespace vl {

namespace {

// A job whose ending runs only while it is held; waiting for it runs its work.
class MemoryJob : public Workers::Job {
 public:
  explicit MemoryJob(std::shared_ptr<MemoryWorkers::Pending> pending)
      : pending_(std::move(pending)) {}
  ~MemoryJob() override { pending_->alive = false; }
  void wait() override {
    if (auto work = std::exchange(pending_->work, nullptr)) work();
  }

 private:
  std::shared_ptr<MemoryWorkers::Pending> pending_;
};

}  // namespace

std::unique_ptr<Workers::Job> MemoryWorkers::start(std::function<void()> work,
                                                   std::function<void()> ended) {
  if (refuse) return nullptr;
  ++started;
  auto pending = std::make_shared<Pending>(Pending{std::move(work), std::move(ended)});
  auto job = std::make_unique<MemoryJob>(pending);
  if (hold) {
    held_.push_back(std::move(pending));
    return job;
  }
  // At once: the work, then its ending, before the caller holds the job.
  job->wait();
  if (pending->ended) pending->ended();
  return job;
}

bool MemoryWorkers::finishOne() {
  if (held_.empty()) return false;
  std::shared_ptr<Pending> p = std::move(held_.front());
  held_.erase(held_.begin());
  if (auto work = std::exchange(p->work, nullptr)) work();
  if (p->alive && p->ended) p->ended();
  return true;
}

void MemoryWorkers::finishAll() {
  while (finishOne()) {
  }
}

}  // namespace vl
