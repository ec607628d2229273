#include "forms/CoordUtmModel.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/Units.h"

namespace zelmaro {

void CoordUtmModel::PixSizeEditChange(std::string_view text) {
  PixSizeText = std::string(text);
  UtmPixelSize = static_cast<double>(ReadLeadingInteger(text));
}

void CoordUtmModel::XMinEditChange(std::string_view text) {
  XMinText = std::string(text);
  UtmXMin = ReadLeadingReal(text);
}

void CoordUtmModel::YMinEditChange(std::string_view text) {
  YMinText = std::string(text);
  UtmYMin = ReadLeadingReal(text);
}

void CoordUtmModel::SelectUnit(int unitNumber) {
  if (UnitFactor(unitNumber) != 0) UtmUnit = unitNumber;
}

std::optional<std::string> CoordUtmModel::OkRefusal() const {
  if (UnitFactor(UtmUnit) == 0) {
    return std::string("Choose the unit of the DEM values under Dynamic Scale.");
  }
  return std::nullopt;
}

AsciiGridFrame CoordUtmModel::Frame() const {
  return {std::trunc(UtmPixelSize), UtmXMin, UtmYMin, UnitFactor(UtmUnit)};
}

double CoordUtmModel::UnitDivisor() const {
  return static_cast<double>(UnitFactor(UtmUnit));
}

}  // namespace zelmaro
