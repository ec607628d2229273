#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "core/DisplayBitmap.h"
#include "forms/ImageViewMath.h"
#include "ui/windows/PictureWindow.h"

namespace zelmaro {

struct SessionState;
class StatusPanels;

// How the result window learns from the main window which buttons are down, the unit of
// the DEM and the map frame of the zone, and where it hands a pipette pick.
struct ResultWindowHooks {
  std::function<bool()> zoomDown;
  std::function<bool()> pipetteDown;
  // A pipette click on the cell (line, column) of the DEM.
  std::function<void(int line, int column)> pipettePicked;
  std::function<std::int32_t()> scaleOutFactor;
  // The map frame and size of the working image, which the coordinates read-out uses.
  std::function<MapExtent()> imageExtent;
  std::function<std::pair<int, int>()> imageShownSize;  // lines, columns
};

// The child window that shows the shaded DEM, zoomed from 1:20 to 20:1. It reports the
// altitude in meters under the mouse and offers the pipette on the DEM.
class TResultForm : public PictureWindow {
  Q_OBJECT
 public:
  TResultForm(SessionState& session, StatusPanels& status, QWidget* parent = nullptr);

  // A load sends the window behind the image window, so that the new data are in front.
  void SendBack();
  int TimesSentBack() const { return timesSentBack_; }

  void PaintBoxMouseDown(MouseButton button, int x, int y) override;
  void PaintBoxMouseMove(int x, int y) override;

  ResultWindowHooks Hooks;

 protected:
  // A new DEM opens at its own zoom, never at one chosen for the one before.
  void PictureReplaced() override;

 private:
  int timesSentBack_ = 0;
};

}  // namespace zelmaro
