#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/SessionState.h"
#include "core/Units.h"

namespace zelmaro {

// The values of the Dynamic Scale dialog: the unit of the altitude table and the
// unit of the DEM. Its three edits only display the scene's range and interval.
class DynamicScaleModel {
 public:
  std::int32_t ScaleInFactor = 0;
  std::int32_t ScaleOutFactor = 0;
  std::string MinText;
  std::string MaxText;
  std::string IntervalText;

  // unitNumber 1 to 4: meters, decimeters, centimeters, millimeters.
  void SelectScaleIn(int unitNumber);
  void SelectScaleOut(int unitNumber);
  int ScaleInChoice() const { return scaleInChoice_; }
  int ScaleOutChoice() const { return scaleOutChoice_; }

  // What OK says while a group has no unit checked; nothing when it may close.
  std::optional<std::string> OkRefusal() const;
  bool Complete() const { return !OkRefusal().has_value(); }

 private:
  int scaleInChoice_ = 0;
  int scaleOutChoice_ = 0;
};

// The values of the Dynamic Parameters dialog, read from its edits on every change.
struct DynRasterModel {
  std::int32_t ParamMinimum = 0;
  std::int32_t ParamMaximum = 0;
  std::int32_t ParamInterval = 0;
  std::int32_t ParamPixelSize = 0;

  void MinimumEditChange(std::string_view text);
  void MaximumEditChange(std::string_view text);
  void IntervalEditChange(std::string_view text);
  void PixelEditChange(std::string_view text);
  // An empty pixel size (0) means none is given; a negative one is refused by OK.
  std::optional<std::string> OkRefusal() const;
};

// What the Dynamic Parameters dialog proposes for a new data set, in the unit of its
// altitude table: the lowest and the highest altitude, and the interval, the smallest
// step between two different altitudes (0 for a table of a single altitude).
struct TableLevels {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t interval = 0;
  bool operator==(const TableLevels&) const = default;
};
TableLevels LevelsOfTable(const AltitudeTableArray& table, std::int32_t altitudeCount);

// The size typed in the Image Size dialog when a raw file has no size file.
struct ImageSizeModel {
  std::int32_t ImageLines = 0;
  std::int32_t ImageColumns = 0;
  std::string NumLineText;
  std::string NumColText;

  void NumLineEditChange(std::string_view text);
  void NumColEditChange(std::string_view text);
  // A size of 0 or below cannot make an image; OK refuses it with this message.
  std::optional<std::string> OkRefusal() const;
};

}  // namespace zelmaro
