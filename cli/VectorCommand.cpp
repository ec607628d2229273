// zelmaro-cli vector and zone: a DXF sheet of contour lines through the Vectorial and
// Extract Vector Zone commands, so that it can go on along the raster road in a script.
#include <cstdio>

#include "CliCommand.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "raster/OutputFiles.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro::cli {
namespace {

ZoneParameters SceneZone(const VectorSceneFrame& frame, std::int32_t pixelSize) {
  return {pixelSize, frame.XMin, frame.YMin, frame.XMax, frame.YMax};
}

void PrintScene(const std::string& path, const VectorSceneFrame& frame,
                const SessionState& session) {
  std::printf("Scene of %s: %d lines x %d columns, pixel size %d\n", path.c_str(), frame.Lines,
              frame.Columns, frame.ScenePixelSize);
  std::printf("Frame: X %s to %s, Y %s to %s, Z %d to %d\n", FormatGeneral15(frame.XMin).c_str(),
              FormatGeneral15(frame.XMax).c_str(), FormatGeneral15(frame.YMin).c_str(),
              FormatGeneral15(frame.YMax).c_str(), frame.ZMin, frame.ZMax);
  std::printf("Hypsometric interval: %d\n", frame.HypsometricInterval);
  std::printf("Altitude table (%d codes):\n", session.AltitudeCount);
  std::fputs(AltitudeTableText(session.AltitudeTable, session.AltitudeCount).c_str(), stdout);
}

int RunVector(const CliArguments& arguments) {
  arguments.RejectUnknown({"dxf", "preview"});
  const std::string path = arguments.Text("dxf");
  SessionState session;
  const VectorSceneFrame frame = RasterizeVectorScene(session, path);
  PrintScene(path, frame, session);
  if (const std::optional<std::string> preview = arguments.OptionalText("preview")) {
    OutputBatch batch;
    batch.Add(*preview + ".txt",
              WithCrLf(DescriptiveFileText(frame.Lines, frame.Columns,
                                           SceneZone(frame, frame.ScenePixelSize), true)));
    batch.Add(*preview + ".raw", RawBytes(session.VectorImage));
    batch.Commit();
    std::printf("Preview written to %s.raw, described in %s.txt\n", preview->c_str(),
                preview->c_str());
  }
  return 0;
}

int RunZone(const CliArguments& arguments) {
  arguments.RejectUnknown({"dxf", "pixel", "xmin", "ymin", "xmax", "ymax", "out"});
  const std::string path = arguments.Text("dxf");
  const std::int32_t pixelSize = arguments.Integer("pixel");
  const std::string out = arguments.Text("out");
  const int corners =
      arguments.Has("xmin") + arguments.Has("ymin") + arguments.Has("xmax") + arguments.Has("ymax");
  if (corners != 0 && corners != 4) {
    throw Error(
        "A zone needs all four of --xmin, --ymin, --xmax and --ymax (or none of them "
        "for the whole scene).");
  }
  SessionState session;
  const VectorSceneFrame frame = RasterizeVectorScene(session, path);
  ZoneParameters zone = SceneZone(frame, pixelSize);
  if (corners == 4) {
    zone.ZoneXMin = arguments.Real("xmin");
    zone.ZoneYMin = arguments.Real("ymin");
    zone.ZoneXMax = arguments.Real("xmax");
    zone.ZoneYMax = arguments.Real("ymax");
  }
  const ZoneSelection selection = SelectZone(session, zone);
  SaveContourImage(session, out, selection.zone);
  std::printf("Zone of %s at pixel size %d: %d lines x %d columns, %d altitude codes\n",
              path.c_str(), pixelSize, selection.Lines, selection.Columns, session.AltitudeCount);
  std::printf("Contour-line image written to %s.raw, described in %s.txt, table %s_tab.txt\n",
              out.c_str(), out.c_str(), out.c_str());
  return 0;
}

const CliRegistration vectorRegistration({
    "vector",
    "--dxf FILE.dxf [--preview OUT]",
    "Rasterizes a DXF file of contour lines as the Vectorial command does: prints the scene "
    "size, pixel size, interval and altitude table; writes the preview as OUT.raw and OUT.txt.",
    RunVector,
});

const CliRegistration zoneRegistration({
    "zone",
    "--dxf FILE.dxf --pixel P [--xmin X --ymin Y --xmax X --ymax Y] --out STEM",
    "Extracts the whole scene or a zone of a DXF file at pixel size P as the contour-line "
    "image STEM.raw with STEM.txt (with coordinates) and the table STEM_tab.txt.",
    RunZone,
});

}  // namespace
}  // namespace zelmaro::cli
