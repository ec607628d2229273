// The altitude table: refused naming it, or at most 254 altitudes (code 255 is the
// background), its warnings naming it, and a table written back reads the same.
#include "FuzzSupport.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  ClearFolder();
  const std::string path = FileIn("table.txt");
  WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
  zelmaro::AltitudeTableContent table;
  try {
    table = zelmaro::ReadAltitudeTable(path);
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {path});
    return 0;
  }
  Require(!table.altitudes.empty() && table.altitudes.size() <= 254,
          "a table gives the altitudes of codes 1 to 254 at most");
  Require(table.warnings.size() <= 2, "a table warns once about each problem");
  for (const std::string& warning : table.warnings) {
    if (warning.find(path) == std::string::npos) Broken("a warning names the table: " + warning);
  }
  zelmaro::AltitudeTableArray array{};
  for (std::size_t k = 0; k < table.altitudes.size(); ++k) array[k + 1] = table.altitudes[k];
  const std::string copy = FileIn("copy.txt");
  WriteFile(copy, zelmaro::AltitudeTableText(array, static_cast<int>(table.altitudes.size())));
  const zelmaro::AltitudeTableContent again = zelmaro::ReadAltitudeTable(copy);
  Require(again.altitudes == table.altitudes && again.warnings.empty(),
          "a table written by the program reads back the same, without a warning");
  return 0;
}
