#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/CodePalette.h"
#include "core/ContourPolylines.h"
#include "core/Grid.h"

namespace zelmaro {

// Number of entries of the altitude table; entry 0 is not used, so codes 1 to 259 fit.
inline constexpr int kAltitudeTableSize = 260;
// The gray tone of the background of a contour-line image.
inline constexpr std::uint8_t kBackgroundCode = 255;

using AltitudeTableArray = std::array<std::int32_t, kAltitudeTableSize>;

// Everything the commands share: the data set being worked on, its grids and sizes,
// the code-to-altitude table, the extent of vector data and the state flags. The main
// window owns one for the whole run; the algorithms take it by reference.
struct SessionState {
  std::string InputFileName;      // full path of the current input (raw raster or DXF)
  std::string InputPath;          // the file the raster or DXF readers open
  std::string CaptionPath;        // the path shown in the zoom captions
  std::string SizeFileName;       // InputFileName with its extension replaced by ".txt"
  std::string AltitudeTableName;  // the altitude table of a raster load
  std::string OutputFileName;     // last raw output name
  std::string InputDirectory;     // folder of the input file, no trailing separator
  std::string FusionOutputName;
  std::string ContourDxfName;
  std::string CoastlineDxfName;

  ByteGrid VectorImage;      // whole DXF scene: 0 where a line passes, 255 elsewhere
  ByteGrid ContourImage;     // the working contour-line image, gray-tone codes
  ByteGrid ShadedImage;      // hill-shaded picture of the DEM
  ByteGrid LinearCodeImage;  // level labels of the linear interpolation
  ByteGrid ComeBackImage;    // snapshot of ContourImage for Come Back
  IntGrid DemGrid;           // interpolated altitudes, in the Scale Out unit

  AltitudeTableArray AltitudeTable{};  // entry k = altitude of code k

  std::int32_t ImageLines = 0;
  std::int32_t ImageColumns = 0;
  std::int32_t ContourGridLines = 0;
  std::int32_t ContourGridColumns = 0;
  std::int32_t VectorLines = 0;
  std::int32_t VectorColumns = 0;
  std::int32_t WorkLines = 0;
  std::int32_t WorkColumns = 0;
  std::int32_t RuleStartLine = 0;
  std::int32_t RuleStartColumn = 0;
  std::int32_t DemMin = 0;
  std::int32_t DemMax = 0;
  std::int32_t VertexSkipCount = 0;
  std::int32_t AltitudeCount = 0;
  std::int32_t RasterSession = 0;
  std::int32_t FillPassChanges = 0;
  std::int32_t DilationPassChanges = 0;
  std::int32_t DxfFileCount = 0;

  std::uint8_t GeoReferenced = 0;
  std::uint8_t BackViewShown = 0;
  std::uint8_t VectorImageAllocated = 0;
  std::uint8_t ZoneSelected = 0;
  std::uint8_t EditableImage = 0;

  double VectorXMin = 0.0;
  double VectorXMax = 0.0;
  double VectorYMin = 0.0;
  double VectorYMax = 0.0;

  // The contour lines of a vector source other than DXF, kept from the load for the zone
  // selection; empty for a DXF file, which the zone selection reads again.
  std::shared_ptr<const ContourPolylines> VectorContours;
  // The coordinate reference system of the data (WKT): that of a GIS source, or the one
  // the user gave; empty when unknown, as for DXF files and raw rasters.
  std::string CrsWkt;

  CodePaletteTable CodePalette{};

  // Paths of the DXF files to fuse, in the order chosen.
  std::vector<std::string> DxfFileList;

  // Clears the state flags, as the main window does when it is built.
  void ClearFlags();
};

}  // namespace zelmaro
