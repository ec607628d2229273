#include "core/ContourContent.h"

#include <algorithm>
#include <string>

#include "core/Error.h"

namespace zelmaro {

void RequireContourCells(const SessionState& session) {
  const std::vector<std::uint8_t>& cells = session.ContourImage.Cells();
  const bool any = std::any_of(cells.begin(), cells.end(),
                               [](std::uint8_t code) { return code != kBackgroundCode; });
  if (!any) {
    throw Error(
        "The zone holds no contour line: it lies beside the lines of the scene, or none of "
        "its lines has an altitude of the table. Choose a zone inside the scene frame.");
  }
}

void RequireAltitudeCells(const SessionState& session) {
  const int lastCode = std::min<int>(session.AltitudeCount, kBackgroundCode);
  const std::vector<std::uint8_t>& cells = session.ContourImage.Cells();
  const bool any = lastCode >= 1 && std::any_of(cells.begin(), cells.end(), [lastCode](auto code) {
                     return code >= 1 && code <= lastCode;
                   });
  if (any) return;
  if (session.AltitudeCount < 1) {
    throw Error(
        "The contour-line image has no altitude table: the interpolation would leave every "
        "cell without altitude. Load the image again with its table.");
  }
  throw Error("The contour-line image holds no cell of a gray tone 1 to " +
              std::to_string(session.AltitudeCount) +
              " of its altitude table: the interpolation would leave every cell without "
              "altitude.");
}

}  // namespace zelmaro
