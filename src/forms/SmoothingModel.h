#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelmaro {

// The value of the Smoothing dialog. The dialog lives for the whole run, so Range and
// the text of its edit are kept from one opening to the next.
struct SmoothingModel {
  std::int32_t Range = 0;
  std::string RangeText;

  // Every change of the edit reads the text as a decimal integer; text that does not
  // start with a number gives 0.
  void RangeEditChange(std::string_view text);
};

}  // namespace zelmaro
