#include "forms/SelectionForm.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"

namespace zelmaro {
namespace {

void CopySceneFrame(const SessionState& session, ZoneParameters& zone) {
  zone.ZoneXMin = session.VectorXMin;
  zone.ZoneXMax = session.VectorXMax;
  zone.ZoneYMin = session.VectorYMin;
  zone.ZoneYMax = session.VectorYMax;
}

std::optional<std::string> FirstRefusal(bool wholeScene, bool selectedZone,
                                        const ZoneParameters& zone) {
  // A negative size cannot make cells either; it is refused with the missing one.
  if (zone.ZonePixelSize <= 0) return "No Pixel Size";
  if (!wholeScene && !selectedZone) return "No Checked Zone";
  if (zone.ZoneXMin == 0) return "No Min_X value";
  if (zone.ZoneYMin == 0) return "No Min_Y value";
  if (zone.ZoneXMax == 0) return "No Max_X value";
  if (zone.ZoneYMax == 0) return "No Max_Y value";
  if (zone.ZoneXMin > zone.ZoneXMax) return "Min_X greater than Max_X";
  if (zone.ZoneYMin > zone.ZoneYMax) return "Min_Y greater than Max_Y";
  return std::nullopt;
}

// Rounds to the power of ten a tenth below the cell size: finer than the user could
// point, coarse enough to read.
double RoundForCell(double value, double cell) {
  if (!(cell > 0.0)) return value;
  // The nudge keeps a cell of 0.01 computed as 0.00999... in its decade.
  const double step = std::pow(10.0, std::floor(std::log10(cell) + 1e-9) - 1.0);
  return std::round(value / step) * step;
}

}  // namespace

MapExtent DraggedZone(const MapExtent& scene, int lines, int columns, const PicturePoint& from,
                      const PicturePoint& to) {
  if (lines <= 0 || columns <= 0) return scene;
  const double dx = (scene.XMax - scene.XMin) / columns;
  const double dy = (scene.YMax - scene.YMin) / lines;
  const auto x = [&](double column) {
    return std::clamp(RoundForCell(scene.XMin + column * dx, dx), scene.XMin, scene.XMax);
  };
  // Line 0 is the top of the scene.
  const auto y = [&](double line) {
    return std::clamp(RoundForCell(scene.YMax - line * dy, dy), scene.YMin, scene.YMax);
  };
  return {std::min(x(from.column), x(to.column)), std::max(x(from.column), x(to.column)),
          std::min(y(from.line), y(to.line)), std::max(y(from.line), y(to.line))};
}

void SelectionFormModel::ShowSceneFrame(const MapExtent& frame) {
  MinXText = FormatGeneral15(frame.XMin);
  MaxXText = FormatGeneral15(frame.XMax);
  MinYText = FormatGeneral15(frame.YMin);
  MaxYText = FormatGeneral15(frame.YMax);
}

void SelectionFormModel::ProposeZone(const MapExtent& frame) {
  MinXEditText = FormatGeneral15(frame.XMin);
  MaxXEditText = FormatGeneral15(frame.XMax);
  MinYEditText = FormatGeneral15(frame.YMin);
  MaxYEditText = FormatGeneral15(frame.YMax);
}

void SelectionFormModel::RadioButton1Click(const SessionState& session) {
  wholeScene_ = true;
  selectedZone_ = false;
  CopySceneFrame(session, Zone);
}

void SelectionFormModel::RadioButton2Click() {
  wholeScene_ = false;
  selectedZone_ = true;
}

void SelectionFormModel::ShowDraggedZone(const MapExtent& zone) {
  RadioButton2Click();
  MinXEditText = FormatGeneral15(zone.XMin);
  MinYEditText = FormatGeneral15(zone.YMin);
  MaxXEditText = FormatGeneral15(zone.XMax);
  MaxYEditText = FormatGeneral15(zone.YMax);
}

std::optional<std::string> SelectionFormModel::BitBtn1Click(const SessionState& session) {
  Zone.ZoneXMax = ReadLeadingReal(MaxXEditText);
  Zone.ZoneYMax = ReadLeadingReal(MaxYEditText);
  Zone.ZoneXMin = ReadLeadingReal(MinXEditText);
  Zone.ZoneYMin = ReadLeadingReal(MinYEditText);
  Zone.ZonePixelSize = ReadLeadingInteger(PixText);
  if (wholeScene_ && Zone.ZonePixelSize > 0) CopySceneFrame(session, Zone);
  std::optional<std::string> refusal = FirstRefusal(wholeScene_, selectedZone_, Zone);
  validated_ = !refusal.has_value();
  return refusal;
}

}  // namespace zelmaro
