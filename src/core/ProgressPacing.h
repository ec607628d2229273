#pragma once

#include <algorithm>
#include <chrono>

#include "core/Progress.h"

namespace zelmaro {

// A Progress told often enough for Cancel to answer within a fraction of a second, and
// seldom enough that telling costs nothing: a report reaches the callback only when
// some time has passed since the last one. Like Progress, it is told from the thread
// that called the algorithm, between the parallel parts of the work.
class PacedProgress {
 public:
  explicit PacedProgress(const Progress& progress)
      : progress_(progress), last_(std::chrono::steady_clock::now()) {}

  // Reports when the last report is old enough; throws CommandCancelled as Report does.
  void Report(double fraction) {
    if (!progress_.Reports()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kInterval) return;
    last_ = now;
    progress_.Report(fraction);
  }
  // Reports at once: the end of a stage, which the user should see reached.
  void ReportNow(double fraction) {
    last_ = std::chrono::steady_clock::now();
    progress_.Report(fraction);
  }

 private:
  static constexpr std::chrono::milliseconds kInterval{50};

  const Progress& progress_;
  std::chrono::steady_clock::time_point last_;
};

// Runs run(first, last) over [0, count) in about `batches` consecutive pieces, telling
// `progress` after each how far it got, from `from` at the start to `to` at the end:
// the pieces run one after the other, and each may spread its own work over threads.
template <typename RunBatch>
void ForEachBatch(int count, int batches, PacedProgress& progress, double from, double to,
                  RunBatch&& run) {
  const int pieces = std::max(batches, 1);
  const int size = std::max(1, (count + pieces - 1) / pieces);
  for (int first = 0; first < count; first += size) {
    const int last = std::min(count, first + size);
    run(first, last);
    progress.Report(from + (to - from) * static_cast<double>(last) / count);
  }
}

}  // namespace zelmaro
