#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzSupport.h"

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

// A raw file at a fuzzed size, written as `name` in the emptied folder.
struct RawInput {
  ImageSize size;
  std::string bytes;
  std::string path;
};
inline RawInput WriteRawInput(const std::uint8_t* data, std::size_t size, const std::string& name) {
  FuzzedDataProvider input(data, size);
  RawInput raw;
  raw.size = FuzzedRawSize(input);
  raw.bytes = input.ConsumeRemainingBytesAsString();
  raw.path = FileIn(name);
  ClearFolder();
  WriteFile(raw.path, raw.bytes);
  return raw;
}

}  // namespace zelmaro::fuzz
