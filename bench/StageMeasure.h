#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zelmaro::bench {

// What one run of a stage cost: wall and processor seconds (all threads of the
// process), and the peak resident memory while it ran, its inputs included.
struct StageCost {
  bool finished = false;
  double wallSeconds = 0.0;
  double processorSeconds = 0.0;
  double peakBytes = 0.0;
  std::string failure;
};

// A stage in a process of its own, so that its memory is its own: prepare() loads the
// inputs (not timed), work() is measured, finish() keeps what later stages need (not
// timed). threads is the most threads the work may use, 0 for all of them.
struct Stage {
  std::function<void()> prepare;
  std::function<void()> work;
  std::function<void()> finish;
};
StageCost RunStage(const Stage& stage, int threads);

// The batch tool run as a process of its own, with its wall and processor time and its
// peak resident memory.
StageCost RunProgram(const std::vector<std::string>& arguments);

// The load of the machine: the load average of the last minute and the free memory.
std::string MachineLoad();

}  // namespace zelmaro::bench
