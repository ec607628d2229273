#include "forms/UnsavedWork.h"

namespace zelmaro {

std::string UnsavedWork::Details() const {
  std::string details;
  if (demUnsaved_) details += "The DEM has not been saved.";
  if (contourUnsaved_) {
    if (!details.empty()) details += "\n";
    details += "The edited contour-line image has not been saved.";
  }
  return details;
}

}  // namespace zelmaro
