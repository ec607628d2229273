// Drives the desktop program on a real X server (for instance under xvfb-run) along the
// vector road of a GIS source (or a DXF file): Vectorial with its layer and field dialog,
// Extract Vector Zone of the whole scene, Dilation (meters in, centimeters out), and,
// when a stem is given, Save DEM as GeoTIFF, raw DEM and ASCII grid. A screenshot of the
// whole screen is saved after each step; the messages and the status bar are printed.
//   gis_road_screens OUTPUT_FOLDER SOURCE PIXEL_SIZE [DEM_STEM [FIELD]]
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <cstdio>

#include "forms/ImageViewMath.h"
#include "ui/interaction/ScriptedUserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Imagewindow.h"
#include "ui/windows/Resultwindow.h"

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(25);
  }
}

template <typename Button>
void Click(QDialog& form, const char* name) {
  if (auto* button = form.findChild<Button*>(name)) button->click();
}

// The mouse over the middle of a picture window's picture.
template <typename Window>
void PointAtMiddle(Window& window) {
  const float scale = zelmaro::DisplayScale(window.ZoomFactor);
  window.PaintBoxMouseMove(static_cast<int>(window.ShownColumns / 2 * scale),
                           static_cast<int>(window.ShownLines / 3 * scale));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelmaro;
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: gis_road_screens OUTPUT_FOLDER SOURCE PIXEL_SIZE [DEM_STEM [FIELD]]\n");
    return 2;
  }
  const QString folder = argv[1];
  const std::string source = argv[2];
  const QString pixel = argv[3];
  const std::string stem = argc > 4 ? argv[4] : "";
  const QString field = argc > 5 ? argv[5] : "";
  const auto shot = [&folder](const char* name) {
    Settle();
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name);
    std::printf("%s %s\n", saved ? "saved" : "could not save", name);
  };

  ScriptedUserInteraction ui;
  TMainForm main(ui, ".");
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  Settle();

  ui.QueueFile("VECTORIAL FILE OPENING", source);
  const bool dxf = source.size() > 4 && source.substr(source.size() - 4) == ".dxf";
  if (!dxf) {
    ui.QueueModal("TLayerFieldForm", [&](QDialog& form) {
      if (!field.isEmpty()) form.findChild<QLineEdit*>("FieldEdit")->setText(field);
      form.adjustSize();
      shot("layer_field.png");
      Click<QPushButton>(form, "BitBtn1");
    });
  }
  main.Action("Vectorial")->trigger();
  shot("preview.png");  // the note of the load in the status bar
  std::printf("status: %s\ntable:", main.StatusNote().c_str());
  for (int code = 1; code <= main.Session.AltitudeCount; ++code) {
    std::printf(" %d", main.Session.AltitudeTable[code]);
  }
  std::printf("\n");
  PointAtMiddle(*main.ImageForm);
  shot("preview_readout.png");

  ui.QueueModal("TSelectionForm", [&](QDialog& form) {
    form.findChild<QLineEdit*>("PixEdit")->setText(pixel);
    Click<QRadioButton>(form, "RadioButton1");
    Click<QPushButton>(form, "BitBtn1");
  });
  main.Action("SelectionSpeedButton")->trigger();
  ui.QueueModal("TDynamicForm", [](QDialog& form) {
    Click<QRadioButton>(form, "RadioButton1");
    Click<QRadioButton>(form, "RadioButton7");
    Click<QPushButton>(form, "BitBtn1");
  });
  main.Action("DilatSpeedButton")->trigger();
  PointAtMiddle(*main.ResultForm);
  shot("dilation.png");
  std::printf("read-out: %s |%s |%s\n", main.PanelText(0).c_str(), main.PanelText(1).c_str(),
              main.PanelText(2).c_str());

  if (!stem.empty()) {
    ui.QueueFile("Save DEM", stem, 3);
    main.Action("SaveDEMSpeedButton")->trigger();
    ui.QueueFile("Save DEM", stem, 1);
    main.Action("SaveDEMSpeedButton")->trigger();
    ui.QueueFile("Save DEM", stem, 2);
    ui.QueueModal("TCoordUTMForm", [&](QDialog& form) {
      Click<QRadioButton>(form, "RadioButton3");
      form.adjustSize();
      shot("coordinates_dialog.png");
      Click<QPushButton>(form, "BitBtn1");
    });
    main.Action("SaveDEMSpeedButton")->trigger();
  }
  for (const auto& message : ui.Messages) {
    std::printf("%s: %s\n", message.caption.c_str(), message.text.c_str());
  }
  std::printf("DemMin %d DemMax %d (centimeters), %d lines x %d columns\n", main.Session.DemMin,
              main.Session.DemMax, main.Session.WorkLines, main.Session.WorkColumns);
  return ui.AllAnswersUsed() ? 0 : 1;
}
