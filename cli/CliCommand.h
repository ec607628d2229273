#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/OutputNames.h"
#include "core/SessionState.h"
#include "gis/GridGeoreference.h"
#include "raster/RasterFiles.h"

namespace zelmaro::cli {

// The options and plain arguments of one subcommand: "--name value" pairs, switches
// "--no-name" that take no value, and the words that are not options. Reading a value
// that is missing or malformed throws Error with a message naming the option.
class CliArguments {
 public:
  explicit CliArguments(const std::vector<std::string>& words);

  bool Has(const std::string& name) const;
  std::string Text(const std::string& name) const;
  std::optional<std::string> OptionalText(const std::string& name) const;
  std::int32_t Integer(const std::string& name) const;
  std::int32_t IntegerOr(const std::string& name, std::int32_t fallback) const;
  // A finite number: no option means an infinite one.
  double Real(const std::string& name) const;
  // A pixel size, which must be above 0: as an integer, the given fallback when the
  // option is absent, or as a real.
  std::int32_t PixelSize(const std::string& name) const;
  std::int32_t PixelSizeOr(const std::string& name, std::int32_t fallback) const;
  double RealPixelSize(const std::string& name) const;
  // A vertical unit written m, dm, cm or mm, as its factor 1, 10, 100 or 1000.
  std::int32_t UnitFactorOf(const std::string& name) const;
  const std::vector<std::string>& Positionals() const { return positionals_; }

  // Refuses options the subcommand does not know, so that a typing error is not
  // silently ignored.
  void RejectUnknown(const std::set<std::string>& known) const;

 private:
  std::map<std::string, std::string> options_;
  std::vector<std::string> positionals_;
};

struct CliCommand {
  std::string name;
  std::string usage;    // the options, after "zelmaro-cli NAME"
  std::string summary;  // one line of what it does
  std::function<int(const CliArguments&)> run;
};

// Each subcommand registers itself from its own file with a static CliRegistration.
std::vector<CliCommand>& CliCommands();
struct CliRegistration {
  explicit CliRegistration(CliCommand command);
};

// The size of a raw file: --size FILE when given, otherwise the size file beside it,
// found as the Raster command finds it.
ImageSize SizeOfRawFile(const CliArguments& arguments, const std::string& rawPath);

// --raw MAP.raw with its size file and --table TABLE.txt, loaded into a session as
// the Raster command loads them; MAP.tif is a GeoTIFF of codes, which needs no size
// file. The session takes the map's CRS (a raw map's MAP.prj, a GeoTIFF's own); the
// map's georeference (a world file or the size file's coordinates block for a raw map)
// is returned, nothing when it has none. What the table's reading warns about goes to
// stderr.
std::optional<GridGeoreference> LoadRasterArguments(SessionState& session,
                                                    const CliArguments& arguments);

// The size of the map --raw names, read before anything is loaded: its size file, or
// the header of a GeoTIFF. A raw image of another length than its size is noted on
// standard error (how many bytes are missing or left over).
ImageSize RasterArgumentsSize(const CliArguments& arguments);
// The files a command reading --raw and --table reads: the map, its size file, its
// .prj and the table.
std::vector<NamedFile> RasterInputFiles(const CliArguments& arguments);
// The outputs of a raw DEM written as stem_m4, with the side files that may go with it.
std::vector<NamedFile> RawDemOutputs(const std::string& stem, const std::string& option);

// Refuses, before the command loads anything, a command whose grids would not fit in
// the memory the process may take.
void RequireCommandMemory(const std::string& command, const ImageSize& size, std::uint64_t bytes);
// What an interpolation command takes: the loaded map, then the larger of the
// interpolation and of the DEM with the largest of the files written from it (one at a
// time).
std::uint64_t InterpolationCommandBytes(const ImageSize& size, std::uint64_t interpolation,
                                        std::uint64_t largestOutput);

}  // namespace zelmaro::cli
