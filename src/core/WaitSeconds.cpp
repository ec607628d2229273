#include "core/WaitSeconds.h"

#include <chrono>

namespace zelmaro {

std::uint64_t SteadyTicks() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void WaitSeconds(float seconds, const TickClock& clock) {
  const double start = static_cast<double>(clock()) * 0.001;
  while (static_cast<double>(clock()) * 0.001 - start < seconds) {
  }
}

}  // namespace zelmaro
