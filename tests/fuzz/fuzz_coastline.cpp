// The coastline fusion of a fuzzed contour file and a fuzzed coastline file.
#include "FuzzSupport.h"
#include "vector/DxfFusion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  const auto [contours, coastline, zonePixelSize] = WriteTwoFiles(data, size, "cn.dxf", "ha.dxf");
  std::string fused;
  try {
    fused = zelmaro::FuseCoastline(contours, coastline, FileIn("bay"));
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {contours, coastline});
    Require(FilesInFolder() == "cn.dxf ha.dxf", "a refused fusion writes nothing");
    return 0;
  }
  Require(fused == FileIn("bay_cnha.dxf"), "the fusion writes the name given with _cnha.dxf");
  Require(FilesInFolder() == "bay_cnha.dxf cn.dxf ha.dxf", "the fusion writes its one file");
  Require(HeaderLines(ReadFile(fused))[11] == "0", "the coastline fusion's header has ZMin 0");
  CheckFusedFile(fused, zonePixelSize);
  return 0;
}
