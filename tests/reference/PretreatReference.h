#pragma once

#include "core/SessionState.h"
#include "pretreat/BreakSearch.h"

// Literal versions of the contour-line pre-treatments: every code from 1 to
// AltitudeCount scans the whole inner image, cell by cell. Slow, but plainly what the
// treatments are meant to compute; the tests check the fast versions against them.
namespace zelmaro::reference {

void ThinContourLines(SessionState& session);
void RemoveBranchEnds(SessionState& session);
BreakTable SearchBreaks(const SessionState& session);

}  // namespace zelmaro::reference
