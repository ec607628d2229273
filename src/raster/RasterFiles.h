#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Grid.h"
#include "core/SessionState.h"

namespace zelmaro {

struct ImageSize {
  std::int32_t lines = 0;
  std::int32_t columns = 0;
  bool operator==(const ImageSize&) const = default;
};

// The size file of a raw image: its name with the extension replaced by ".txt".
std::string SizeFileNameFor(const std::string& rawPath);

// Lines and columns from the first two integers of a size file; whatever follows is
// ignored, so the longer descriptive files read too. Nothing when the file does not
// exist; Error when it does not start with two positive integers.
std::optional<ImageSize> ReadSizeFile(const std::string& path);
// Writes "lines\ncolumns\n".
void WriteSizeFile(const std::string& path, const ImageSize& size);

// Reads up to lines x columns bytes, line after line; cells beyond the end of a short
// file stay 0.
ByteGrid ReadRawImage(const std::string& path, const ImageSize& size);
// What the user should know about a raw image whose length is not lines x columns:
// how many bytes were missing (their cells are 0) or left over (not read). Empty when
// the length is right.
std::string RawImageLengthNote(const std::string& path, const ImageSize& size);

// The altitudes of a gray-tone table: the k-th pair of integers gives the altitude of
// code k (its first number is not interpreted). A final line break, or blank lines at
// the end, make no difference. Code 255 is the background of every image, so pairs
// beyond the 254th are not used. Warnings tell the user about those, and about the
// first pair whose gray tone is not its position (the table is read by position: a
// table in another order gives the altitudes to other codes).
struct AltitudeTableContent {
  std::vector<std::int32_t> altitudes;  // of codes 1, 2, ...; at most 254
  std::vector<std::string> warnings;
};
AltitudeTableContent ReadAltitudeTable(const std::string& path);

// What the user answered during a Raster command.
struct RasterLoadAnswers {
  std::string rawPath;
  std::string sizePath;                  // empty: the size file beside the raw file
  std::optional<ImageSize> typedSize;    // the size dialog's answer when there is no size file
  std::optional<std::string> tablePath;  // nothing: the table dialog was cancelled
};

// The load in stages, each of which changes the session only once all it needs was
// read. Commit... sets the image and its names; the table goes in separately so that
// a cancelled table dialog keeps the picture.
struct RasterImageData {
  std::string rawPath;
  ImageSize size;
  ByteGrid codes;
};
RasterImageData ReadRasterImage(const RasterLoadAnswers& answers);
void CommitRasterImage(SessionState& session, RasterImageData&& image);
void CommitAltitudeTable(SessionState& session, const std::vector<std::int32_t>& altitudes);
// The end of a complete load: the working size, the Come Back snapshot and the flags.
void FinishRasterLoad(SessionState& session);

// The whole load at once, as the batch tool runs it. Returns true when a table was
// loaded; the table's warnings go to `warnings` when given. Nothing in the session
// changes when any file fails.
bool LoadRaster(SessionState& session, const RasterLoadAnswers& answers,
                std::vector<std::string>* warnings = nullptr);

// A raw DEM of 4-byte little-endian integers; the file must hold exactly every cell:
// a DEM of another length was written for another size.
IntGrid ReadRawDem(const std::string& path, const ImageSize& size);

}  // namespace zelmaro
