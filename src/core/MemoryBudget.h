#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zelmaro {

// Bytes of a grid of lines x columns cells at bytesPerCell each, saturating instead of
// wrapping, so that an absurd size gives an absurd need rather than a small one.
constexpr std::uint64_t CellBytes(std::int64_t lines, std::int64_t columns,
                                  std::uint64_t bytesPerCell) {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  if (lines <= 0 || columns <= 0) return 0;
  const auto cells = static_cast<std::uint64_t>(lines) * static_cast<std::uint64_t>(columns);
  if (bytesPerCell != 0 && cells > kMost / bytesPerCell) return kMost;
  return cells * bytesPerCell;
}

// The sum of two needs, saturating.
constexpr std::uint64_t AddBytes(std::uint64_t a, std::uint64_t b) {
  return a > std::numeric_limits<std::uint64_t>::max() - b
             ? std::numeric_limits<std::uint64_t>::max()
             : a + b;
}

// What the process may still take. Each figure is nothing where it is unknown or
// unlimited: the physical memory the system reports available, and the room left under
// the address-space and data-segment limits of the process (ulimit -v, ulimit -d).
struct MemoryRoom {
  std::optional<std::uint64_t> Physical;
  std::optional<std::uint64_t> AddressSpace;
  std::optional<std::uint64_t> Data;
};

// The room now, from /proc/meminfo, /proc/self/status and the process limits.
MemoryRoom CurrentMemoryRoom();

// A "Key:   1234 kB" figure of a /proc text (meminfo, status), in bytes.
std::optional<std::uint64_t> ProcFigureBytes(std::string_view text, std::string_view key);

// What a command will hold at its peak, computed from its sizes before it allocates.
struct MemoryNeed {
  std::string Command;  // the command as the user knows it: "Dilation", "zone"
  std::string Subject;  // what it works on: "40000 lines x 40000 columns"
  std::uint64_t Bytes = 0;
};

// "40000 lines x 40000 columns".
std::string GridSubject(std::int64_t lines, std::int64_t columns);

// "9.6 GB", "512.0 MB", "4.0 kB": decimal units, one decimal.
std::string ByteCountText(std::uint64_t bytes);

// Throws Error when the need exceeds the smallest known room, saying what is needed and
// what is available under which limit. The need is remembered for OutOfMemoryMessage.
void RequireMemory(const MemoryNeed& need, const MemoryRoom& room);
void RequireMemory(const MemoryNeed& need);

// What to say when an allocation fails all the same (std::bad_alloc): the command and
// the size of the last need checked on this thread, or a plain sentence without one. The
// caller ends the sentence with what became of the command.
std::string OutOfMemoryMessage();

}  // namespace zelmaro
