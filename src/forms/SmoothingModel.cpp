#include "forms/SmoothingModel.h"

#include "core/NumberText.h"

namespace zelmaro {

void SmoothingModel::RangeEditChange(std::string_view text) {
  RangeText = std::string(text);
  Range = ReadLeadingInteger(text);
}

}  // namespace zelmaro
