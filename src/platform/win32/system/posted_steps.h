// Steps run from the message loop of the windows' thread, posted from that
// thread or from a worker: a message-only window takes them one by one.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

namespace vl::win32 {

class PostedSteps {
 public:
  explicit PostedSteps(HINSTANCE instance);
  PostedSteps(const PostedSteps&) = delete;
  PostedSteps& operator=(const PostedSteps&) = delete;
  // Steps not run yet are dropped: the program has ended.
  ~PostedSteps();

  // False when the window could not be made: the step then never runs.
  bool post(std::function<void()> step);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void runOne();

  HWND window_ = nullptr;
  SRWLOCK lock_ = SRWLOCK_INIT;  // the queue is shared with workers
  std::deque<std::function<void()>> steps_;
};

}  // namespace vl::win32
