// The DXF road: a fuzzed file through the Vectorial command, then the whole scene as a
// zone at the scene's pixel size and at a fuzzed one.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  FuzzedDataProvider input(data, size);
  const auto zonePixelSize = input.ConsumeIntegralInRange<std::int32_t>(-1, 300);
  ClearFolder();
  const std::string path = FileIn("scene.dxf");
  WriteFile(path, input.ConsumeRemainingBytesAsString());
  CheckVectorRoad(path, zonePixelSize);
  Require(FilesInFolder() == "scene.dxf", "the DXF road writes no file");
  return 0;
}
