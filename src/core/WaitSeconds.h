#pragma once

#include <cstdint>
#include <functional>

namespace zelmaro {

// A millisecond tick counter; tests inject their own.
using TickClock = std::function<std::uint64_t()>;

// Milliseconds of a steady clock.
std::uint64_t SteadyTicks();

// Busy-waits until at least `seconds` have passed on `clock` (ticks x 0.001).
// Window messages are not processed meanwhile.
void WaitSeconds(float seconds, const TickClock& clock = SteadyTicks);

}  // namespace zelmaro
