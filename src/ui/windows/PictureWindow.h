#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <cstdint>
#include <utility>

#include "core/DisplayBitmap.h"
#include "forms/ImageViewMath.h"
#include "ui/windows/ScreenBitmap.h"

class QScrollBar;

namespace zelmaro {

struct SessionState;
class StatusPanels;

// What the image and the result window have in common: a picture shown from 1:20 to
// 20:1 in a scrolled paint box, the zoom clicks that recentre it, and a close that only
// lets go of the picture. The windows differ in what sets the scroll ranges, at which
// zoom a new picture is drawn and what a click does besides zooming.
class PictureWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Replaces the picture; the caption stays.
  void SetPicture(const DisplayBitmap& picture);

  // What the window shows and how: a failed command puts it back.
  struct View {
    QImage screenBitmap;
    int shownLines = 0;
    int shownColumns = 0;
    int zoomFactor = 1;
    MapExtent extent;
    QString caption;
    bool colourPicture = false;
  };
  View SavedView() const;
  void RestoreView(const View& view);
  bool HasPicture() const { return !ScreenBitmap.isNull(); }
  // Whether the picture shown was handed over in colour rather than in gray.
  bool ShowsColourPicture() const { return HasPicture() && colourPicture_; }

  virtual void PaintBoxMouseDown(MouseButton button, int x, int y) = 0;
  virtual void PaintBoxMouseMove(int x, int y) = 0;

  // The picture part that the last zoom click centred, in picture pixels.
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
  MapExtent Extent;  // map coordinates of the picture's edges
  std::uint8_t ZoomPending = 0;

  // Called by the paint box: draws its visible part, and follows its size.
  void Paint(QPainter& painter, const QRect& clip);
  void UpdateScrollRanges();

 protected:
  PictureWindow(SessionState& session, StatusPanels& status, const QString& name,
                const QString& caption, QWidget* parent);

  void closeEvent(QCloseEvent* event) override;

  // The picture pixel under a paint-box position at the current zoom: line, column.
  std::pair<int, int> PictureCell(int x, int y) const;
  // A click with the zoom button down: steps the zoom and recentres on (line, column).
  // True when the click ends there, i.e. the step was refused or the zoom is near 1:1.
  bool ZoomClick(MouseButton button, int line, int column);

  // The read-out fields both windows fill alike.
  template <typename ReadoutInput>
  ReadoutInput PictureReadoutInput(int x, int y) const {
    ReadoutInput input;
    input.x = x;
    input.y = y;
    input.zoomFactor = ZoomFactor;
    input.hasPicture = HasPicture();
    input.pictureLines = ScreenBitmap.height();
    input.pictureColumns = ScreenBitmap.width();
    input.screenColour = [this](int column, int line) {
      return ScreenColour(ScreenBitmap, column, line);
    };
    return input;
  }
  void ShowReadout(const StatusPanelTexts& panels);

  // Sets the zoom for a picture that SetPicture has just taken.
  virtual void PictureReplaced() = 0;
  // The zoom the picture is drawn and scrolled at.
  virtual int DrawingZoom() const { return ZoomFactor; }
  // The picture has been drawn at `zoom`.
  virtual void PictureDrawn(int zoom) { static_cast<void>(zoom); }
  // A zoom click has changed the zoom, before the window recentres.
  virtual void ZoomAccepted() {}
  // The lines and columns the scroll bars cover.
  virtual std::pair<int, int> ScrolledSize() const { return {ShownLines, ShownColumns}; }

  SessionState& session_;

 private:
  StatusPanels& status_;
  QWidget* paintBox_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  PictureRect lastZoomSource_;
  bool colourPicture_ = false;
};

}  // namespace zelmaro
