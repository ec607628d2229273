// zelmaro-cli vector and zone: a DXF sheet of contour lines, or any vector source of
// them, through the Vectorial and Extract Vector Zone commands, so that it can go on
// along the raster road in a script.
#include <cstdio>

#include "CliCommand.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "gis/Crs.h"
#include "gis/VectorSource.h"
#include "raster/OutputFiles.h"
#include "vector/VectorMemory.h"
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

// --dxf FILE, read as always, or --vector FILE, any source with its --layer and --field.
std::string SourcePath(const CliArguments& arguments) {
  if (arguments.Has("dxf") == arguments.Has("vector")) {
    throw Error("Give the contour lines with one of --dxf FILE.dxf or --vector FILE.");
  }
  if (arguments.Has("dxf") && (arguments.Has("layer") || arguments.Has("field"))) {
    throw Error("The options --layer and --field belong to --vector.");
  }
  return arguments.Has("dxf") ? arguments.Text("dxf") : arguments.Text("vector");
}

// The source and, for a GIS source, the CRS file beside it, which the outputs must
// leave alone.
std::vector<NamedFile> SourceFiles(const CliArguments& arguments, const std::string& path) {
  const std::string option = arguments.Has("dxf") ? "--dxf" : "--vector";
  std::vector<NamedFile> files{{path, option}};
  if (option == "--vector") files.push_back({ReplaceExtension(path, ".prj"), "CRS of --vector"});
  return files;
}

// The source is read whole and drawn as a preview: checked before it is opened.
void RequireSceneMemory(const std::string& command, const std::string& path) {
  const std::uint64_t fileBytes = FileByteCount(path);
  RequireMemory({command, path + " (" + FormatThousands(fileBytes) + " bytes)",
                 VectorSceneMemoryBytes(fileBytes)});
}

VectorSourceLoad LoadSource(SessionState& session, const CliArguments& arguments,
                            const std::string& path) {
  ContourSourceChoice choice;
  choice.Layer = arguments.OptionalText("layer").value_or("");
  choice.Field = arguments.OptionalText("field").value_or("");
  return LoadVectorSource(session, path, choice);
}

void PrintSource(const VectorSourceLoad& load) {
  if (!load.Layer.empty()) {
    std::printf("Layer %s, elevation from %s: %lld features with contour lines", load.Layer.c_str(),
                load.Elevation.c_str(), static_cast<long long>(load.Features));
    std::printf(", %lld skipped without elevation, %lld without lines\n",
                static_cast<long long>(load.WithoutElevation),
                static_cast<long long>(load.WithoutLines));
    std::printf("CRS: %s\n", CrsLabel(load.CrsWkt).c_str());
  } else if (load.AltitudesFromVertices) {
    std::printf("The header gives no altitude range: the table comes from the contour lines.\n");
  }
}

int RunVector(const CliArguments& arguments) {
  arguments.RejectUnknown({"dxf", "vector", "layer", "field", "preview"});
  const std::string path = SourcePath(arguments);
  const std::optional<std::string> preview = arguments.OptionalText("preview");
  if (preview) {
    RefuseUnsafeOutputs(StemFiles(*preview, {".txt", ".raw"}, "--preview"),
                        SourceFiles(arguments, path));
  }
  RequireSceneMemory("vector", path);
  SessionState session;
  const VectorSourceLoad load = LoadSource(session, arguments, path);
  const VectorSceneFrame& frame = load.Frame;
  PrintScene(path, frame, session);
  PrintSource(load);
  if (preview) {
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
  arguments.RejectUnknown(
      {"dxf", "vector", "layer", "field", "pixel", "xmin", "ymin", "xmax", "ymax", "out", "srs"});
  const std::string path = SourcePath(arguments);
  const std::int32_t pixelSize = arguments.PixelSize("pixel");
  const std::string out = arguments.Text("out");
  RefuseUnsafeOutputs(StemFiles(out, {".txt", "_tab.txt", ".raw", ".prj"}, "--out"),
                      SourceFiles(arguments, path));
  RequireSceneMemory("zone", path);
  const int corners =
      arguments.Has("xmin") + arguments.Has("ymin") + arguments.Has("xmax") + arguments.Has("ymax");
  if (corners != 0 && corners != 4) {
    throw Error(
        "A zone needs all four of --xmin, --ymin, --xmax and --ymax (or none of them "
        "for the whole scene).");
  }
  SessionState session;
  const VectorSourceLoad load = LoadSource(session, arguments, path);
  session.CrsWkt = ChooseCrs(session.CrsWkt, path, arguments.OptionalText("srs").value_or(""));
  ZoneParameters zone = SceneZone(load.Frame, pixelSize);
  if (corners == 4) {
    zone.ZoneXMin = arguments.Real("xmin");
    zone.ZoneYMin = arguments.Real("ymin");
    zone.ZoneXMax = arguments.Real("xmax");
    zone.ZoneYMax = arguments.Real("ymax");
  }
  const ZoneGridSize zoneSize = ZoneGridSizeOf(zone);
  RequireMemory({"zone", GridSubject(zoneSize.Lines, zoneSize.Columns),
                 ZoneMemoryBytes(FileByteCount(path), zoneSize.Lines, zoneSize.Columns)});
  const ZoneSelection selection = SelectZone(session, zone, TerminalProgress("Zone extraction"));
  SaveContourImage(session, out, selection.zone, ProjectionSideFiles(session.CrsWkt));
  std::printf("Zone of %s at pixel size %d: %d lines x %d columns, %d altitude codes\n",
              path.c_str(), pixelSize, selection.Lines, selection.Columns, session.AltitudeCount);
  std::printf("Contour-line image written to %s.raw, described in %s.txt, table %s_tab.txt\n",
              out.c_str(), out.c_str(), out.c_str());
  if (!session.CrsWkt.empty()) {
    std::printf("CRS %s written to %s.prj\n", CrsLabel(session.CrsWkt).c_str(), out.c_str());
  }
  return 0;
}

const CliRegistration vectorRegistration({
    "vector",
    "(--dxf FILE.dxf | --vector FILE [--layer NAME] [--field NAME]) [--preview OUT]",
    "Rasterizes a DXF file of contour lines as the Vectorial command does: prints the scene "
    "size, pixel size, interval and altitude table; writes the preview as OUT.raw and OUT.txt. "
    "--vector reads any vector source GDAL opens (Shapefile, GeoPackage, GeoJSON, GML, KML, "
    "FlatGeobuf...): the elevation is the geometry's Z where the layer has Z, else --field or "
    "the field named like an elevation (ELEV, ELEVATION, Z, HEIGHT, ALT, ALTITUDE, CONTOUR).",
    RunVector,
});

const CliRegistration zoneRegistration({
    "zone",
    "(--dxf FILE.dxf | --vector FILE [--layer NAME] [--field NAME]) --pixel P "
    "[--xmin X --ymin Y --xmax X --ymax Y] --out STEM [--srs CRS]",
    "Extracts the whole scene or a zone of the contour lines at pixel size P as the "
    "contour-line image STEM.raw with STEM.txt (with coordinates) and the table STEM_tab.txt; "
    "the CRS of the source, or --srs (EPSG:n or WKT) where it has none, goes into STEM.prj.",
    RunZone,
});

}  // namespace
}  // namespace zelmaro::cli
