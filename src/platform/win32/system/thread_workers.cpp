#include "platform/win32/system/thread_workers.h"

#include <windows.h>

#include <memory>
#include <utility>

#include "platform/win32/system/posted_steps.h"

namespace vl::win32 {

namespace {

// What a thread and its job share: the work, and whether the job is still
// held when the ending comes to run (read on the windows' thread only).
struct Shared {
  std::function<void()> work, ended;
  PostedSteps* posted;
  bool held = true;
};

DWORD WINAPI runWork(LPVOID parameter) {
  auto* shared = static_cast<std::shared_ptr<Shared>*>(parameter);
  std::shared_ptr<Shared> s = std::move(*shared);
  delete shared;
  s->work();
  s->posted->post([s] {
    if (s->held && s->ended) s->ended();
  });
  return 0;
}

class ThreadJob : public Workers::Job {
 public:
  ThreadJob(HANDLE thread, std::shared_ptr<Shared> shared)
      : thread_(thread), shared_(std::move(shared)) {}
  ThreadJob(const ThreadJob&) = delete;
  ThreadJob& operator=(const ThreadJob&) = delete;
  ~ThreadJob() override {
    shared_->held = false;
    wait();
    CloseHandle(thread_);
  }
  void wait() override { WaitForSingleObject(thread_, INFINITE); }

 private:
  HANDLE thread_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace

std::unique_ptr<Workers::Job> Win32Workers::start(std::function<void()> work,
                                                  std::function<void()> ended) {
  auto shared = std::make_shared<Shared>(Shared{std::move(work), std::move(ended), &posted_});
  auto* handed = new std::shared_ptr<Shared>(shared);
  HANDLE thread = CreateThread(nullptr, 0, &runWork, handed, 0, nullptr);
  if (!thread) {
    delete handed;
    return nullptr;
  }
  return std::make_unique<ThreadJob>(thread, std::move(shared));
}

}  // namespace vl::win32
