// The size file of a raw image: refused naming it, or two sizes above 0 whose image
// fits, which write and read back alike.
#include "FuzzSupport.h"
#include "raster/RasterFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  ClearFolder();
  const std::string path = FileIn("map.txt");
  WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
  std::optional<zelmaro::ImageSize> read;
  try {
    read = zelmaro::ReadSizeFile(path);
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {path});
    return 0;
  }
  Require(read.has_value(), "a size file that exists gives a size or a refusal");
  Require(read->lines > 0 && read->columns > 0, "a size is above 0");
  Require(std::int64_t{read->lines} * read->columns <= 2147483647, "an image of that size fits");
  const std::string copy = FileIn("copy.txt");
  zelmaro::WriteSizeFile(copy, *read);
  Require(ReadFile(copy) ==
              std::to_string(read->lines) + "\r\n" + std::to_string(read->columns) + "\r\n",
          "a size file is written as lines and columns on lines of their own");
  Require(zelmaro::ReadSizeFile(copy) == read, "a written size reads back the same");
  Require(FilesInFolder() == "copy.txt map.txt", "only the size file is written");
  return 0;
}
