#include "interp/Smoothing.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/ProgressPacing.h"

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

namespace {

// The smoothing of the lines of one chunk. Row sums depend only on the line and the
// target column, so every window that covers a line shares them; the windows of
// successive lines move down by at most one line, so the last n + 1 lines of row sums
// are kept in a ring.
class SmoothedLines {
 public:
  SmoothedLines(const IntGrid& dem, int n, int firstColumn, int lastColumn)
      : dem_(dem),
        n_(n),
        firstColumn_(firstColumn),
        width_(lastColumn - firstColumn + 1),
        weightsOfOffset_(static_cast<std::size_t>(n + 1) * (n + 1)),
        columnFirst_(width_),
        rowSums_(n + 1, width_),
        lineSums_(width_) {
    // Every window position puts the target at an offset 0..n inside the window.
    for (int offset = 0; offset <= n; ++offset) BernsteinWeights(offset, n, Weights(offset));
    for (int j = 0; j < width_; ++j)
      columnFirst_[j] = WindowFirst(firstColumn + j, n, dem.Columns());
    // Targets whose window is not slid: the weights of the offset n div 2.
    plainFirst_ = std::clamp(n / 2 - firstColumn, 0, width_);
    plainLast_ = std::clamp(dem.Columns() - 1 - n + n / 2 - firstColumn + 1, plainFirst_, width_);
  }

  void Run(int firstLine, int lastLine, IntGrid& result) {
    int computedTo = WindowFirst(firstLine, n_, dem_.Lines()) - 1;
    for (int line = firstLine; line <= lastLine; ++line) {
      const int q = WindowFirst(line, n_, dem_.Lines());
      while (computedTo < q + n_) ComputeRowSums(++computedTo);
      const float* weights = Weights(line - q);
      double* __restrict__ lineSums = lineSums_.data();
      std::fill(lineSums, lineSums + width_, 0.0);
      for (int r = 0; r <= n_; ++r) {
        const float weight = weights[r];
        const float* __restrict__ sums = rowSums_[(q + r) % (n_ + 1)];
        for (int j = 0; j < width_; ++j) lineSums[j] += weight * sums[j];
      }
      std::int32_t* __restrict__ out = result[line] + firstColumn_;
      for (int j = 0; j < width_; ++j) out[j] = static_cast<std::int32_t>(lineSums[j]);
    }
  }

 private:
  float* Weights(int offset) {
    return &weightsOfOffset_[static_cast<std::size_t>(offset) * (n_ + 1)];
  }

  // Each sum starts from 0 and adds the window's cells from the left, whatever order
  // the loops take, so that every target gets the sum of its own window.
  void ComputeRowSums(int line) {
    const std::int32_t* cells = dem_[line];
    float* sums = rowSums_[line % (n_ + 1)];
    std::fill(sums, sums + width_, 0.0f);
    const float* plain = Weights(n_ / 2);
    if (plainFirst_ < plainLast_) {
      float* __restrict__ plainSums = sums + plainFirst_;
      const int count = plainLast_ - plainFirst_;
      for (int k = 0; k <= n_; ++k) {
        const float weight = plain[k];
        const std::int32_t* __restrict__ window = cells + (firstColumn_ + plainFirst_ - n_ / 2 + k);
        for (int j = 0; j < count; ++j) plainSums[j] += static_cast<float>(window[j]) * weight;
      }
    }
    const auto slid = [&](int j) {
      const int p = columnFirst_[j];
      const float* weights = Weights(firstColumn_ + j - p);
      for (int k = 0; k <= n_; ++k) sums[j] += static_cast<float>(cells[p + k]) * weights[k];
    };
    for (int j = 0; j < plainFirst_; ++j) slid(j);
    for (int j = plainLast_; j < width_; ++j) slid(j);
  }

  const IntGrid& dem_;
  int n_;
  int firstColumn_;
  int width_;
  int plainFirst_ = 0;
  int plainLast_ = 0;
  std::vector<float> weightsOfOffset_;
  std::vector<int> columnFirst_;
  FloatGrid rowSums_;
  std::vector<double> lineSums_;
};

// Lines between two reports of progress.
constexpr int kBatches = 32;

}  // namespace

IntGrid BezierSmoothedGrid(const IntGrid& demGrid, int n, int firstLine, int lastLine,
                           int firstColumn, int lastColumn, const Progress& progress) {
  CheckWindowFits(demGrid, n);
  if (firstLine > lastLine || firstColumn > lastColumn) return demGrid;
  IntGrid result(demGrid.Lines(), demGrid.Columns());
  const int columns = demGrid.Columns();
  // The cells outside the smoothed part keep their values, line by line beside it.
  const auto keepBorders = [&](int first, int last) {
    for (int line = first; line < last; ++line) {
      const std::int32_t* in = demGrid[line];
      std::int32_t* out = result[line];
      if (line < firstLine || line > lastLine) {
        std::copy(in, in + columns, out);
        continue;
      }
      std::copy(in, in + firstColumn, out);
      std::copy(in + lastColumn + 1, in + columns, out + lastColumn + 1);
    }
  };
  PacedProgress paced(progress);
  // Chunks of several lines, so that each builds its ring of row sums only once.
  const int grain = std::max(4, demGrid.Lines() / 256);
  ForEachBatch(demGrid.Lines(), kBatches, paced, 0.0, 1.0, [&](int first, int last) {
    tbb::parallel_for(tbb::blocked_range<int>(first, last, grain),
                      [&](const tbb::blocked_range<int>& lines) {
                        keepBorders(lines.begin(), lines.end());
                        const int from = std::max(lines.begin(), firstLine);
                        const int to = std::min(lines.end() - 1, lastLine);
                        if (from > to) return;
                        SmoothedLines(demGrid, n, firstColumn, lastColumn).Run(from, to, result);
                      });
  });
  paced.ReportNow(1.0);
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

IntGrid SmoothDem(const IntGrid& demGrid, std::int32_t range, const Progress& progress) {
  CheckSmoothingRange(demGrid, range);
  return BezierSmoothedGrid(demGrid, 2 * range + 1, range, demGrid.Lines() - range - 1, range,
                            demGrid.Columns() - range - 1, progress);
}

void SmoothDem(SessionState& session, std::int32_t range, const Progress& progress) {
  session.DemGrid = SmoothDem(session.DemGrid, range, progress);
}

}  // namespace zelmaro
