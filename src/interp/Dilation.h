#pragma once

#include <cstdint>

#include "core/SessionState.h"

namespace zelmaro {

// The value of a DEM cell that has no altitude yet during an interpolation.
inline constexpr std::int32_t NoAltitude = -9999999;

// How FillRemainingCells accumulates its neighbour sums: the dilation interpolation
// sums in single precision, the linear interpolation in 32-bit integers.
enum class FillSum { SinglePrecision, Integer };

// A new DemGrid of WorkLines x WorkColumns holding the altitude of every contour cell
// (codes 1 to AltitudeCount), converted from the Scale In to the Scale Out unit, and
// NoAltitude elsewhere. Throws Error when scaleInFactor is 0.
void SeedDemGrid(SessionState& session, std::int32_t scaleInFactor, std::int32_t scaleOutFactor);

// One step of zone growth and limit extraction; DilationPassChanges receives the
// number of cells it filled.
void DilationStep(SessionState& session);

// DilationStep after DilationStep until one fills nothing, each step after the first
// costing only what the previous one changed.
void DilateUntilStable(SessionState& session);

// Fills the cells still without altitude by the means of their neighbours.
void FillRemainingCells(SessionState& session, FillSum sum = FillSum::SinglePrecision);

// Fills DemGrid completely from its seeds and sets DemMin and DemMax.
void DilationInterpolation(SessionState& session);

}  // namespace zelmaro
