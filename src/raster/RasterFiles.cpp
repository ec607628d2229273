#include "raster/RasterFiles.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"

namespace zelmaro {
namespace {

// Largest image accepted: beyond it cell indices leave the 32-bit range.
constexpr std::int64_t kMaxCells = std::numeric_limits<std::int32_t>::max();

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Whitespace-separated words of a text, each with the line it stands on.
struct Word {
  std::string_view text;
  int line;
};

std::vector<Word> SplitWords(std::string_view text) {
  std::vector<Word> words;
  int line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      if (text[i] == '\n') ++line;
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    words.push_back({text.substr(start, i - start), line});
  }
  return words;
}

void CheckSize(const ImageSize& size, const std::string& where) {
  if (size.lines <= 0 || size.columns <= 0) {
    throw Error(where + ": the image size " + std::to_string(size.lines) + " lines x " +
                std::to_string(size.columns) + " columns is impossible; both must be above 0.");
  }
  if (static_cast<std::int64_t>(size.lines) * size.columns > kMaxCells) {
    throw Error(where + ": the image size " + std::to_string(size.lines) + " lines x " +
                std::to_string(size.columns) + " columns is too large.");
  }
}

// The warning about the pairs whose gray tone is not their position, the first one
// described in full.
std::string OutOfOrderWarning(const std::string& first, int count) {
  if (count == 1) return first + ".";
  const std::string more =
      count == 2 ? "1 more pair stands" : std::to_string(count - 1) + " more pairs stand";
  return first + " (" + more + " out of order).";
}

}  // namespace

std::string SizeFileNameFor(const std::string& rawPath) {
  return ReplaceExtension(rawPath, ".txt");
}

std::optional<ImageSize> ReadSizeFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string text = ReadWholeFile(path);
  const std::vector<Word> words = SplitWords(text);
  ImageSize size;
  // The size is the two leading integers; a descriptive file goes on after them.
  if (words.size() < 2 || !ParseInteger(words[0].text, size.lines) ||
      !ParseInteger(words[1].text, size.columns)) {
    throw Error("The size file " + path +
                " does not start with two integers (lines, then columns).");
  }
  CheckSize(size, "The size file " + path);
  return size;
}

void WriteSizeFile(const std::string& path, const ImageSize& size) {
  WriteFileAtomically(
      path, WithCrLf(std::to_string(size.lines) + "\n" + std::to_string(size.columns) + "\n"));
}

ByteGrid ReadRawImage(const std::string& path, const ImageSize& size) {
  CheckSize(size, "The raw image " + path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    throw Error("Cannot open the raw image " + path + ": " + std::strerror(errno) + ".");
  }
  ByteGrid codes = AllocByteGrid(size.columns, size.lines);
  for (int line = 0; line < size.lines; ++line) {
    if (std::fread(codes[line], 1, static_cast<std::size_t>(size.columns), file) <
        static_cast<std::size_t>(size.columns)) {
      break;
    }
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw Error("Cannot read the raw image " + path + ".");
  return codes;
}

std::string RawImageLengthNote(const std::string& path, const ImageSize& size) {
  std::error_code error;
  const std::uintmax_t length = std::filesystem::file_size(path, error);
  const std::uint64_t expected = static_cast<std::uint64_t>(size.lines) * size.columns;
  if (error || length == expected) return {};
  const std::string held = "The raw image " + path + " holds " + FormatThousands(length) +
                           " bytes for " + std::to_string(size.lines) + " lines x " +
                           std::to_string(size.columns) + " columns: ";
  if (length < expected) {
    return held + FormatThousands(expected - length) +
           " bytes were missing, and their cells are 0.";
  }
  return held + FormatThousands(length - expected) + " bytes were left over, and not read.";
}

AltitudeTableContent ReadAltitudeTable(const std::string& path) {
  const std::string text = ReadWholeFile(path);
  const std::vector<Word> words = SplitWords(text);
  if (words.empty()) {
    throw Error("The altitude table " + path +
                " is empty: it needs one line per gray tone, holding the gray tone and its "
                "altitude.");
  }
  AltitudeTableContent table;
  std::vector<int> lines;  // the line of each pair
  int misplaced = 0;
  std::string firstMisplaced;
  std::size_t i = 0;
  while (i < words.size()) {
    const int line = words[i].line;
    std::size_t end = i;
    while (end < words.size() && words[end].line == line) ++end;
    std::int32_t code = 0;
    std::int32_t altitude = 0;
    if (end - i != 2 || !ParseInteger(words[i].text, code) ||
        !ParseInteger(words[i + 1].text, altitude)) {
      throw Error("The altitude table " + path + ", line " + std::to_string(line) +
                  ": expected two integers, a gray tone and its altitude.");
    }
    table.altitudes.push_back(altitude);
    lines.push_back(line);
    const auto position = static_cast<std::int32_t>(table.altitudes.size());
    if (code != position && position < kBackgroundCode && misplaced++ == 0) {
      firstMisplaced = "The altitude table " + path + ", line " + std::to_string(line) +
                       ": the pair (" + std::to_string(code) + ", " + std::to_string(altitude) +
                       ") is pair number " + std::to_string(position) +
                       ", so its altitude goes to gray tone " + std::to_string(position) +
                       ", not " + std::to_string(code) +
                       ": the pairs give the altitudes of gray tones 1, 2, 3, ... in their order";
    }
    i = end;
  }
  if (table.altitudes.size() > static_cast<std::size_t>(kAltitudeTableSize - 1)) {
    throw Error("The altitude table " + path + " holds " + std::to_string(table.altitudes.size()) +
                " gray tones; at most " + std::to_string(kAltitudeTableSize - 1) + " fit.");
  }
  if (misplaced > 0) {
    table.warnings.push_back(OutOfOrderWarning(firstMisplaced, misplaced));
  }
  constexpr std::size_t kMostCodes = kBackgroundCode - 1;
  if (table.altitudes.size() > kMostCodes) {
    table.warnings.push_back(
        "The altitude table " + path + " holds " + std::to_string(table.altitudes.size()) +
        " pairs, but gray tone 255 is the background of the image: only the first " +
        std::to_string(kMostCodes) + " are used, the pairs from line " +
        std::to_string(lines[kMostCodes]) + " on are ignored.");
    table.altitudes.resize(kMostCodes);
  }
  return table;
}

RasterImageData ReadRasterImage(const RasterLoadAnswers& answers) {
  const std::string sizePath =
      answers.sizePath.empty() ? SizeFileNameFor(answers.rawPath) : answers.sizePath;
  std::optional<ImageSize> size = ReadSizeFile(sizePath);
  const bool typed = !size.has_value();
  if (typed) {
    if (!answers.typedSize) {
      throw Error("The raw image " + answers.rawPath + " has no size file " + sizePath + ".");
    }
    CheckSize(*answers.typedSize, "The size typed for " + answers.rawPath);
    size = answers.typedSize;
  }
  RasterImageData image{answers.rawPath, *size, ReadRawImage(answers.rawPath, *size)};
  // The typed size is kept beside the image, so that the next load finds it.
  if (typed) WriteSizeFile(sizePath, *size);
  return image;
}

void CommitRasterImage(SessionState& session, RasterImageData&& image) {
  ByteGrid snapshot = image.codes;
  session.InputFileName = image.rawPath;
  session.InputPath = image.rawPath;
  session.CaptionPath = image.rawPath;
  session.InputDirectory = FolderOf(image.rawPath);
  session.SizeFileName = SizeFileNameFor(image.rawPath);
  session.GeoReferenced = 0;
  session.CrsWkt.clear();
  session.ImageLines = image.size.lines;
  session.ImageColumns = image.size.columns;
  // The working size always follows the image, so that no command addresses the new
  // image with the size of the previous one.
  session.WorkLines = image.size.lines;
  session.WorkColumns = image.size.columns;
  session.ContourGridLines = image.size.lines;
  session.ContourGridColumns = image.size.columns;
  session.ContourImage = std::move(image.codes);
  session.ComeBackImage = std::move(snapshot);
}

void CommitAltitudeTable(SessionState& session, const std::vector<std::int32_t>& altitudes) {
  session.AltitudeCount = static_cast<std::int32_t>(altitudes.size());
  for (std::size_t k = 0; k < altitudes.size(); ++k) session.AltitudeTable[k + 1] = altitudes[k];
}

void FinishRasterLoad(SessionState& session) {
  session.WorkLines = session.ContourImage.Lines();
  session.WorkColumns = session.ContourImage.Columns();
  session.ComeBackImage = session.ContourImage;
  session.RasterSession = 1;
  session.EditableImage = 1;
}

bool LoadRaster(SessionState& session, const RasterLoadAnswers& answers,
                std::vector<std::string>* warnings) {
  RasterImageData image = ReadRasterImage(answers);
  AltitudeTableContent table;
  if (answers.tablePath) table = ReadAltitudeTable(*answers.tablePath);
  CommitRasterImage(session, std::move(image));
  if (!answers.tablePath) return false;
  if (warnings != nullptr) {
    warnings->insert(warnings->end(), table.warnings.begin(), table.warnings.end());
  }
  CommitAltitudeTable(session, table.altitudes);
  session.AltitudeTableName = *answers.tablePath;
  FinishRasterLoad(session);
  return true;
}

IntGrid ReadRawDem(const std::string& path, const ImageSize& size) {
  CheckSize(size, "The DEM " + path);
  std::error_code error;
  const std::uintmax_t length = std::filesystem::file_size(path, error);
  if (error) throw Error("Cannot open the DEM " + path + ": " + error.message() + ".");
  const std::uint64_t expected = static_cast<std::uint64_t>(size.lines) * size.columns * 4;
  if (length != expected) {
    throw Error("The DEM " + path + " holds " + FormatThousands(length) + " bytes; " +
                std::to_string(size.lines) + " lines x " + std::to_string(size.columns) +
                " columns of 4-byte integers need exactly " + FormatThousands(expected) +
                ": the file was not written for this size.");
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    throw Error("Cannot open the DEM " + path + ": " + std::strerror(errno) + ".");
  }
  IntGrid dem = AllocIntGrid(size.columns, size.lines);
  const bool read = std::fread(dem.Data(), 4, dem.CellCount(), file) == dem.CellCount();
  std::fclose(file);
  if (!read) throw Error("Cannot read the DEM " + path + ".");
  if constexpr (std::endian::native == std::endian::big) {
    for (std::int32_t& cell : dem.Cells()) {
      const auto value = static_cast<std::uint32_t>(cell);
      cell = static_cast<std::int32_t>((value >> 24) | ((value >> 8) & 0xFF00) |
                                       ((value << 8) & 0xFF0000) | (value << 24));
    }
  }
  return dem;
}

}  // namespace zelmaro
