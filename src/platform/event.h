// An event of a control, a window or a device, with the one handler its
// owner gives it. A second handler would silently take the first one's
// place, so it is refused: the first stays. An owner that hands the event
// over clears it (assigns nullptr) first.
#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace vl {

// Told of each refused handler, where someone listens (the tests fail).
inline void (*handlerRefused)() = nullptr;

template <class Signature>
class Event;

template <class R, class... Args>
class Event<R(Args...)> {
 public:
  using Handler = std::function<R(Args...)>;

  Event() = default;
  // A copy to call when the handler may end the event's owner.
  Event(const Event&) = default;
  Event& operator=(const Event&) = delete;

  template <class F>
  requires std::is_constructible_v<Handler, F> Event& operator=(F&& handler) {
    Handler next(std::forward<F>(handler));
    if (handler_ && next) {
      if (handlerRefused) handlerRefused();
      return *this;
    }
    handler_ = std::move(next);
    return *this;
  }
  Event& operator=(std::nullptr_t) {
    handler_ = nullptr;
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(handler_); }
  R operator()(Args... args) const { return handler_(std::forward<Args>(args)...); }

 private:
  Handler handler_;
};

}  // namespace vl
