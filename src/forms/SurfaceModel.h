#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelmaro {

// The values of the Surface Interpolation dialog. The dialog lives for the whole run, so
// the tension and the switch chosen once are offered again.
struct SurfaceModel {
  std::string TensionText = "0.1";
  double Tension = 0.1;
  bool SubPixelCorrection = true;

  // Every change of the edit reads the text as a decimal real; the whole text must be
  // the number (a point or a comma before the decimals).
  void TensionEditChange(std::string_view text);
  void SubPixelClick(bool checked) { SubPixelCorrection = checked; }

  // What OK says while the tension is not a number from 0 to 1; nothing when the
  // dialog may close.
  std::optional<std::string> OkRefusal() const;

 private:
  bool tensionRead_ = true;
};

}  // namespace zelmaro
