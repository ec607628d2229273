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

// The screen-editor tools, in the order in which a click reaches them.
enum class EditorTool { Pipette, Pencil, IsolatedPoint, Rule, Filling };

struct ImageClick {
  int line = 0;
  int column = 0;
  ClickButton button = ClickButton::Left;
};

// How the image window learns from the main window which buttons are down, and where
// it hands a click to the editor tools.
struct ImageClickHooks {
  std::function<bool()> zoomDown;
  std::function<bool(EditorTool)> toolDown;
  // `picture` is a fresh colour picture of the shown size for the tool to fill.
  std::function<void(EditorTool, const ImageClick&, DisplayBitmap& picture)> toolClick;
};

// The child window that shows the working picture, zoomed from 1:20 to 20:1, reports
// what lies under the mouse and passes clicks to the zoom and the editor tools.
class TImageForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  TImageForm(SessionState& session, StatusPanels& status, QWidget* parent = nullptr);

  // Replaces the picture; returns to 1:1 unless KeepZoom is set. The caption stays.
  void SetPicture(const DisplayBitmap& picture);
  // Shows ContourImage in code colours under the input file's name.
  void ShowContourImage();
  bool HasPicture() const { return !ScreenBitmap.isNull(); }

  void PaintBoxMouseDown(ClickButton button, int x, int y);
  void PaintBoxMouseMove(int x, int y);

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
  std::uint8_t KeepZoom = 0;
  ImageClickHooks Hooks;

  // Called by the paint box: draws its visible part, and follows its size.
  void Paint(QPainter& painter, const QRect& clip);
  void UpdateScrollRanges();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RecentreAfterZoom();

  SessionState& session_;
  StatusPanels& status_;
  QWidget* paintBox_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  PictureRect lastZoomSource_;
};

}  // namespace zelmaro
