// The fusion of two fuzzed DXF sheets: refused naming a sheet with nothing written, or
// one file that fuses again unchanged and goes through the DXF road.
#include "FuzzSupport.h"
#include "vector/DxfFusion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  const auto [first, second, zonePixelSize] = WriteTwoFiles(data, size, "a.dxf", "b.dxf");
  std::string fused;
  try {
    fused = zelmaro::FuseDxfFiles({first, second}, FileIn("fused"));
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {first, second});
    Require(FilesInFolder() == "a.dxf b.dxf", "a refused fusion writes nothing");
    return 0;
  }
  Require(fused == FileIn("fused.dxf"), "the fusion writes the name given with .dxf");
  Require(FilesInFolder() == "a.dxf b.dxf fused.dxf", "the fusion writes its one file");
  CheckFusedFile(fused, zonePixelSize);
  return 0;
}
