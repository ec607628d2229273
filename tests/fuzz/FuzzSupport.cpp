#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/SessionState.h"
#include "vector/DxfFusion.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro::fuzz {
namespace {

namespace fs = std::filesystem;

// A zone of more cells than this is within what the program accepts, but each input
// would cost a second of the fuzzer's time for nothing the smaller zones do not reach.
constexpr double kMostFuzzedZoneCells = 4'000'000.0;

std::string MakeFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/zelmaro-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) Broken("a temporary folder can be made");
  return pattern;
}

// Removed with its content when the process ends normally.
struct OwnFolder {
  std::string path = MakeFolder();
  ~OwnFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

void CheckZone(SessionState& session, const VectorSceneFrame& frame, std::int32_t pixelSize) {
  const ZoneParameters zone{pixelSize, frame.XMin, frame.YMin, frame.XMax, frame.YMax};
  const double lines = std::trunc((frame.YMax - frame.YMin) / pixelSize + 0.5);
  const double columns = std::trunc((frame.XMax - frame.XMin) / pixelSize + 0.5);
  if (pixelSize > 0 && (lines + 10) * (columns + 10) > kMostFuzzedZoneCells) return;
  const ByteGrid before = session.ContourImage;
  ZoneSelection selection;
  try {
    selection = SelectZone(session, zone);
  } catch (const Error&) {
    Require(session.ContourImage == before, "a refused zone leaves the working image as it was");
    return;
  }
  Require(pixelSize > 0, "a zone has a pixel size above 0");
  Require(selection.Lines == lines && selection.Columns == columns,
          "the zone has the size that its frame and pixel size state");
  const ByteGrid& image = session.ContourImage;
  Require(image.Lines() == selection.Lines && image.Columns() == selection.Columns &&
              session.WorkLines == selection.Lines && session.WorkColumns == selection.Columns,
          "the working image has the size of the zone");
  Require(session.ComeBackImage == image, "Come Back starts from the zone as drawn");
  for (std::uint8_t code : image.Cells()) {
    Require(code == kBackgroundCode || (code >= 1 && code <= session.AltitudeCount),
            "a zone holds the codes of its table and the background only");
  }
}

// The header block's lines, the extent values left out.
constexpr const char* kHeaderBlock[27] = {
    "  0",   "SECTION", "  2",   "HEADER", "  9",     "$EXTMIN", " 10",   nullptr,    " 20",
    nullptr, " 30",     nullptr, "  9",    "$EXTMAX", " 10",     nullptr, " 20",      nullptr,
    " 30",   nullptr,   "  0",   "ENDSEC", "  0",     "SECTION", "  2",   "ENTITIES", "  0"};

std::size_t HeaderEnd(const std::string& text) {
  std::size_t position = 0;
  for (int line = 0; line < 27; ++line) {
    position = text.find("\r\n", position);
    Require(position != std::string::npos, "a fused file starts with its header block");
    position += 2;
  }
  return position;
}

// The words of the entities, as every reader of the program splits them: the copies
// of the two fusions lay the same records out with different blanks.
std::vector<std::string> EntityWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = HeaderEnd(text); i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

// Coordinates are rounded half up as trunc(x + 0.5), as the fusions always did: a
// negative whole coordinate moves one unit toward 0 at every fusion (-7 becomes -6).
bool IsNegativeOneUnitCloser(const std::string& before, const std::string& after) {
  char* end = nullptr;
  const long long value = std::strtoll(before.c_str(), &end, 10);
  return *end == '\0' && value < 0 && after == std::to_string(value + 1);
}

}  // namespace

const std::string& Folder() {
  static const OwnFolder folder;
  return folder.path;
}

std::string FileIn(const std::string& name) {
  return Folder() + "/" + name;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(file), "the fuzzer's own file can be written");
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) Broken("a file the program wrote can be read: " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string FilesInFolder() {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(Folder())) {
    names.insert(entry.path().filename().string());
  }
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

void ClearFolder() {
  for (const fs::directory_entry& entry : fs::directory_iterator(Folder())) {
    fs::remove_all(entry.path());
  }
}

TwoFiles WriteTwoFiles(const std::uint8_t* data, std::size_t size, const std::string& firstName,
                       const std::string& secondName) {
  FuzzedDataProvider input(data, size);
  TwoFiles files;
  files.zonePixelSize = input.ConsumeIntegralInRange<std::int32_t>(1, 300);
  files.first = FileIn(firstName);
  files.second = FileIn(secondName);
  ClearFolder();
  WriteFile(files.first, input.ConsumeRandomLengthString(size));
  WriteFile(files.second, input.ConsumeRemainingBytesAsString());
  return files;
}

void Broken(const std::string& promise) {
  std::fprintf(stderr, "Broken promise: %s\n", promise.c_str());
  std::abort();
}

void Require(bool holds, const char* promise) {
  if (!holds) Broken(promise);
}

void RequireNamesFile(const Error& error, const std::vector<std::string>& paths) {
  const std::string message = error.what();
  for (const std::string& path : paths) {
    if (message.find(path) != std::string::npos) return;
  }
  Broken("a refusal names the file it refuses: \"" + message + "\"");
}

void CheckVectorRoad(const std::string& path, std::int32_t zonePixelSize) {
  SessionState session;
  VectorSceneFrame frame;
  try {
    frame = RasterizeVectorScene(session, path);
  } catch (const Error& error) {
    RequireNamesFile(error, {path});
    Require(session.VectorImageAllocated == 0 && session.InputPath.empty(),
            "a refused scene leaves the session as it was");
    return;
  }
  Require(frame.Lines >= 1 && frame.Columns >= 1, "a scene has a line and a column at least");
  const ByteGrid& preview = session.VectorImage;
  Require(preview.Lines() == frame.Lines && preview.Columns() == frame.Columns &&
              session.VectorLines == frame.Lines && session.VectorColumns == frame.Columns,
          "the preview has the size of the scene");
  for (std::uint8_t cell : preview.Cells()) {
    Require(cell == 0 || cell == kBackgroundCode, "a preview holds lines (0) and background");
  }
  Require(session.AltitudeCount >= 0 && session.AltitudeCount < kBackgroundCode,
          "a scene's table leaves code 255 to the background");
  for (int code = 2; code <= session.AltitudeCount; ++code) {
    Require(session.AltitudeTable[code] > session.AltitudeTable[code - 1],
            "a scene's levels rise with their codes");
  }
  CheckZone(session, frame, frame.ScenePixelSize);
  CheckZone(session, frame, zonePixelSize);
}

std::vector<std::string> HeaderLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::size_t end = HeaderEnd(text);
  while (start < end) {
    const std::size_t lineEnd = text.find("\r\n", start);
    lines.push_back(text.substr(start, lineEnd - start));
    start = lineEnd + 2;
  }
  return lines;
}

void CheckFusedFile(const std::string& path, std::int32_t zonePixelSize) {
  const std::string text = ReadFile(path);
  const std::vector<std::string> header = HeaderLines(text);
  for (std::size_t line = 0; line < header.size(); ++line) {
    if (kHeaderBlock[line] != nullptr) {
      Require(header[line] == kHeaderBlock[line], "a fused file starts with the header block");
    }
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n')
      Require(i > 0 && text[i - 1] == '\r', "a fused file breaks lines by CR LF");
    if (text[i] == '\r') Require(i + 1 < text.size() && text[i + 1] == '\n', "no lone CR");
  }
  Require(text.size() >= 5 && text.compare(text.size() - 5, 5, "EOF\r\n") == 0,
          "a fused file ends with EOF");
  const std::vector<std::string> entities = EntityWords(text);
  std::string again;
  try {
    again = FuseDxfFiles({path}, FileIn("again"));
  } catch (const Error& error) {
    Broken(std::string("a fused file fuses again: ") + error.what());
  }
  const std::vector<std::string> copied = EntityWords(ReadFile(again));
  Require(copied.size() == entities.size(), "fused again alone, a fused file keeps its records");
  for (std::size_t i = 0; i < copied.size(); ++i) {
    Require(copied[i] == entities[i] || IsNegativeOneUnitCloser(entities[i], copied[i]),
            "fused again alone, a fused file keeps its entities as they are");
  }
  fs::remove(again);
  CheckVectorRoad(path, zonePixelSize);
}

}  // namespace zelmaro::fuzz
