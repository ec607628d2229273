#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/AsciiGridFrame.h"

namespace zelmaro {

// The values of the UTM Coordinates dialog that the ASCII grid needs: the cell size,
// the lower left corner and the unit of the DEM values. They persist between uses.
class CoordUtmModel {
 public:
  std::int32_t UtmUnit = 0;  // 0 until a unit is clicked, then 1 to 4
  double UtmPixelSize = 0.0;
  double UtmXMin = 0.0;
  double UtmYMin = 0.0;
  std::uint8_t UtmCancelled = 0;

  std::string PixSizeText;
  std::string XMinText;
  std::string YMinText;
  // The CRS of the grid's ".prj": the data's own, shown as it is known, or else the one
  // the user types (EPSG:n or WKT; empty for none).
  std::string CrsText;
  bool CrsKnown = false;

  // The pixel size and the corner are read as reals and reach the grid as typed.
  void PixSizeEditChange(std::string_view text);
  void XMinEditChange(std::string_view text);
  void YMinEditChange(std::string_view text);
  void CrsEditChange(std::string_view text);
  // A CRS the data carry replaces the edit's text; without one the edit is the user's,
  // and shows what was typed last.
  void ShowKnownCrs(const std::string& label);
  // The texts a known zone proposes: its pixel size, and its lower left corner when the
  // image has map coordinates.
  void ProposePixelSize(double pixelSize);
  void ProposeCorner(double xMin, double yMin);
  // unitNumber 1 to 4: Meters, Decimeters, Centimeters, Millimeters.
  void SelectUnit(int unitNumber);

  // Each showing starts as not cancelled, so that one Cancel does not abandon every
  // later save.
  void BeginDialog() { UtmCancelled = 0; }
  // Without a unit the values could not be divided, and a pixel size that is not above
  // 0 or a corner beyond any number makes no grid; OK refuses them with this message.
  std::optional<std::string> OkRefusal() const;
  void Cancel() { UtmCancelled = 1; }

  // 1.0, 10.0, 100.0 or 1000.0 for the units 1 to 4.
  double UnitDivisor() const;
  // What the ASCII grid is written with.
  AsciiGridFrame Frame() const;
};

}  // namespace zelmaro
