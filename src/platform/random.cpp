#include <chrono>

#include "platform/services.h"

namespace vl {

void ClockRandom::seedFromClock() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  state_ = static_cast<unsigned long long>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

double ClockRandom::next() {
  // splitmix64: good enough spread for picking a tip, and no global state.
  unsigned long long z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) / 9007199254740992.0;  // 2^53
}

}  // namespace vl
