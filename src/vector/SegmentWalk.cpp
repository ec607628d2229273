#include "vector/SegmentWalk.h"

#include <utility>

namespace zelmaro {
namespace {

// Doubles of one binade [2^(e-1), 2^e) are the integers 2^52 to 2^53 in units of
// 2^(e-53).
constexpr std::int64_t kBinadeStart = std::int64_t{1} << 52;
constexpr std::int64_t kBinadeEnd = std::int64_t{1} << 53;

// The additions of `step` to `value` that can be made at once, made (at most `count`);
// 0 when the next one must be made alone. Within one binade, an addition of the same
// step moves by the same whole number of units every time, as long as the exact sum
// stays half a unit inside the binade: the sum rounds to a neighbour on the same grid.
// A step of an exact half unit rounds to the even neighbour, which from an even start
// is always the same one. Negative values mirror positive ones: rounding to nearest is
// symmetric.
std::int64_t TakeRun(double& value, double step, std::int64_t count) {
  const bool negative = value < 0;
  const double magnitude = negative ? -value : value;
  const double toward = negative ? -step : step;
  if (!std::isnormal(magnitude)) return 0;
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const int scale = 53 - exponent;
  const auto start = static_cast<std::int64_t>(std::ldexp(magnitude, scale));
  const double stepUnits = std::ldexp(toward, scale);
  if (!(std::fabs(stepUnits) < 0x1p51) || std::ldexp(stepUnits, -scale) != toward) return 0;
  const double below = std::floor(stepUnits);
  std::int64_t move = 0;
  if (stepUnits - below == 0.5) {
    if (start % 2 != 0) return 0;
    const auto lower = static_cast<std::int64_t>(below);
    move = lower % 2 == 0 ? lower : lower + 1;
  } else {
    move = static_cast<std::int64_t>(std::round(stepUnits));
  }
  // Every start from which one addition stays half a unit inside the binade.
  const std::int64_t lowest = kBinadeStart + 1 - move;
  const std::int64_t highest = kBinadeEnd - 2 - move;
  if (start < lowest || start > highest) return 0;
  std::int64_t run = count;
  if (move > 0) run = std::min(run, (highest - start) / move + 1);
  if (move < 0) run = std::min(run, (start - lowest) / -move + 1);
  const double result = std::ldexp(static_cast<double>(start + run * move), -scale);
  value = negative ? -result : result;
  return run;
}

}  // namespace

double RepeatedSum(double value, double step, std::int64_t count) {
  while (count > 0) {
    const std::int64_t run = TakeRun(value, step, count);
    if (run > 0) {
      count -= run;
      continue;
    }
    const double next = value + step;
    // A sum that no longer moves stays where it is for every further addition.
    if (next == value || !std::isfinite(next)) return next;
    value = next;
    --count;
  }
  return value;
}

StepRange StepsNear(int start, int extent, std::int64_t steps, int first, int last) {
  if (extent == 0) {
    // The position never moves: it is the start cell at every step.
    return start >= first && start <= last ? StepRange{1, steps} : StepRange{1, 0};
  }
  // How far the accumulated position may stray from the exact one: at most half a unit
  // of the largest position per addition, and the rounding of the step itself.
  const double largest = std::max(std::fabs(start), std::fabs(static_cast<double>(start) + extent));
  const double drift = 1.0 + static_cast<double>(steps) * (largest + 2.0) * 0x1p-52;
  const double perStep = static_cast<double>(extent) / static_cast<double>(steps);
  double low = (first - 0.5 - drift - start) / perStep;
  double high = (last + 0.5 + drift - start) / perStep;
  if (extent < 0) std::swap(low, high);
  // Two steps more on each side absorb the rounding of these divisions.
  low = std::max(std::ceil(low) - 2.0, 1.0);
  high = std::min(std::floor(high) + 2.0, static_cast<double>(steps));
  if (!(low <= high)) return {1, 0};
  return {static_cast<std::int64_t>(low), static_cast<std::int64_t>(high)};
}

}  // namespace zelmaro
