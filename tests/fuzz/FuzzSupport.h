#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"

// What every fuzz target shares: a folder of its own for the files it reads and writes,
// and the checks of what the program promises. A broken promise aborts, which the
// fuzzing engine reports with the input that broke it.
namespace zelmaro::fuzz {

// A fresh folder under TMPDIR (or /tmp), made at the first call and removed with its
// content when the process ends normally. The targets write nowhere else.
const std::string& Folder();
std::string FileIn(const std::string& name);
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// The names of the files in the folder, sorted and joined by blanks.
std::string FilesInFolder();
// Removes every file of the folder: each input starts from an empty folder.
void ClearFolder();

// Two files and a zone pixel size (1 to 300) from one input, written as `firstName` and
// `secondName` in the emptied folder.
struct TwoFiles {
  std::string first;
  std::string second;
  std::int32_t zonePixelSize = 1;
};
TwoFiles WriteTwoFiles(const std::uint8_t* data, std::size_t size, const std::string& firstName,
                       const std::string& secondName);

[[noreturn]] void Broken(const std::string& promise);
void Require(bool holds, const char* promise);
// A refused input gives an Error that names one of the files it was about.
void RequireNamesFile(const Error& error, const std::vector<std::string>& paths);

// The DXF road on a file: the scene, then the whole scene as a zone at the scene's pixel
// size and at `zonePixelSize`. A refusal names the file and changes nothing; an accepted
// scene and zone have the size they state, with codes of their table only.
void CheckVectorRoad(const std::string& path, std::int32_t zonePixelSize);

// The 27 lines of the header block of a fused file, which must be there.
std::vector<std::string> HeaderLines(const std::string& text);

// A file of the fusions: CR LF line breaks, the header block, the entities, "EOF". Fused
// again alone it keeps the words of its entities, and it goes through the DXF road.
void CheckFusedFile(const std::string& path, std::int32_t zonePixelSize);

}  // namespace zelmaro::fuzz
