#include "CliCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "gis/Crs.h"
#include "gis/GeoTiff.h"
#include "raster/RasterMemory.h"

namespace zelmaro::cli {
namespace {

// Each on its own line of stderr; the command goes on.
void PrintWarnings(const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings) {
    std::fprintf(stderr, "zelmaro-cli: WARNING: %s\n", warning.c_str());
  }
}

}  // namespace

CliArguments::CliArguments(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      const std::string name = word.substr(2);
      if (name.compare(0, 3, "no-") == 0) {  // a switch, which takes no value
        options_[name] = "";
        continue;
      }
      if (i + 1 >= words.size()) throw Error("The option --" + name + " needs a value.");
      options_[name] = words[++i];
    } else {
      positionals_.push_back(word);
    }
  }
}

bool CliArguments::Has(const std::string& name) const {
  return options_.count(name) != 0;
}

std::string CliArguments::Text(const std::string& name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) throw Error("The option --" + name + " is required.");
  return found->second;
}

std::optional<std::string> CliArguments::OptionalText(const std::string& name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

std::int32_t CliArguments::Integer(const std::string& name) const {
  std::int32_t value = 0;
  if (!ParseInteger(Text(name), value)) {
    throw Error("The option --" + name + " needs an integer, not \"" + Text(name) + "\".");
  }
  return value;
}

std::int32_t CliArguments::IntegerOr(const std::string& name, std::int32_t fallback) const {
  return Has(name) ? Integer(name) : fallback;
}

double CliArguments::Real(const std::string& name) const {
  double value = 0.0;
  if (!ParseReal(Text(name), value) || !std::isfinite(value)) {
    throw Error("The option --" + name + " needs a number, not \"" + Text(name) + "\".");
  }
  return value;
}

std::int32_t CliArguments::PixelSizeOr(const std::string& name, std::int32_t fallback) const {
  return Has(name) ? PixelSize(name) : fallback;
}

std::int32_t CliArguments::PixelSize(const std::string& name) const {
  const std::int32_t value = Integer(name);
  if (value <= 0) {
    throw Error("The option --" + name + " needs a pixel size above 0, not " +
                std::to_string(value) + ".");
  }
  return value;
}

double CliArguments::RealPixelSize(const std::string& name) const {
  const double value = Real(name);
  if (!(value > 0.0)) {
    throw Error("The option --" + name + " needs a pixel size above 0, not " + Text(name) + ".");
  }
  return value;
}

std::int32_t CliArguments::UnitFactorOf(const std::string& name) const {
  const int unit = ParseUnitName(Text(name));
  if (unit == 0) {
    throw Error("The option --" + name + " needs a unit: m, dm, cm or mm, not \"" + Text(name) +
                "\".");
  }
  return UnitFactor(unit);
}

void CliArguments::RejectUnknown(const std::set<std::string>& known) const {
  for (const auto& [name, value] : options_) {
    if (known.count(name) == 0) throw Error("Unknown option --" + name + ".");
  }
}

std::vector<CliCommand>& CliCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

CliRegistration::CliRegistration(CliCommand command) {
  CliCommands().push_back(std::move(command));
}

ImageSize SizeOfRawFile(const CliArguments& arguments, const std::string& rawPath) {
  const std::string sizePath = arguments.OptionalText("size").value_or(SizeFileNameFor(rawPath));
  const std::optional<ImageSize> size = ReadSizeFile(sizePath);
  if (!size) {
    throw Error("The size file " + sizePath + " of " + rawPath +
                " does not exist; give it with --size.");
  }
  return *size;
}

std::optional<GridGeoreference> LoadRasterArguments(SessionState& session,
                                                    const CliArguments& arguments) {
  if (IsGeoTiffPath(arguments.Text("raw"))) {
    if (arguments.Has("size"))
      throw Error("A GeoTIFF map carries its size: --size does not apply.");
    ContourGeoTiff map = ReadContourGeoTiff(arguments.Text("raw"));
    const AltitudeTableContent table = ReadAltitudeTable(arguments.Text("table"));
    const std::optional<GridGeoreference> georeference = map.Georeference;
    CommitContourGeoTiff(session, std::move(map));
    CommitAltitudeTable(session, table.altitudes);
    PrintWarnings(table.warnings);
    FinishRasterLoad(session);
    return georeference;
  }
  RasterLoadAnswers answers;
  answers.rawPath = arguments.Text("raw");
  answers.sizePath = arguments.OptionalText("size").value_or("");
  answers.tablePath = arguments.Text("table");
  if (!ReadSizeFile(answers.sizePath.empty() ? SizeFileNameFor(answers.rawPath)
                                             : answers.sizePath)) {
    throw Error("The raw image " + answers.rawPath + " has no size file; give it with --size.");
  }
  const std::string sizePath =
      answers.sizePath.empty() ? SizeFileNameFor(answers.rawPath) : answers.sizePath;
  const std::optional<GridGeoreference> georeference =
      ReadRawMapGeoreference(answers.rawPath, sizePath);
  const std::string crs = ReadPrjFile(ReplaceExtension(answers.rawPath, ".prj"));
  std::vector<std::string> warnings;
  LoadRaster(session, answers, &warnings);
  PrintWarnings(warnings);
  session.CrsWkt = crs;
  return georeference;
}

ImageSize RasterArgumentsSize(const CliArguments& arguments) {
  const std::string mapPath = arguments.Text("raw");
  if (IsGeoTiffPath(mapPath)) return ContourGeoTiffSize(mapPath);
  const ImageSize size = SizeOfRawFile(arguments, mapPath);
  // Said at once: an absurd size, which the memory may refuse, often comes from a size
  // file that belongs to another image.
  const std::string lengthNote = RawImageLengthNote(mapPath, size);
  if (!lengthNote.empty()) std::fprintf(stderr, "zelmaro-cli: NOTE: %s\n", lengthNote.c_str());
  return size;
}

std::vector<NamedFile> RasterInputFiles(const CliArguments& arguments) {
  const std::string mapPath = arguments.Text("raw");
  return {{mapPath, "--raw"},
          {arguments.OptionalText("size").value_or(SizeFileNameFor(mapPath)), "size file"},
          {ReplaceExtension(mapPath, ".prj"), "CRS of --raw"},
          {arguments.Text("table"), "--table"}};
}

std::vector<NamedFile> RawDemOutputs(const std::string& stem, const std::string& option) {
  return StemFiles(stem, {"_m4.raw", "_m4.txt", "_m4.prj", "_m4.hdr"}, option);
}

void RequireCommandMemory(const std::string& command, const ImageSize& size, std::uint64_t bytes) {
  RequireMemory({command, GridSubject(size.lines, size.columns), bytes});
}

std::uint64_t InterpolationCommandBytes(const ImageSize& size, std::uint64_t interpolation,
                                        std::uint64_t largestOutput) {
  const std::uint64_t dem = DemMemoryBytes(size.lines, size.columns);
  return AddBytes(RasterLoadMemoryBytes(size.lines, size.columns),
                  std::max(interpolation, AddBytes(dem, largestOutput)));
}

}  // namespace zelmaro::cli
