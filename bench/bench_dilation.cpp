// Times the dilation interpolation on synthetic contour images of growing size, the fast
// version and, where it ends within a minute, the literal one, and prints the time, the
// cells per second and the peak memory of each run. Each run has a process of its own,
// so that its peak memory is its own.
//
//   bench_dilation [SIZE ...]     sizes in cells per side; 1000 2000 4000 by default
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/SessionState.h"
#include "interp/Dilation.h"
#include "reference/LiteralDilation.h"

namespace {

using zelmaro::SessionState;

// The literal version rescans the grid for every growth pass: twice the side means four
// times the cells and more than twice the passes. It takes several seconds at 1000 x
// 1000, so it is not tried beyond; where it runs, a minute is its limit.
constexpr int kLargestLiteralSide = 1000;
constexpr unsigned kLiteralSecondsLimit = 60;

struct Hill {
  float u, v, height, width;
};

// A terrain on the unit square: a tilt, steep and gentle hills, a pit and a wide
// plateau. The tilt makes lines that run out of the image, the hills closed ones; the
// steep slopes give narrow gaps between the lines, the gentle ones wide gaps.
float Terrain(float u, float v) {
  static const Hill kHills[] = {
      {0.25f, 0.30f, 1.00f, 0.06f}, {0.70f, 0.25f, 0.60f, 0.15f},  {0.55f, 0.70f, 0.80f, 0.03f},
      {0.15f, 0.80f, 0.40f, 0.20f}, {0.85f, 0.75f, -0.70f, 0.08f}, {0.45f, 0.45f, 0.30f, 0.30f},
  };
  float height = 0.35f * u + 0.15f * v;
  for (const Hill& hill : kHills) {
    const float du = u - hill.u;
    const float dv = v - hill.v;
    height += hill.height * std::exp(-(du * du + dv * dv) / (2.0f * hill.width * hill.width));
  }
  // A plateau: the terrain is flattened above this height.
  return std::min(height, 1.05f);
}

// Contour lines one cell wide: a cell on the lower side of a change of level with its
// right or down neighbour carries the code of its level.
SessionState ContourSession(int side, int levels) {
  std::vector<std::uint8_t> level(static_cast<std::size_t>(side) * side);
  const float low = -0.75f;
  const float high = 1.1f;
  for (int line = 0; line < side; ++line) {
    for (int column = 0; column < side; ++column) {
      const float height =
          Terrain(static_cast<float>(column) / side, static_cast<float>(line) / side);
      const int k = static_cast<int>((height - low) / (high - low) * static_cast<float>(levels));
      level[static_cast<std::size_t>(line) * side + column] =
          static_cast<std::uint8_t>(std::clamp(k, 0, levels - 1));
    }
  }
  SessionState session;
  session.ContourImage = zelmaro::ByteGrid(side, side, zelmaro::kBackgroundCode);
  for (int line = 0; line < side; ++line) {
    for (int column = 0; column < side; ++column) {
      const std::size_t at = static_cast<std::size_t>(line) * side + column;
      const bool right = column + 1 < side && level[at + 1] != level[at];
      const bool down = line + 1 < side && level[at + side] != level[at];
      if (right || down) {
        const std::uint8_t lower = std::min(level[at], right ? level[at + 1] : level[at + side]);
        session.ContourImage[line][column] = static_cast<std::uint8_t>(lower + 1);
      }
    }
  }
  session.WorkLines = side;
  session.WorkColumns = side;
  session.AltitudeCount = levels;
  for (int code = 1; code <= levels; ++code) session.AltitudeTable[code] = 100 + 10 * code;
  return session;
}

// Wall-clock seconds, and the processor seconds of this process, which tell the cost
// when other work shares the machine.
struct Seconds {
  double wall;
  double processor;
};

Seconds SecondsOf(void (*interpolation)(SessionState&), SessionState& session) {
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t startClock = std::clock();
  interpolation(session);
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          static_cast<double>(std::clock() - startClock) / CLOCKS_PER_SEC};
}

void RunFast(int side, int levels) {
  SessionState session = ContourSession(side, levels);
  zelmaro::SeedDemGrid(session, 1, 1);
  const Seconds seconds = SecondsOf(zelmaro::DilationInterpolation, session);
  std::printf("%.3f %.3f %d %d\n", seconds.wall, seconds.processor, session.DemMin, session.DemMax);
}

void RunLiteral(int side, int levels) {
  SessionState fast = ContourSession(side, levels);
  zelmaro::SeedDemGrid(fast, 1, 1);
  SessionState literal = fast;
  zelmaro::DilationInterpolation(fast);
  alarm(kLiteralSecondsLimit);
  const Seconds seconds = SecondsOf(zelmaro::reference::LiteralDilationInterpolation, literal);
  const bool same = fast.DemGrid == literal.DemGrid && fast.DemMin == literal.DemMin &&
                    fast.DemMax == literal.DemMax;
  std::printf("%.3f %.3f %d %d %s\n", seconds.wall, seconds.processor, literal.DemMin,
              literal.DemMax, same ? "same" : "DIFFERENT");
}

struct ChildResult {
  bool finished = false;
  std::string output;
  long peakKilobytes = 0;
};

// Runs one measurement in a child process and collects what it printed and its peak
// resident memory.
ChildResult InChild(void (*run)(int, int), int side, int levels) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(1);
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    dup2(pipeEnds[1], STDOUT_FILENO);
    run(side, levels);
    std::fflush(stdout);
    _exit(0);
  }
  close(pipeEnds[1]);
  ChildResult result;
  char buffer[256];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, got);
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  result.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  result.peakKilobytes = usage.ru_maxrss;
  return result;
}

void PrintRow(const char* version, int side, int levels, const ChildResult& result) {
  const double cells = static_cast<double>(side) * side;
  double seconds = 0;
  double processor = 0;
  int demMin = 0;
  int demMax = 0;
  char verdict[32] = "";
  if (std::sscanf(result.output.c_str(), "%lf %lf %d %d %31s", &seconds, &processor, &demMin,
                  &demMax, verdict) < 4) {
    std::printf("%-8s %5d x %-5d %6d  did not finish within %u s\n", version, side, side, levels,
                kLiteralSecondsLimit);
    return;
  }
  std::printf("%-8s %5d x %-5d %6d %8.3f %8.3f %10.0f %8.1f %9.1f %7.1f %6d..%-6d %s\n", version,
              side, side, levels, seconds, processor, cells / seconds, processor / cells * 1e9,
              result.peakKilobytes / 1024.0, result.peakKilobytes * 1024.0 / cells, demMin, demMax,
              verdict);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sides;
  for (int k = 1; k < argc; ++k) sides.push_back(std::atoi(argv[k]));
  if (sides.empty()) sides = {1000, 2000, 4000};

  std::printf("%-8s %13s %6s %8s %8s %10s %8s %9s %7s %13s\n", "version", "size", "levels",
              "wall s", "cpu s", "cells/s", "cpu ns/c", "peak MiB", "B/cell", "DemMin..Max");
  for (const int side : sides) {
    // The same map drawn with 20 and with 100 levels, and with as many levels as keep the
    // gaps between lines as wide in cells as with 25 levels at 1000 x 1000.
    std::vector<int> levelCounts{20, std::clamp(25 * side / 1000, 20, 100), 100};
    std::sort(levelCounts.begin(), levelCounts.end());
    levelCounts.erase(std::unique(levelCounts.begin(), levelCounts.end()), levelCounts.end());
    for (const int levels : levelCounts) {
      PrintRow("fast", side, levels, InChild(RunFast, side, levels));
      if (side > kLargestLiteralSide) {
        std::printf("%-8s %5d x %-5d %6d  skipped: far more than a minute at this size\n",
                    "literal", side, side, levels);
        continue;
      }
      PrintRow("literal", side, levels, InChild(RunLiteral, side, levels));
    }
  }
  std::printf(
      "cells/s from the wall clock, cpu ns/c from the process's processor time; the literal "
      "rows' peak memory includes a fast run for the comparison (\"same\": identical DEM and "
      "range).\n");
  return 0;
}
