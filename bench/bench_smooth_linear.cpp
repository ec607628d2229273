// Timings of the smoothing and of the linear interpolation on synthetic maps of
// 1000 x 1000, 2000 x 2000 and 4000 x 4000 cells, production and literal versions.
// The literal versions run only where they are expected to finish within a minute;
// their expected time comes from a calibration run on a small map.
//
// Times are processor seconds of this process (the machine may be shared), the best of
// three runs for the production versions; the wall time of that run is printed beside.
//
// Usage: bench_smooth_linear [largest side, default 4000] [smoothing|linear|both]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/LinearLevels.h"
#include "interp/Smoothing.h"
#include "reference/LinearReference.h"
#include "reference/SmoothingReference.h"

namespace {

using namespace zelmaro;

constexpr double kLiteralLimitSeconds = 60.0;

double lastWallSeconds = 0.0;

double Seconds(const std::function<void()>& work) {
  const auto wallStart = std::chrono::steady_clock::now();
  const std::clock_t start = std::clock();
  work();
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  lastWallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  return seconds;
}

// The best of three runs, each prepared afresh: the shortest time is the one least
// disturbed by other work on the machine. lastWallSeconds is that run's wall time.
double BestOfThree(const std::function<void()>& prepare, const std::function<void()>& work) {
  double best = 0.0;
  double bestWall = 0.0;
  for (int run = 0; run < 3; ++run) {
    prepare();
    const double seconds = Seconds(work);
    if (run == 0 || seconds < best) {
      best = seconds;
      bestWall = lastWallSeconds;
    }
  }
  lastWallSeconds = bestWall;
  return best;
}

// A terrain of several hills and valleys on a slope, between 0 and 1.
double Terrain(int line, int column, int side) {
  const double y = static_cast<double>(line) / side;
  const double x = static_cast<double>(column) / side;
  const double waves = std::sin(9.4 * y + 0.3) * std::cos(7.5 * x - 0.2) +
                       0.5 * std::sin(17.0 * x + 5.0 * y) * std::cos(13.0 * y);
  return std::clamp(0.5 + 0.22 * waves + 0.15 * (x - y), 0.0, 0.999999);
}

IntGrid TerrainDem(int side) {
  IntGrid dem(side, side);
  std::mt19937 random(1);
  std::uniform_int_distribution<int> noise(-3, 3);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j)
      dem[i][j] = 100000 + static_cast<int>(Terrain(i, j, side) * 90000) + noise(random);
  }
  return dem;
}

// The contour lines of the terrain at `levels` levels: a cell on the lower side of a
// change of band carries the code of its band (1 to levels + 1).
SessionState ContourSession(int side, int levels) {
  IntGrid band(side, side);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j)
      band[i][j] = static_cast<int>(Terrain(i, j, side) * (levels + 1));
  }
  SessionState session;
  session.ContourImage = ByteGrid(side, side, 255);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      const int here = band[i][j];
      const bool line = (i + 1 < side && band[i + 1][j] > here) ||
                        (j + 1 < side && band[i][j + 1] > here) ||
                        (i > 0 && band[i - 1][j] > here) || (j > 0 && band[i][j - 1] > here);
      if (line) session.ContourImage[i][j] = static_cast<std::uint8_t>(here + 1);
    }
  }
  session.WorkLines = side;
  session.WorkColumns = side;
  session.AltitudeCount = levels + 1;
  for (int code = 1; code <= levels + 1; ++code)
    session.AltitudeTable[code] = 100 + 10 * (code - 1);
  return session;
}

LinearParameters ParametersFor(int levels) {
  return LinearParameters{100, 100 + 10 * levels, 10, 1, 1};
}

// Cell-to-line-pixel comparisons the literal level passes make on a map.
double LiteralPairs(const SessionState& loaded, int levels) {
  SessionState session = loaded;
  const LinearParameters parameters = ParametersFor(levels);
  SeedDemGrid(session, 1, 1);
  session.LinearCodeImage = session.ContourImage;
  const LevelTable table = MakeLevelTable(parameters);
  LabelLevels(session, table);
  std::vector<double> cells(levels + 2, 0.0);
  std::vector<double> pixels(levels + 2, 0.0);
  for (std::size_t cell = 0; cell < session.DemGrid.CellCount(); ++cell) {
    const int label = session.LinearCodeImage.Data()[cell];
    if (label >= 1 && label <= levels) cells[label] += 1;
    const int value = session.DemGrid.Data()[cell];
    if (value >= 100 && value <= 100 + 10 * levels && value % 10 == 0)
      pixels[(value - 100) / 10] += 1;
  }
  double pairs = 0;
  for (int k = 1; k <= levels; ++k) pairs += cells[k] * (pixels[k - 1] + pixels[k]);
  return pairs;
}

void PrintRow(const char* what, int side, const char* parameter, double production,
              double productionWall, const char* literalNote) {
  const double cells = static_cast<double>(side) * side;
  std::printf("%-10s %5d x %-5d %-12s %9.3f %9.3f %11.1f   %s\n", what, side, side, parameter,
              production, productionWall, production / cells * 1e9, literalNote);
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // rows appear as they are measured
  const int largest = argc > 1 ? std::atoi(argv[1]) : 4000;
  const std::string which = argc > 2 ? argv[2] : "both";
  std::vector<int> sides;
  for (int side = 1000; side <= largest; side *= 2) sides.push_back(side);
  char note[128];

  std::printf("%-10s %-13s %-12s %9s %9s %11s   %s\n", "algorithm", "grid", "parameter", "cpu s",
              "wall s", "ns/cell", "literal version (cpu s)");

  // Smoothing: calibrate the literal cost per cell on a small DEM.
  for (const int range : {1, 2, 5}) {
    if (which == "linear") break;
    const IntGrid small = TerrainDem(300);
    const double literalPerCell =
        Seconds([&] { reference::SmoothDem(small, range); }) / (300.0 * 300.0);
    for (const int side : sides) {
      const IntGrid original = TerrainDem(side);
      SessionState session;
      session.WorkLines = session.WorkColumns = side;
      const double production =
          BestOfThree([&] { session.DemGrid = original; }, [&] { SmoothDem(session, range); });
      const double productionWall = lastWallSeconds;
      const double expected = literalPerCell * side * side;
      if (expected < kLiteralLimitSeconds) {
        IntGrid literalResult;
        const double literal =
            Seconds([&] { literalResult = reference::SmoothDem(original, range); });
        std::snprintf(note, sizeof note, "%.3f s, %s", literal,
                      literalResult == session.DemGrid ? "same DEM" : "DIFFERENT DEM");
      } else {
        std::snprintf(note, sizeof note, "skipped (expected %.0f s)", expected);
      }
      char parameter[32];
      std::snprintf(parameter, sizeof parameter, "Range %d", range);
      PrintRow("smoothing", side, parameter, production, productionWall, note);
    }
  }

  // Linear interpolation: calibrate the literal cost per comparison on a small map.
  for (const int levels : {20, 50, 100}) {
    if (which == "smoothing") break;
    const SessionState small = ContourSession(250, levels);
    SessionState calibration = small;
    SeedDemGrid(calibration, 1, 1);
    SessionState productionSmall = calibration;
    const double literalSmall =
        Seconds([&] { reference::LinearInterpolation(calibration, ParametersFor(levels)); });
    LinearInterpolation(productionSmall, ParametersFor(levels));
    const double perPair = literalSmall / std::max(1.0, LiteralPairs(small, levels));
    std::printf("%-10s %5d x %-5d %3d levels   literal %.3f s, %s\n", "linear", 250, 250, levels,
                literalSmall,
                productionSmall.DemGrid == calibration.DemGrid ? "same DEM as production"
                                                               : "DIFFERENT DEM");
    for (const int side : sides) {
      const SessionState loaded = ContourSession(side, levels);
      SessionState session;
      const double production =
          BestOfThree([&] { session = loaded; },
                      [&] { RunLinearInterpolation(session, ParametersFor(levels)); });
      const double productionWall = lastWallSeconds;
      const double expected = perPair * LiteralPairs(loaded, levels);
      if (expected < kLiteralLimitSeconds) {
        SessionState literalSession = loaded;
        SeedDemGrid(literalSession, 1, 1);
        const double literal =
            Seconds([&] { reference::LinearInterpolation(literalSession, ParametersFor(levels)); });
        std::snprintf(note, sizeof note, "%.3f s, %s", literal,
                      literalSession.DemGrid == session.DemGrid ? "same DEM" : "DIFFERENT DEM");
      } else {
        std::snprintf(note, sizeof note, "skipped (expected %.0f s)", expected);
      }
      char parameter[32];
      std::snprintf(parameter, sizeof parameter, "%d levels", levels);
      PrintRow("linear", side, parameter, production, productionWall, note);
    }
  }
  return 0;
}
