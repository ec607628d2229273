// The raw image reader at a fuzzed size: an impossible size is refused naming the
// file; otherwise the image has that size and holds the file's bytes line after line,
// 0 where a short file ends.
#include "FuzzSupport.h"
#include "RawInput.h"
#include "raster/RasterFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmaro::fuzz;
  const auto [imageSize, bytes, path] = WriteRawInput(data, size, "map.raw");
  zelmaro::ByteGrid image;
  try {
    image = zelmaro::ReadRawImage(path, imageSize);
  } catch (const zelmaro::Error& error) {
    RequireNamesFile(error, {path});
    Require(imageSize.lines <= 0 || imageSize.columns <= 0 ||
                std::int64_t{imageSize.lines} * imageSize.columns > 2147483647,
            "a raw image is refused only for an impossible size");
    return 0;
  }
  Require(image.Lines() == imageSize.lines && image.Columns() == imageSize.columns,
          "the image has the size given");
  const std::vector<std::uint8_t>& cells = image.Cells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::uint8_t expected = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
    Require(cells[i] == expected, "the image holds the bytes of the file, 0 beyond its end");
  }
  return 0;
}
