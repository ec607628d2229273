#include "interp/LinearInterpolation.h"

#include <string>
#include <utility>

#include "core/Error.h"
#include "core/Units.h"
#include "interp/Dilation.h"
#include "interp/LevelPass.h"
#include "interp/RegionDilation.h"
#include "interp/Smoothing.h"

namespace zelmaro {

void LinearInterpolation(SessionState& session, const LinearParameters& parameters) {
  const LevelTable levels = MakeLevelTable(parameters);
  const int lines = session.ContourImage.Lines();
  const int columns = session.ContourImage.Columns();
  if (session.DemGrid.Lines() != lines || session.DemGrid.Columns() != columns) {
    throw Error("The DEM of " + std::to_string(session.DemGrid.Lines()) + " lines x " +
                std::to_string(session.DemGrid.Columns()) +
                " columns was not seeded from the contour-line image of " + std::to_string(lines) +
                " lines x " + std::to_string(columns) + " columns.");
  }
  session.AltitudeTable[1] = parameters.ParamMinimum;
  session.LinearCodeImage = session.ContourImage;
  LabelLevels(session, levels);

  IntGrid linearResultGrid(lines, columns);
  RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, linearResultGrid);
  // Background that no level took keeps its (empty) DEM value; contour cells get their
  // altitude back.
  const std::size_t cellCount = linearResultGrid.CellCount();
  const std::uint8_t* labels = session.LinearCodeImage.Data();
  const std::uint8_t* codes = session.ContourImage.Data();
  const std::int32_t* seeded = session.DemGrid.Data();
  std::int32_t* result = linearResultGrid.Data();
  for (std::size_t cell = 0; cell < cellCount; ++cell) {
    if (labels[cell] == kBackgroundCode) result[cell] = seeded[cell];
    if (codes[cell] != kBackgroundCode) {
      result[cell] = ConvertScale(session.AltitudeTable[codes[cell]], parameters.ScaleInFactor,
                                  parameters.ScaleOutFactor);
    }
  }
  session.DemGrid = std::move(linearResultGrid);

  DilationStepsByRegion(session);
  FillRemainingCells(session, FillSum::Integer);

  // The degree-5 window needs 6 lines and 6 columns; a smaller grid keeps its values.
  const int window = kLinearSmoothingDegree + 1;
  if (lines >= window && columns >= window) {
    session.DemGrid =
        BezierSmoothedGrid(session.DemGrid, kLinearSmoothingDegree, 0, lines - 1, 0, columns - 1);
  }
}

void RunLinearInterpolation(SessionState& session, const LinearParameters& parameters) {
  MakeLevelTable(parameters);  // refuses bad parameters before the DEM is replaced
  IntGrid previousDem = session.DemGrid;
  ByteGrid previousLabels = session.LinearCodeImage;
  const std::int32_t previousMinimum = session.AltitudeTable[1];
  const std::int32_t previousDilationChanges = session.DilationPassChanges;
  const std::int32_t previousFillChanges = session.FillPassChanges;
  try {
    SeedDemGrid(session, parameters.ScaleInFactor, parameters.ScaleOutFactor);
    LinearInterpolation(session, parameters);
  } catch (...) {
    session.DemGrid = std::move(previousDem);
    session.LinearCodeImage = std::move(previousLabels);
    session.AltitudeTable[1] = previousMinimum;
    session.DilationPassChanges = previousDilationChanges;
    session.FillPassChanges = previousFillChanges;
    throw;
  }
}

}  // namespace zelmaro
