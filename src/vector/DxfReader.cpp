#include "vector/DxfReader.h"

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"

namespace zelmaro {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr std::string_view kBinaryDxfSignature = "AutoCAD Binary DXF";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsDxfBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsDxfBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

DxfReader DxfReader::Open(const std::string& path) {
  std::string content = ReadWholeFile(path);
  if (content.compare(0, kBinaryDxfSignature.size(), kBinaryDxfSignature) == 0) {
    throw Error("The DXF file " + path +
                " is a binary DXF; save it as a text (ASCII) DXF and open that.");
  }
  DxfReader reader(path, std::move(content));
  reader.SkipBlanks();
  if (reader.position_ == reader.content_.size()) {
    throw Error("The DXF file " + path + " is empty.");
  }
  reader.Rewind();
  return reader;
}

DxfReader::DxfReader(std::string path, std::string content)
    : path_(std::move(path)), content_(std::move(content)) {}

void DxfReader::SkipBlanks() {
  while (position_ < content_.size() && IsDxfBlank(content_[position_])) ++position_;
}

std::optional<std::string_view> DxfReader::NextToken() {
  SkipBlanks();
  const std::size_t start = position_;
  while (position_ < content_.size() && !IsDxfBlank(content_[position_])) ++position_;
  if (position_ == start) return std::nullopt;
  return std::string_view(content_).substr(start, position_ - start);
}

bool DxfReader::ReadInteger(std::int32_t& value) {
  SkipBlanks();
  std::size_t i = position_;
  if (i < content_.size() && (content_[i] == '+' || content_[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  while (i < content_.size() && IsDigit(content_[i])) ++i;
  if (i == digitsStart) return false;
  value = ReadLeadingInteger(std::string_view(content_).substr(position_, i - position_));
  position_ = i;
  return true;
}

bool DxfReader::ReadReal(double& value) {
  SkipBlanks();
  const std::string_view rest = std::string_view(content_).substr(position_);
  const std::size_t length = LeadingRealLength(rest);
  if (length == 0) return false;
  value = ReadLeadingReal(rest.substr(0, length));
  position_ += length;
  return true;
}

HeaderPoint DxfReader::ReadHeaderExtents() {
  HeaderPoint point;
  std::int32_t code = 0;
  // A value that is not a number ends the reading too: the next code could never be
  // read past it.
  while (ReadInteger(code)) {
    std::optional<double>* target = code == 10   ? &point.X
                                    : code == 20 ? &point.Y
                                    : code == 30 ? &point.Z
                                                 : nullptr;
    if (target == nullptr) break;
    double value = 0.0;
    if (!ReadReal(value)) break;
    *target = value;
  }
  return point;
}

std::optional<DxfVertex> DxfReader::ReadVertex(int skip) {
  for (int i = 0; i < skip; ++i) {
    if (!NextToken()) return std::nullopt;
  }
  DxfVertex vertex;
  std::int32_t code = 0;
  for (double* coordinate : {&vertex.X, &vertex.Y, &vertex.Z}) {
    if (!ReadInteger(code) || !ReadReal(*coordinate)) return std::nullopt;
  }
  ReadInteger(code);
  return vertex;
}

std::optional<std::string_view> DxfReader::NextLine() {
  if (position_ >= content_.size()) return std::nullopt;
  const std::size_t end = content_.find('\n', position_);
  const std::size_t stop = end == std::string::npos ? content_.size() : end;
  const std::string_view line = std::string_view(content_).substr(position_, stop - position_);
  position_ = end == std::string::npos ? content_.size() : end + 1;
  return Trimmed(line);
}

DxfLwPolyline DxfReader::ReadLwPolyline() {
  DxfLwPolyline polyline;
  NextLine();  // the rest of the line that holds the entity name
  bool pointHasY = true;
  while (true) {
    const std::size_t codeStart = position_;
    const std::optional<std::string_view> codeLine = NextLine();
    std::int32_t code = 0;
    if (!codeLine || !ParseInteger(*codeLine, code)) {
      position_ = codeStart;
      break;
    }
    if (code == 0) break;
    const std::optional<std::string_view> valueLine = NextLine();
    if (!valueLine) break;
    double value = 0.0;
    const bool isReal = ParseReal(*valueLine, value);
    if (code == 10 && isReal) {
      if (!pointHasY) polyline.points.pop_back();
      polyline.points.push_back({value, 0.0});
      pointHasY = false;
    } else if (code == 20 && isReal && !pointHasY) {
      polyline.points.back().Y = value;
      pointHasY = true;
    } else if (code == 8) {
      polyline.layer = std::string(*valueLine);
    } else if (code == 38 && isReal) {
      polyline.elevation = value;
    } else if (code == 70) {
      polyline.closed = (ReadLeadingInteger(*valueLine) & 1) != 0;
    }
  }
  if (!pointHasY) polyline.points.pop_back();
  return polyline;
}

std::vector<DxfLwPolyline::Point> TracedPoints(const DxfLwPolyline& polyline) {
  std::vector<DxfLwPolyline::Point> points = polyline.points;
  if (polyline.closed && points.size() > 1) {
    const DxfLwPolyline::Point start = points.front();
    if (start.X != points.back().X || start.Y != points.back().Y) points.push_back(start);
  }
  return points;
}

int CountVertexSkip(DxfReader& reader) {
  constexpr int kMostSkipped = 6;
  reader.Rewind();
  int count = 0;
  bool found = false;
  while (!found) {
    const std::optional<std::string_view> token = reader.NextToken();
    if (!token) break;
    if (*token != kDxfVertex) continue;
    count = 0;
    while (count < kMostSkipped) {
      const std::optional<std::string_view> word = reader.NextToken();
      if (!word) break;
      if (ReadLeadingInteger(*word) == 10) {
        found = true;
        break;
      }
      ++count;
    }
  }
  reader.Rewind();
  return count;
}

int CountVertexSkip(const std::string& path) {
  DxfReader reader = DxfReader::Open(path);
  return CountVertexSkip(reader);
}

}  // namespace zelmaro
