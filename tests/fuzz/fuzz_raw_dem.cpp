// The raw DEM reader at a fuzzed size: refused naming the file, or a DEM of that size
// whose cells are the file's 4-byte little-endian integers.
#include "FuzzSupport.h"
#include "RawInput.h"
#include "raster/RasterFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  const auto [demSize, bytes, path] = WriteRawInput(data, size, "dem_m4.raw");
  zelmaro::IntGrid dem;
  try {
    dem = zelmaro::ReadRawDem(path, demSize);
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {path});
    return 0;
  }
  Require(dem.Lines() == demSize.lines && dem.Columns() == demSize.columns,
          "the DEM has the size given");
  Require(bytes.size() >= 4 * dem.CellCount(), "a DEM is read from a file that holds every cell");
  const auto* byte = reinterpret_cast<const std::uint8_t*>(bytes.data());
  for (std::size_t i = 0; i < dem.CellCount(); ++i, byte += 4) {
    const auto expected =
        static_cast<std::int32_t>(std::uint32_t{byte[0]} | std::uint32_t{byte[1]} << 8 |
                                  std::uint32_t{byte[2]} << 16 | std::uint32_t{byte[3]} << 24);
    Require(dem.Cells()[i] == expected, "each cell is a little-endian 4-byte integer");
  }
  return 0;
}
