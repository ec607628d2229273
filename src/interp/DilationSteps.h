#pragma once

#include <memory>

#include "core/Grid.h"
#include "core/ProgressPacing.h"

namespace zelmaro {

// The dilation steps of one DEM, run one after the other, each on what the last one
// left. A step grows the zones of the cells with an altitude into the empty cells and
// writes the limits between zones of different altitude, exactly as the growth passes
// over the whole grid do. Here a step costs a few scans of the parts of the grid that
// hold empty cells, spread over the threads, whatever the width of the gaps; and once
// the steps fill only a few cells each, as the last ones of a large map do, a step
// costs only the cells its new altitudes are nearer to.
class DilationSteps {
 public:
  explicit DilationSteps(IntGrid& demGrid);
  ~DilationSteps();
  DilationSteps(const DilationSteps&) = delete;
  DilationSteps& operator=(const DilationSteps&) = delete;

  // One step; returns the number of cells it filled. `fraction` is what `progress` is
  // told while the step runs.
  int Step(PacedProgress& progress, double fraction);

  class Engine;

 private:
  std::unique_ptr<Engine> engine_;
};

}  // namespace zelmaro
