#pragma once

#include <array>

namespace zelmaro {

// The grid transfers of the surface multigrid along one axis. A coarser grid halves an
// axis (cell c of the coarse grid stands where cell 2c of the fine grid stands) or keeps
// it. A fine cell is interpolated linearly from the coarse cells on either side: the
// coarse grid reaches one fine cell past an even number of fine cells, so that every
// fine cell has coarse cells on both sides and a plane stays a plane.

// The coarse cells a fine cell is interpolated from, with their weights.
struct AxisSource {
  int count = 0;
  std::array<int, 2> coarse{};
  std::array<float, 2> weight{};
};

inline AxisSource SourcesOfFine(int fine, bool halves) {
  if (!halves) return {1, {fine, 0}, {1.0f, 0.0f}};
  if (fine % 2 == 0) return {1, {fine / 2, 0}, {1.0f, 0.0f}};
  return {2, {fine / 2, fine / 2 + 1}, {0.5f, 0.5f}};
}

// The fine cells a coarse cell is interpolated to, with the same weights: the
// restriction gathers with them, so that it is the transpose of the interpolation.
struct AxisShare {
  int count = 0;
  std::array<int, 3> fine{};
  std::array<float, 3> weight{};
};

inline AxisShare SharesOfCoarse(int coarse, int fineCount, bool halves) {
  AxisShare share;
  const auto add = [&share, fineCount](int fine, float weight) {
    if (fine < 0 || fine >= fineCount) return;
    share.fine[share.count] = fine;
    share.weight[share.count] = weight;
    ++share.count;
  };
  if (!halves) {
    add(coarse, 1.0f);
    return share;
  }
  add(2 * coarse - 1, 0.5f);
  add(2 * coarse, 1.0f);
  add(2 * coarse + 1, 0.5f);
  return share;
}

// The number of cells of an axis on the next coarser grid.
inline int CoarserCount(int count, bool halves) {
  return halves ? count / 2 + 1 : count;
}

}  // namespace zelmaro
