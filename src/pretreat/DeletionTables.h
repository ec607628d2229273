#pragma once

#include <array>
#include <cstdint>

namespace zelmaro {

// A 3 x 3 configuration whose centre is deleted when its NeighbourCode equals Code
// exactly. Phase 1 removes line ends doubled by a neighbour and the pixels of
// staircase steps; phase 2, run once phase 1 is over for every code, cuts the
// right-angle corners whose two arms are 4-neighbours of the centre.
struct ThinningConfiguration {
  std::uint8_t Code;
  int Phase;
};

inline constexpr std::array<ThinningConfiguration, 24> kThinningConfigurations{{
    {129, 1}, {6, 1},   {24, 1},  {96, 1},  {192, 1}, {3, 1},   {12, 1}, {48, 1},
    {193, 1}, {7, 1},   {28, 1},  {112, 1}, {161, 1}, {134, 1}, {26, 1}, {104, 1},
    {44, 1},  {176, 1}, {194, 1}, {11, 1},  {130, 2}, {10, 2},  {40, 2}, {160, 2},
}};

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

// For each of the 256 NeighbourCodes, whether a scan of the given phase deletes it.
using DeletionMask = std::array<bool, 256>;

constexpr DeletionMask ThinningMask(int phase) {
  DeletionMask mask{};
  for (const ThinningConfiguration& configuration : kThinningConfigurations) {
    if (configuration.Phase == phase) mask[configuration.Code] = true;
  }
  return mask;
}

constexpr DeletionMask BranchEndMask() {
  DeletionMask mask{};
  for (const std::uint8_t code : kBranchEndCodes) mask[code] = true;
  return mask;
}

}  // namespace zelmaro
