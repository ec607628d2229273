#include "interp/LinearInterpolation.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <array>
#include <string>
#include <utility>

#include "core/Error.h"
#include "core/Units.h"
#include "interp/Dilation.h"
#include "interp/LevelPass.h"
#include "interp/Smoothing.h"

namespace zelmaro {
namespace {

// Shares of the progress: labelling, level passes, dilation steps, final fill, smoothing.
constexpr double kLabelled = 0.1;
constexpr double kMeasured = 0.6;
constexpr double kDilated = 0.8;
constexpr double kFilled = 0.85;

// Background that no level took keeps its DEM value (no altitude); contour cells get
// their altitude back, from the table with the typed minimum.
void RestoreContourAndBackground(const ByteGrid& contourImage, const ByteGrid& labels,
                                 const IntGrid& labelledDem, const AltitudeTableArray& table,
                                 const LinearParameters& parameters, IntGrid& result) {
  std::array<std::int32_t, 256> altitudeOfCode{};
  for (int code = 0; code < kBackgroundCode; ++code) {
    altitudeOfCode[code] =
        ConvertScale(table[code], parameters.ScaleInFactor, parameters.ScaleOutFactor);
  }
  const std::uint8_t* codes = contourImage.Data();
  const std::uint8_t* levels = labels.Data();
  const std::int32_t* seeded = labelledDem.Data();
  std::int32_t* cells = result.Data();
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, result.CellCount()),
                    [&](const tbb::blocked_range<std::size_t>& range) {
                      for (std::size_t cell = range.begin(); cell < range.end(); ++cell) {
                        if (levels[cell] == kBackgroundCode) cells[cell] = seeded[cell];
                        if (codes[cell] != kBackgroundCode)
                          cells[cell] = altitudeOfCode[codes[cell]];
                      }
                    });
}

void Commit(SessionState& session, LinearResult&& result, std::int32_t typedMinimum) {
  session.DemGrid = std::move(result.DemGrid);
  session.LinearCodeImage = std::move(result.LinearCodeImage);
  session.AltitudeTable[1] = typedMinimum;
  session.DilationPassChanges = 0;
  session.FillPassChanges = 0;
}

}  // namespace

LinearResult LinearInterpolation(const ByteGrid& contourImage, IntGrid dem,
                                 const AltitudeTableArray& altitudeTable,
                                 const LinearParameters& parameters, const Progress& progress) {
  const LevelTable levels = MakeLevelTable(parameters);
  const int lines = contourImage.Lines();
  const int columns = contourImage.Columns();
  if (dem.Lines() != lines || dem.Columns() != columns) {
    throw Error("The DEM of " + std::to_string(dem.Lines()) + " lines x " +
                std::to_string(dem.Columns()) +
                " columns was not seeded from the contour-line image of " + std::to_string(lines) +
                " lines x " + std::to_string(columns) + " columns.");
  }
  AltitudeTableArray table = altitudeTable;
  table[1] = parameters.ParamMinimum;
  LinearResult result;
  result.LinearCodeImage = contourImage;
  LabelLevels(dem, result.LinearCodeImage, levels, progress.Part(0.0, kLabelled));
  {
    IntGrid linearResultGrid(lines, columns);
    RunLevelPasses(dem, result.LinearCodeImage, levels, linearResultGrid,
                   progress.Part(kLabelled, kMeasured));
    RestoreContourAndBackground(contourImage, result.LinearCodeImage, dem, table, parameters,
                                linearResultGrid);
    dem = std::move(linearResultGrid);
  }
  DilateUntilStable(dem, progress.Part(kMeasured, kDilated));
  FillRemainingCells(dem, FillSum::Integer, progress.Part(kDilated, kFilled));

  // The degree-5 window needs 6 lines and 6 columns; a smaller grid keeps its values.
  const int window = kLinearSmoothingDegree + 1;
  if (lines >= window && columns >= window) {
    result.DemGrid = BezierSmoothedGrid(dem, kLinearSmoothingDegree, 0, lines - 1, 0, columns - 1,
                                        progress.Part(kFilled, 1.0));
  } else {
    result.DemGrid = std::move(dem);
    progress.Report(1.0);
  }
  return result;
}

void LinearInterpolation(SessionState& session, const LinearParameters& parameters,
                         const Progress& progress) {
  Commit(session,
         LinearInterpolation(session.ContourImage, session.DemGrid, session.AltitudeTable,
                             parameters, progress),
         parameters.ParamMinimum);
}

void RunLinearInterpolation(SessionState& session, const LinearParameters& parameters,
                            const Progress& progress) {
  MakeLevelTable(parameters);  // refuses bad parameters before anything is computed
  IntGrid seeded = SeededDemOf(session, parameters.ScaleInFactor, parameters.ScaleOutFactor);
  Commit(session,
         LinearInterpolation(session.ContourImage, std::move(seeded), session.AltitudeTable,
                             parameters, progress),
         parameters.ParamMinimum);
}

}  // namespace zelmaro
