#pragma once

#include <ostream>

#include "core/SessionState.h"
#include "support/TestSupport.h"

namespace zelmaro {

// Failed comparisons of small images show them as rows of codes ('.' for background,
// '#' for codes above 35).
inline void PrintTo(const ByteGrid& grid, std::ostream* out) {
  *out << grid.Lines() << " x " << grid.Columns();
  for (int line = 0; line < grid.Lines() && line < 40; ++line) {
    *out << "\n  ";
    for (int column = 0; column < grid.Columns() && column < 80; ++column) {
      const int code = grid[line][column];
      *out << (code == 255 ? '.'
               : code < 10 ? char('0' + code)
               : code < 36 ? char('a' + code - 10)
                           : '#');
    }
  }
}

}  // namespace zelmaro

namespace zelmaro::testing {

// A session whose ContourImage is the given grid, with its size and altitudeCount codes
// (altitude of code k: 1000 + 100 k).
inline SessionState SessionOf(ByteGrid image, int altitudeCount) {
  SessionState session;
  session.WorkLines = image.Lines();
  session.WorkColumns = image.Columns();
  session.ContourGridLines = image.Lines();
  session.ContourGridColumns = image.Columns();
  session.ComeBackImage = image;
  session.ContourImage = std::move(image);
  session.AltitudeCount = altitudeCount;
  for (int code = 1; code < kAltitudeTableSize; ++code) {
    session.AltitudeTable[code] = code <= altitudeCount ? 1000 + 100 * code : 0;
  }
  return session;
}

// The image after the given number of runs of a treatment.
inline ByteGrid Treated(const ByteGrid& image, int altitudeCount, void (*treatment)(SessionState&),
                        int runs = 1) {
  SessionState session = SessionOf(image, altitudeCount);
  for (int run = 0; run < runs; ++run) treatment(session);
  return session.ContourImage;
}

}  // namespace zelmaro::testing
