#include "core/MemoryBudget.h"

#include <sys/resource.h>

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/Error.h"

namespace zelmaro {
namespace {

std::string ProcText(const char* path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The room left under a limit of the process, given what it already uses there.
std::optional<std::uint64_t> RoomUnderLimit(int resource,
                                            const std::optional<std::uint64_t>& used) {
  rlimit limit{};
  if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  const std::uint64_t cap = limit.rlim_cur;
  const std::uint64_t taken = used.value_or(0);
  return cap > taken ? cap - taken : 0;
}

// The smallest known room and the name of the limit it comes from.
struct Tightest {
  std::uint64_t bytes = std::numeric_limits<std::uint64_t>::max();
  const char* name = nullptr;
};

Tightest TightestRoom(const MemoryRoom& room) {
  Tightest tightest;
  const std::array<std::pair<const std::optional<std::uint64_t>*, const char*>, 3> figures{{
      {&room.Physical, "physical memory available"},
      {&room.AddressSpace, "left under the address-space limit of the process (ulimit -v)"},
      {&room.Data, "left under the data-segment limit of the process (ulimit -d)"},
  }};
  for (const auto& [figure, name] : figures) {
    if (*figure && **figure < tightest.bytes) tightest = {**figure, name};
  }
  return tightest;
}

thread_local std::optional<MemoryNeed> lastNeed;

// "Dilation needs about 41.6 GB of memory for 40000 lines x 40000 columns".
std::string NeedText(const MemoryNeed& need) {
  std::string command = need.Command;
  if (!command.empty())
    command[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(command[0])));
  return command + " needs about " + ByteCountText(need.Bytes) + " of memory for " + need.Subject;
}

}  // namespace

std::optional<std::uint64_t> ProcFigureBytes(std::string_view text, std::string_view key) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ':') {
      continue;
    }
    line.remove_prefix(key.size() + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    std::uint64_t value = 0;
    const auto [next, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc()) return std::nullopt;
    const std::string_view unit(next, static_cast<std::size_t>(line.data() + line.size() - next));
    return unit.find("kB") != std::string_view::npos ? value * 1024 : value;
  }
  return std::nullopt;
}

MemoryRoom CurrentMemoryRoom() {
  const std::string meminfo = ProcText("/proc/meminfo");
  const std::string status = ProcText("/proc/self/status");
  MemoryRoom room;
  room.Physical = ProcFigureBytes(meminfo, "MemAvailable");
  room.AddressSpace = RoomUnderLimit(RLIMIT_AS, ProcFigureBytes(status, "VmSize"));
  room.Data = RoomUnderLimit(RLIMIT_DATA, ProcFigureBytes(status, "VmData"));
  return room;
}

std::string GridSubject(std::int64_t lines, std::int64_t columns) {
  return std::to_string(lines) + " lines x " + std::to_string(columns) + " columns";
}

std::string ByteCountText(std::uint64_t bytes) {
  static constexpr std::array<const char*, 5> kUnits{"kB", "MB", "GB", "TB", "PB"};
  double value = static_cast<double>(bytes) / 1000.0;
  std::size_t unit = 0;
  while (value >= 1000.0 && unit + 1 < kUnits.size()) {
    value /= 1000.0;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  return text;
}

void RequireMemory(const MemoryNeed& need, const MemoryRoom& room) {
  lastNeed = need;
  const Tightest tightest = TightestRoom(room);
  if (tightest.name == nullptr || need.Bytes <= tightest.bytes) return;
  throw Error(NeedText(need) + ", and only " + ByteCountText(tightest.bytes) + " are " +
              tightest.name +
              ": it was not run. Free memory, raise the limit or work on a smaller size.");
}

void RequireMemory(const MemoryNeed& need) {
  RequireMemory(need, CurrentMemoryRoom());
}

std::string OutOfMemoryMessage() {
  if (!lastNeed) return "Not enough memory for this command";
  return "Not enough memory: " + NeedText(*lastNeed) + ", more than the system could give";
}

}  // namespace zelmaro
