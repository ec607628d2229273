#include "ui/mainform/Mainwindow.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <array>
#include <memory>
#include <new>

#include "core/Error.h"
#include "core/MemoryBudget.h"
#include "core/Progress.h"
#include "ui/art/Glyphs.h"
#include "ui/dialogs/Break.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Deminfo.h"
#include "ui/dialogs/DilationInfo.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Ebarb.h"
#include "ui/dialogs/Fillinginfo.h"
#include "ui/dialogs/Imageraster.h"
#include "ui/dialogs/Imagesize.h"
#include "ui/dialogs/InfoForms.h"
#include "ui/dialogs/Infopoint.h"
#include "ui/dialogs/Mielinfo.h"
#include "ui/dialogs/Pipette.h"
#include "ui/dialogs/PretreatInfo.h"
#include "ui/dialogs/Progress.h"
#include "ui/dialogs/Smoothing.h"
#include "ui/dialogs/Surface.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/windows/Presentation.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

struct ToolButton {
  const char* name;
  const char* hint;
  bool toggle;
  bool separatorAfter;
};

constexpr std::array<ToolButton, 25> kToolButtons{{
    {"RasterSpeedButton", "Raster Data", false, false},
    {"VectSpeedButton", "Vector Data", false, true},
    {"FusionSpeedButton", "Fusion Various Vect. Files", false, false},
    {"CNHASpeedButton", "Fusion Cont. Lines and Coast Line", false, true},
    {"ZoomSpeedButton", "Zoom", true, true},
    {"SelectionSpeedButton", "Extract Vector Zone", false, false},
    {"ReverseSpeedButton", "Back", false, false},
    {"AdvanceSpeedButton", "Return", false, false},
    {"SaveContLineSpeedButton", "Save Contour Line Image", false, false},
    {"LineThinnerSpeedButton", "Corner Elimination", false, false},
    {"EbarbSpeedButton", "Ebarbulation", false, false},
    {"DetectBreakSpeedButton", "Break Searching", false, true},
    {"DilatSpeedButton", "Dilation", false, false},
    {"RuzeSpeedButton", "Lineal Interpolation", false, false},
    {"SurfaceSpeedButton", "Surface Interpolation", false, true},
    {"PipetteButton", "Pipette", true, false},
    {"PencilButton", "Pencil", true, false},
    {"ReglaSpeedButton", "Rule", true, false},
    {"PointSpeedButton", "Isolated Points", true, false},
    {"FunnelSpeedButton", "Filling Tool", true, false},
    {"ComeBackSpeedButton", "Come Back", false, true},
    {"SuavSpeedButton", "Smoothing", false, true},
    {"SaveShadowSpeedButton", "Save Image", false, false},
    {"SaveDEMSpeedButton", "Save DEM", false, true},
    {"ExitSpeedButton", "Exit", false, false},
}};

constexpr std::array<int, 5> kPanelWidths{160, 250, 180, 180, 180};

constexpr std::array<std::pair<EditorTool, const char*>, 5> kToolButtonNames{{
    {EditorTool::Pipette, "PipetteButton"},
    {EditorTool::Pencil, "PencilButton"},
    {EditorTool::IsolatedPoint, "PointSpeedButton"},
    {EditorTool::Rule, "ReglaSpeedButton"},
    {EditorTool::Filling, "FunnelSpeedButton"},
}};

const char* ToolButtonName(EditorTool tool) {
  for (const auto& [known, name] : kToolButtonNames) {
    if (known == tool) return name;
  }
  return "";
}

}  // namespace

TMainForm::TMainForm(UserInteraction& ui, std::string defaultFolder, QWidget* parent)
    : QMainWindow(parent), ui_(ui), defaultFolder_(std::move(defaultFolder)) {
  setObjectName("TMainForm");
  setWindowTitle("Z E L M A R O   [Digital Elevation Models from Contour Lines]");
  resize(913, 640);
  setWindowIcon(ToolGlyph("CNHASpeedButton"));
  mdiArea_ = new QMdiArea(this);
  mdiArea_->setObjectName("MdiArea");
  setCentralWidget(mdiArea_);
  BuildMenu();
  BuildToolBar();
  BuildStatusBar();
  controls_ = InitialControls();
  PushControls();
  ShowPresentation();
  CreateForms();
  BuildViewCommands();
  mdiArea_->setActiveSubWindow(ImageForm);
}

TMainForm::~TMainForm() = default;

void TMainForm::ShowPresentation() {
  ui_.SetScreenCursor(kArrowCursor);
  constexpr std::array<float, 4> kSeconds{1.0f, 1.0f, 1.0f, 2.0f};
  std::array<std::unique_ptr<PresentationForm>, 4> windows;
  for (int i = 0; i < 4; ++i) {
    windows[i] = std::make_unique<PresentationForm>(i + 1);
    windows[i]->show();
    windows[i]->raise();
    windows[i]->repaint();
    ui_.StartupWait(kSeconds[i]);
  }
  Session.ClearFlags();
  for (int id = kLoupeCursor; id <= kFlechitaCursor; ++id) ui_.RegisterCursor(id, ToolCursor(id));
  for (auto& window : windows) window.reset();
  controls_.Set(Control::FunnelSpeedButton, false);
  controls_.Set(Control::ComeBackSpeedButton, false);
  PushControls();
  Session.CodePalette = BuildCodePalette();
}

QMenu* TMainForm::AddMenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  actions_[name] = menu->menuAction();
  return menu;
}

QAction* TMainForm::AddItem(QMenu* parent, const char* name, const char* caption,
                            void (TMainForm::*handler)()) {
  QAction* action = parent != nullptr ? parent->addAction(caption) : menuBar()->addAction(caption);
  action->setObjectName(name);
  actions_[name] = action;
  if (handler != nullptr) connect(action, &QAction::triggered, this, handler);
  return action;
}

void TMainForm::BuildMenu() {
  QMenu* dataIn = AddMenu(nullptr, "DataIn", "Data_In");
  AddItem(dataIn, "Raster", "Raster", &TMainForm::RasterClick);
  AddItem(dataIn, "Vectorial", "Vectorial", &TMainForm::VectorialClick);
  QMenu* fusion = AddMenu(dataIn, "FusionVectData", "Fusion Vect. Data");
  QMenu* coast = AddMenu(fusion, "ContLinandCoastLine", "Cont. Lin. and Coast Line");
  AddItem(coast, "CnHaTreatment", "Treatment", &TMainForm::CnHaTreatmentClick);
  AddItem(coast, "CnHaInfo", "Info");
  QMenu* various = AddMenu(fusion, "VariousdxfFiles", "Various dxf Files");
  AddItem(various, "VariousdxfFilesTreatment", "Treatment",
          &TMainForm::VariousdxfFilesTreatmentClick);
  AddItem(various, "Info1", "Info", &TMainForm::Info1Click);
  AddItem(dataIn, "InfoResultImage", "Info Result Image", &TMainForm::InfoResultImageClick);

  QMenu* vector = AddMenu(nullptr, "VectorOperation", "Vector Operation");
  QMenu* selection = AddMenu(vector, "Selection", "Selection");
  AddItem(selection, "SelectTreatment", "Treatment", &TMainForm::SelectTreatmentClick);
  AddItem(selection, "SelectInfo", "Info");
  AddItem(vector, "SaveSelection", "Save Selection", &TMainForm::SaveSelectionClick);

  QMenu* pre = AddMenu(nullptr, "PreTreatments", "Pre_Treatments");
  QMenu* skel = AddMenu(pre, "ContourLineSkel", "Contour Line Skel.");
  AddItem(skel, "SkelTreatment", "Treatment", &TMainForm::SkelTreatmentClick);
  AddItem(skel, "SkelInfo", "Info", &TMainForm::SkelInfoClick);
  QMenu* ebarb = AddMenu(pre, "Ebarbulation", "Ebarbulation");
  AddItem(ebarb, "EbarbTreatment", "Treatment", &TMainForm::EbarbTreatmentClick);
  AddItem(ebarb, "EbarbInfo", "Info", &TMainForm::EbarbInfoClick);
  QMenu* breaks = AddMenu(pre, "BreakSearching1", "Break Searching");
  AddItem(breaks, "BreakSearchTreatment", "Treatment", &TMainForm::BreakSearchTreatmentClick);
  AddItem(breaks, "BreakSearchInfo", "Info", &TMainForm::BreakSearchInfoClick);
  AddItem(pre, "SaveResultingRasterImage", "Save Resulting Raster Image");

  QMenu* interpolations = AddMenu(nullptr, "Interpolations", "Interpolations");
  QMenu* dilation = AddMenu(interpolations, "Dilation", "Dilation");
  AddItem(dilation, "DilTreatment", "Treatment", &TMainForm::DilTreatmentClick);
  AddItem(dilation, "DilInfo", "Info", &TMainForm::DilInfoClick);
  QMenu* lineal = AddMenu(interpolations, "Lineal", "Lineal");
  lineal->menuAction()->setCheckable(true);
  lineal->menuAction()->setChecked(true);
  AddItem(lineal, "LinInterpTreatment", "Treatment", &TMainForm::LinInterpTreatmentClick);
  AddItem(lineal, "LinInterpInfo", "Info", &TMainForm::LinInterpInfoClick);
  AddItem(interpolations, "SurfaceInterpolation", "Surface Interpolation",
          &TMainForm::SurfaceInterpolationClick);

  QMenu* results = AddMenu(nullptr, "Results", "Results");
  QMenu* smoothing = AddMenu(results, "Smoothing", "Smoothing");
  AddItem(smoothing, "SmoothingTreatment", "Treatment", &TMainForm::SmoothingTreatmentClick);
  AddItem(smoothing, "SmoothingInfo", "Info");
  AddItem(results, "SaveImage", "Save Image", &TMainForm::SaveImageClick);
  AddItem(results, "SaveDEM", "Save DEM", &TMainForm::SaveDEMClick);
  AddItem(results, "InfoDEM1", "Info DEM", &TMainForm::InfoDEM1Click);

  QMenu* about = AddMenu(nullptr, "About", "About");
  AddItem(about, "Author", "Author", &TMainForm::AuthorClick);
  AddItem(about, "Copyrigth", "Copyright", &TMainForm::CopyrigthClick);
  QMenu* information = AddMenu(about, "Information", "Info");
  AddItem(information, "English", "English", &TMainForm::EnglishClick);
  AddItem(information, "French", "French", &TMainForm::FrenchClick);
  AddItem(information, "Spanish", "Spanish", &TMainForm::SpanishClick);

  AddItem(nullptr, "Exit", "Exit", &TMainForm::ExitClick);
  BuildEditMenu();
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar("ToolBar");
  bar->setObjectName("ToolBar");
  bar->setIconSize(QSize(32, 32));
  bar->setMovable(false);
  bar->setFloatable(false);
  for (const ToolButton& button : kToolButtons) {
    QAction* action = bar->addAction(ToolGlyph(button.name), button.hint);
    action->setObjectName(button.name);
    action->setToolTip(button.hint);
    action->setCheckable(button.toggle);
    actions_[button.name] = action;
    if (button.separatorAfter) bar->addSeparator();
  }
  connect(Action("RasterSpeedButton"), &QAction::triggered, this,
          &TMainForm::RasterSpeedButtonClick);
  connect(Action("ZoomSpeedButton"), &QAction::triggered, this, &TMainForm::ZoomSpeedButtonClick);
  const std::array<std::pair<const char*, void (TMainForm::*)()>, 6> vectorButtons{{
      {"VectSpeedButton", &TMainForm::VectSpeedButtonClick},
      {"FusionSpeedButton", &TMainForm::FusionSpeedButtonClick},
      {"CNHASpeedButton", &TMainForm::CNHASpeedButtonClick},
      {"SelectionSpeedButton", &TMainForm::SelectionSpeedButtonClick},
      {"ReverseSpeedButton", &TMainForm::ReverseSpeedButtonClick},
      {"AdvanceSpeedButton", &TMainForm::AdvanceSpeedButtonClick},
  }};
  for (const auto& [name, handler] : vectorButtons) {
    connect(Action(name), &QAction::triggered, this, handler);
  }
  for (const auto& [tool, name] : kToolButtonNames) {
    connect(Action(name), &QAction::triggered, this,
            [this, tool = tool](bool down) { ToolButtonClick(tool, down); });
  }
  connect(Action("LineThinnerSpeedButton"), &QAction::triggered, this,
          &TMainForm::LineThinnerSpeedButtonClick);
  connect(Action("EbarbSpeedButton"), &QAction::triggered, this, &TMainForm::EbarbSpeedButtonClick);
  connect(Action("DetectBreakSpeedButton"), &QAction::triggered, this,
          &TMainForm::DetectBreakSpeedButtonClick);
  connect(Action("ComeBackSpeedButton"), &QAction::triggered, this,
          &TMainForm::ComeBackSpeedButtonClick);
  connect(Action("ExitSpeedButton"), &QAction::triggered, this, &TMainForm::ExitClick);
  ConnectDemCommands();
}

void TMainForm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  // The panels keep their widths; the font shrinks until the longest read-outs fit.
  QFont font = bar->font();
  const auto fits = [&font] {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(" Line: 99999  Column: 99999 ") <= kPanelWidths[0] - 8 &&
           metrics.horizontalAdvance(" Image Size: 9999 lines x 9999 columns  ") <=
               kPanelWidths[4] - 8;
  };
  while (!fits() && font.pointSizeF() > 6.0) font.setPointSizeF(font.pointSizeF() - 0.5);
  bar->setFont(font);
  for (int width : kPanelWidths) {
    auto* panel = new QLabel(bar);
    panel->setFont(font);
    panel->setTextFormat(Qt::PlainText);
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    panels_.push_back(panel);
  }
}

QWidget* TMainForm::AddPictureWindow(QMdiSubWindow& window, const char* glyph, const QSize& size) {
  window.setWindowIcon(ToolGlyph(glyph));
  mdiArea_->addSubWindow(&window);
  window.resize(size);
  window.show();
  return &window;
}

void TMainForm::CreateForms() {
  // Windows that other commands fill in begin as empty dialogs under their own name.
  const auto emptyForm = [this](const char* name) -> QWidget* {
    auto* form = new QDialog(this);
    form->setObjectName(name);
    return form;
  };
  const std::vector<std::pair<const char*, std::function<QWidget*()>>> forms{
      {"TImageSizeForm", [this] { return ImageSizeForm = new TImageSizeForm(ui_, this); }},
      {"TImageForm",
       [this] {
         ImageForm = new TImageForm(Session, *this);
         return AddPictureWindow(*ImageForm, "RasterSpeedButton", QSize(660, 500));
       }},
      {"TVertexForm", nullptr},
      {"TImageRasterForm", [this] { return ImageRasterForm = new TImageRasterForm(this); }},
      {"TImageVectForm", nullptr},
      {"TSelectionForm", nullptr},
      {"TDynamicForm", [this] { return DynamicForm = new TDynamicForm(ui_, this); }},
      {"TResultForm",
       [this] {
         ResultForm = new TResultForm(Session, *this);
         return AddPictureWindow(*ResultForm, "DilatSpeedButton", QSize(420, 320));
       }},
      {"TBreakForm", [this] { return BreakForm = new TBreakForm(this); }},
      {"TEbarbForm", [this] { return EbarbForm = new TEbarbForm(this); }},
      {"TSmoothingForm", [this] { return SmoothingForm = new TSmoothingForm(this); }},
      {"TDynRasterForm", [this] { return DynRasterForm = new TDynRasterForm(ui_, this); }},
      {"TDEMInfoForm", [this] { return DEMInfoForm = new TDEMInfoForm(this); }},
      {"TRuzeInfoForm", [this] { return new TRuzeInfoForm(this); }},
      {"TMorphoMathForm", [this] { return new TMorphoMathForm(this); }},
      {"TDilationForm", [this] { return new TDilationForm(this); }},
      {"TSumdxfForm", nullptr},
      {"TDxfFileForm", nullptr},
      {"TProgressForm", [this] { return new TProgressForm(0, this); }},
      {"TSkelInfoForm", [this] { return new TSkelInfoForm(this); }},
      {"TEbarbInfoForm", [this] { return new TEbarbInfoForm(this); }},
      {"TGapInfoForm", [this] { return new TGapInfoForm(this); }},
      {"TPresentationForm1", [this] { return new PresentationForm(1, this); }},
      {"TPresentationForm2", [this] { return new PresentationForm(2, this); }},
      {"TPresentationForm3", [this] { return new PresentationForm(3, this); }},
      {"TPresentationFinale", [this] { return new PresentationForm(4, this); }},
      {"TCLValueForm", [this] { return CLValueForm = new TCLValueForm(this); }},
      {"TInfoPointForm", [this] { return InfoPointForm = new TInfoPointForm(this); }},
      {"TFunnelInfoForm", [this] { return FunnelInfoForm = new TFunnelInfoForm(this); }},
      {"TSumDxfInfoForm", nullptr},
      {"TCoordUTMForm", [this] { return CoordUTMForm = new TCoordUTMForm(ui_, this); }},
      {"TAuthorForm", [this] { return new TAuthorForm(this); }},
      {"TCopyrigthForm", [this] { return new TCopyrigthForm(this); }},
      {"TEnglishInfoForm", [this] { return new TEnglishInfoForm(this); }},
      {"TFrenchInfoForm", [this] { return new TFrenchInfoForm(this); }},
      {"TSpanishInfoForm", [this] { return new TSpanishInfoForm(this); }},
      {"TSurfaceForm", [this] { return SurfaceForm = new TSurfaceForm(ui_, this); }},
  };
  for (const auto& [name, make] : forms) {
    QWidget* made = make ? make() : MakeVectorRoadForm(name);
    forms_[name] = made != nullptr ? made : emptyForm(name);
    createdForms_.push_back(name);
    if (std::string_view(name) == "TCLValueForm") {
      ApplyEnabling(EnablingEvent::PipetteDialogCreated);
    }
  }
  ImageForm->Hooks.zoomDown = [this] { return Action("ZoomSpeedButton")->isChecked(); };
  ImageForm->Hooks.toolDown = [this](EditorTool tool) {
    return Action(ToolButtonName(tool))->isChecked();
  };
  ImageForm->Hooks.toolClick = [this](EditorTool tool, const ImageClick& click,
                                      DisplayBitmap& picture) {
    EditorToolClick(tool, click, picture);
  };
  ResultForm->Hooks.zoomDown = ImageForm->Hooks.zoomDown;
  ResultForm->Hooks.pipetteDown = [this] { return Action("PipetteButton")->isChecked(); };
  ResultForm->Hooks.pipettePicked = [this](int line, int column) {
    ResultPipettePicked(line, column);
  };
  ResultForm->Hooks.scaleOutFactor = [this] { return DynamicForm->ScaleOutFactor(); };
  ConnectViewHooks();
}

QAction* TMainForm::Action(std::string_view name) const {
  const auto found = actions_.find(name);
  return found != actions_.end() ? found->second : nullptr;
}

QWidget* TMainForm::Form(std::string_view name) const {
  const auto found = forms_.find(name);
  return found != forms_.end() ? found->second : nullptr;
}

void TMainForm::PushControls() {
  for (int i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (QAction* action = Action(ControlName(control))) {
      action->setEnabled(controls_.Enabled(control));
    }
  }
  UpdateHistoryActions();
}

void TMainForm::ApplyEnabling(EnablingEvent event) {
  const bool scenePreview = ImageForm != nullptr && ImageForm->ScenePreviewShown();
  controls_ = ApplyEnablingEvent(controls_, event,
                                 {Session.EditableImage, Session.ZoneSelected, scenePreview});
  PushControls();
}

void TMainForm::SetControls(const ControlStates& states) {
  controls_ = states;
  PushControls();
}

bool TMainForm::RunCommandStep(SessionGrids kept, const std::function<void()>& step) {
  CommandSnapshot snapshot(*this, kept);
  try {
    step();
    return true;
  } catch (const CommandCancelled&) {
    snapshot.Restore();
  } catch (const Error& error) {
    snapshot.Restore();
    ui_.ShowMessage("ERROR", error.what(), MessageIcon::Error, this);
  } catch (const std::bad_alloc&) {
    snapshot.Restore();
    ui_.ShowMessage("ERROR",
                    OutOfMemoryMessage() + ": the command was abandoned and nothing was changed.",
                    MessageIcon::Error, this);
  }
  return false;
}

std::string TMainForm::DialogFolder() const {
  return Session.InputDirectory.empty() ? defaultFolder_ : Session.InputDirectory;
}

void TMainForm::ShowProgress() {
  CloseProgress();
  activeProgress_ = new TProgressForm(0, this);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    activeProgress_->move(screen->geometry().center() - activeProgress_->rect().center());
  }
  activeProgress_->show();
}

void TMainForm::SetProgress(float fraction) {
  if (activeProgress_ != nullptr) {
    activeProgress_->ProgressBar->setValue(static_cast<int>(fraction * 100.0f));
  }
}

void TMainForm::CloseProgress() {
  delete activeProgress_;
  activeProgress_ = nullptr;
}

void TMainForm::SetPanelText(int panel, const std::string& text) {
  // A note covers the panels: the first read-out of the mouse brings them back.
  if (!text.empty() && !statusBar()->currentMessage().isEmpty()) statusBar()->clearMessage();
  if (panel >= 0 && panel < static_cast<int>(panels_.size())) {
    panels_[panel]->setText(QString::fromStdString(text));
  }
}

std::string TMainForm::PanelText(int panel) const {
  if (panel < 0 || panel >= static_cast<int>(panels_.size())) return {};
  return panels_[panel]->text().toStdString();
}

void TMainForm::ShowStatusNote(const std::string& note) {
  constexpr int kNoteMilliseconds = 15000;
  if (note.empty()) {
    statusBar()->clearMessage();
  } else {
    statusBar()->showMessage(QString::fromStdString(note), kNoteMilliseconds);
  }
}

std::string TMainForm::StatusNote() const {
  return statusBar()->currentMessage().toStdString();
}

void TMainForm::ZoomSpeedButtonClick(bool down) {
  ui_.SetScreenCursor(down ? kLoupeCursor : kArrowCursor);
  ApplyEnabling(down ? EnablingEvent::ZoomDown : EnablingEvent::ZoomUp);
}

void TMainForm::ToolButtonClick(EditorTool tool, bool down) {
  struct ToolEvents {
    int cursor;
    EnablingEvent down;
    EnablingEvent up;
  };
  static const std::map<EditorTool, ToolEvents> kEvents{
      {EditorTool::Pipette, {kPipetteCursor, EnablingEvent::PipetteDown, EnablingEvent::PipetteUp}},
      {EditorTool::Pencil, {kPencilCursor, EnablingEvent::PencilDown, EnablingEvent::PencilUp}},
      {EditorTool::Rule, {kRuleCursor, EnablingEvent::RuleDown, EnablingEvent::RuleUp}},
      {EditorTool::IsolatedPoint, {kPointCursor, EnablingEvent::PointDown, EnablingEvent::PointUp}},
      {EditorTool::Filling, {kPotCursor, EnablingEvent::FillingDown, EnablingEvent::FillingUp}},
  };
  const ToolEvents& events = kEvents.at(tool);
  ui_.SetScreenCursor(down ? events.cursor : kArrowCursor);
  ApplyEnabling(down ? events.down : events.up);
}

void TMainForm::ShowForm(std::string_view name) {
  if (auto* dialog = qobject_cast<QDialog*>(Form(name))) ui_.RunModal(*dialog);
}

void TMainForm::InfoResultImageClick() {
  ShowForm(Session.RasterSession == 1 ? "TImageRasterForm" : "TImageVectForm");
}

void TMainForm::AuthorClick() {
  ShowForm("TAuthorForm");
}
void TMainForm::CopyrigthClick() {
  ShowForm("TCopyrigthForm");
}
void TMainForm::EnglishClick() {
  ShowForm("TEnglishInfoForm");
}
void TMainForm::FrenchClick() {
  ShowForm("TFrenchInfoForm");
}
void TMainForm::SpanishClick() {
  ShowForm("TSpanishInfoForm");
}
void TMainForm::ExitClick() {
  close();
}

}  // namespace zelmaro
