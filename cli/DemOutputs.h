#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "CliCommand.h"
#include "GeoOutputs.h"
#include "core/AsciiGridFrame.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"

namespace zelmaro::cli {

// The options an interpolation of a raw map shares with the others: the units, the
// output stem, the pixel size, and the ASCII grid, the shaded image and the GeoTIFF
// beside the raw DEM. Read before any work, so that a wrong option never leaves half of
// the outputs behind.
struct DemOutputOptions {
  std::int32_t scaleIn = 0;
  std::int32_t scaleOut = 0;
  std::string out;
  ZoneParameters zone;
  std::optional<std::string> ascii;
  AsciiGridFrame frame;
  std::optional<std::string> shade;
  GeoOutputOptions geo;
};

// The names of those options, the map's own (--raw, --table, --size) included.
std::set<std::string> DemOutputOptionNames();
DemOutputOptions ReadDemOutputOptions(const CliArguments& arguments);

// An interpolation subcommand: checks that no output names an input or another output
// and that the memory the interpolation (`interpolationBytes` for the map's size) and
// the outputs need is there, loads the map of --raw and --table, fills the session's DEM
// with `interpolate`, writes STEM_m4.raw with STEM_m4.txt and the outputs asked for all
// at once, announces each and prints DemMin and DemMax.
int RunRasterInterpolation(
    const CliArguments& arguments, const DemOutputOptions& options, const std::string& command,
    const std::function<std::uint64_t(int lines, int columns)>& interpolationBytes,
    const std::function<void(SessionState&)>& interpolate);

}  // namespace zelmaro::cli
