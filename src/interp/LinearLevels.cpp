#include "interp/LinearLevels.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/Error.h"
#include "core/ProgressPacing.h"
#include "core/Units.h"
#include "interp/Dilation.h"

namespace zelmaro {

int LevelTable::LevelOf(std::int32_t lo, std::int32_t hi) const {
  // Successive levels differ by the interval, so at most one level can match and its
  // number follows from lo; a negative interval gives levels with lower above upper,
  // which no pair lo < hi matches.
  if (Interval <= 0 || LevelCount <= 0) return 0;
  const std::int64_t steps = static_cast<std::int64_t>(lo) - Minimum;
  if (steps < 0 || steps % Interval != 0) return 0;
  const std::int64_t level = steps / Interval + 1;
  if (level > LevelCount) return 0;
  const int m = static_cast<int>(level);
  return LevelLower[m] == lo && LevelUpper[m] == hi ? m : 0;
}

LevelTable MakeLevelTable(const LinearParameters& parameters) {
  const std::int32_t in = parameters.ScaleInFactor;
  const std::int32_t out = parameters.ScaleOutFactor;
  LevelTable levels;
  const std::int32_t maximum = ConvertScale(parameters.ParamMaximum, in, out);
  levels.Interval = ConvertScale(parameters.ParamInterval, in, out);
  levels.Minimum = ConvertScale(parameters.ParamMinimum, in, out);
  if (parameters.ParamInterval == 0) {
    throw Error("The hypsometric interval is 0; the linear interpolation needs an interval.");
  }
  if (levels.Interval == 0) {
    throw Error("The hypsometric interval " + std::to_string(parameters.ParamInterval) +
                " becomes 0 once divided by the Scale In factor " + std::to_string(in) +
                "; choose a smaller Scale In unit or a larger interval.");
  }
  const std::int64_t count =
      (static_cast<std::int64_t>(maximum) - levels.Minimum) / levels.Interval;
  if (count > kMaxLevelCount) {
    throw Error("Minimum " + std::to_string(parameters.ParamMinimum) + ", maximum " +
                std::to_string(parameters.ParamMaximum) + " and interval " +
                std::to_string(parameters.ParamInterval) + " give " + std::to_string(count) +
                " levels; the linear interpolation labels at most " +
                std::to_string(kMaxLevelCount) + ".");
  }
  levels.LevelCount = static_cast<int>(std::max<std::int64_t>(count, 0));
  levels.LevelLower.resize(levels.LevelCount + 1);
  levels.LevelUpper.resize(levels.LevelCount + 1);
  for (int k = 1; k <= levels.LevelCount; ++k) {
    levels.LevelLower[k] = k == 1 ? levels.Minimum : levels.LevelLower[k - 1] + levels.Interval;
    levels.LevelUpper[k] = levels.LevelLower[k] + levels.Interval;
  }
  return levels;
}

void LabelLevels(IntGrid& dem, ByteGrid& labels, const LevelTable& levels,
                 const Progress& progress) {
  PacedProgress paced(progress);
  const int lines = dem.Lines();
  const int columns = dem.Columns();
  for (int i = 1; i < lines; ++i) {
    const std::int32_t* row = dem[i];
    // Nearest cells with a value on either side of the cell being looked at. A cell
    // only gains a value through a fill, and the cell on the left is looked at before
    // every step, so the left one stays right; the right one is searched again after
    // a fill. The values are read when used, since a fill may relabel column 1.
    int left = -1;
    int right = -1;
    for (int j = 1; j <= columns - 2; ++j) {
      if (row[j - 1] != NoAltitude) left = j - 1;
      if (row[j] != NoAltitude || left < 0) continue;
      if (right <= j) {
        right = j + 1;
        while (right < columns && row[right] == NoAltitude) ++right;
      }
      if (right >= columns) continue;
      const std::int32_t a = row[left];
      const std::int32_t b = row[right];
      if (a == b) continue;
      const int m = levels.LevelOf(std::min(a, b), std::max(a, b));
      if (m == 0) continue;
      FillLevelRegion(dem, labels, i, j, m);
      right = -1;
    }
    paced.Report(static_cast<double>(i) / lines);
  }
  paced.ReportNow(1.0);
}

void FillLevelRegion(IntGrid& dem, ByteGrid& codes, int line, int column, int m) {
  const int lines = dem.Lines();
  const int columns = dem.Columns();
  const auto label = static_cast<std::uint8_t>(m);
  std::vector<std::pair<int, int>> seeds{{line, column}};
  while (!seeds.empty()) {
    const auto [y, x] = seeds.back();
    seeds.pop_back();
    std::int32_t* row = dem[y];
    int start = x - 1;
    while (start >= 1 && row[start] == NoAltitude) --start;
    if (start <= 1) {
      // A run that reaches column 1 takes it too, whatever it held.
      start = 2;
      row[1] = m;
      codes[y][1] = label;
    } else {
      ++start;
    }
    int end = x + 1;
    while (end < columns && row[end] == NoAltitude) ++end;
    --end;
    for (int k = start; k <= end; ++k) {
      row[k] = m;
      codes[y][k] = label;
    }
    for (const int next : {y - 1, y + 1}) {
      if (next < 1 || next >= lines) continue;
      const std::int32_t* nextRow = dem[next];
      const auto emptyAt = [&](int k) { return k < columns && nextRow[k] == NoAltitude; };
      // One seed per empty stretch that touches the run, at its rightmost cell there.
      for (int k = start; k <= end; ++k) {
        if (emptyAt(k) && !emptyAt(k + 1)) seeds.emplace_back(next, k);
      }
      if (emptyAt(end) && emptyAt(end + 1)) seeds.emplace_back(next, end);
    }
  }
}

void LabelLevels(SessionState& session, const LevelTable& levels) {
  LabelLevels(session.DemGrid, session.LinearCodeImage, levels);
}

void FillLevelRegion(SessionState& session, int line, int column, int m) {
  FillLevelRegion(session.DemGrid, session.LinearCodeImage, line, column, m);
}

}  // namespace zelmaro
