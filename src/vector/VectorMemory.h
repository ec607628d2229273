#pragma once

#include <cstdint>

#include <cmath>

#include <string>
#include <vector>

#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "core/ZoneParameters.h"
#include "vector/VectorScene.h"

namespace zelmaro {

// The memory of the vector road. A DXF file is read whole and its polylines kept: 3
// bytes per byte of the file (37 MB of sheets took 63 MB for the scene and 97 MB for a
// zone). The scene preview draws at most kMostPreviewCells cells of 8-byte altitudes and
// a byte of picture each. A zone holds its image with the Come Back copy and writes
// its raw file from a byte per cell. The fusions hold their inputs and build the result
// before writing it with CR LF line breaks: 4.1 bytes per input byte measured, 5 kept.
// Change them with the readers and writers.
inline constexpr std::uint64_t kDxfBytesPerFileByte = 3;
inline constexpr std::uint64_t kPreviewBytesPerCell = 9;
inline constexpr std::uint64_t kZoneBytesPerCell = 3;
inline constexpr std::uint64_t kFusionBytesPerInputByte = 5;

inline std::uint64_t VectorSceneMemoryBytes(std::uint64_t fileBytes) {
  return AddBytes(CellBytes(static_cast<std::int64_t>(fileBytes), 1, kDxfBytesPerFileByte),
                  static_cast<std::uint64_t>(kMostPreviewCells) * kPreviewBytesPerCell);
}
inline std::uint64_t ZoneMemoryBytes(std::uint64_t fileBytes, std::int64_t lines,
                                     std::int64_t columns) {
  return AddBytes(CellBytes(static_cast<std::int64_t>(fileBytes), 1, kDxfBytesPerFileByte),
                  CellBytes(lines, columns, kZoneBytesPerCell));
}
// The lines and columns of a zone, counted as the zone selection counts them; 0 for a
// zone it would refuse anyway.
struct ZoneGridSize {
  std::int64_t Lines = 0;
  std::int64_t Columns = 0;
};
inline ZoneGridSize ZoneGridSizeOf(const ZoneParameters& zone) {
  const auto count = [&zone](double extent) -> std::int64_t {
    const double cells = std::trunc(extent / zone.ZonePixelSize + 0.5);
    return zone.ZonePixelSize > 0 && cells >= 1 && cells < 1e12 ? static_cast<std::int64_t>(cells)
                                                                : 0;
  };
  return {count(zone.ZoneYMax - zone.ZoneYMin), count(zone.ZoneXMax - zone.ZoneXMin)};
}

inline std::uint64_t FusionMemoryBytes(std::uint64_t inputBytes) {
  return CellBytes(static_cast<std::int64_t>(inputBytes), 1, kFusionBytesPerInputByte);
}
// The need of a fusion of these files, named by their number and length.
inline MemoryNeed FusionMemoryNeed(const std::string& command,
                                   const std::vector<std::string>& inputs) {
  std::uint64_t inputBytes = 0;
  for (const std::string& input : inputs) inputBytes = AddBytes(inputBytes, FileByteCount(input));
  return {command,
          std::to_string(inputs.size()) + " files of " + FormatThousands(inputBytes) + " bytes",
          FusionMemoryBytes(inputBytes)};
}

}  // namespace zelmaro
