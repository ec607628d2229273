#include "forms/CoordUtmModel.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/Units.h"

namespace zelmaro {

void CoordUtmModel::PixSizeEditChange(std::string_view text) {
  PixSizeText = std::string(text);
  UtmPixelSize = ReadLeadingReal(text);
}

void CoordUtmModel::XMinEditChange(std::string_view text) {
  XMinText = std::string(text);
  UtmXMin = ReadLeadingReal(text);
}

void CoordUtmModel::YMinEditChange(std::string_view text) {
  YMinText = std::string(text);
  UtmYMin = ReadLeadingReal(text);
}

void CoordUtmModel::CrsEditChange(std::string_view text) {
  if (!CrsKnown) CrsText = std::string(text);
}

void CoordUtmModel::ShowKnownCrs(const std::string& label) {
  if (!label.empty()) {
    CrsKnown = true;
    CrsText = label;
  } else if (CrsKnown) {
    CrsKnown = false;
    CrsText.clear();
  }
}

void CoordUtmModel::ProposePixelSize(double pixelSize) {
  PixSizeEditChange(FormatGeneral15(pixelSize));
}

void CoordUtmModel::ProposeCorner(double xMin, double yMin) {
  XMinEditChange(FormatGeneral15(xMin));
  YMinEditChange(FormatGeneral15(yMin));
}

void CoordUtmModel::SelectUnit(int unitNumber) {
  if (UnitFactor(unitNumber) != 0) UtmUnit = unitNumber;
}

std::optional<std::string> CoordUtmModel::OkRefusal() const {
  if (UnitFactor(UtmUnit) == 0) {
    return std::string("Choose the unit of the DEM values under Dynamic Scale.");
  }
  // A grid with cells of no size, or at no place, is not read by any GIS.
  if (!std::isfinite(UtmPixelSize) || UtmPixelSize <= 0.0) {
    return std::string("The pixel size must be a number above 0.");
  }
  if (!std::isfinite(UtmXMin) || !std::isfinite(UtmYMin)) {
    return std::string("X_Min and Y_Min must be numbers within the range of a double.");
  }
  return std::nullopt;
}

AsciiGridFrame CoordUtmModel::Frame() const {
  return {UtmPixelSize, UtmXMin, UtmYMin, UnitFactor(UtmUnit)};
}

double CoordUtmModel::UnitDivisor() const {
  return static_cast<double>(UnitFactor(UtmUnit));
}

}  // namespace zelmaro
