#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmaro {

// The words the DXF readers act on. Anything else in a file is passed over.
inline constexpr std::string_view kDxfSection = "SECTION";
inline constexpr std::string_view kDxfEndSection = "ENDSEC";
inline constexpr std::string_view kDxfHeader = "HEADER";
inline constexpr std::string_view kDxfTables = "TABLES";
inline constexpr std::string_view kDxfExtMin = "$EXTMIN";
inline constexpr std::string_view kDxfExtMax = "$EXTMAX";
inline constexpr std::string_view kDxfPolyline = "POLYLINE";
inline constexpr std::string_view kDxfVertex = "VERTEX";
inline constexpr std::string_view kDxfSeqEnd = "SEQEND";
inline constexpr std::string_view kDxfLwPolyline = "LWPOLYLINE";
// The only layer the coastline fusion takes from a coastline file.
inline constexpr std::string_view kCoastlineLayer = "HA_6292";

// The characters that separate the words of a DXF file, as a formatted stream reads
// them: blank, tab, line feed, vertical tab, form feed and carriage return.
inline bool IsDxfBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The values read after "$EXTMIN" or "$EXTMAX"; a code that is absent stays empty.
// Z is always read as a real: writers put "250.0" there, which an integer read would
// never get past.
struct HeaderPoint {
  std::optional<double> X;
  std::optional<double> Y;
  std::optional<double> Z;

  // Takes the values a later reading holds; the others stay.
  void Merge(const HeaderPoint& read) {
    if (read.X) X = read.X;
    if (read.Y) Y = read.Y;
    if (read.Z) Z = read.Z;
  }
};

struct DxfVertex {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

// A lightweight polyline: its points share the elevation of group 38.
struct DxfLwPolyline {
  struct Point {
    double X = 0.0;
    double Y = 0.0;
  };
  std::vector<Point> points;
  std::string layer;  // group 8, as written (it may hold blanks)
  double elevation = 0.0;
  bool closed = false;
};

// The points a lightweight polyline passes through in order: a closed one comes back
// to its first point, as the same line written with VERTEX records repeats it.
std::vector<DxfLwPolyline::Point> TracedPoints(const DxfLwPolyline& polyline);

// A text DXF file read as a stream of blank-separated words, the way every DXF
// consumer of the program reads it: lines carry no meaning, so CR LF and LF files
// read alike. The whole file is held in memory.
class DxfReader {
 public:
  // Throws Error naming the file when it cannot be read, is empty or is a binary DXF.
  static DxfReader Open(const std::string& path);
  DxfReader(std::string path, std::string content);

  const std::string& Path() const { return path_; }
  std::size_t Size() const { return content_.size(); }
  // How far the reading has come, in bytes from the start.
  std::size_t Position() const { return position_; }
  // Back to the start of the file, for a second pass.
  void Rewind() { position_ = 0; }

  // The next word, or nothing at the end of the file. The view lives as long as the
  // reader.
  std::optional<std::string_view> NextToken();
  // An optional sign and decimal digits; reading stops at the first other character,
  // which stays in the stream (10.0 read as an integer leaves .0). False, with nothing
  // consumed but blanks, when no digits stand there.
  bool ReadInteger(std::int32_t& value);
  // A decimal real (sign, digits, optional fraction and exponent); false as above.
  bool ReadReal(double& value);

  // Called right after "$EXTMIN" or "$EXTMAX": pairs of code 10, 20 or 30 and a real,
  // in any order, ended by the first other code, which is consumed. A code that occurs
  // twice keeps its last value.
  HeaderPoint ReadHeaderExtents();
  // Called right after "VERTEX": `skip` words, then code/X, code/Y, code/Z and the next
  // group code. Nothing when the file ends (or a number is missing) before Z was read;
  // the code after Z may be missing at the end of the file.
  std::optional<DxfVertex> ReadVertex(int skip);
  // Called right after "LWPOLYLINE": its groups line by line up to the code 0 of the
  // next entity, whose name is left for the token scan. A point whose Y is missing is
  // dropped.
  DxfLwPolyline ReadLwPolyline();

 private:
  void SkipBlanks();
  std::optional<std::string_view> NextLine();

  std::string path_;
  std::string content_;
  std::size_t position_ = 0;
};

// The number of words between a "VERTEX" and the group code 10 of its X (0 to 6): the
// count of the first vertex that has a 10 within 6 words, 6 when the last vertex found
// had none, 0 without any vertex. A word counts as 10 by its leading digits (10.0 does).
int CountVertexSkip(const std::string& path);
// The same on a file already read; the reader is rewound before and after.
int CountVertexSkip(DxfReader& reader);

}  // namespace zelmaro
