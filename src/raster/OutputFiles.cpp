#include "raster/OutputFiles.h"

#include <tbb/parallel_for.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "core/ProgressPacing.h"

namespace zelmaro {
namespace {

void RequireGrid(bool present, const char* what) {
  if (!present) throw Error(std::string("There is no ") + what + " to save.");
}

void AddSideFiles(OutputBatch& batch, const std::string& stem, const SideFiles& sideFiles) {
  for (const SideFile& file : sideFiles) batch.Add(stem + file.ending, file.bytes);
}

std::string_view ImageBytes(const ByteGrid& image) {
  return {reinterpret_cast<const char*>(image.Data()), image.CellCount()};
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

char* FormatDemValue(char* out, std::int32_t value, std::int32_t factor) {
  // A quotient by 1, 10, 100 or 1000 has at most three decimals, and the double nearest
  // to it lies far closer to it than the rounding of six decimals reaches: its "%lf" is
  // the exact decimal, written here from integers.
  int decimals = -1;
  if (factor == 1) decimals = 0;
  if (factor == 10) decimals = 1;
  if (factor == 100) decimals = 2;
  if (factor == 1000) decimals = 3;
  if (decimals < 0) {
    const auto result = std::to_chars(out, out + kMostDemValueCharacters,
                                      static_cast<double>(value) / static_cast<double>(factor),
                                      std::chars_format::fixed, 6);
    return result.ptr;
  }
  std::int64_t magnitude = value;
  if (magnitude < 0) {
    *out++ = '-';
    magnitude = -magnitude;
  }
  out = std::to_chars(out, out + 16, magnitude / factor).ptr;
  *out++ = '.';
  std::int64_t fraction = magnitude % factor;
  for (int k = decimals; k < 6; ++k) fraction *= 10;
  for (int k = 5; k >= 0; --k) {
    out[k] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  return out + 6;
}

void WriteAsciiGrid(OutputStream& out, const IntGrid& dem, const AsciiGridFrame& frame,
                    std::string_view lineBreak, const Progress& progress) {
  const std::int32_t factor = frame.ValueFactor;
  if (factor == 0) throw Error("The unit of the DEM values is not chosen.");
  std::string header;
  for (const std::string& line :
       {"ncols " + std::to_string(dem.Columns()), "nrows " + std::to_string(dem.Lines()),
        "xllcorner " + FormatFixed6(frame.XMin), "yllcorner " + FormatFixed6(frame.YMin),
        "cellsize " + FormatFixed6(frame.CellSize), std::string("nodata_value -9999.9999")}) {
    header += line;
    header += lineBreak;
  }
  out.Write(header);
  // Lines are written in batches of a few megabytes: the lines of a batch are formatted
  // side by side on the threads, then written in order.
  const int columns = dem.Columns();
  const std::size_t lineBytes =
      static_cast<std::size_t>(columns) * (kMostDemValueCharacters + 1) + lineBreak.size();
  const int linesPerBatch =
      static_cast<int>(std::clamp<std::size_t>((std::size_t{8} << 20) / lineBytes, 1, 1024));
  std::vector<std::string> texts(static_cast<std::size_t>(std::min(linesPerBatch, dem.Lines())));
  PacedProgress paced(progress);
  for (int first = 0; first < dem.Lines(); first += linesPerBatch) {
    const int last = std::min(dem.Lines(), first + linesPerBatch);
    tbb::parallel_for(first, last, [&](int line) {
      std::string& text = texts[static_cast<std::size_t>(line - first)];
      text.resize(lineBytes);
      char* end = text.data();
      const std::int32_t* row = dem[line];
      for (int column = 0; column < columns; ++column) {
        end = FormatDemValue(end, row[column], factor);
        *end++ = '\t';
      }
      end = std::copy(lineBreak.begin(), lineBreak.end(), end);
      text.resize(static_cast<std::size_t>(end - text.data()));
    });
    for (int line = first; line < last; ++line)
      out.Write(texts[static_cast<std::size_t>(line - first)]);
    paced.Report(static_cast<double>(last) / dem.Lines());
  }
  paced.ReportNow(1.0);
}

void WriteRawDem(OutputStream& out, const IntGrid& dem, const Progress& progress) {
  // Lines are written a few megabytes at a time, from the grid itself where the machine
  // keeps integers least significant byte first.
  const int columns = dem.Columns();
  const std::size_t lineBytes = static_cast<std::size_t>(columns) * 4;
  const int linesPerBatch = static_cast<int>(
      std::max<std::size_t>(1, (std::size_t{8} << 20) / std::max<std::size_t>(lineBytes, 1)));
  std::string bytes;
  PacedProgress paced(progress);
  for (int first = 0; first < dem.Lines(); first += linesPerBatch) {
    const int last = std::min(dem.Lines(), first + linesPerBatch);
    const std::size_t count = static_cast<std::size_t>(last - first) * columns;
    const std::int32_t* cells = dem[first];
    if constexpr (std::endian::native == std::endian::little) {
      out.Write(std::string_view(reinterpret_cast<const char*>(cells), count * 4));
    } else {
      bytes.resize(count * 4);
      for (std::size_t i = 0; i < count; ++i) {
        const auto value = static_cast<std::uint32_t>(cells[i]);
        for (int k = 0; k < 4; ++k) bytes[4 * i + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
      }
      out.Write(bytes);
    }
    paced.Report(static_cast<double>(last) / dem.Lines());
  }
  paced.ReportNow(1.0);
}

namespace {

// The bytes written to a stream, kept in a string.
class StringOutputStream : public OutputStream {
 public:
  void Write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

}  // namespace

std::string AsciiGridText(const IntGrid& dem, const AsciiGridFrame& frame) {
  StringOutputStream out;
  WriteAsciiGrid(out, dem, frame, "\n");
  return std::move(out.text);
}

std::string RawBytes(const ByteGrid& image) {
  return std::string(reinterpret_cast<const char*>(image.Data()), image.CellCount());
}

std::string RawDemBytes(const IntGrid& dem) {
  StringOutputStream out;
  WriteRawDem(out, dem);
  return std::move(out.text);
}

void AddContourImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                          const ZoneParameters& zone, const SideFiles& sideFiles) {
  RequireGrid(!session.ContourImage.Empty(), "contour-line image");
  const ByteGrid& image = session.ContourImage;
  batch.Add(stem + ".txt",
            WithCrLf(DescriptiveFileText(image.Lines(), image.Columns(), zone, true)));
  batch.Add(stem + "_tab.txt",
            WithCrLf(AltitudeTableText(session.AltitudeTable, session.AltitudeCount)));
  batch.Add(stem + ".raw", ImageBytes(image));
  AddSideFiles(batch, stem, sideFiles);
}

void AddShadedImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                         const ZoneParameters& zone) {
  RequireGrid(!session.ShadedImage.Empty(), "shaded image");
  const ByteGrid& image = session.ShadedImage;
  batch.Add(stem + ".txt",
            WithCrLf(DescriptiveFileText(image.Lines(), image.Columns(), zone, false)));
  batch.Add(stem + ".raw", ImageBytes(image));
}

void AddDemRawFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                    const ZoneParameters& zone, const SideFiles& sideFiles,
                    const Progress& progress) {
  RequireGrid(!session.DemGrid.Empty(), "DEM");
  const IntGrid& dem = session.DemGrid;
  batch.Add(stem + "_m4.txt",
            WithCrLf(DescriptiveFileText(dem.Lines(), dem.Columns(), zone, true)));
  batch.AddStreamed(stem + "_m4.raw", [&](OutputStream& out) { WriteRawDem(out, dem, progress); });
  AddSideFiles(batch, stem + "_m4", sideFiles);
}

void AddDemAsciiFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                      const AsciiGridFrame& frame, const SideFiles& sideFiles,
                      const Progress& progress) {
  RequireGrid(!session.DemGrid.Empty(), "DEM");
  if (frame.ValueFactor == 0) throw Error("The unit of the DEM values is not chosen.");
  batch.AddStreamed(stem + ".asc", [&](OutputStream& out) {
    WriteAsciiGrid(out, session.DemGrid, frame, "\r\n", progress);
  });
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
                const SideFiles& sideFiles, const Progress& progress) {
  OutputBatch batch;
  AddDemRawFiles(batch, session, stem, zone, sideFiles, progress);
  batch.Commit();
}

void SaveDemAscii(const SessionState& session, const std::string& stem, const AsciiGridFrame& frame,
                  const SideFiles& sideFiles, const Progress& progress) {
  OutputBatch batch;
  AddDemAsciiFiles(batch, session, stem, frame, sideFiles, progress);
  batch.Commit();
}

}  // namespace zelmaro
