#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <cstdint>
#include <string>
#include <utility>

#include "core/DisplayBitmap.h"
#include "forms/ImageViewMath.h"
#include "forms/PictureLayout.h"
#include "ui/windows/ScreenBitmap.h"

class QScrollBar;

namespace zelmaro {

struct SessionState;
class StatusPanels;

// What the image and the result window have in common: a picture shown from 1:20 to
// 20:1 in a scrolled paint box, the zoom clicks that recentre it, the zoom about the
// pointer and the fit, a caption that always names the zoom, and a close that only
// hides the window. The windows differ in what a click does besides zooming.
class PictureWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Replaces the picture; the name in the caption stays.
  void SetPicture(const DisplayBitmap& picture);
  // The name the caption gives before the zoom.
  void SetCaptionName(const std::string& name);
  const std::string& CaptionName() const { return captionName_; }

  // What the window shows and how: a failed command puts it back.
  struct View {
    QImage screenBitmap;
    int shownLines = 0;
    int shownColumns = 0;
    int zoomFactor = 1;
    MapExtent extent;
    std::string captionName;
    // The image window's own: which picture is on screen and the working image's frame.
    bool scenePreview = false;
    MapExtent workingExtent;
  };
  virtual View SavedView() const;
  virtual void RestoreView(const View& view);
  bool HasPicture() const { return !ScreenBitmap.isNull(); }
  // Whether the picture shown was handed over in colour rather than in gray.

  virtual void PaintBoxMouseDown(MouseButton button, int x, int y) = 0;
  virtual void PaintBoxMouseMove(int x, int y) = 0;
  virtual void PaintBoxMouseUp(MouseButton button, int x, int y);

  // The whole picture in the window, at the largest zoom step that shows it whole.
  void FitToWindow();
  // One zoom step in or out (the zoom tool's steps), keeping the picture point under
  // `pointer` (paint-box pixels, unscrolled) where it is.
  void ZoomAbout(bool enlarge, const QPoint& pointer);
  // One step about the pointer when it is over the picture, else about the middle of
  // the view: the keyboard's zoom.
  void ZoomAboutPointerOrMiddle(bool enlarge);
  // Sizes and moves the window to show its picture whole in `tile` (area coordinates),
  // opening at the picture's own zoom: a new data set never keeps an older zoom.
  void FitWindowInto(const ScreenRect& tile);
  // Sizes and moves the window into `tile` for its picture at the zoom it has.
  void KeepWithin(const ScreenRect& tile);
  // Scrolls back to the picture's top left corner.
  void ScrollToOrigin();
  // What the window adds around its view: title, borders, scroll bars.
  ScreenSize FrameSize() const;
  ScreenSize ViewSize() const;

  // The picture part that the last zoom click centred, in picture pixels.
  PictureRect LastZoomSource() const { return lastZoomSource_; }
  QScrollBar* HorizontalScrollBar() const { return horizontal_; }
  QScrollBar* VerticalScrollBar() const { return vertical_; }
  QWidget* PaintBox() const { return paintBox_; }
  // The zoom of the last drawing.
  int LastDrawnZoom() const { return lastDrawnZoom_; }

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
                const std::string& captionName, QWidget* parent);

  void closeEvent(QCloseEvent* event) override;

  // The picture pixel under a paint-box position at the current zoom: line, column.
  std::pair<int, int> PictureCell(int x, int y) const;
  // A click with the zoom button down: steps the zoom and recentres on (line, column).
  // True when the click ends there, i.e. the step was refused or the zoom is near 1:1.
  bool ZoomClick(MouseButton button, int line, int column);
  // Writes the caption for the current zoom.
  void UpdateCaption();

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
  // Any zoom the user chose has replaced the one a tool asked to keep.
  virtual void ZoomChosen() {}
  // Draws what the window shows over its picture, in paint-box coordinates.
  virtual void PaintOverPicture(QPainter& painter, float scale, const QPoint& scroll) {
    static_cast<void>(painter);
    static_cast<void>(scale);
    static_cast<void>(scroll);
  }
  // The zoom a picture taken now opens at, for the view as it is.
  int OpeningZoomForView() const;

  SessionState& session_;

 private:
  StatusPanels& status_;
  QWidget* paintBox_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  PictureRect lastZoomSource_;
  std::string captionName_;
  int lastDrawnZoom_ = 0;
};

}  // namespace zelmaro
