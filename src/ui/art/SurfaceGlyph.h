#pragma once

class QPainter;

namespace zelmaro {

// The 32 x 32 glyph of the Surface Interpolation button: a smooth hill, shaded from the
// upper right as the result window shades a DEM, with the lines of a taut mesh over it.
void DrawSurfaceGlyph(QPainter& painter);

}  // namespace zelmaro
