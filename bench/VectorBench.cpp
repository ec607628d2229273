// Times the vector road on a synthetic sheet of concentric contour lines: the scene
// load, a zone selection and the fusion of the sheet with itself.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/FileIO.h"
#include "core/SessionState.h"
#include "vector/DxfFusion.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Rings of 2000 vertices every 10 m of altitude around the centre of a 30 km sheet.
std::string SyntheticSheet(int rings) {
  const double centreX = 515000;
  const double centreY = 2115000;
  std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n500000\n 20\n2100000\n 30\n0\n"
      "  9\n$EXTMAX\n 10\n530000\n 20\n2130000\n 30\n" +
      std::to_string(10 * rings) + "\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
  char buffer[160];
  for (int ring = 1; ring <= rings; ++ring) {
    const int z = 10 * (rings - ring);
    const double radius = 14000.0 * ring / rings;
    std::snprintf(buffer, sizeof buffer,
                  "  0\nPOLYLINE\n  8\nCN\n 66\n     1\n 10\n0\n 20\n0\n 30\n%d\n", z);
    text += buffer;
    for (int step = 0; step <= 2000; ++step) {
      const double angle = 2 * M_PI * step / 2000;
      std::snprintf(buffer, sizeof buffer,
                    "  0\nVERTEX\n  8\nCN\n 70\n    32\n 10\n%.3f\n 20\n%.3f\n 30\n%d.000\n",
                    centreX + radius * std::cos(angle), centreY + radius * std::sin(angle), z);
      text += buffer;
    }
    text += "  0\nSEQEND\n";
  }
  return text + "  0\nENDSEC\n  0\nEOF\n";
}

}  // namespace

int main() {
  const std::string folder = std::filesystem::temp_directory_path() / "zelmaro_vector_bench";
  std::filesystem::create_directories(folder);
  const std::string sheet = folder + "/sheet.dxf";
  zelmaro::WriteFileAtomically(sheet, zelmaro::WithCrLf(SyntheticSheet(200)));
  std::printf("sheet: 200 rings of 2001 vertices, %.1f MB\n",
              std::filesystem::file_size(sheet) / 1e6);

  zelmaro::SessionState session;
  auto start = Clock::now();
  const zelmaro::VectorSceneFrame frame = zelmaro::RasterizeVectorScene(session, sheet);
  std::printf("RasterizeVectorScene: %d x %d at %d, %d levels: %.3f s\n", frame.Lines,
              frame.Columns, frame.ScenePixelSize, session.AltitudeCount, SecondsSince(start));

  start = Clock::now();
  const zelmaro::ZoneSelection zone =
      zelmaro::SelectZone(session, {5, 500000, 2100000, 530000, 2130000});
  std::printf("SelectZone at 5: %d x %d: %.3f s\n", zone.Lines, zone.Columns, SecondsSince(start));

  start = Clock::now();
  const std::string fused = zelmaro::FuseDxfFiles({sheet, sheet}, folder + "/fused");
  std::printf("FuseDxfFiles of two copies: %.1f MB written: %.3f s\n",
              std::filesystem::file_size(fused) / 1e6, SecondsSince(start));
  std::filesystem::remove_all(folder);
  return 0;
}
