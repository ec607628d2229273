// Time, memory and accuracy of the surface interpolation beside the dilation and the
// linear interpolation, on a synthetic terrain it builds itself: a smooth surface of
// ridges and a summit, the same shape at every size, contoured at 20 levels (a contour
// cell is a cell at or above the level with a 4-neighbour below it).
//
//   bench_surface [--tension T] [SIZE ...]        (default: 0.1, 1000 4000)
//
// For each SIZE x SIZE map and each interpolation it prints the wall time of the whole
// command (seeding, solving, for the surface its sub-pixel correction, rounding) beside
// the processor time of all its threads (a machine shared with other work stretches the
// first, not the second), the peak memory it added to the process (from the kernel's
// high-water mark) per cell, the time per cell, and the RMSE against the terrain; for the
// surface also its iterations and the ratio of its time per cell to the first size's.
#include <sys/resource.h>
#include <tbb/info.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/SessionState.h"
#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/SurfaceInterpolation.h"

namespace {

constexpr int kLevels = 20;
constexpr double kPi = 3.14159265358979323846;

// The terrain in meters at (line, column) of a size x size map: about 50 to 2050 m,
// contoured every 100 m from 100 to 2000 m.
double Terrain(int line, int column, int size) {
  const double y = static_cast<double>(line) / size;
  const double x = static_cast<double>(column) / size;
  const double summit = std::exp(-((x - 0.6) * (x - 0.6) + (y - 0.4) * (y - 0.4)) / 0.05);
  const double ridges = std::sin(2.0 * kPi * (1.3 * x + 0.4 * y)) * std::cos(2.0 * kPi * 0.9 * y);
  const double raw = 1000.0 + 650.0 * summit + 300.0 * ridges + 250.0 * (x - y);  // 450 to 2200
  return 50.0 + (raw - 450.0) * (2000.0 / 1750.0);
}

std::string Status(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return line.substr(std::string(key).size());
  }
  return "";
}

double KilobytesOf(const char* key) {
  return std::strtod(Status(key).c_str(), nullptr) * 1024.0;
}

// The processor time the process has used, all threads together.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Resets the kernel's record of the peak resident memory to the present one.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

struct Figures {
  double seconds = 0.0;
  double cpuSeconds = 0.0;  // of all threads: a busy machine stretches the wall time
  double bytesPerCell = 0.0;
  double rmse = 0.0;
  int iterations = 0;
};

// The contour-line image of the terrain at size x size, its table in meters.
zelmaro::SessionState ContourSession(int size) {
  zelmaro::SessionState session;
  session.WorkLines = size;
  session.WorkColumns = size;
  session.AltitudeCount = kLevels;
  for (int k = 1; k <= kLevels; ++k) session.AltitudeTable[k] = static_cast<std::int32_t>(k * 100);
  session.ContourImage = zelmaro::ByteGrid(size, size, zelmaro::kBackgroundCode);
  std::vector<double> above(static_cast<std::size_t>(size));
  std::vector<double> here(static_cast<std::size_t>(size));
  std::vector<double> below(static_cast<std::size_t>(size));
  for (int j = 0; j < size; ++j) here[j] = Terrain(0, j, size);
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) below[j] = i + 1 < size ? Terrain(i + 1, j, size) : 1e9;
    for (int j = 0; j < size; ++j) {
      for (int k = kLevels; k >= 1; --k) {
        const double level = 100.0 * k;
        if (here[j] < level) continue;
        const bool lower = (i > 0 && above[j] < level) || (j > 0 && here[j - 1] < level) ||
                           (i + 1 < size && below[j] < level) ||
                           (j + 1 < size && here[j + 1] < level);
        if (lower) {
          session.ContourImage[i][j] = static_cast<std::uint8_t>(k);
          break;
        }
      }
    }
    above.swap(here);
    here.swap(below);
  }
  return session;
}

// Runs `interpolate` on a copy of `contours` (a DEM in centimetres) and measures it; the
// copy is made before the clock starts and counts in the peak memory, as the session's
// grids count in the desktop program.
template <typename Interpolate>
Figures Measure(const zelmaro::SessionState& contours, const Interpolate& interpolate) {
  const int size = contours.WorkLines;
  const double baseline = KilobytesOf("VmRSS:");
  zelmaro::SessionState session = contours;
  ResetPeakMemory();
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  Figures figures;
  figures.iterations = interpolate(session);
  const auto stop = std::chrono::steady_clock::now();
  figures.seconds = std::chrono::duration<double>(stop - start).count();
  figures.cpuSeconds = CpuSeconds() - cpuBefore;
  figures.bytesPerCell = (KilobytesOf("VmHWM:") - baseline) / (static_cast<double>(size) * size);
  double sum = 0.0;
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) {
      const double error = session.DemGrid[i][j] / 100.0 - Terrain(i, j, size);
      sum += error * error;
    }
  }
  figures.rmse = std::sqrt(sum / (static_cast<double>(size) * size));
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  zelmaro::SurfaceParameters parameters;
  for (int k = 1; k < argc; ++k) {
    const std::string word = argv[k];
    if (word == "--tension" && k + 1 < argc) {
      parameters.Tension = std::atof(argv[++k]);
    } else if (const int size = std::atoi(argv[k]); size >= 16) {
      sizes.push_back(size);
    } else {
      std::fprintf(stderr, "usage: bench_surface [--tension T] [SIZE ...]  (SIZE 16 or more)\n");
      return 2;
    }
  }
  if (sizes.empty()) sizes = {1000, 4000};
  std::printf("tension %.2f, sub-pixel correction, %d levels, %d threads\n", parameters.Tension,
              kLevels, tbb::info::default_concurrency());
  const auto surface = [&](zelmaro::SessionState& session) {
    return zelmaro::SurfaceInterpolation(session, 1, 100, parameters);
  };
  const auto dilation = [](zelmaro::SessionState& session) {
    zelmaro::SeedDemGrid(session, 1, 100);
    zelmaro::DilationInterpolation(session);
    return 0;
  };
  const auto linear = [](zelmaro::SessionState& session) {
    zelmaro::RunLinearInterpolation(session, {100, 100 * kLevels, 100, 1, 100});
    return 0;
  };
  double firstPerCell = 0.0;
  for (const int size : sizes) {
    const zelmaro::SessionState contours = ContourSession(size);
    const double cells = static_cast<double>(size) * size;
    for (const auto& [name, figures] : {std::pair{"surface", Measure(contours, surface)},
                                        std::pair{"dilation", Measure(contours, dilation)},
                                        std::pair{"linear", Measure(contours, linear)}}) {
      const double perCell = figures.seconds / cells * 1e9;
      const bool isSurface = std::string(name) == "surface";
      if (isSurface && firstPerCell == 0.0) firstPerCell = perCell;
      std::printf("%5d x %-5d %-8s %7.3f s (processor %7.3f s) %6.1f ns/cell", size, size, name,
                  figures.seconds, figures.cpuSeconds, perCell);
      if (isSurface) {
        std::printf(" (x%.2f of the first) %3d iterations", perCell / firstPerCell,
                    figures.iterations);
      }
      std::printf("  peak %5.1f bytes/cell  RMSE %.3f m\n", figures.bytesPerCell, figures.rmse);
    }
  }
  return 0;
}
