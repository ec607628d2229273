#pragma once

#include <cstdint>
#include <functional>

#include "core/DisplayBitmap.h"
#include "forms/ImageViewMath.h"
#include "ui/windows/PictureWindow.h"

namespace zelmaro {

struct SessionState;
class StatusPanels;

// The screen-editor tools, in the order in which a click reaches them.
enum class EditorTool { Pipette, Pencil, IsolatedPoint, Rule, Filling };

struct ImageClick {
  int line = 0;
  int column = 0;
  MouseButton button = MouseButton::Left;
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
class TImageForm : public PictureWindow {
  Q_OBJECT
 public:
  TImageForm(SessionState& session, StatusPanels& status, QWidget* parent = nullptr);

  // Shows ContourImage in code colours under the input file's name.
  void ShowContourImage();

  void PaintBoxMouseDown(MouseButton button, int x, int y) override;
  void PaintBoxMouseMove(int x, int y) override;

  std::uint8_t KeepZoom = 0;  // a new picture keeps the zoom instead of returning to 1:1
  ImageClickHooks Hooks;

 protected:
  void PictureReplaced() override;
};

}  // namespace zelmaro
