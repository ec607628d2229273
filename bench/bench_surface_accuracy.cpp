// The accuracy of the three interpolations against a known terrain: the RMSE, in
// meters, over the cells off the lines within the convex hull of the lines, of
// dilation, the linear interpolation and the surface, on
//   (a) the bundled example (366 x 522 cells, lines every 5 m), and
//   (b) a coarser map made here from the same terrain: its 3 x 3 block means
//       (122 x 174 cells) with lines every 10 m, a contour cell being, as in the bundled
//       example, a cell at or above the level with a 4-neighbour below it.
//
//   bench_surface_accuracy TRUTH_CM.raw [EXAMPLE.raw EXAMPLE_tab.txt] [--write DIR]
//
// TRUTH_CM.raw: 366 x 522 little-endian int32 altitudes in centimetres. --write DIR
// also writes the coarser map (coarse.raw, coarse.txt, coarse_tab.txt) and its terrain
// (coarse_truth_cm.raw) for the batch tool.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/FileIO.h"
#include "core/SessionState.h"
#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/SurfaceInterpolation.h"

namespace {

using zelmaro::ByteGrid;
using zelmaro::DoubleGrid;
using zelmaro::IntGrid;
using zelmaro::SessionState;

constexpr int kTruthLines = 366;
constexpr int kTruthColumns = 522;

struct ContourMap {
  ByteGrid codes;
  std::vector<std::int32_t> altitudes;  // in meters, by code from 1
};

DoubleGrid ReadTruthMeters(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::int32_t> cells(static_cast<std::size_t>(kTruthLines) * kTruthColumns);
  in.read(reinterpret_cast<char*>(cells.data()),
          static_cast<std::streamsize>(cells.size() * sizeof(std::int32_t)));
  if (!in) {
    std::fprintf(stderr, "cannot read %s (366 x 522 int32 centimetres)\n", path.c_str());
    std::exit(1);
  }
  DoubleGrid truth(kTruthLines, kTruthColumns);
  for (std::size_t k = 0; k < cells.size(); ++k) truth.Data()[k] = cells[k] / 100.0;
  return truth;
}

ContourMap ReadExample(const std::string& rawPath, const std::string& tablePath) {
  ContourMap map;
  map.codes = ByteGrid(kTruthLines, kTruthColumns);
  std::ifstream raw(rawPath, std::ios::binary);
  raw.read(reinterpret_cast<char*>(map.codes.Data()),
           static_cast<std::streamsize>(map.codes.CellCount()));
  std::ifstream table(tablePath);
  int code = 0;
  int altitude = 0;
  while (table >> code >> altitude) map.altitudes.push_back(altitude);
  if (!raw || map.altitudes.empty()) {
    std::fprintf(stderr, "cannot read the example %s with %s\n", rawPath.c_str(),
                 tablePath.c_str());
    std::exit(1);
  }
  return map;
}

DoubleGrid BlockMeans(const DoubleGrid& fine, int factor) {
  DoubleGrid coarse(fine.Lines() / factor, fine.Columns() / factor);
  for (int i = 0; i < coarse.Lines(); ++i) {
    for (int j = 0; j < coarse.Columns(); ++j) {
      double sum = 0.0;
      for (int a = 0; a < factor; ++a) {
        for (int b = 0; b < factor; ++b) sum += fine[i * factor + a][j * factor + b];
      }
      coarse[i][j] = sum / (factor * factor);
    }
  }
  return coarse;
}

// Lines every `interval` meters: a cell at or above a level with a 4-neighbour below it
// carries that level's code; where several levels qualify, the highest.
ContourMap ContoursOf(const DoubleGrid& terrain, int interval) {
  const auto [low, high] = std::minmax_element(terrain.Cells().begin(), terrain.Cells().end());
  ContourMap map;
  map.codes = ByteGrid(terrain.Lines(), terrain.Columns(), zelmaro::kBackgroundCode);
  for (int level = (static_cast<int>(std::floor(*low / interval)) + 1) * interval; level <= *high;
       level += interval) {
    map.altitudes.push_back(level);
    const auto code = static_cast<std::uint8_t>(map.altitudes.size());
    for (int i = 0; i < terrain.Lines(); ++i) {
      for (int j = 0; j < terrain.Columns(); ++j) {
        if (terrain[i][j] < level) continue;
        const bool below = (i > 0 && terrain[i - 1][j] < level) ||
                           (j > 0 && terrain[i][j - 1] < level) ||
                           (i + 1 < terrain.Lines() && terrain[i + 1][j] < level) ||
                           (j + 1 < terrain.Columns() && terrain[i][j + 1] < level);
        if (below) map.codes[i][j] = code;
      }
    }
  }
  return map;
}

SessionState SessionOf(const ContourMap& map) {
  SessionState session;
  session.ContourImage = map.codes;
  session.WorkLines = map.codes.Lines();
  session.WorkColumns = map.codes.Columns();
  session.AltitudeCount = static_cast<std::int32_t>(map.altitudes.size());
  for (std::size_t k = 0; k < map.altitudes.size(); ++k) {
    session.AltitudeTable[k + 1] = map.altitudes[k];
  }
  return session;
}

// The cells off the lines inside the convex hull of the line cells.
std::vector<std::pair<int, int>> ScoredCells(const ByteGrid& codes) {
  std::vector<std::pair<long, long>> points;
  for (int i = 0; i < codes.Lines(); ++i) {
    for (int j = 0; j < codes.Columns(); ++j) {
      if (codes[i][j] != zelmaro::kBackgroundCode) points.emplace_back(j, i);
    }
  }
  std::sort(points.begin(), points.end());
  const auto cross = [](const auto& o, const auto& a, const auto& b) {
    return (a.first - o.first) * (b.second - o.second) -
           (a.second - o.second) * (b.first - o.first);
  };
  std::vector<std::pair<long, long>> hull(2 * points.size());
  std::size_t k = 0;
  for (std::size_t p = 0; p < points.size(); ++p) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[p]) <= 0) --k;
    hull[k++] = points[p];
  }
  for (std::size_t p = points.size() - 1, lower = k + 1; p-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[p]) <= 0) --k;
    hull[k++] = points[p];
  }
  hull.resize(k - 1);
  std::vector<std::pair<int, int>> cells;
  for (int i = 0; i < codes.Lines(); ++i) {
    for (int j = 0; j < codes.Columns(); ++j) {
      if (codes[i][j] != zelmaro::kBackgroundCode) continue;
      bool inside = true;
      for (std::size_t h = 0; h < hull.size() && inside; ++h) {
        inside = cross(hull[h], hull[(h + 1) % hull.size()], std::pair<long, long>(j, i)) >= 0;
      }
      if (inside) cells.emplace_back(i, j);
    }
  }
  return cells;
}

double Rmse(const IntGrid& demCm, const DoubleGrid& truth, const ByteGrid& codes) {
  double sum = 0.0;
  const auto cells = ScoredCells(codes);
  for (const auto& [i, j] : cells) {
    const double error = demCm[i][j] / 100.0 - truth[i][j];
    sum += error * error;
  }
  return std::sqrt(sum / static_cast<double>(cells.size()));
}

void Compare(const char* title, const ContourMap& map, const DoubleGrid& truth,
             const zelmaro::SurfaceParameters& surfaceParameters) {
  SessionState dilated = SessionOf(map);
  zelmaro::SeedDemGrid(dilated, 1, 100);
  zelmaro::DilationInterpolation(dilated);

  SessionState linear = SessionOf(map);
  const std::int32_t interval = map.altitudes.size() > 1 ? map.altitudes[1] - map.altitudes[0] : 1;
  zelmaro::RunLinearInterpolation(linear,
                                  {map.altitudes.front(), map.altitudes.back(), interval, 1, 100});

  SessionState surface = SessionOf(map);
  zelmaro::SurfaceInterpolation(surface, 1, 100, surfaceParameters);
  zelmaro::SurfaceParameters plain = surfaceParameters;
  plain.SubPixelCorrection = false;
  SessionState uncorrected = SessionOf(map);
  zelmaro::SurfaceInterpolation(uncorrected, 1, 100, plain);

  const double dilation = Rmse(dilated.DemGrid, truth, map.codes);
  const double linearRmse = Rmse(linear.DemGrid, truth, map.codes);
  const double surfaceRmse = Rmse(surface.DemGrid, truth, map.codes);
  std::printf("%s (%d x %d cells, %zu levels, %zu cells scored)\n", title, map.codes.Lines(),
              map.codes.Columns(), map.altitudes.size(), ScoredCells(map.codes).size());
  std::printf("  dilation                  RMSE %.3f m\n", dilation);
  std::printf("  linear                    RMSE %.3f m\n", linearRmse);
  std::printf("  surface, T %.2f           RMSE %.3f m  (%+.1f%% of linear, %+.1f%% of dilation)\n",
              surfaceParameters.Tension, surfaceRmse, 100.0 * (surfaceRmse / linearRmse - 1.0),
              100.0 * (surfaceRmse / dilation - 1.0));
  std::printf("  surface without sub-pixel RMSE %.3f m\n",
              Rmse(uncorrected.DemGrid, truth, map.codes));
}

void WriteCoarseMap(const std::string& folder, const ContourMap& map, const DoubleGrid& truth) {
  std::filesystem::create_directories(folder);
  zelmaro::WriteFileAtomically(
      folder + "/coarse.raw",
      std::string_view(reinterpret_cast<const char*>(map.codes.Data()), map.codes.CellCount()));
  zelmaro::WriteFileAtomically(folder + "/coarse.txt",
                               zelmaro::WithCrLf(std::to_string(map.codes.Lines()) + "\n" +
                                                 std::to_string(map.codes.Columns()) + "\n"));
  std::string table;
  for (std::size_t k = 0; k < map.altitudes.size(); ++k) {
    table += std::to_string(k + 1) + " " + std::to_string(map.altitudes[k]) + "\n";
  }
  zelmaro::WriteFileAtomically(folder + "/coarse_tab.txt", zelmaro::WithCrLf(table));
  std::vector<std::int32_t> centimetres;
  for (const double value : truth.Cells()) {
    centimetres.push_back(static_cast<std::int32_t>(std::lround(value * 100.0)));
  }
  zelmaro::WriteFileAtomically(folder + "/coarse_truth_cm.raw",
                               std::string_view(reinterpret_cast<const char*>(centimetres.data()),
                                                centimetres.size() * sizeof(std::int32_t)));
  std::printf("coarser map written to %s/coarse.raw, coarse.txt, coarse_tab.txt\n", folder.c_str());
}

}  // namespace

void Run(const std::vector<std::string>& words, const std::string& writeFolder,
         const zelmaro::SurfaceParameters& parameters);

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string writeFolder;
  zelmaro::SurfaceParameters parameters;
  for (std::size_t k = 0; k + 1 < words.size();) {
    if (words[k] == "--write" || words[k] == "--tension") {
      if (words[k] == "--write") writeFolder = words[k + 1];
      if (words[k] == "--tension") parameters.Tension = std::stod(words[k + 1]);
      words.erase(words.begin() + static_cast<long>(k), words.begin() + static_cast<long>(k) + 2);
    } else {
      ++k;
    }
  }
  if (words.empty()) {
    std::fprintf(stderr,
                 "usage: bench_surface_accuracy TRUTH_CM.raw [EXAMPLE.raw EXAMPLE_tab.txt] "
                 "[--tension T] [--write DIR]\n");
    return 2;
  }
  try {
    Run(words, writeFolder, parameters);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ERROR: %s\n", error.what());
    return 1;
  }
  return 0;
}

void Run(const std::vector<std::string>& words, const std::string& writeFolder,
         const zelmaro::SurfaceParameters& parameters) {
  const DoubleGrid truth = ReadTruthMeters(words[0]);
  if (words.size() >= 3) {
    Compare("(a) bundled example, lines every 5 m", ReadExample(words[1], words[2]), truth,
            parameters);
  }
  const DoubleGrid coarseTruth = BlockMeans(truth, 3);
  const ContourMap coarse = ContoursOf(coarseTruth, 10);
  Compare("(b) coarser map, 3 x 3 block means, lines every 10 m", coarse, coarseTruth, parameters);
  if (!writeFolder.empty()) WriteCoarseMap(writeFolder, coarse, coarseTruth);
}
