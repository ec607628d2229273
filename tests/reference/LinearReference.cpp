#include "reference/LinearReference.h"

#include "interp/Dilation.h"
#include "reference/SmoothingReference.h"

namespace zelmaro::reference {

void LinearInterpolation(SessionState& session, const LinearParameters& parameters) {
  const std::int32_t in = parameters.ScaleInFactor;
  const std::int32_t out = parameters.ScaleOutFactor;
  session.AltitudeTable[1] = parameters.ParamMinimum;
  LevelTable levels;
  const std::int32_t maximum = parameters.ParamMaximum / in * out;
  levels.Interval = parameters.ParamInterval / in * out;
  levels.Minimum = session.AltitudeTable[1] / in * out;
  levels.LevelCount = (maximum - levels.Minimum) / levels.Interval;
  levels.LevelLower.assign(levels.LevelCount > 0 ? levels.LevelCount + 1 : 1, 0);
  levels.LevelUpper = levels.LevelLower;
  for (int k = 1; k <= levels.LevelCount; ++k) {
    levels.LevelLower[k] = k == 1 ? levels.Minimum : levels.LevelLower[k - 1] + levels.Interval;
    levels.LevelUpper[k] = levels.LevelLower[k] + levels.Interval;
  }
  const int workLines = session.DemGrid.Lines();
  const int workColumns = session.DemGrid.Columns();
  IntGrid linearResultGrid(workLines, workColumns);
  session.LinearCodeImage = session.ContourImage;
  reference::LabelLevels(session, levels);
  reference::RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, linearResultGrid);
  for (int i = 0; i < workLines; ++i) {
    for (int j = 0; j < workColumns; ++j) {
      if (session.LinearCodeImage[i][j] == 255) linearResultGrid[i][j] = session.DemGrid[i][j];
    }
  }
  session.DemGrid = linearResultGrid;
  for (int i = 0; i < workLines; ++i) {
    for (int j = 0; j < workColumns; ++j) {
      const int code = session.ContourImage[i][j];
      if (code != 255) session.DemGrid[i][j] = session.AltitudeTable[code] / in * out;
    }
  }
  session.DilationPassChanges = 1;
  while (session.DilationPassChanges > 0) {
    session.DilationPassChanges = 0;
    DilationStep(session);
  }
  FillRemainingCells(session, FillSum::Integer);
  if (workLines < 6 || workColumns < 6) return;
  IntGrid smoothed(workLines, workColumns);
  for (int i = 0; i < workLines; ++i) {
    for (int j = 0; j < workColumns; ++j) {
      smoothed[i][j] =
          static_cast<std::int32_t>(reference::BezierWindowValue(session.DemGrid, j, i, 5));
    }
  }
  session.DemGrid = smoothed;
}

}  // namespace zelmaro::reference
