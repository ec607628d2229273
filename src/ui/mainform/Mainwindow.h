#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContourHistory.h"
#include "core/OutputNames.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"
#include "forms/CommandEnabling.h"
#include "forms/UnsavedWork.h"
#include "gis/GridGeoreference.h"
#include "pretreat/EditorTools.h"
#include "ui/mainform/CommandGuard.h"
#include "ui/windows/Imagewindow.h"
#include "ui/windows/StatusPanels.h"

class QAction;
class QCloseEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSize;

namespace zelmaro {

class UserInteraction;
class DisplayBitmap;
class TBreakForm;
class TCLValueForm;
class TEbarbForm;
class TFunnelInfoForm;
class TInfoPointForm;
class TCoordUTMForm;
class TDEMInfoForm;
class TDynamicForm;
class TDynRasterForm;
class TSmoothingForm;
class TSurfaceForm;
class TImageRasterForm;
class TImageSizeForm;
class TImageVectForm;
class TLayerFieldForm;
class TSelectionForm;
class TSumdxfForm;
class TProgressForm;
class TResultForm;

// The main window: it owns the session, builds every window once, routes the menu and
// tool-bar commands and keeps their availability in step with the data.
class TMainForm : public QMainWindow, public StatusPanels {
  Q_OBJECT
 public:
  // Shows the presentation windows, registers the cursors and builds every child window
  // and dialog. Open dialogs start in `defaultFolder` until a folder has been used.
  TMainForm(UserInteraction& ui, std::string defaultFolder, QWidget* parent = nullptr);
  ~TMainForm() override;

  SessionState Session;
  // The pixel size and extent of the working image; a raster takes its pixel size from
  // the Dynamic Parameters dialog.
  ZoneParameters Zone;
  // Where the working image lies on the map, with the CRS of the data it was made from:
  // the zone of vector data, or the frame of a georeferenced raster map; nothing for a
  // raster without one. A later load of other data does not move the DEM made from it.
  std::optional<GridGeoreference> WorkingFrame;

  // The dialogs of the vector road.
  TImageVectForm* ImageVectForm = nullptr;
  TSelectionForm* SelectionForm = nullptr;
  TSumdxfForm* SumdxfForm = nullptr;
  TLayerFieldForm* LayerFieldForm = nullptr;  // built when a GIS source first needs it

  TImageForm* ImageForm = nullptr;
  TResultForm* ResultForm = nullptr;
  TImageSizeForm* ImageSizeForm = nullptr;
  TImageRasterForm* ImageRasterForm = nullptr;
  TDynamicForm* DynamicForm = nullptr;
  TDynRasterForm* DynRasterForm = nullptr;
  TBreakForm* BreakForm = nullptr;
  TEbarbForm* EbarbForm = nullptr;
  TCLValueForm* CLValueForm = nullptr;
  TInfoPointForm* InfoPointForm = nullptr;
  TFunnelInfoForm* FunnelInfoForm = nullptr;
  TDEMInfoForm* DEMInfoForm = nullptr;
  TCoordUTMForm* CoordUTMForm = nullptr;
  TSmoothingForm* SmoothingForm = nullptr;
  TSurfaceForm* SurfaceForm = nullptr;

  // A menu item, submenu or tool-bar button by its name; nullptr when unknown.
  QAction* Action(std::string_view name) const;
  // A window or dialog built at start-up, by its class name; nullptr when unknown.
  QWidget* Form(std::string_view name) const;
  // The class names of the windows and dialogs, in the order they were built.
  const std::vector<std::string>& CreatedForms() const { return createdForms_; }
  QMdiArea* MdiArea() const { return mdiArea_; }

  const ControlStates& Controls() const { return controls_; }
  void ApplyEnabling(EnablingEvent event);
  void SetControls(const ControlStates& states);

  // Runs one step of a command. When it throws, what it may have changed is put back
  // (CommandSnapshot: the session with the grid families named in `kept`, the zone, the
  // enabling and the picture windows); an Error or a shortage of memory is then shown
  // captioned "ERROR", a cancel shows nothing. Returns true when the step ran to its end.
  bool RunCommandStep(SessionGrids kept, const std::function<void()>& step);
  // The folder in which the open and save dialogs start.
  std::string DialogFolder() const;
  UserInteraction& Ui() const { return ui_; }

  void ShowProgress();
  void SetProgress(float fraction);
  void CloseProgress();
  TProgressForm* ActiveProgress() const { return activeProgress_; }

  void SetPanelText(int panel, const std::string& text) override;
  std::string PanelText(int panel) const override;
  // A note in the status bar about the data just loaded, over the read-out panels until
  // the mouse reads something out or for a while.
  void ShowStatusNote(const std::string& note);
  std::string StatusNote() const;

  // Commands.
  void RasterClick();
  void RasterSpeedButtonClick();
  // The Raster command on a file named on the command line: no open dialog.
  void RasterOnFile(const std::string& rawPath);
  void VectorialClick();
  void VectSpeedButtonClick();
  void SelectTreatmentClick();
  void SelectionSpeedButtonClick();
  void ReverseSpeedButtonClick();
  void AdvanceSpeedButtonClick();
  void VariousdxfFilesTreatmentClick();
  void FusionSpeedButtonClick();
  void Info1Click();
  void CnHaTreatmentClick();
  void CNHASpeedButtonClick();
  void ZoomSpeedButtonClick(bool down);
  void ToolButtonClick(EditorTool tool, bool down);
  void InfoResultImageClick();
  // Pre-treatments.
  void SkelTreatmentClick();
  void LineThinnerSpeedButtonClick();
  void SkelInfoClick();
  void EbarbTreatmentClick();
  void EbarbSpeedButtonClick();
  void EbarbInfoClick();
  void BreakSearchTreatmentClick();
  void DetectBreakSpeedButtonClick();
  void BreakSearchInfoClick();
  // The screen editor: a click of the image window for a tool whose button is down.
  void EditorToolClick(EditorTool tool, const ImageClick& click, DisplayBitmap& picture);
  void ComeBackSpeedButtonClick();
  void AuthorClick();
  void CopyrigthClick();
  void EnglishClick();
  void FrenchClick();
  void SpanishClick();
  void ExitClick();

  // The DEM: interpolation, display, saves and information.
  void DilTreatmentClick();
  void DilatSpeedButtonClick();
  void DilInfoClick();
  // Shades DemGrid and shows it in the result window.
  void ShowDem();
  void InfoDEM1Click();
  void SaveImageClick();
  void SaveShadowSpeedButtonClick();
  void SaveDEMClick();
  void SaveDEMSpeedButtonClick();
  void SaveSelectionClick();
  void SaveContLineSpeedButtonClick();
  // A pipette click on the result window at this cell of the DEM.
  void ResultPipettePicked(int line, int column);
  void SmoothingTreatmentClick();
  void SuavSpeedButtonClick();
  void LinInterpTreatmentClick();
  void RuzeSpeedButtonClick();
  void LinInterpInfoClick();
  void SurfaceInterpolationClick();
  void SurfaceSpeedButtonClick();

  // The views: the zoom of the active picture window, and the Window menu.
  void FitClick();
  void ZoomInClick();
  void ZoomOutClick();
  void ImageWindowClick();
  void ResultWindowClick();
  // Puts both picture windows side by side in the window area, each sized to its
  // picture at the zoom it has.
  void TileClick();
  // A new data set in a picture window: the window is sized to its picture within its
  // tile, and the picture opens at its own zoom.
  void PresentNewPicture(PictureWindow& window);
  // Edit: the steps of the contour-line image's history, back and forth again.
  void UndoClick();
  void RedoClick();
  const ContourHistory& History() const { return history_; }
  const UnsavedWork& Unsaved() const { return unsaved_; }

 protected:
  // Exit, from the menu, the tool bar or the window frame, asks before work is lost.
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class CommandOrigin { Menu, Button };

  void PushControls();
  void ShowPresentation();
  void BuildMenu();
  void BuildToolBar();
  void BuildStatusBar();
  void CreateForms();
  // A picture window shown as a child of the main window with its icon and first size.
  QWidget* AddPictureWindow(QMdiSubWindow& window, const char* glyph, const QSize& size);
  // The windows of the vector road by class name; nullptr for any other name.
  QWidget* MakeVectorRoadForm(std::string_view name);
  QMenu* AddMenu(QMenu* parent, const char* name, const char* caption);
  QAction* AddItem(QMenu* parent, const char* name, const char* caption,
                   void (TMainForm::*handler)() = nullptr);
  void ShowForm(std::string_view name);
  void RunRasterCommand(CommandOrigin origin, const std::optional<std::string>& givenPath);
  void LoadRaster(const std::optional<std::string>& givenPath);
  // Reads the map (raw or GeoTIFF) into the session with its CRS; its frame when it has
  // one.
  // A raw image of another length than its size leaves its note in lengthNote.
  std::optional<GridGeoreference> ReadMapAndFrame(const std::string& path, std::string& lengthNote);
  // Refuses a map of this size, naming the bytes it lacks when that may be why.
  void RequireMapMemory(const ImageSize& size, const std::string& lengthNote) const;
  void LoadVectorFile(const std::string& path);
  // The UTM Coordinates dialog proposes the working image's pixel size and the lower
  // left corner of its frame.
  void ProposeAsciiFrame();
  // The CRS of the working image and its DEM: its frame's, else the session's.
  const std::string& WorkingCrs() const;
  // A CRS the user gave for data that had none goes with them from now on.
  void AdoptGivenCrs(const std::string& crs);
  void RunCornerElimination();
  void RunEbarbulation();
  void RunBreakSearch();
  ShownArea EditorArea() const;
  // Fills the picture the image window prepared for a click with ContourImage and shows
  // it, keeping the zoom the tools asked for.
  void ShowEditedImage(DisplayBitmap& picture);
  void RunDilation();
  // Refuses a command making a DEM of the working size whose own grids take `bytes`,
  // with the shaded picture shown afterwards.
  void RequireDemCommandMemory(const std::string& command, std::uint64_t bytes) const;
  void ConnectDemCommands();
  void SaveShadedImageCommand();
  void SaveDemCommand();
  void SaveContourImageCommand();
  // Refuses a fusion whose result would replace one of its inputs or a file of the
  // session, or whose inputs would not fit in memory.
  void CheckFusion(const std::string& command, const std::string& result,
                   const std::vector<std::string>& inputs) const;
  void RunSmoothing();
  void RunLinear(EnablingEvent finished);
  void RunSurface();
  void BuildViewCommands();
  void ConnectViewHooks();
  ScreenRect PictureTile(const PictureWindow& window) const;
  PictureWindow& ActivePictureWindow() const;
  void ShowPictureWindow(PictureWindow& window);
  // The scene preview came on screen or gave way to the working image: the editor
  // tools follow, and Back and Return offer the other view.
  void ScenePreviewSwitched(bool scenePreview);
  void RaiseEditorTools();
  bool ToolOrZoomDown() const;
  void ZoneDragged(const PicturePoint& from, const PicturePoint& to);
  void BuildEditMenu();
  // The working image is the one shown, so an undo can be seen where it happens.
  bool WorkingImageShown() const;
  void UpdateHistoryActions();
  // After a command that may have changed ContourImage (or its table) from `before`.
  void ContourChanged(const ContourState& before);
  // A new working image: nothing of it is edited yet, and no older step applies to it.
  void NewContourImage();
  // Redraws ContourImage after an undo or a redo, at the zoom the user works at.
  void ShowHistoryStep();

  // Refuses (Error) a command whose grids of lines x columns would take more memory than
  // the process may use.
  void RequireMemoryFor(const std::string& command, std::int64_t lines, std::int64_t columns,
                        std::uint64_t bytes) const;
  // The files the data in use were loaded from, which no save or fusion may replace.
  std::vector<NamedFile> SessionInputFiles() const;
  // Refuses outputs that would replace one of the session's files or of `inputs`, or
  // one another.
  void RefuseOverwritingInputs(const std::vector<NamedFile>& outputs,
                               std::vector<NamedFile> inputs = {}) const;
  // A save of the working grid: its outputs refused over the session's files, and the
  // memory of the file it prepares weighed.
  void RequireSave(const std::string& command, const std::vector<NamedFile>& outputs,
                   std::uint64_t bytes) const;

  UserInteraction& ui_;
  std::string defaultFolder_;
  QMdiArea* mdiArea_ = nullptr;
  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<std::string, QWidget*, std::less<>> forms_;
  std::vector<std::string> createdForms_;
  std::vector<QLabel*> panels_;
  ControlStates controls_;
  TProgressForm* activeProgress_ = nullptr;
  ContourHistory history_;
  UnsavedWork unsaved_;
};

}  // namespace zelmaro
