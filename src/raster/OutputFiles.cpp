#include "raster/OutputFiles.h"

#include <cmath>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"

namespace zelmaro {
namespace {

void RequireGrid(bool present, const char* what) {
  if (!present) throw Error(std::string("There is no ") + what + " to save.");
}

void AddSideFiles(OutputBatch& batch, const std::string& stem, const SideFiles& sideFiles) {
  for (const SideFile& file : sideFiles) batch.Add(stem + file.ending, file.bytes);
}

}  // namespace

std::string DescriptiveFileText(int lines, int columns, const ZoneParameters& zone,
                                bool withCoordinates) {
  std::string text = std::to_string(lines) + "\n" + std::to_string(columns) + "\n1\n0\n255\n" +
                     std::to_string(zone.ZonePixelSize) + "\n\n";
  if (withCoordinates) {
    text += "\n\tCoordinates : \n";
    text +=
        "\tXMax " + FormatFixed6(zone.ZoneXMax) + "\tXMin " + FormatFixed6(zone.ZoneXMin) + "\n";
    text +=
        "\tYMax " + FormatFixed6(zone.ZoneYMax) + "\tYMin " + FormatFixed6(zone.ZoneYMin) + "\n";
  }
  return text;
}

std::string AltitudeTableText(const AltitudeTableArray& table, int altitudeCount) {
  std::string text;
  for (int code = 1; code <= altitudeCount && code < kAltitudeTableSize; ++code) {
    text += std::to_string(code) + " " + std::to_string(table[code]) + "\n";
  }
  return text;
}

std::string AsciiGridText(const IntGrid& dem, const AsciiGridFrame& frame) {
  const double divisor = static_cast<double>(frame.ValueFactor);
  if (divisor == 0.0) throw Error("The unit of the DEM values is not chosen.");
  std::string text;
  text.reserve(dem.CellCount() * 12 + 200);
  text += "ncols " + std::to_string(dem.Columns()) + "\n";
  text += "nrows " + std::to_string(dem.Lines()) + "\n";
  text += "xllcorner " + FormatFixed6(frame.XMin) + "\n";
  text += "yllcorner " + FormatFixed6(frame.YMin) + "\n";
  text += "cellsize " + FormatFixed6(frame.CellSize) + "\n";
  text += "nodata_value -9999.9999\n";
  for (int line = 0; line < dem.Lines(); ++line) {
    const std::int32_t* row = dem[line];
    for (int column = 0; column < dem.Columns(); ++column) {
      text += FormatFixed6(static_cast<double>(row[column]) / divisor);
      text += '\t';
    }
    text += '\n';
  }
  return text;
}

std::string RawBytes(const ByteGrid& image) {
  return std::string(reinterpret_cast<const char*>(image.Data()), image.CellCount());
}

std::string RawDemBytes(const IntGrid& dem) {
  std::string bytes(dem.CellCount() * 4, '\0');
  const std::int32_t* cells = dem.Data();
  for (std::size_t i = 0; i < dem.CellCount(); ++i) {
    const auto value = static_cast<std::uint32_t>(cells[i]);
    bytes[4 * i] = static_cast<char>(value & 0xFF);
    bytes[4 * i + 1] = static_cast<char>((value >> 8) & 0xFF);
    bytes[4 * i + 2] = static_cast<char>((value >> 16) & 0xFF);
    bytes[4 * i + 3] = static_cast<char>((value >> 24) & 0xFF);
  }
  return bytes;
}

void AddContourImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                          const ZoneParameters& zone, const SideFiles& sideFiles) {
  RequireGrid(!session.ContourImage.Empty(), "contour-line image");
  const ByteGrid& image = session.ContourImage;
  batch.Add(stem + ".txt",
            WithCrLf(DescriptiveFileText(image.Lines(), image.Columns(), zone, true)));
  batch.Add(stem + "_tab.txt",
            WithCrLf(AltitudeTableText(session.AltitudeTable, session.AltitudeCount)));
  batch.Add(stem + ".raw", RawBytes(image));
  AddSideFiles(batch, stem, sideFiles);
}

void AddShadedImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                         const ZoneParameters& zone) {
  RequireGrid(!session.ShadedImage.Empty(), "shaded image");
  const ByteGrid& image = session.ShadedImage;
  batch.Add(stem + ".txt",
            WithCrLf(DescriptiveFileText(image.Lines(), image.Columns(), zone, false)));
  batch.Add(stem + ".raw", RawBytes(image));
}

void AddDemRawFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                    const ZoneParameters& zone, const SideFiles& sideFiles) {
  RequireGrid(!session.DemGrid.Empty(), "DEM");
  const IntGrid& dem = session.DemGrid;
  batch.Add(stem + "_m4.txt",
            WithCrLf(DescriptiveFileText(dem.Lines(), dem.Columns(), zone, true)));
  batch.Add(stem + "_m4.raw", RawDemBytes(dem));
  AddSideFiles(batch, stem + "_m4", sideFiles);
}

void AddDemAsciiFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                      const AsciiGridFrame& frame, const SideFiles& sideFiles) {
  RequireGrid(!session.DemGrid.Empty(), "DEM");
  batch.Add(stem + ".asc", WithCrLf(AsciiGridText(session.DemGrid, frame)));
  AddSideFiles(batch, stem, sideFiles);
}

void SaveContourImage(SessionState& session, const std::string& stem, const ZoneParameters& zone,
                      const SideFiles& sideFiles) {
  OutputBatch batch;
  AddContourImageFiles(batch, session, stem, zone, sideFiles);
  batch.Commit();
  session.InputFileName = stem;
  session.OutputFileName = stem + ".raw";
}

void SaveShadedImage(const SessionState& session, const std::string& stem,
                     const ZoneParameters& zone) {
  OutputBatch batch;
  AddShadedImageFiles(batch, session, stem, zone);
  batch.Commit();
}

void SaveDemRaw(const SessionState& session, const std::string& stem, const ZoneParameters& zone,
                const SideFiles& sideFiles) {
  OutputBatch batch;
  AddDemRawFiles(batch, session, stem, zone, sideFiles);
  batch.Commit();
}

void SaveDemAscii(const SessionState& session, const std::string& stem, const AsciiGridFrame& frame,
                  const SideFiles& sideFiles) {
  OutputBatch batch;
  AddDemAsciiFiles(batch, session, stem, frame, sideFiles);
  batch.Commit();
}

}  // namespace zelmaro
