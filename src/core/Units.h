#pragma once

#include <cstdint>
#include <string_view>

namespace zelmaro {

// Factor of each vertical unit, in the order of the radio buttons (1 to 4):
// meters, decimeters, centimeters, millimeters. 0 for anything else.
std::int32_t UnitFactor(int unitNumber);
// The unit number (1 to 4) of a factor, 0 when the factor is none of them.
int UnitNumberOfFactor(std::int32_t factor);
// Reads a unit typed as m, dm, cm or mm (or spelled out); 0 when unknown.
int ParseUnitName(std::string_view name);

// An altitude counted in the Scale In unit, converted to the Scale Out unit in 32-bit
// integers, the division first: 12345 cm gives 123 m, 1234 m gives 123400 cm.
std::int32_t ConvertScale(std::int32_t altitude, std::int32_t scaleInFactor,
                          std::int32_t scaleOutFactor);

}  // namespace zelmaro
