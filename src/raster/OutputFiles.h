#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/AsciiGridFrame.h"
#include "core/FileIO.h"
#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"

namespace zelmaro {

// The text of a descriptive file: lines, columns, 1, 0, 255, the pixel size and an
// empty line, then, when asked, the coordinates block of the zone. Line breaks are
// "\n" here; the writers turn them into CR LF.
std::string DescriptiveFileText(int lines, int columns, const ZoneParameters& zone,
                                bool withCoordinates);
// "code altitude" lines for codes 1 to altitudeCount.
std::string AltitudeTableText(const AltitudeTableArray& table, int altitudeCount);
// The ASCII grid of a DEM, values divided by the frame's value factor, its lines ended
// by `lineBreak`. Throws Error when the factor is 0.
void WriteAsciiGrid(OutputStream& out, const IntGrid& dem, const AsciiGridFrame& frame,
                    std::string_view lineBreak, const Progress& progress = {});
// A raw DEM: 4-byte little-endian integers per cell.
void WriteRawDem(OutputStream& out, const IntGrid& dem, const Progress& progress = {});
// The same whole in memory, for small grids: the ASCII grid with "\n" line breaks,
// and the raw images (one byte per cell, and the raw DEM).
std::string AsciiGridText(const IntGrid& dem, const AsciiGridFrame& frame);
std::string RawBytes(const ByteGrid& image);
std::string RawDemBytes(const IntGrid& dem);
// A DEM value divided by a factor (not 0), written as "%lf" writes it, at `out`; returns
// the end of what it wrote, at most kMostDemValueCharacters further.
inline constexpr std::size_t kMostDemValueCharacters = 32;
char* FormatDemValue(char* out, std::int32_t value, std::int32_t factor);

// Further files that go with an output so that a GIS places it (the ".prj" of its CRS,
// an ".hdr" raster header), named after the output's stem and written in the same
// all-or-nothing batch.
struct SideFile {
  std::string ending;
  std::string bytes;
};
using SideFiles = std::vector<SideFile>;

// The three save commands. Each writes all its files or none of them, and throws Error
// when a file cannot be written.
//
// stem.txt (with coordinates), stem_tab.txt and stem.raw of the contour-line image;
// the stem becomes the session's input name and stem.raw its output name.
void SaveContourImage(SessionState& session, const std::string& stem, const ZoneParameters& zone,
                      const SideFiles& sideFiles = {});
// stem.txt (without coordinates) and stem.raw of the shaded picture.
void SaveShadedImage(const SessionState& session, const std::string& stem,
                     const ZoneParameters& zone);
// stem_m4.txt (with coordinates) and stem_m4.raw of the DEM; side files are named
// after stem_m4. A cancelled save leaves no file.
void SaveDemRaw(const SessionState& session, const std::string& stem, const ZoneParameters& zone,
                const SideFiles& sideFiles = {}, const Progress& progress = {});
// stem.asc, the ASCII grid of the DEM.
void SaveDemAscii(const SessionState& session, const std::string& stem, const AsciiGridFrame& frame,
                  const SideFiles& sideFiles = {}, const Progress& progress = {});

// The files of the same saves added to a batch, for a command that writes several of
// them all or none: it commits the batch once every file is in.
void AddContourImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                          const ZoneParameters& zone, const SideFiles& sideFiles = {});
void AddShadedImageFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                         const ZoneParameters& zone);
void AddDemRawFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                    const ZoneParameters& zone, const SideFiles& sideFiles = {},
                    const Progress& progress = {});
void AddDemAsciiFiles(OutputBatch& batch, const SessionState& session, const std::string& stem,
                      const AsciiGridFrame& frame, const SideFiles& sideFiles = {},
                      const Progress& progress = {});

}  // namespace zelmaro
