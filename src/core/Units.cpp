#include "core/Units.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string>

#include "core/Error.h"

namespace zelmaro {

std::int32_t UnitFactor(int unitNumber) {
  static constexpr std::array<std::int32_t, 4> kFactors{1, 10, 100, 1000};
  return unitNumber >= 1 && unitNumber <= 4 ? kFactors[unitNumber - 1] : 0;
}

int UnitNumberOfFactor(std::int32_t factor) {
  for (int unit = 1; unit <= 4; ++unit) {
    if (UnitFactor(unit) == factor) return unit;
  }
  return 0;
}

int ParseUnitName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static constexpr std::array<std::array<std::string_view, 3>, 4> kNames{{
      {"m", "meters", "meter"},
      {"dm", "decimeters", "decimeter"},
      {"cm", "centimeters", "centimeter"},
      {"mm", "millimeters", "millimeter"},
  }};
  for (int unit = 0; unit < 4; ++unit) {
    for (std::string_view known : kNames[unit]) {
      if (lower == known) return unit + 1;
    }
  }
  return 0;
}

std::int32_t ConvertScale(std::int32_t altitude, std::int32_t scaleInFactor,
                          std::int32_t scaleOutFactor) {
  if (scaleInFactor == 0) throw Error("The Dynamic Scale In unit is not chosen.");
  const std::int64_t converted =
      std::int64_t{altitude / scaleInFactor} * std::int64_t{scaleOutFactor};
  // Wrapped around, the altitude would come out as another, plausible one.
  if (converted < std::numeric_limits<std::int32_t>::min() ||
      converted > std::numeric_limits<std::int32_t>::max()) {
    const auto unit = [](std::int32_t factor) {
      static constexpr std::array<const char*, 4> kNames{"m", "dm", "cm", "mm"};
      const int number = UnitNumberOfFactor(factor);
      return number == 0 ? "units of 1/" + std::to_string(factor) + " m"
                         : std::string(kNames[number - 1]);
    };
    throw Error("The altitude " + std::to_string(altitude) + " " + unit(scaleInFactor) + " is " +
                std::to_string(converted) + " " + unit(scaleOutFactor) +
                ", more than a DEM cell holds (32-bit integers, up to 2147483647): choose a "
                "larger output unit.");
  }
  return static_cast<std::int32_t>(converted);
}

}  // namespace zelmaro
