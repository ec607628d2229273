// The cost of every long step on synthetic maps of growing size: the zone extraction
// from a DXF file, the dilation and the linear interpolation, the smoothing with Range 2,
// the shading and the writing of the ASCII grid. For each: the wall and processor time,
// the peak resident memory (the step's inputs included) and its bytes per cell, with
// all threads, and the wall time with one thread and the speed-up from one to all.
//
// The maps are the contour lines of a smooth terrain at 20 and 100 levels, written as a
// DXF file; the zone extracted from it at the size wanted is the contour-line image the
// interpolations start from, and the dilation's DEM is what the later steps work on.
// Every step runs in a process of its own.
//
//   bench_speed [--large] [--folder DIR] [--cli PATH]
//
// 1000 x 1000 and 4000 x 4000 by default. --large adds 16000 x 16000 and, through the
// batch tool (PATH, by default the zelmaro-cli built beside this program), the dilation
// and the linear interpolation of a 20000 x 20000 map with their usual outputs.
#include <tbb/info.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "StageMeasure.h"
#include "SyntheticMaps.h"
#include "core/SessionState.h"
#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/Smoothing.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "raster/ShadeDem.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro::bench {
namespace {

struct Map {
  int side = 0;
  int levels = 0;
  std::string dxf;
  std::string stem;  // the zone's contour-line image, STEM.raw with STEM_tab.txt
  std::int32_t PixelSize() const { return static_cast<std::int32_t>(kMapExtent / side); }
  double Cells() const { return static_cast<double>(side) * side; }
  std::string DilationDem() const { return stem + "_dilation"; }
  ZoneParameters Zone() const { return {PixelSize(), 0.0, 0.0, kMapExtent, kMapExtent}; }
};

LinearParameters LinearParametersOf(const Map& map) {
  return {kLowestAltitude, HighestAltitude(map.levels), kAltitudeInterval, 1, 1};
}

void LoadMap(SessionState& session, const Map& map) {
  RasterLoadAnswers answers;
  answers.rawPath = map.stem + ".raw";
  answers.tablePath = map.stem + "_tab.txt";
  LoadRaster(session, answers);
}

IntGrid ReadDilationDem(const Map& map) {
  return ReadRawDem(map.DilationDem() + "_m4.raw", {map.side, map.side});
}

void PrintHeader() {
  std::printf("%-15s %-15s %8s %8s %9s %9s %9s %7s | %8s %8s\n", "map", "step", "wall s", "cpu s",
              "wall ns/c", "cpu ns/c", "peak MiB", "B/cell", "1 thr s", "speed-up");
}

void PrintRow(const Map& map, const char* step, const StageCost& all, const StageCost* one) {
  char name[32];
  std::snprintf(name, sizeof name, "%5d^2 %3d lv", map.side, map.levels);
  if (!all.finished) {
    std::printf("%-15s %-15s FAILED: %s\n", name, step, all.failure.c_str());
    return;
  }
  std::printf("%-15s %-15s %8.3f %8.3f %9.1f %9.1f %9.1f %7.1f", name, step, all.wallSeconds,
              all.processorSeconds, all.wallSeconds / map.Cells() * 1e9,
              all.processorSeconds / map.Cells() * 1e9, all.peakBytes / (1024.0 * 1024.0),
              all.peakBytes / map.Cells());
  if (one != nullptr && one->finished) {
    std::printf(" | %8.3f %8.2f\n", one->wallSeconds, one->wallSeconds / all.wallSeconds);
  } else {
    std::printf(" | %8s %8s\n", "-", "-");
  }
  std::fflush(stdout);
}

// Runs a step with all threads, keeping what it makes for the later steps, then with
// one thread.
void Measure(const Map& map, const char* step, Stage stage) {
  const StageCost all = RunStage(stage, 0);
  stage.finish = nullptr;
  const StageCost one = RunStage(stage, 1);
  PrintRow(map, step, all, &one);
}

void MeasureMap(const Map& map) {
  SessionState session;
  IntGrid dem;
  Measure(
      map, "zone from DXF",
      {[&] { RasterizeVectorScene(session, map.dxf); }, [&] { SelectZone(session, map.Zone()); },
       [&] { SaveContourImage(session, map.stem, map.Zone()); }});
  Measure(map, "dilation",
          {[&] { LoadMap(session, map); },
           [&] {
             SeedDemGrid(session, 1, 1);
             DilationInterpolation(session);
           },
           [&] { SaveDemRaw(session, map.DilationDem(), map.Zone()); }});
  Measure(map, "linear",
          {[&] { LoadMap(session, map); },
           [&] { RunLinearInterpolation(session, LinearParametersOf(map)); }, nullptr});
  Measure(map, "smoothing R=2",
          {[&] { dem = ReadDilationDem(map); }, [&] { const IntGrid smoothed = SmoothDem(dem, 2); },
           nullptr});
  Measure(map, "shading",
          {[&] { dem = ReadDilationDem(map); },
           [&] { const ByteGrid shaded = ShadeDem(dem, map.PixelSize(), 1); }, nullptr});
  const std::string ascii = map.stem + "_ascii";
  Measure(map, "ASCII write",
          {[&] { session.DemGrid = ReadDilationDem(map); },
           [&] {
             SaveDemAscii(session, ascii, {static_cast<double>(map.PixelSize()), 0, 0, 1});
           },
           nullptr});
  std::filesystem::remove(ascii + ".asc");
}

void RemoveMapFiles(const Map& map) {
  for (const std::string& ending :
       {std::string(".raw"), std::string(".txt"), std::string("_tab.txt"),
        std::string("_dilation_m4.raw"), std::string("_dilation_m4.txt")}) {
    std::filesystem::remove(map.stem + ending);
  }
}

// The dilation and the linear interpolation of a large map through the batch tool, as
// a user runs them, with their usual outputs (the dilation also writes its ASCII grid).
void MeasureBatchTool(const Map& map, const std::string& cli) {
  SessionState session;
  const StageCost zone = RunStage(
      {[&] { RasterizeVectorScene(session, map.dxf); }, [&] { SelectZone(session, map.Zone()); },
       [&] { SaveContourImage(session, map.stem, map.Zone()); }},
      0);
  PrintRow(map, "zone from DXF", zone, nullptr);
  if (!zone.finished) return;
  const std::string out = map.stem + "_cli";
  const std::vector<std::string> common{"--raw",       map.stem + ".raw",
                                        "--table",     map.stem + "_tab.txt",
                                        "--scale-in",  "m",
                                        "--scale-out", "m",
                                        "--pixel",     std::to_string(map.PixelSize())};
  std::vector<std::string> dilation{cli, "dilation"};
  dilation.insert(dilation.end(), common.begin(), common.end());
  dilation.insert(dilation.end(), {"--out", out, "--asc", out, "--xmin", "0", "--ymin", "0"});
  PrintRow(map, "cli dilation", RunProgram(dilation), nullptr);
  for (const char* ending : {"_m4.raw", "_m4.txt", ".asc"}) std::filesystem::remove(out + ending);
  std::vector<std::string> linear{cli, "linear"};
  linear.insert(linear.end(), common.begin(), common.end());
  const LinearParameters parameters = LinearParametersOf(map);
  linear.insert(linear.end(), {"--min", std::to_string(parameters.ParamMinimum), "--max",
                               std::to_string(parameters.ParamMaximum), "--interval",
                               std::to_string(parameters.ParamInterval), "--out", out});
  PrintRow(map, "cli linear", RunProgram(linear), nullptr);
  for (const char* ending : {"_m4.raw", "_m4.txt"}) std::filesystem::remove(out + ending);
  RemoveMapFiles(map);
}

std::string DefaultCli() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return (self.parent_path().parent_path() / "cli" / "zelmaro-cli").string();
}

int Run(int argc, char** argv) {
  bool large = false;
  std::string folder;
  std::string cli = DefaultCli();
  for (int k = 1; k < argc; ++k) {
    const std::string word = argv[k];
    if (word == "--large") {
      large = true;
    } else if (word == "--folder" && k + 1 < argc) {
      folder = argv[++k];
    } else if (word == "--cli" && k + 1 < argc) {
      cli = argv[++k];
    } else {
      std::fprintf(stderr, "usage: bench_speed [--large] [--folder DIR] [--cli PATH]\n");
      return 2;
    }
  }
  bool made = false;
  if (folder.empty()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zelmaro-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return 1;
    folder = pattern;
    made = true;
  }
  std::vector<int> sides{1000, 4000};
  if (large) sides.push_back(16000);
  std::printf("%d threads; at the start: %s\n", tbb::info::default_concurrency(),
              MachineLoad().c_str());
  PrintHeader();
  for (const int levels : {20, 100}) {
    const std::string dxf = folder + "/terrain_" + std::to_string(levels) + ".dxf";
    const long vertices = WriteTerrainDxf(dxf, levels);
    std::printf("%d levels: %s, %ld vertices, %.1f MB\n", levels, dxf.c_str(), vertices,
                static_cast<double>(std::filesystem::file_size(dxf)) / 1e6);
    for (const int side : sides) {
      const Map map{side, levels, dxf,
                    folder + "/map_" + std::to_string(side) + "_" + std::to_string(levels)};
      MeasureMap(map);
      RemoveMapFiles(map);
    }
    if (large) {
      MeasureBatchTool({20000, levels, dxf, folder + "/map_20000_" + std::to_string(levels)}, cli);
    }
    std::filesystem::remove(dxf);
  }
  std::printf("At the end: %s\n", MachineLoad().c_str());
  std::printf(
      "Peak memory is the most resident while the step ran, its inputs included (the session's "
      "images and DEM); 1 thr s is the wall time with one thread.\n");
  if (made) std::filesystem::remove_all(folder);
  return 0;
}

}  // namespace
}  // namespace zelmaro::bench

int main(int argc, char** argv) {
  return zelmaro::bench::Run(argc, argv);
}
