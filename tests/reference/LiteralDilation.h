#pragma once

#include "core/SessionState.h"
#include "interp/Dilation.h"

// The dilation interpolation exactly as its rules read: every growth pass rescans the
// whole grid and every fill pass too. Slow, and kept only to check the fast version.
namespace zelmaro::reference {

void LiteralDilationStep(SessionState& session);
void LiteralFillRemainingCells(SessionState& session, FillSum sum = FillSum::SinglePrecision);
void LiteralDilationInterpolation(SessionState& session);

}  // namespace zelmaro::reference
