#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/NeighbourScan.h"

namespace zelmaro {

// A 3 x 3 configuration whose centre is deleted when its NeighbourCode equals Code
// exactly. Phase 1 removes line ends doubled by a neighbour and the pixels of
// staircase steps; phase 2, run once phase 1 is over for every code, cuts the
// right-angle corners whose two arms are 4-neighbours of the centre.
struct ThinningConfiguration {
  std::uint8_t Code;
  int Phase;
};

// Line ends doubled by a neighbour: with the staircase corners, what phase 1 removes.
inline constexpr std::array<std::uint8_t, 8> kDoubledLineEndCodes{161, 134, 26,  104,
                                                                  44,  176, 194, 11};

inline constexpr std::array<ThinningConfiguration, 24> kThinningConfigurations = [] {
  std::array<ThinningConfiguration, 24> table{};
  std::size_t next = 0;
  for (const std::uint8_t code : kStaircaseCornerCodes) table[next++] = {code, 1};
  for (const std::uint8_t code : kDoubledLineEndCodes) table[next++] = {code, 1};
  for (const std::uint8_t code : kInnerCornerCodes) table[next++] = {code, 2};
  return table;
}();

// The order in which the Skeletisation Info picture shows the 24 configurations, three
// rows of eight.
inline constexpr std::array<std::uint8_t, 24> kThinningInfoLayout{
    129, 6,   24,  96,  192, 3,   12,  48,   //
    193, 7,   28,  112, 161, 134, 26,  104,  //
    44,  176, 194, 11,  10,  40,  160, 130,
};

// Branch ends: a centre with a single neighbour, shown by the Ebarbulation Info picture
// in two rows of four.
inline constexpr std::array<std::uint8_t, 8> kBranchEndCodes{1, 2, 4, 8, 16, 32, 64, 128};

// The cells a thinning scan of the given phase deletes.
constexpr DeletionMask ThinningMask(int phase) {
  DeletionMask mask{};
  for (const ThinningConfiguration& configuration : kThinningConfigurations) {
    if (configuration.Phase == phase) mask[configuration.Code] = true;
  }
  return mask;
}

constexpr DeletionMask BranchEndMask() {
  return MaskOfCodes(kBranchEndCodes);
}

}  // namespace zelmaro
