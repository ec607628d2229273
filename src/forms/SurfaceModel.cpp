#include "forms/SurfaceModel.h"

#include <algorithm>

#include "core/NumberText.h"

namespace zelmaro {

void SurfaceModel::TensionEditChange(std::string_view text) {
  TensionText = std::string(text);
  std::string number = TensionText;
  std::replace(number.begin(), number.end(), ',', '.');
  number.erase(0, number.find_first_not_of(' '));
  number.erase(number.find_last_not_of(' ') + 1);
  double value = 0.0;
  tensionRead_ = ParseReal(number, value);
  if (tensionRead_) Tension = value;
}

std::optional<std::string> SurfaceModel::OkRefusal() const {
  if (!tensionRead_ || !(Tension >= 0.0 && Tension <= 1.0)) {
    return "The Tension must be a number from 0 to 1 (0.1 is a good start), not \"" + TensionText +
           "\".";
  }
  return std::nullopt;
}

}  // namespace zelmaro
