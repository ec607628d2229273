#include "SyntheticMaps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace zelmaro::bench {
namespace {

// Samples per side of the grid the lines are traced on: a vertex every 200 m.
constexpr int kSamples = 1201;

struct Hill {
  double u, v, height, width;
};

// A terrain on the unit square. The tilt makes lines that run out of the map, the hills
// closed ones; the steep slopes give narrow gaps between the lines, the gentle ones and
// the plateau wide gaps.
double Terrain(double u, double v) {
  static const Hill kHills[] = {
      {0.25, 0.30, 1.00, 0.06}, {0.70, 0.25, 0.60, 0.15},  {0.55, 0.70, 0.80, 0.03},
      {0.15, 0.80, 0.40, 0.20}, {0.85, 0.75, -0.70, 0.08}, {0.45, 0.45, 0.30, 0.30},
  };
  double height = 0.35 * u + 0.15 * v;
  for (const Hill& hill : kHills) {
    const double du = u - hill.u;
    const double dv = v - hill.v;
    height += hill.height * std::exp(-(du * du + dv * dv) / (2.0 * hill.width * hill.width));
  }
  return std::min(height, 1.05);
}

struct Point {
  double x, y;
};

// The contour lines of one height by marching squares, chained into polylines. A
// crossing is named by the sample edge it lies on: 2 x (sample index) for the edge to
// the right of a sample, + 1 for the edge below it.
class ContourTracer {
 public:
  explicit ContourTracer(const std::vector<double>& heights) : heights_(heights) {}

  std::vector<std::vector<Point>> Trace(double level) {
    level_ = level;
    segments_.clear();
    ends_.clear();
    for (int i = 0; i + 1 < kSamples; ++i) {
      for (int j = 0; j + 1 < kSamples; ++j) AddSquare(i, j);
    }
    return Chain();
  }

 private:
  double Height(int i, int j) const { return heights_[static_cast<std::size_t>(i) * kSamples + j]; }
  bool Above(int i, int j) const { return Height(i, j) >= level_; }
  static std::int64_t Right(int i, int j) {
    return 2 * (static_cast<std::int64_t>(i) * kSamples + j);
  }
  static std::int64_t Down(int i, int j) { return Right(i, j) + 1; }

  Point Crossing(std::int64_t id) const {
    const std::int64_t sample = id / 2;
    const int i = static_cast<int>(sample / kSamples);
    const int j = static_cast<int>(sample % kSamples);
    const int i2 = id % 2 == 0 ? i : i + 1;
    const int j2 = id % 2 == 0 ? j + 1 : j;
    const double a = Height(i, j);
    const double b = Height(i2, j2);
    const double t = std::clamp((level_ - a) / (b - a), 0.0, 1.0);
    const double step = kMapExtent / (kSamples - 1);
    return {(j + t * (j2 - j)) * step, kMapExtent - (i + t * (i2 - i)) * step};
  }

  void Link(std::int64_t a, std::int64_t b) {
    const int index = static_cast<int>(segments_.size());
    segments_.push_back({a, b});
    for (const std::int64_t end : {a, b}) {
      auto& slots = ends_.try_emplace(end, std::array<int, 2>{-1, -1}).first->second;
      slots[slots[0] < 0 ? 0 : 1] = index;
    }
  }

  void AddSquare(int i, int j) {
    const int corners = (Above(i, j) ? 1 : 0) | (Above(i, j + 1) ? 2 : 0) |
                        (Above(i + 1, j + 1) ? 4 : 0) | (Above(i + 1, j) ? 8 : 0);
    const std::int64_t top = Right(i, j);
    const std::int64_t right = Down(i, j + 1);
    const std::int64_t bottom = Right(i + 1, j);
    const std::int64_t left = Down(i, j);
    const bool centreAbove =
        (Height(i, j) + Height(i, j + 1) + Height(i + 1, j) + Height(i + 1, j + 1)) / 4 >= level_;
    switch (corners) {
      case 1:
      case 14:
        Link(left, top);
        break;
      case 2:
      case 13:
        Link(top, right);
        break;
      case 3:
      case 12:
        Link(left, right);
        break;
      case 4:
      case 11:
        Link(right, bottom);
        break;
      case 6:
      case 9:
        Link(top, bottom);
        break;
      case 7:
      case 8:
        Link(left, bottom);
        break;
      case 5:
        if (centreAbove) {
          Link(left, bottom);
          Link(top, right);
        } else {
          Link(left, top);
          Link(right, bottom);
        }
        break;
      case 10:
        if (centreAbove) {
          Link(left, top);
          Link(right, bottom);
        } else {
          Link(left, bottom);
          Link(top, right);
        }
        break;
      default:
        break;
    }
  }

  // Open lines from their ends first, then the closed ones.
  std::vector<std::vector<Point>> Chain() {
    std::vector<bool> used(segments_.size(), false);
    std::vector<std::vector<Point>> lines;
    const auto follow = [&](std::int64_t start, int segment) {
      std::vector<Point> line{Crossing(start)};
      std::int64_t at = start;
      while (segment >= 0 && !used[segment]) {
        used[segment] = true;
        at = segments_[segment][0] == at ? segments_[segment][1] : segments_[segment][0];
        line.push_back(Crossing(at));
        const std::array<int, 2>& slots = ends_[at];
        segment = slots[0] == segment ? slots[1] : slots[0];
      }
      if (line.size() > 1) lines.push_back(std::move(line));
    };
    for (const auto& [end, slots] : ends_) {
      if (slots[1] < 0 && !used[slots[0]]) follow(end, slots[0]);
    }
    for (std::size_t segment = 0; segment < segments_.size(); ++segment) {
      if (!used[segment]) follow(segments_[segment][0], static_cast<int>(segment));
    }
    return lines;
  }

  const std::vector<double>& heights_;
  double level_ = 0.0;
  std::vector<std::array<std::int64_t, 2>> segments_;
  std::unordered_map<std::int64_t, std::array<int, 2>> ends_;
};

}  // namespace

long WriteTerrainDxf(const std::string& path, int levels) {
  std::vector<double> heights(static_cast<std::size_t>(kSamples) * kSamples);
  double lowest = 1e9;
  double highest = -1e9;
  for (int i = 0; i < kSamples; ++i) {
    for (int j = 0; j < kSamples; ++j) {
      const double h =
          Terrain(static_cast<double>(j) / (kSamples - 1), static_cast<double>(i) / (kSamples - 1));
      heights[static_cast<std::size_t>(i) * kSamples + j] = h;
      lowest = std::min(lowest, h);
      highest = std::max(highest, h);
    }
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  std::fprintf(file,
               "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$EXTMIN\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n"
               " 30\r\n%d.0\r\n  9\r\n$EXTMAX\r\n 10\r\n%.1f\r\n 20\r\n%.1f\r\n 30\r\n%d.0\r\n"
               "  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n",
               kLowestAltitude, kMapExtent, kMapExtent, HighestAltitude(levels));
  ContourTracer tracer(heights);
  long vertices = 0;
  for (int k = 0; k < levels; ++k) {
    const double level = lowest + (highest - lowest) * (k + 0.5) / levels;
    const int z = kLowestAltitude + kAltitudeInterval * k;
    for (const std::vector<Point>& line : tracer.Trace(level)) {
      std::fprintf(file, "  0\r\nPOLYLINE\r\n  8\r\nCN\r\n 66\r\n     1\r\n 30\r\n%d.0\r\n", z);
      for (const Point& point : line) {
        std::fprintf(file,
                     "  0\r\nVERTEX\r\n  8\r\nCN\r\n 10\r\n%.3f\r\n 20\r\n%.3f\r\n 30\r\n%d.0\r\n",
                     point.x, point.y, z);
      }
      vertices += static_cast<long>(line.size());
      std::fprintf(file, "  0\r\nSEQEND\r\n");
    }
  }
  std::fprintf(file, "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
  if (std::fclose(file) != 0) throw std::runtime_error("cannot write " + path);
  return vertices;
}

}  // namespace zelmaro::bench
