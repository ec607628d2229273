#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelmaro {

// The Pipette dialog: the drawing value of the pencil and the rule, 0 until the pipette
// picks a code. Its edit only shows the value; typing in it changes nothing.
struct CLValueModel {
  std::int32_t DrawingValue = 0;
  std::string ValueText = "0";  // what ValueEdit1 shows

  void PickValue(std::int32_t value);
};

// The Isolated Point dialog: the altitude typed for the next point, kept between uses,
// and the code the point will get, shown only.
struct InfoPointModel {
  std::int32_t PointAltitude = 0;
  std::string CodeText;  // what CodeEdit shows

  void AltitudeEditChange(std::string_view text);
  void ShowCode(std::int32_t code) { CodeText = std::to_string(code); }
};

// The Filling Value dialog: the gray tone the filling tool writes, kept between uses.
struct FunnelInfoModel {
  std::int32_t FillingValue = 0;

  void FillingEditChange(std::string_view text);
};

}  // namespace zelmaro
