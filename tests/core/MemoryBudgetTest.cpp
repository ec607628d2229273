#include <gtest/gtest.h>

#include <limits>

#include "core/Error.h"
#include "core/MemoryBudget.h"

namespace zelmaro {
namespace {

constexpr std::uint64_t kGB = 1'000'000'000;

TEST(MemoryBudget, ReadsProcFiguresAndSaturatesSizes) {
  const std::string meminfo = "MemTotal:  24000000 kB\nMemAvailable:   23241820 kB\n";
  EXPECT_EQ(ProcFigureBytes(meminfo, "MemAvailable"), 23241820ull * 1024);
  EXPECT_EQ(ProcFigureBytes(meminfo, "Mem"), std::nullopt);
  EXPECT_EQ(ProcFigureBytes("VmSize:\t  2048 kB\nVmData: 12 kB\n", "VmData"), 12u * 1024);
  EXPECT_EQ(CellBytes(40000, 40000, 24), 38'400'000'000ull);
  EXPECT_EQ(CellBytes(-3, 40000, 24), 0u);
  constexpr auto kMost = std::numeric_limits<std::uint64_t>::max();
  EXPECT_EQ(CellBytes(1'000'000'000'000, 1'000'000'000, 100), kMost);
  EXPECT_EQ(AddBytes(kMost - 1, 5), kMost);
}

// The smallest known room decides, and the refusal names it; this is also how an
// address-space limit is proven where the tests cannot impose one.
TEST(MemoryBudget, RefusesANeedBeyondTheSmallestRoomAndNamesIt) {
  const MemoryNeed need{"dilation", GridSubject(40000, 40000), 41'600'000'000};
  struct Case {
    MemoryRoom room;
    const char* refusal;  // nullptr: accepted
  };
  const Case cases[]{
      {{}, nullptr},
      {{64 * kGB, std::nullopt, std::nullopt}, nullptr},
      {{20 * kGB, std::nullopt, std::nullopt}, "only 20.0 GB are physical memory available"},
      {{64 * kGB, 1'900'000'000, std::nullopt}, "1.9 GB are left under the address-space limit"},
      {{64 * kGB, 50 * kGB, 3 * kGB}, "3.0 GB are left under the data-segment limit"},
  };
  for (const Case& c : cases) {
    if (c.refusal == nullptr) {
      EXPECT_NO_THROW(RequireMemory(need, c.room));
      continue;
    }
    try {
      RequireMemory(need, c.room);
      ADD_FAILURE() << "accepted under " << c.refusal;
    } catch (const Error& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find("Dilation needs about 41.6 GB of memory for 40000 lines x 40000 "
                             "columns"),
                std::string::npos)
          << message;
      EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
    }
  }
}

TEST(MemoryBudget, AnAllocationThatFailsAllTheSameIsReportedWithTheLastNeed) {
  RequireMemory({"smoothing", GridSubject(20000, 20000), 3'600'000'000}, MemoryRoom{});
  EXPECT_EQ(OutOfMemoryMessage(),
            "Not enough memory: Smoothing needs about 3.6 GB of memory for 20000 lines x 20000 "
            "columns, more than the system could give");
}

}  // namespace
}  // namespace zelmaro
