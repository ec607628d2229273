#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/DisplayBitmap.h"
#include "forms/ImageViewMath.h"
#include "forms/SelectionForm.h"
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
// it hands a click to the editor tools or a zone dragged on the scene preview.
struct ImageClickHooks {
  std::function<bool()> zoomDown;
  std::function<bool(EditorTool)> toolDown;
  // `picture` is a fresh colour picture of the shown size for the tool to fill.
  std::function<void(EditorTool, const ImageClick&, DisplayBitmap& picture)> toolClick;
  // The scene preview has come on screen (true) or given way to the working image.
  std::function<void(bool scenePreview)> scenePreviewSwitched;
  // Whether a zone may be dragged on the scene preview now.
  std::function<bool()> zoneDragAllowed;
  // A zone has been dragged on the scene preview, between two picture positions.
  std::function<void(const PicturePoint& from, const PicturePoint& to)> zoneDragged;
};

// The child window that shows either the working picture (ContourImage at its own
// size) or the preview of a whole vector scene, zoomed from 1:20 to 20:1. It reports
// what lies under the mouse, passes clicks on the working picture to the zoom and the
// editor tools, and takes a zone dragged on the preview.
class TImageForm : public PictureWindow {
  Q_OBJECT
 public:
  TImageForm(SessionState& session, StatusPanels& status, QWidget* parent = nullptr);

  // Shows ContourImage in code colours under the input file's name; the shown size
  // and the map frame become the working image's.
  void ShowContourImage();
  // Shows the gray preview of the whole scene spanning `sceneExtent`.
  void ShowScenePreview(const DisplayBitmap& picture, const MapExtent& sceneExtent);
  bool ScenePreviewShown() const { return scenePreview_; }

  void PaintBoxMouseDown(MouseButton button, int x, int y) override;
  void PaintBoxMouseMove(int x, int y) override;
  void PaintBoxMouseUp(MouseButton button, int x, int y) override;

  View SavedView() const override;
  void RestoreView(const View& view) override;

  // The zone last dragged on the preview and still drawn on it, in picture positions.
  struct ZoneMark {
    PicturePoint from;
    PicturePoint to;
  };
  const std::optional<ZoneMark>& DraggedZoneMark() const { return zoneMark_; }

  std::uint8_t KeepZoom = 0;  // a new picture keeps the zoom instead of opening anew
  // The map frame of the working image: the zone of vector data; nothing for a raster.
  MapExtent WorkingExtent;
  ImageClickHooks Hooks;

 protected:
  void PictureReplaced() override;
  void ZoomChosen() override { KeepZoom = 0; }
  void PaintOverPicture(QPainter& painter, float scale, const QPoint& scroll) override;

 private:
  void SwitchView(bool scenePreview);
  PicturePoint PicturePosition(int x, int y) const;

  bool scenePreview_ = false;
  std::optional<PicturePoint> dragStart_;
  std::optional<ZoneMark> zoneMark_;
};

}  // namespace zelmaro
