#include "reference/LinearReference.h"

#include <cmath>
#include <utility>
#include <vector>

#include "interp/Dilation.h"

namespace zelmaro::reference {

void LabelLevels(SessionState& session, const LevelTable& levels) {
  IntGrid& dem = session.DemGrid;
  const int workLines = dem.Lines();
  const int workColumns = dem.Columns();
  for (int i = 1; i <= workLines - 1; ++i) {
    for (int j = 1; j <= workColumns - 2; ++j) {
      if (dem[i][j] != NoAltitude) continue;
      int leftColumn = -1;
      for (int c = j - 1; c >= 0; --c) {
        if (dem[i][c] != NoAltitude) {
          leftColumn = c;
          break;
        }
      }
      int rightColumn = -1;
      for (int c = j + 1; c <= workColumns - 1; ++c) {
        if (dem[i][c] != NoAltitude) {
          rightColumn = c;
          break;
        }
      }
      if (leftColumn < 0 || rightColumn < 0) continue;
      const std::int32_t a = dem[i][leftColumn];
      const std::int32_t b = dem[i][rightColumn];
      if (a == b) continue;
      const std::int32_t lo = a < b ? a : b;
      const std::int32_t hi = a < b ? b : a;
      for (int m = 1; m <= levels.LevelCount; ++m) {
        if (levels.LevelLower[m] == lo && levels.LevelUpper[m] == hi) {
          FillLevelRegion(session, i, j, m);
          break;
        }
      }
    }
  }
}

void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid) {
  const int workLines = demGrid.Lines();
  const int workColumns = demGrid.Columns();
  IntGrid levelValueGrid(workLines, workColumns);
  const std::int32_t interval = levels.Interval;
  for (int k = 1; k <= levels.LevelCount; ++k) {
    std::vector<std::pair<int, int>> lowerLinePixels;
    std::vector<std::pair<int, int>> upperLinePixels;
    for (int i = 0; i < workLines; ++i) {
      for (int j = 0; j < workColumns; ++j) {
        if (demGrid[i][j] == levels.LevelLower[k]) lowerLinePixels.emplace_back(i, j);
        if (demGrid[i][j] == levels.LevelUpper[k]) upperLinePixels.emplace_back(i, j);
      }
    }
    for (int i = 0; i < workLines; ++i) {
      for (int j = 0; j < workColumns; ++j) {
        if (linearCodeImage[i][j] != k) continue;
        double di = 99999999.0;
        for (const auto& [l2, c2] : lowerLinePixels) {
          const std::int32_t square = (i - l2) * (i - l2) + (j - c2) * (j - c2);
          const double distance = std::sqrt(static_cast<double>(square));
          if (distance < di) di = distance;
        }
        double ds = 99999999.0;
        for (const auto& [l2, c2] : upperLinePixels) {
          const std::int32_t square = (i - l2) * (i - l2) + (j - c2) * (j - c2);
          const double distance = std::sqrt(static_cast<double>(square));
          if (distance < ds) ds = distance;
        }
        levelValueGrid[i][j] =
            static_cast<std::int32_t>((interval / (di + ds)) * di + levels.LevelLower[k]);
      }
    }
    for (int i = 0; i < workLines; ++i) {
      for (int j = 0; j < workColumns; ++j) {
        if (linearCodeImage[i][j] == k) linearResultGrid[i][j] = levelValueGrid[i][j];
      }
    }
    for (const auto& [l2, c2] : lowerLinePixels) linearResultGrid[l2][c2] = levels.LevelLower[k];
  }
}

}  // namespace zelmaro::reference
