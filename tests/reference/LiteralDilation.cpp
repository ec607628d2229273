#include "reference/LiteralDilation.h"

#include <cstdint>

namespace zelmaro::reference {
namespace {

// One growth pass: every empty zone cell takes the smallest zone value among its
// neighbours (the 4 of the cross, or all 8 of the window), read from the zones as they
// were before the pass. Returns the number of cells added to the zones.
int GrowthPass(IntGrid& zone, IntGrid& limit, bool eightNeighbours) {
  const int lines = zone.Lines();
  const int columns = zone.Columns();
  for (int line = 0; line < lines; ++line) {
    for (int column = 0; column < columns; ++column) {
      if (zone[line][column] != NoAltitude) continue;
      bool found = false;
      std::int32_t smallest = 0;
      for (int dl = -1; dl <= 1; ++dl) {
        for (int dc = -1; dc <= 1; ++dc) {
          if (dl == 0 && dc == 0) continue;
          if (!eightNeighbours && dl != 0 && dc != 0) continue;
          if (!zone.Contains(line + dl, column + dc)) continue;
          const std::int32_t value = zone[line + dl][column + dc];
          if (value == NoAltitude) continue;
          if (!found || value < smallest) smallest = value;
          found = true;
        }
      }
      if (found) limit[line][column] = smallest;
    }
  }
  int added = 0;
  for (int line = 0; line < lines; ++line) {
    for (int column = 0; column < columns; ++column) {
      if (limit[line][column] != NoAltitude && zone[line][column] == NoAltitude) {
        zone[line][column] = limit[line][column];
        ++added;
      }
    }
  }
  return added;
}

template <typename Sum>
void FillPasses(SessionState& session) {
  IntGrid& dem = session.DemGrid;
  session.FillPassChanges = 1;
  while (session.FillPassChanges > 0) {
    session.FillPassChanges = 0;
    for (int line = 0; line < dem.Lines(); ++line) {
      for (int column = 0; column < dem.Columns(); ++column) {
        if (dem[line][column] != NoAltitude) continue;
        Sum sum = 0;
        int count = 0;
        for (int windowLine = line - 1; windowLine <= line + 1; ++windowLine) {
          for (int windowColumn = column - 1; windowColumn <= column + 1; ++windowColumn) {
            if (!dem.Contains(windowLine, windowColumn)) continue;
            if (windowLine != line && windowColumn != column) continue;
            const std::int32_t value = dem[windowLine][windowColumn];
            if (value == NoAltitude) continue;
            sum += static_cast<Sum>(value);
            ++count;
          }
          if (count >= 1) {
            dem[line][column] = static_cast<std::int32_t>(static_cast<double>(sum) / count + 0.5);
            ++session.FillPassChanges;
          }
        }
      }
    }
  }
}

}  // namespace

void LiteralDilationStep(SessionState& session) {
  IntGrid& dem = session.DemGrid;
  IntGrid zone = dem;
  IntGrid limit = dem;
  GrowthPass(zone, limit, false);
  session.FillPassChanges = 1;
  while (session.FillPassChanges > 0) {
    session.FillPassChanges = 0;
    session.FillPassChanges = GrowthPass(zone, limit, true);
  }

  // Up, left, right, down: the last neighbour counted gives the other side of the limit.
  static constexpr int kLineSteps[4] = {-1, 0, 0, 1};
  static constexpr int kColumnSteps[4] = {0, -1, 1, 0};
  for (int line = 0; line < dem.Lines(); ++line) {
    for (int column = 0; column < dem.Columns(); ++column) {
      const std::int32_t own = zone[line][column];
      int higher = 0;
      std::int32_t other = 0;
      for (int k = 0; k < 4; ++k) {
        if (!zone.Contains(line + kLineSteps[k], column + kColumnSteps[k])) continue;
        const std::int32_t value = zone[line + kLineSteps[k]][column + kColumnSteps[k]];
        if (value > own) {
          ++higher;
          other = value;
        }
      }
      limit[line][column] = higher >= 1
                                ? static_cast<std::int32_t>(
                                      static_cast<double>(std::int64_t{own} + other) * 0.5 + 0.5)
                                : NoAltitude;
    }
  }

  session.DilationPassChanges = 0;
  for (int line = 0; line < dem.Lines(); ++line) {
    for (int column = 0; column < dem.Columns(); ++column) {
      if (limit[line][column] != NoAltitude && dem[line][column] == NoAltitude) {
        dem[line][column] = limit[line][column];
        ++session.DilationPassChanges;
      }
    }
  }
}

void LiteralFillRemainingCells(SessionState& session, FillSum sum) {
  if (sum == FillSum::SinglePrecision) {
    FillPasses<float>(session);
  } else {
    FillPasses<std::int64_t>(session);
  }
}

void LiteralDilationInterpolation(SessionState& session) {
  session.DemMin = 1000000;
  session.DemMax = 0;
  session.DilationPassChanges = 1;
  while (session.DilationPassChanges > 0) {
    session.DilationPassChanges = 0;
    LiteralDilationStep(session);
  }
  LiteralFillRemainingCells(session, FillSum::SinglePrecision);
  for (int line = 0; line < session.DemGrid.Lines(); ++line) {
    for (int column = 0; column < session.DemGrid.Columns(); ++column) {
      const std::int32_t value = session.DemGrid[line][column];
      if (value < session.DemMin) session.DemMin = value;
      if (value > session.DemMax) session.DemMax = value;
    }
  }
}

}  // namespace zelmaro::reference
