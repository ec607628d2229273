// Drives the desktop program on a real X server (for instance under xvfb-run) through
// Vectorial, Extract Vector Zone, Back and Return, and saves a screenshot of the whole
// screen after each step, so that the pictures can be looked at.
//   vector_road_screens OUTPUT_FOLDER [FILE.dxf [PIXEL_SIZE]]
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <cstdio>

#include "ui/interaction/ScriptedUserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Imagewindow.h"

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(25);
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelmaro;
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: vector_road_screens OUTPUT_FOLDER [FILE.dxf [PIXEL_SIZE]]\n");
    return 2;
  }
  const QString folder = argv[1];
  const std::string dxf = argc > 2 ? argv[2] : std::string(ZELMARO_EXAMPLES_DIR) + "/volcano.dxf";
  const QString pixel = argc > 3 ? argv[3] : "2";
  const auto shot = [&folder](const char* name) {
    Settle();
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name);
    std::printf("%s %s\n", saved ? "saved" : "could not save", name);
  };

  ScriptedUserInteraction ui;
  TMainForm main(ui, ZELMARO_EXAMPLES_DIR);
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  Settle();
  ui.QueueFile("VECTORIAL FILE OPENING", dxf);
  main.Action("Vectorial")->trigger();
  shot("preview.png");

  // Zoom in on the middle of the preview, which is small for a small sheet.
  main.Action("ZoomSpeedButton")->trigger();
  TImageForm& image = *main.ImageForm;
  for (int i = 0; i < 7; ++i) {
    const float scale = DisplayScale(image.ZoomFactor);
    image.PaintBoxMouseDown(MouseButton::Left, static_cast<int>(image.ShownColumns / 2 * scale),
                            static_cast<int>(image.ShownLines / 2 * scale));
  }
  shot("preview_zoom.png");
  main.Action("ZoomSpeedButton")->trigger();

  ui.QueueModal("TSelectionForm", [&](QDialog& form) {
    form.findChild<QLineEdit*>("PixEdit")->setText(pixel);
    form.findChild<QRadioButton*>("RadioButton2")->click();
    shot("dialog.png");
    form.findChild<QRadioButton*>("RadioButton1")->click();
    form.findChild<QPushButton*>("BitBtn1")->click();
  });
  main.Action("SelectionSpeedButton")->trigger();
  image.PaintBoxMouseMove(120, 80);
  shot("zone.png");
  main.Action("ReverseSpeedButton")->trigger();
  image.PaintBoxMouseMove(10, 10);
  shot("back.png");
  main.Action("AdvanceSpeedButton")->trigger();
  image.PaintBoxMouseMove(120, 80);
  shot("return.png");
  return ui.Messages.empty() ? 0 : 1;
}
