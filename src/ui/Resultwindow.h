#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <cstdint>
#include <functional>

#include "core/DisplayBitmap.h"
#include "core/ImageViewMath.h"

class QScrollBar;

namespace zelmaro {

struct SessionState;
class StatusPanels;

// How the result window learns from the main window which buttons are down, the unit of
// the DEM and the map frame of the zone, and where it hands a pipette pick.
struct ResultWindowHooks {
  std::function<bool()> zoomDown;
  std::function<bool()> pipetteDown;
  // The contour code under a pipette click.
  std::function<void(int code)> pipettePicked;
  std::function<std::int32_t()> scaleOutFactor;
  // The image window's map extent and shown size, which the coordinates read-out uses.
  std::function<MapExtent()> imageExtent;
  std::function<std::pair<int, int>()> imageShownSize;  // lines, columns
};

// The child window that shows the shaded DEM, zoomed from 1:20 to 20:1. It reports the
// altitude in meters under the mouse and offers the pipette on the contour codes.
class TResultForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  TResultForm(SessionState& session, StatusPanels& status, QWidget* parent = nullptr);

  // A load sends the window behind the image window, so that the new data are in front.
  void SendBack();
  int TimesSentBack() const { return timesSentBack_; }

  // Replaces the picture. The next drawing keeps the current zoom; every later one is at
  // 1:1. The caption stays.
  void SetPicture(const DisplayBitmap& picture);
  bool HasPicture() const { return !ScreenBitmap.isNull(); }

  void PaintBoxMouseDown(ClickButton button, int x, int y);
  void PaintBoxMouseMove(int x, int y);

  // The zoom of the last drawing, and the picture part the last zoom click centred.
  int LastDrawnZoom() const { return lastDrawnZoom_; }
  PictureRect LastZoomSource() const { return lastZoomSource_; }
  QScrollBar* HorizontalScrollBar() const { return horizontal_; }
  QScrollBar* VerticalScrollBar() const { return vertical_; }
  QWidget* PaintBox() const { return paintBox_; }

  QImage ScreenBitmap;
  int ShownLines = 0;
  int ShownColumns = 0;
  int ZoomFactor = 1;
  int ZoomCenterColumn = 0;
  int ZoomCenterLine = 0;
  MapExtent Extent;
  std::uint8_t ZoomPending = 0;
  ResultWindowHooks Hooks;

  // Called by the paint box: draws its visible part, and follows its size.
  void Paint(QPainter& painter, const QRect& clip);
  void UpdateScrollRanges();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int DrawingZoom() const { return firstDrawingZoom_ != 0 ? firstDrawingZoom_ : ZoomFactor; }
  void RecentreAfterZoom();

  SessionState& session_;
  StatusPanels& status_;
  QWidget* paintBox_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  PictureRect lastZoomSource_;
  int firstDrawingZoom_ = 0;  // the zoom a new picture is drawn at once; 0 when drawn
  int lastDrawnZoom_ = 0;
  int timesSentBack_ = 0;
};

}  // namespace zelmaro
