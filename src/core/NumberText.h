#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelmaro {

// How the dialogs read what is typed: optional leading blanks and a sign, then the
// digits up to the first other character. Text that does not start with a number
// reads 0, so "12abc" gives 12, "" gives 0 and "30.9" gives 30. Values beyond the
// 32-bit range are clamped to it.
std::int32_t ReadLeadingInteger(std::string_view text);

// The same for a decimal real with an optional fraction and exponent ("450.5",
// "-1e3"); text that does not start with a number reads 0.0.
double ReadLeadingReal(std::string_view text);
// How many characters at the start of `text` (no leading blanks) form that real; 0 when
// it does not start with one. Stream readers use it to know where the number stops.
std::size_t LeadingRealLength(std::string_view text);

// Strict readings used by the file readers and the batch tool: the whole text must
// be the number. They return false on anything else.
bool ParseInteger(std::string_view text, std::int32_t& value);
bool ParseReal(std::string_view text, double& value);

// A double in fixed notation with six decimals, as "%lf" writes it (12.5 gives
// 12.500000), independent of the user's locale.
std::string FormatFixed6(double value);

// A double in the shortest general form with up to 15 significant digits ("%.15g").
std::string FormatGeneral15(double value);

// An integer with a comma between thousands: 1599999936 gives "1,599,999,936".
std::string FormatThousands(std::uint64_t value);

}  // namespace zelmaro
