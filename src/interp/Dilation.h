#pragma once

#include <cstdint>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"

namespace zelmaro {

// The value of a DEM cell that has no altitude yet during an interpolation.
inline constexpr std::int32_t NoAltitude = -9999999;

// How FillRemainingCells accumulates its neighbour sums: the dilation interpolation
// sums in single precision, the linear interpolation in 32-bit integers.
enum class FillSum { SinglePrecision, Integer };

// The lowest and highest value of an interpolated DEM, the starting values 1000000 and
// 0 included in the comparison.
struct DemRange {
  std::int32_t DemMin = 1000000;
  std::int32_t DemMax = 0;
};

// A DEM of the contour-line image's size holding the altitude of every contour cell
// (codes 1 to altitudeCount), converted from the Scale In to the Scale Out unit, and
// NoAltitude elsewhere. Throws Error when scaleInFactor is 0.
IntGrid SeedDemGrid(const ByteGrid& contourImage, const AltitudeTableArray& altitudeTable,
                    int altitudeCount, std::int32_t scaleInFactor, std::int32_t scaleOutFactor);

// One step of zone growth and limit extraction; returns the number of cells it filled.
int DilationStep(IntGrid& demGrid);

// DilationStep after DilationStep until one fills nothing; returns the number of steps.
int DilateUntilStable(IntGrid& demGrid, const Progress& progress = {});

// Fills the cells still without altitude by the means of their neighbours.
void FillRemainingCells(IntGrid& demGrid, FillSum sum = FillSum::SinglePrecision,
                        const Progress& progress = {});

// Fills the DEM completely from its seeds: the steps, then the final fill. Cancelled,
// it leaves the grid as it was.
DemRange DilationInterpolation(IntGrid& demGrid, const Progress& progress = {});

// The same on the session, for the commands: the grids they work on are the session's
// DemGrid (from ContourImage and AltitudeTable for the seeding), and the counters and
// the range land in DilationPassChanges, FillPassChanges, DemMin and DemMax. Each
// changes the session only once it has all it needs.
//
// Throws Error, the DEM kept, when scaleInFactor is 0 or ContourImage is not of the
// working size.
void SeedDemGrid(SessionState& session, std::int32_t scaleInFactor, std::int32_t scaleOutFactor);
// The DEM SeedDemGrid would give the session, the session left alone.
IntGrid SeededDemOf(const SessionState& session, std::int32_t scaleInFactor,
                    std::int32_t scaleOutFactor);
void DilationStep(SessionState& session);
void FillRemainingCells(SessionState& session, FillSum sum = FillSum::SinglePrecision);
void DilationInterpolation(SessionState& session, const Progress& progress = {});

}  // namespace zelmaro
