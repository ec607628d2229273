#include "reference/SmoothingReference.h"

#include <cmath>
#include <vector>

namespace zelmaro::reference {

long double Factorial(int n) {
  if (n == 0) return 1.0L;
  if (n < 0) return 0.0L;
  long double product = 1.0L;
  for (int factor = 2; factor <= n; ++factor) product = product * factor;
  return product;
}

std::int32_t BinomialCoefficient(int k, int n) {
  return static_cast<std::int32_t>(Factorial(n) / (Factorial(k) * Factorial(n - k)) + 0.5L);
}

double BezierWindowValue(const IntGrid& demGrid, double x, double y, int n) {
  const int workLines = demGrid.Lines();
  const int workColumns = demGrid.Columns();
  int p = static_cast<int>(x) - n / 2;
  int pe = p + n;
  int q = static_cast<int>(y) - n / 2;
  int qe = q + n;
  if (p < 0) {
    p = 0;
    pe = n;
  }
  if (q < 0) {
    q = 0;
    qe = n;
  }
  if (pe >= workColumns) {
    pe = workColumns - 1;
    p = workColumns - 1 - n;
  }
  if (qe >= workLines) {
    qe = workLines - 1;
    q = workLines - 1 - n;
  }
  const double u = (x - p) / (pe - p);
  const double v = (y - q) / (qe - q);

  std::vector<float> bu(n + 1);
  std::vector<float> bv(n + 1);
  FloatGrid window(n + 1, n + 1);
  std::vector<float> rowSums(n + 1);
  for (int k = 0; k <= n; ++k) {
    const std::int32_t b = BinomialCoefficient(k, n);
    const double powerU1 = (n - k) == 0 ? 1.0 : std::pow(1.0 - u, n - k);
    const double powerU2 = k == 0 ? 1.0 : std::pow(u, k);
    const double powerV1 = (n - k) == 0 ? 1.0 : std::pow(1.0 - v, n - k);
    const double powerV2 = k == 0 ? 1.0 : std::pow(v, k);
    bu[k] = static_cast<float>(b * powerU1 * powerU2);
    bv[k] = static_cast<float>(b * powerV1 * powerV2);
  }
  for (int r = 0; r <= n; ++r) {
    for (int k = 0; k <= n; ++k) window[r][k] = static_cast<float>(demGrid[q + r][p + k]);
  }
  for (int r = 0; r <= n; ++r) {
    rowSums[r] = 0.0f;
    for (int k = 0; k <= n; ++k) rowSums[r] = rowSums[r] + window[r][k] * bu[k];
  }
  double result = 0.0;
  for (int r = 0; r <= n; ++r) {
    const float product = bv[r] * rowSums[r];
    result = result + product;
  }
  return result;
}

IntGrid SmoothDem(const IntGrid& demGrid, std::int32_t range) {
  const int lines = demGrid.Lines();
  const int columns = demGrid.Columns();
  const int n = 2 * range + 1;
  IntGrid q(lines, columns);
  for (int i = range; i <= lines - range - 1; ++i) {
    for (int j = range; j <= columns - range - 1; ++j) {
      q[i][j] = static_cast<std::int32_t>(BezierWindowValue(demGrid, j, i, n));
    }
  }
  for (int j = 0; j < columns; ++j) {
    for (int i = 0; i < range; ++i) q[i][j] = demGrid[i][j];
    for (int i = lines - range; i < lines; ++i) q[i][j] = demGrid[i][j];
  }
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < range; ++j) q[i][j] = demGrid[i][j];
    for (int j = columns - range; j < columns; ++j) q[i][j] = demGrid[i][j];
  }
  return q;
}

}  // namespace zelmaro::reference
