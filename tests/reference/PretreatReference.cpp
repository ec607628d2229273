#include "reference/PretreatReference.h"

#include <algorithm>
#include <initializer_list>

namespace zelmaro::reference {
namespace {

int SameCodeNeighbours(const ByteGrid& image, int line, int column) {
  const int value = image[line][column];
  int code = 0;
  if (image[line - 1][column - 1] == value) code += 1;
  if (image[line - 1][column] == value) code += 2;
  if (image[line - 1][column + 1] == value) code += 4;
  if (image[line][column + 1] == value) code += 8;
  if (image[line + 1][column + 1] == value) code += 16;
  if (image[line + 1][column] == value) code += 32;
  if (image[line + 1][column - 1] == value) code += 64;
  if (image[line][column - 1] == value) code += 128;
  return code;
}

int CountSameCodeNeighbours(const ByteGrid& image, int line, int column) {
  int count = 0;
  for (int dl = -1; dl <= 1; ++dl) {
    for (int dc = -1; dc <= 1; ++dc) {
      if ((dl != 0 || dc != 0) && image[line + dl][column + dc] == image[line][column]) ++count;
    }
  }
  return count;
}

bool OneOf(int value, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), value) != codes.end();
}

template <typename Delete>
void ScanEveryCode(SessionState& session, Delete&& shouldDelete) {
  ByteGrid& image = session.ContourImage;
  for (int code = 1; code <= session.AltitudeCount; ++code) {
    for (int line = 1; line <= session.WorkLines - 2; ++line) {
      for (int column = 1; column <= session.WorkColumns - 2; ++column) {
        if (image[line][column] == code && shouldDelete(SameCodeNeighbours(image, line, column))) {
          image[line][column] = 255;
        }
      }
    }
  }
}

}  // namespace

void ThinContourLines(SessionState& session) {
  ScanEveryCode(session, [](int code) {
    return OneOf(code, {129, 6,   24,  96,  192, 3,   12, 48,  193, 7,
                        28,  112, 161, 134, 26,  104, 44, 176, 194, 11});
  });
  ScanEveryCode(session, [](int code) { return OneOf(code, {130, 10, 40, 160}); });
}

void RemoveBranchEnds(SessionState& session) {
  ScanEveryCode(session, [](int code) { return OneOf(code, {1, 2, 4, 8, 16, 32, 64, 128}); });
}

BreakTable SearchBreaks(const SessionState& session) {
  const ByteGrid& image = session.ContourImage;
  BreakTable table;
  for (int code = 1; code <= session.AltitudeCount; ++code) {
    for (int line = 1; line <= session.WorkLines - 2; ++line) {
      for (int column = 1; column <= session.WorkColumns - 2; ++column) {
        if (image[line][column] == code && CountSameCodeNeighbours(image, line, column) == 1) {
          table.push_back({line, column, code});
        }
      }
    }
  }
  return table;
}

}  // namespace zelmaro::reference
