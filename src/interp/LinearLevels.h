#pragma once

#include <cstdint>
#include <vector>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"

namespace zelmaro {

// The parameters of a linear interpolation: the values of the Dynamic Parameters
// dialog (in the Scale In unit) and the two factors of the Dynamic Scale dialog.
struct LinearParameters {
  std::int32_t ParamMinimum = 0;
  std::int32_t ParamMaximum = 0;
  std::int32_t ParamInterval = 0;
  std::int32_t ScaleInFactor = 0;
  std::int32_t ScaleOutFactor = 0;
};

// Level labels are bytes of LinearCodeImage, and 255 there is background.
inline constexpr int kMaxLevelCount = 254;

// The hypsometric levels in the DEM unit: level k (1 to LevelCount) is the band
// between the lines of altitude LevelLower[k] and LevelUpper[k]. Entry 0 is unused.
struct LevelTable {
  std::int32_t Interval = 0;  // I', the interval in the DEM unit
  std::int32_t Minimum = 0;   // Min'
  int LevelCount = 0;
  std::vector<std::int32_t> LevelLower{0};
  std::vector<std::int32_t> LevelUpper{0};

  // The first level whose lines have the altitudes lo < hi, 0 when there is none.
  int LevelOf(std::int32_t lo, std::int32_t hi) const;
};

// The levels from the typed minimum, maximum and interval. Throws Error, before
// anything is computed from them, when ScaleInFactor is 0, when the interval is 0 in
// the DEM unit, or when there would be more levels than LinearCodeImage can label.
LevelTable MakeLevelTable(const LinearParameters& parameters);

// Gives every empty region of the DEM whose line meets the two lines of a level on its
// left and right that level's number, in the DEM and in the level labels (a copy of the
// contour-line image to begin with).
void LabelLevels(IntGrid& demGrid, ByteGrid& linearCodeImage, const LevelTable& levels,
                 const Progress& progress = {});

// Scan-line flood fill of the 4-connected empty cells around (line, column) with the
// level number m; line 0 and column 0 are never filled, and column 1 takes m whenever
// a run reaches it.
void FillLevelRegion(IntGrid& demGrid, ByteGrid& linearCodeImage, int line, int column, int m);

// The same on the session's DemGrid and LinearCodeImage.
void LabelLevels(SessionState& session, const LevelTable& levels);
void FillLevelRegion(SessionState& session, int line, int column, int m);

}  // namespace zelmaro
