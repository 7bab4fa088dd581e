#pragma once
// Waits are measured on the monotonic clock, so a change of the wall clock
// never stretches or cuts a time-out.
#include <algorithm>
#include <chrono>

namespace vandrel {

using Clock = std::chrono::steady_clock;

inline Clock::time_point DeadlineIn(int milliseconds) {
  return Clock::now() + std::chrono::milliseconds(milliseconds);
}

// Milliseconds left for poll(): rounded up so a wait never ends early, 0 when past.
inline int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = deadline - Clock::now();
  if (left <= Clock::duration::zero()) return 0;
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  return static_cast<int>(std::min<long long>(ms, 1 << 30));
}

}  // namespace vandrel
