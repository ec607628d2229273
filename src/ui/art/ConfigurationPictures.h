#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <span>

namespace zelmaro {

// The pictures of the pre-treatment Info forms, drawn from the same weight window and
// deletion tables the treatments use, so that what the user reads is what runs.

inline const QColor kCentreColour{220, 0, 0};
inline const QColor kGrayNeighbourColour{150, 150, 150};
inline const QColor kBlackNeighbourColour{0, 0, 0};

// The 3 x 3 weight window of the neighbour codes, centre in red.
QImage WeightWindowPicture();

// One small 3 x 3 window per code, its centre in red and its present neighbours in
// `neighbourColour`, the code written below, `perRow` windows to a row.
QImage ConfigurationsPicture(std::span<const std::uint8_t> codes, int perRow,
                             const QColor& neighbourColour);
// The middle of the cell (lineOffset, columnOffset), each -1 to 1, of the window of the
// `index`th code, in picture pixels.
QPoint ConfigurationCellCentre(int index, int perRow, int lineOffset, int columnOffset);

// A contour line broken by a gap, with the red 3 x 3 moving window on one of the ends.
QImage GapPicture();
// The middle of the cell (line, column) of the gap picture's pixel grid; the window is
// centred on GapWindowCentre.
QPoint GapCellCentre(int line, int column);
inline constexpr QPoint kGapWindowCentre{9, 4};  // column, line of the end under the window

}  // namespace zelmaro
