#include "core/SessionState.h"

namespace zelmaro {

void SessionState::ClearFlags() {
  RasterSession = 0;
  GeoReferenced = 0;
  BackViewShown = 0;
  VectorImageAllocated = 0;
  ZoneSelected = 0;
  EditableImage = 0;
  FillPassChanges = 0;
  DilationPassChanges = 0;
}

}  // namespace zelmaro
