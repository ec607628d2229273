#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "raster/RasterFiles.h"

namespace zelmaro::fuzz {

// A size for the raw readers: mostly one a fuzzed file can fill (up to 256 lines and
// columns), sometimes any pair of 32-bit integers that no image can have (0 or
// below, or more cells than 32-bit indices reach). Sizes that fit but need gigabytes
// are a question of memory, checked before anything is read; here they would only slow
// the fuzzer down.
inline ImageSize FuzzedRawSize(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) {
    const ImageSize any{input.ConsumeIntegral<std::int32_t>(),
                        input.ConsumeIntegral<std::int32_t>()};
    const std::int64_t cells = std::int64_t{any.lines} * any.columns;
    if (any.lines <= 0 || any.columns <= 0 || cells > 2147483647) return any;
  }
  return {input.ConsumeIntegralInRange<std::int32_t>(-2, 256),
          input.ConsumeIntegralInRange<std::int32_t>(-2, 256)};
}

}  // namespace zelmaro::fuzz
