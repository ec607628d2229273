#include "interp/Smoothing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Error.h"

namespace zelmaro {
namespace {

inline constexpr int kMaxDegree = 2 * kMaxSmoothingRange + 1;

void CheckWindowFits(const IntGrid& demGrid, int n) {
  if (n < 1 || n > kMaxDegree) {
    throw Error("A Bezier window of degree " + std::to_string(n) + " is not possible (1 to " +
                std::to_string(kMaxDegree) + ").");
  }
  if (demGrid.Lines() < n + 1 || demGrid.Columns() < n + 1) {
    throw Error("The DEM of " + std::to_string(demGrid.Lines()) + " lines x " +
                std::to_string(demGrid.Columns()) + " columns is smaller than the " +
                std::to_string(n + 1) + " x " + std::to_string(n + 1) + " smoothing window.");
  }
}

// The first cell of the window of the cell `target`, along an axis of `size` cells:
// centred with one cell more after the target, slid back inside at the borders.
int WindowFirst(int target, int n, int size) {
  int first = target - n / 2;
  int last = first + n;
  if (first < 0) {
    first = 0;
    last = n;
  }
  if (last >= size) first = size - 1 - n;
  return first;
}

// Bernstein weights of degree n at u = offset / n, kept in single precision as the
// surface evaluation uses them.
void BernsteinWeights(int offset, int n, float* weights) {
  const double u = static_cast<double>(offset) / static_cast<double>(n);
  for (int k = 0; k <= n; ++k) {
    const std::int32_t b = BinomialCoefficient(k, n);
    weights[k] = static_cast<float>(b * std::pow(1.0 - u, n - k) * std::pow(u, k));
  }
}

}  // namespace

long double Factorial(int n) {
  if (n < 0) return 0.0L;
  long double product = 1.0L;
  for (int factor = 2; factor <= n; ++factor) product *= factor;
  return product;
}

std::int32_t BinomialCoefficient(int k, int n) {
  return static_cast<std::int32_t>(Factorial(n) / (Factorial(k) * Factorial(n - k)) + 0.5L);
}

double BezierWindowValue(const IntGrid& demGrid, double x, double y, int n) {
  CheckWindowFits(demGrid, n);
  const int column = static_cast<int>(x);
  const int line = static_cast<int>(y);
  const int p = WindowFirst(column, n, demGrid.Columns());
  const int q = WindowFirst(line, n, demGrid.Lines());
  float columnWeights[kMaxDegree + 1];
  float lineWeights[kMaxDegree + 1];
  BernsteinWeights(column - p, n, columnWeights);
  BernsteinWeights(line - q, n, lineWeights);
  double result = 0.0;
  for (int r = 0; r <= n; ++r) {
    const std::int32_t* cells = demGrid[q + r] + p;
    float rowSum = 0.0f;
    for (int k = 0; k <= n; ++k) rowSum += static_cast<float>(cells[k]) * columnWeights[k];
    result += lineWeights[r] * rowSum;
  }
  return result;
}

IntGrid BezierSmoothedGrid(const IntGrid& demGrid, int n, int firstLine, int lastLine,
                           int firstColumn, int lastColumn) {
  CheckWindowFits(demGrid, n);
  IntGrid result = demGrid;
  if (firstLine > lastLine || firstColumn > lastColumn) return result;
  const int columns = demGrid.Columns();
  const int weightCount = n + 1;
  // Every window position puts the target at an offset 0..n inside the window.
  std::vector<float> weightsOfOffset(static_cast<std::size_t>(weightCount) * weightCount);
  for (int offset = 0; offset <= n; ++offset) {
    BernsteinWeights(offset, n, &weightsOfOffset[static_cast<std::size_t>(offset) * weightCount]);
  }
  const int width = lastColumn - firstColumn + 1;
  std::vector<int> columnFirst(width);
  for (int j = 0; j < width; ++j) columnFirst[j] = WindowFirst(firstColumn + j, n, columns);

  // Row sums depend only on the line and the target column, so every window that
  // covers a line shares them. The windows of successive lines move down by at most one
  // line, so the last n + 1 lines of row sums are kept in a ring.
  FloatGrid rowSums(weightCount, width);
  const auto computeRowSums = [&](int line) {
    const std::int32_t* cells = demGrid[line];
    float* sums = rowSums[line % weightCount];
    for (int j = 0; j < width; ++j) {
      const int p = columnFirst[j];
      const float* weights =
          &weightsOfOffset[static_cast<std::size_t>(firstColumn + j - p) * weightCount];
      float rowSum = 0.0f;
      for (int k = 0; k <= n; ++k) rowSum += static_cast<float>(cells[p + k]) * weights[k];
      sums[j] = rowSum;
    }
  };
  int computedTo = WindowFirst(firstLine, n, demGrid.Lines()) - 1;
  std::vector<double> lineSums(width);
  for (int line = firstLine; line <= lastLine; ++line) {
    const int q = WindowFirst(line, n, demGrid.Lines());
    while (computedTo < q + n) computeRowSums(++computedTo);
    const float* weights = &weightsOfOffset[static_cast<std::size_t>(line - q) * weightCount];
    std::fill(lineSums.begin(), lineSums.end(), 0.0);
    for (int r = 0; r <= n; ++r) {
      const float weight = weights[r];
      const float* sums = rowSums[(q + r) % weightCount];
      for (int j = 0; j < width; ++j) lineSums[j] += weight * sums[j];
    }
    std::int32_t* out = result[line] + firstColumn;
    for (int j = 0; j < width; ++j) out[j] = static_cast<std::int32_t>(lineSums[j]);
  }
  return result;
}

void CheckSmoothingRange(const IntGrid& demGrid, std::int32_t range) {
  if (range < 0 || range > kMaxSmoothingRange) {
    throw Error("The smoothing Range must be between 0 and " + std::to_string(kMaxSmoothingRange) +
                "; " + std::to_string(range) + " is not possible.");
  }
  const int window = 2 * range + 2;
  if (demGrid.Lines() < window || demGrid.Columns() < window) {
    throw Error("A smoothing Range of " + std::to_string(range) + " needs a DEM of at least " +
                std::to_string(window) + " lines and " + std::to_string(window) +
                " columns; this one has " + std::to_string(demGrid.Lines()) + " lines x " +
                std::to_string(demGrid.Columns()) + " columns.");
  }
}

void SmoothDem(SessionState& session, std::int32_t range) {
  CheckSmoothingRange(session.DemGrid, range);
  const IntGrid& dem = session.DemGrid;
  session.DemGrid = BezierSmoothedGrid(dem, 2 * range + 1, range, dem.Lines() - range - 1, range,
                                       dem.Columns() - range - 1);
}

}  // namespace zelmaro
