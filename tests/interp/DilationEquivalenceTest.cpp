// The fast dilation against the literal one on random images: same DEM, same range,
// same pass counters, step by step and as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "interp/Dilation.h"
#include "reference/LiteralDilation.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using Random = std::mt19937;

int Uniform(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

// Altitudes of the codes: rising, falling, shuffled, negative, with repeats.
std::vector<std::int32_t> RandomTable(Random& random, int codes) {
  std::vector<std::int32_t> altitudes(codes);
  const int base = Uniform(random, -3000, 3000);
  const int interval = Uniform(random, 1, 3) == 1 ? Uniform(random, 1, 3) : Uniform(random, 5, 500);
  for (int k = 0; k < codes; ++k) altitudes[k] = base + k * interval;
  switch (Uniform(random, 0, 4)) {
    case 0:
      break;
    case 1:
      std::reverse(altitudes.begin(), altitudes.end());
      break;
    case 2:
      std::shuffle(altitudes.begin(), altitudes.end(), random);
      break;
    case 3:
      for (auto& altitude : altitudes) altitude = Uniform(random, -5, 5) * 100;
      break;
    default:
      for (auto& altitude : altitudes) altitude = Uniform(random, -1000000, 1000000);
  }
  return altitudes;
}

void DrawSegment(ByteGrid& image, int line, int column, int toLine, int toColumn,
                 std::uint8_t code) {
  const int steps = std::max(std::abs(toLine - line), std::abs(toColumn - column));
  for (int k = 0; k <= steps; ++k) {
    const int l = steps == 0 ? line : line + (toLine - line) * k / steps;
    const int c = steps == 0 ? column : column + (toColumn - column) * k / steps;
    if (image.Contains(l, c)) image[l][c] = code;
  }
}

// Contour-like lines (segments, rectangles, edge-to-edge strokes) and scattered
// pixels, with codes that may lie outside the table.
SessionState RandomImage(Random& random) {
  SessionState session;
  const int lines = Uniform(random, 1, 40);
  const int columns = Uniform(random, 1, 40);
  ByteGrid image(lines, columns, kBackgroundCode);
  const int codes = Uniform(random, 1, 8);
  const int strokes = Uniform(random, 0, 6);
  for (int s = 0; s < strokes; ++s) {
    const auto code = static_cast<std::uint8_t>(Uniform(random, 0, codes + 1));
    const int l0 = Uniform(random, -2, lines + 1);
    const int c0 = Uniform(random, -2, columns + 1);
    const int l1 = Uniform(random, -2, lines + 1);
    const int c1 = Uniform(random, -2, columns + 1);
    switch (Uniform(random, 0, 2)) {
      case 0:
        DrawSegment(image, l0, c0, l1, c1, code);
        break;
      case 1:
        DrawSegment(image, l0, c0, l0, c1, code);
        DrawSegment(image, l0, c1, l1, c1, code);
        DrawSegment(image, l1, c1, l1, c0, code);
        DrawSegment(image, l1, c0, l0, c0, code);
        break;
      default:
        DrawSegment(image, 0, c0, lines - 1, c1, code);
    }
  }
  const int density = Uniform(random, 0, 3) == 0 ? Uniform(random, 1, 40) : 0;
  for (auto& cell : image.Cells()) {
    if (Uniform(random, 0, 99) < density)
      cell = static_cast<std::uint8_t>(Uniform(random, 1, codes));
  }
  session.ContourImage = std::move(image);
  session.WorkLines = lines;
  session.WorkColumns = columns;
  const std::vector<std::int32_t> table = RandomTable(random, codes);
  session.AltitudeCount = codes;
  std::copy(table.begin(), table.end(), session.AltitudeTable.begin() + 1);
  return session;
}

// A DEM already partly filled with arbitrary values, as the linear interpolation hands
// to the steps and the fill.
IntGrid RandomDem(Random& random) {
  IntGrid dem(Uniform(random, 1, 32), Uniform(random, 1, 32), NoAltitude);
  const int filled = Uniform(random, 0, 100);
  // Small values, values of a millimetre DEM, and values whose sums a float rounds.
  const int kind = Uniform(random, 0, 2);
  const int low = kind == 0 ? -50 : kind == 1 ? -2000000 : 16000000;
  const int high = kind == 0 ? 50 : kind == 1 ? 2000000 : 30000000;
  if (Uniform(random, 0, 2) == 0) {
    // A few lone values: large empty areas that the fill reaches one line per pass.
    for (int k = Uniform(random, 1, 4); k > 0; --k) {
      dem[Uniform(random, 0, dem.Lines() - 1)][Uniform(random, 0, dem.Columns() - 1)] =
          Uniform(random, low, high);
    }
    return dem;
  }
  for (auto& cell : dem.Cells()) {
    if (Uniform(random, 0, 99) < filled) cell = Uniform(random, low, high);
  }
  return dem;
}

void ExpectSameResult(const SessionState& fast, const SessionState& literal) {
  EXPECT_EQ(fast.DemGrid, literal.DemGrid);
  EXPECT_EQ(fast.DemMin, literal.DemMin);
  EXPECT_EQ(fast.DemMax, literal.DemMax);
  EXPECT_EQ(fast.DilationPassChanges, literal.DilationPassChanges);
  EXPECT_EQ(fast.FillPassChanges, literal.FillPassChanges);
}

// Runs the literal operation once and the fast one with 1, 2 and 7 threads, from the same
// session.
template <typename Fast, typename Literal>
void ExpectSameWithAnyThreadCount(const SessionState& start, Fast fast, Literal literal) {
  SessionState literalSession = start;
  literal(literalSession);
  testing::ForEachThreadCount([&](int threads) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    SessionState fastSession = start;
    fast(fastSession);
    ExpectSameResult(fastSession, literalSession);
  });
}

TEST(DilationEquivalence, InterpolationMatchesTheLiteralOneOnRandomImages) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Random random(seed);
    SessionState start = RandomImage(random);
    SeedDemGrid(start, 1, 1);
    ExpectSameWithAnyThreadCount(
        start, [](SessionState& session) { DilationInterpolation(session); },
        [](SessionState& session) { reference::LiteralDilationInterpolation(session); });
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(DilationEquivalence, EachStepMatchesTheLiteralOneOnPartlyFilledDems) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Random random(seed * 7919);
    SessionState literal;
    literal.DemGrid = RandomDem(random);
    testing::ForEachThreadCount([&](int threads) {
      SCOPED_TRACE(std::to_string(threads) + " threads");
      SessionState fast = literal;
      SessionState stepped = literal;
      do {
        DilationStep(fast);
        reference::LiteralDilationStep(stepped);
        ExpectSameResult(fast, stepped);
        if (::testing::Test::HasFailure()) return;
      } while (fast.DilationPassChanges > 0);
    });
    if (::testing::Test::HasFailure()) return;
  }
}

// Runs the fast and the literal operation, given the seed, on the same random DEMs.
template <typename Fast, typename Literal>
void ExpectSameOnRandomDems(unsigned count, unsigned seedFactor, Fast fast, Literal literal) {
  for (unsigned seed = 1; seed <= count; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Random random(seed * seedFactor);
    SessionState start;
    start.DemGrid = RandomDem(random);
    ExpectSameWithAnyThreadCount(
        start, [&](SessionState& session) { fast(session, seed); },
        [&](SessionState& session) { literal(session, seed); });
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(DilationEquivalence, RepeatedStepsMatchTheLiteralOnesOnPartlyFilledDems) {
  ExpectSameOnRandomDems(
      300, 31337,
      [](SessionState& session, unsigned) {
        DilateUntilStable(session.DemGrid);
        session.DilationPassChanges = 0;
        session.FillPassChanges = 0;
      },
      [](SessionState& session, unsigned) {
        do {
          reference::LiteralDilationStep(session);
        } while (session.DilationPassChanges > 0);
      });
}

TEST(DilationEquivalence, FillMatchesTheLiteralOneWithBothSums) {
  const auto sumOf = [](unsigned seed) {
    return seed % 2 == 0 ? FillSum::SinglePrecision : FillSum::Integer;
  };
  ExpectSameOnRandomDems(
      400, 104729,
      [&](SessionState& session, unsigned seed) { FillRemainingCells(session, sumOf(seed)); },
      [&](SessionState& session, unsigned seed) {
        reference::LiteralFillRemainingCells(session, sumOf(seed));
      });
}

}  // namespace
}  // namespace zelmaro
