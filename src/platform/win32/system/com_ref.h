// A counted reference to a COM object, released with its holder.
#pragma once

#include <utility>

namespace vl::win32 {

template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Where a creating call writes the new reference; the one held goes first.
  T** put() {
    reset();
    return &p_;
  }
  // For calls that write an untyped pointer (CoCreateInstance).
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

}  // namespace vl::win32
