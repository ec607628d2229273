#include "reference/SurfaceReference.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "interp/Dilation.h"

namespace zelmaro::reference {
namespace {

using Matrix = Eigen::SparseMatrix<double>;
using Vector = Eigen::VectorXd;

// One squared difference of the energy: cells (by number) with their signs, weighted.
struct Difference {
  std::vector<std::pair<int, double>> cells;
  double weight;
};

std::vector<Difference> EnergyDifferences(int lines, int columns, double tension) {
  const auto cell = [columns](int i, int j) { return i * columns + j; };
  std::vector<Difference> differences;
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      if (j >= 1 && j + 1 < columns) {
        differences.push_back(
            {{{cell(i, j - 1), 1.0}, {cell(i, j), -2.0}, {cell(i, j + 1), 1.0}}, 1.0 - tension});
      }
      if (i >= 1 && i + 1 < lines) {
        differences.push_back(
            {{{cell(i - 1, j), 1.0}, {cell(i, j), -2.0}, {cell(i + 1, j), 1.0}}, 1.0 - tension});
      }
      if (i + 1 < lines && j + 1 < columns) {
        differences.push_back({{{cell(i, j), 1.0},
                                {cell(i, j + 1), -1.0},
                                {cell(i + 1, j), -1.0},
                                {cell(i + 1, j + 1), 1.0}},
                               2.0 * (1.0 - tension)});
      }
      if (j + 1 < columns) {
        differences.push_back({{{cell(i, j), -1.0}, {cell(i, j + 1), 1.0}}, tension});
      }
      if (i + 1 < lines) {
        differences.push_back({{{cell(i, j), -1.0}, {cell(i + 1, j), 1.0}}, tension});
      }
    }
  }
  return differences;
}

// The values of the free cells that minimise the energy, the held ones given.
Vector Minimise(const std::vector<Difference>& differences, const std::vector<int>& freeIndex,
                int freeCount, const Vector& values) {
  std::vector<Eigen::Triplet<double>> triplets;
  Vector right = Vector::Zero(freeCount);
  for (const Difference& difference : differences) {
    for (const auto& [a, signA] : difference.cells) {
      if (freeIndex[a] < 0) continue;
      for (const auto& [b, signB] : difference.cells) {
        const double coefficient = difference.weight * signA * signB;
        if (freeIndex[b] >= 0) {
          triplets.emplace_back(freeIndex[a], freeIndex[b], coefficient);
        } else {
          right[freeIndex[a]] -= coefficient * values[b];
        }
      }
    }
  }
  Matrix matrix(freeCount, freeCount);
  matrix.setFromTriplets(triplets.begin(), triplets.end());
  const Eigen::SimplicialLDLT<Matrix> factorisation(matrix);
  if (factorisation.info() != Eigen::Success) throw std::runtime_error("singular surface");
  Vector solved = values;
  const Vector free = factorisation.solve(right);
  for (std::size_t k = 0; k < freeIndex.size(); ++k) {
    if (freeIndex[k] >= 0) solved[static_cast<Eigen::Index>(k)] = free[freeIndex[k]];
  }
  return solved;
}

}  // namespace

DoubleGrid SurfaceAltitudes(const IntGrid& seeded, double tension, bool subPixelCorrection) {
  const int lines = seeded.Lines();
  const int columns = seeded.Columns();
  const int cellCount = lines * columns;
  std::set<std::int32_t> levels;
  std::vector<int> freeIndex(static_cast<std::size_t>(cellCount), -1);
  Vector values = Vector::Zero(cellCount);
  int freeCount = 0;
  for (int k = 0; k < cellCount; ++k) {
    const std::int32_t seed = seeded.Data()[k];
    if (seed == NoAltitude) {
      freeIndex[static_cast<std::size_t>(k)] = freeCount++;
    } else {
      levels.insert(seed);
      values[k] = seed;
    }
  }
  double interval = 0.0;
  for (auto it = std::next(levels.begin()); it != levels.end(); ++it) {
    const double step = *it - *std::prev(it);
    interval = interval == 0.0 ? step : std::min(interval, step);
  }
  const std::vector<Difference> differences = EnergyDifferences(lines, columns, tension);
  Vector solved = Minimise(differences, freeIndex, freeCount, values);
  if (subPixelCorrection) {
    const auto at = [&solved, columns](int i, int j) { return solved[i * columns + j]; };
    Vector lifted = values;
    for (int i = 0; i < lines; ++i) {
      for (int j = 0; j < columns; ++j) {
        if (freeIndex[static_cast<std::size_t>(i * columns + j)] >= 0) continue;
        double alongLine = 0.0;
        if (j > 0 && j + 1 < columns) alongLine = (at(i, j + 1) - at(i, j - 1)) / 2.0;
        if (j == 0 && columns > 1) alongLine = at(i, 1) - at(i, 0);
        if (j > 0 && j + 1 == columns) alongLine = at(i, j) - at(i, j - 1);
        double alongColumn = 0.0;
        if (i > 0 && i + 1 < lines) alongColumn = (at(i + 1, j) - at(i - 1, j)) / 2.0;
        if (i == 0 && lines > 1) alongColumn = at(1, j) - at(0, j);
        if (i > 0 && i + 1 == lines) alongColumn = at(i, j) - at(i - 1, j);
        const double slope = std::sqrt(alongLine * alongLine + alongColumn * alongColumn);
        lifted[i * columns + j] += std::min(0.5 * slope, 0.5 * interval);
      }
    }
    solved = Minimise(differences, freeIndex, freeCount, lifted);
  }
  // Each region of free cells (4-connected) between the levels of the held cells it
  // touches, or within one interval of its only level.
  DoubleGrid altitudes(lines, columns);
  std::vector<int> region(static_cast<std::size_t>(cellCount), -1);
  for (int k = 0; k < cellCount; ++k) altitudes.Data()[k] = solved[k];
  for (int start = 0; start < cellCount; ++start) {
    if (freeIndex[static_cast<std::size_t>(start)] < 0 ||
        region[static_cast<std::size_t>(start)] >= 0) {
      continue;
    }
    std::vector<int> members{start};
    region[static_cast<std::size_t>(start)] = start;
    double lowest = 1e300;
    double highest = -1e300;
    for (std::size_t next = 0; next < members.size(); ++next) {
      const int i = members[next] / columns;
      const int j = members[next] % columns;
      for (const auto& [di, dj] :
           {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
        if (i + di < 0 || j + dj < 0 || i + di >= lines || j + dj >= columns) continue;
        const int neighbour = (i + di) * columns + j + dj;
        if (freeIndex[static_cast<std::size_t>(neighbour)] < 0) {
          lowest = std::min(lowest, values[neighbour]);
          highest = std::max(highest, values[neighbour]);
        } else if (region[static_cast<std::size_t>(neighbour)] < 0) {
          region[static_cast<std::size_t>(neighbour)] = start;
          members.push_back(neighbour);
        }
      }
    }
    if (lowest == highest) {
      lowest -= interval;
      highest += interval;
    }
    for (const int member : members) {
      altitudes.Data()[member] = std::clamp(solved[member], lowest, highest);
    }
  }
  return altitudes;
}

}  // namespace zelmaro::reference
