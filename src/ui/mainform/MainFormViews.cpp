// The views of the main window: the View menu and its tool bar (fit, zoom in and out
// about the pointer), the Window menu that brings a closed picture window back, the
// tiling of the two picture windows, and what follows the image window's switches
// between the scene preview and the working image.
#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ui/art/Glyphs.h"
#include "ui/dialogs/Selection.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

// Calls `resized` whenever the watched widget changes size.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QObject* parent, std::function<void()> resized)
      : QObject(parent), resized_(std::move(resized)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) resized_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> resized_;
};

constexpr std::array<std::pair<EditorTool, const char*>, 5> kEditorToolButtons{{
    {EditorTool::Pipette, "PipetteButton"},
    {EditorTool::Pencil, "PencilButton"},
    {EditorTool::IsolatedPoint, "PointSpeedButton"},
    {EditorTool::Rule, "ReglaSpeedButton"},
    {EditorTool::Filling, "FunnelSpeedButton"},
}};

}  // namespace

void TMainForm::BuildViewCommands() {
  // The two menus go before About, so that About and Exit stay at the end of the bar.
  QAction* about = Action("About");
  QMenu* view = new QMenu("View", this);
  view->setObjectName("View");
  view->menuAction()->setObjectName("View");
  actions_["View"] = view->menuAction();
  menuBar()->insertMenu(about, view);
  QAction* fit = AddItem(view, "Fit", "Fit", &TMainForm::FitClick);
  fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  QAction* zoomIn = AddItem(view, "ZoomIn", "Zoom In", &TMainForm::ZoomInClick);
  // Ctrl and + needs the shift key on many keyboards: Ctrl and = does as well.
  zoomIn->setShortcuts(
      {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* zoomOut = AddItem(view, "ZoomOut", "Zoom Out", &TMainForm::ZoomOutClick);
  zoomOut->setShortcut(QKeySequence(QKeySequence::ZoomOut));

  QMenu* window = new QMenu("Window", this);
  window->setObjectName("Window");
  window->menuAction()->setObjectName("Window");
  actions_["Window"] = window->menuAction();
  menuBar()->insertMenu(about, window);
  AddItem(window, "ImageWindow", "Image Window", &TMainForm::ImageWindowClick);
  AddItem(window, "ResultWindow", "Result Window", &TMainForm::ResultWindowClick);
  window->addSeparator();
  AddItem(window, "TileWindows", "Tile", &TMainForm::TileClick);

  // A tool bar of its own, so that the data tool bar keeps its buttons and order.
  QToolBar* bar = addToolBar("ViewToolBar");
  bar->setObjectName("ViewToolBar");
  bar->setIconSize(QSize(32, 32));
  bar->setMovable(false);
  bar->setFloatable(false);
  QAction* fitButton = bar->addAction(ToolGlyph("FitSpeedButton"), "Fit");
  fitButton->setObjectName("FitSpeedButton");
  fitButton->setToolTip("Fit (Ctrl+0)");
  actions_["FitSpeedButton"] = fitButton;
  connect(fitButton, &QAction::triggered, this, &TMainForm::FitClick);

  // The viewport, not the area: the area hears of its new size before it has laid out
  // the viewport that the windows are placed in.
  mdiArea_->viewport()->installEventFilter(new ResizeWatcher(this, [this] { TileClick(); }));
}

void TMainForm::ConnectViewHooks() {
  ImageForm->Hooks.scenePreviewSwitched = [this](bool scenePreview) {
    ScenePreviewSwitched(scenePreview);
  };
  ImageForm->Hooks.zoneDragAllowed = [this] {
    return Controls().Enabled(Control::SelectionSpeedButton) && !ToolOrZoomDown();
  };
  ImageForm->Hooks.zoneDragged = [this](const PicturePoint& from, const PicturePoint& to) {
    ZoneDragged(from, to);
  };
  // The DEM was made from the working image: its coordinates are the working image's,
  // whatever the image window shows.
  ResultForm->Hooks.imageExtent = [this] { return ImageForm->WorkingExtent; };
  ResultForm->Hooks.imageShownSize = [this] {
    return std::pair{Session.ContourImage.Lines(), Session.ContourImage.Columns()};
  };
}

ScreenRect TMainForm::PictureTile(const PictureWindow& window) const {
  const QSize area = mdiArea_->viewport()->size();
  const PictureTiles tiles = TilePictureWindows({area.width(), area.height()});
  return &window == ResultForm ? tiles.result : tiles.image;
}

PictureWindow& TMainForm::ActivePictureWindow() const {
  if (auto* active = qobject_cast<PictureWindow*>(mdiArea_->activeSubWindow())) {
    if (active->isVisible()) return *active;
  }
  return *ImageForm;
}

void TMainForm::FitClick() {
  ActivePictureWindow().FitToWindow();
}

void TMainForm::ZoomInClick() {
  ActivePictureWindow().ZoomAboutPointerOrMiddle(true);
}

void TMainForm::ZoomOutClick() {
  ActivePictureWindow().ZoomAboutPointerOrMiddle(false);
}

void TMainForm::ShowPictureWindow(PictureWindow& window) {
  window.show();
  window.raise();
  mdiArea_->setActiveSubWindow(&window);
}

void TMainForm::ImageWindowClick() {
  ShowPictureWindow(*ImageForm);
}

void TMainForm::ResultWindowClick() {
  ShowPictureWindow(*ResultForm);
}

void TMainForm::TileClick() {
  for (PictureWindow* window :
       {static_cast<PictureWindow*>(ImageForm), static_cast<PictureWindow*>(ResultForm)}) {
    window->KeepWithin(PictureTile(*window));
  }
}

void TMainForm::PresentNewPicture(PictureWindow& window) {
  window.FitWindowInto(PictureTile(window));
  mdiArea_->setActiveSubWindow(&window);
}

bool TMainForm::ToolOrZoomDown() const {
  if (Action("ZoomSpeedButton")->isChecked()) return true;
  for (const auto& [tool, name] : kEditorToolButtons) {
    if (Action(name)->isChecked()) return true;
  }
  return false;
}

void TMainForm::RaiseEditorTools() {
  for (const auto& [tool, name] : kEditorToolButtons) {
    QAction* button = Action(name);
    if (!button->isChecked()) continue;
    button->setChecked(false);
    ToolButtonClick(tool, false);
  }
  if (Action("ZoomSpeedButton")->isChecked()) ui_.SetScreenCursor(kLoupeCursor);
}

void TMainForm::ScenePreviewSwitched(bool scenePreview) {
  // The tools edit the working image at its own size; on the preview a click would
  // land on other cells than the ones under the mouse.
  if (scenePreview) RaiseEditorTools();
  ApplyEnabling(scenePreview ? EnablingEvent::ScenePreviewShown : EnablingEvent::WorkingImageShown);
}

void TMainForm::ZoneDragged(const PicturePoint& from, const PicturePoint& to) {
  SelectionForm->ShowDraggedZone(
      DraggedZone(ImageForm->Extent, ImageForm->ShownLines, ImageForm->ShownColumns, from, to));
  SelectionSpeedButtonClick();
}

}  // namespace zelmaro
