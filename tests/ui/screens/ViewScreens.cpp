// Drives the desktop program on a real X server (for instance under xvfb-run) through
// the views, and saves a screenshot of the whole screen at each step to look at:
//   zone_drag.png     a small DXF sheet's preview, fitted, with a zone dragged on it
//                     and the selection dialog that the drag filled in
//   zone_marked.png   the same preview with the dialog closed, the zone still marked
//   dilation.png      the raster example after Dilation, both windows side by side
//   view_screens OUTPUT_FOLDER [FILE.dxf]
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
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

void Press(QWidget& box, QEvent::Type type, const QPoint& at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), box.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(&box, &event);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelmaro;
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: view_screens OUTPUT_FOLDER [FILE.dxf]\n");
    return 2;
  }
  const QString folder = argv[1];
  const std::string examples = ZELMARO_EXAMPLES_DIR;
  const std::string dxf = argc > 2 ? argv[2] : examples + "/volcano.dxf";
  const auto shot = [&folder](const char* name) {
    Settle();
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name);
    std::printf("%s %s\n", saved ? "saved" : "could not save", name);
  };

  ScriptedUserInteraction ui;
  TMainForm main(ui, examples);
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  Settle();
  ui.QueueFile("VECTORIAL FILE OPENING", dxf);
  main.Action("Vectorial")->trigger();
  Settle();

  // A drag from a fifth to three fifths of the preview, as a user's hand would.
  TImageForm& image = *main.ImageForm;
  QWidget& box = *image.PaintBox();
  const float scale = DisplayScale(image.ZoomFactor);
  const auto at = [&](double line, double column) {
    return QPoint(static_cast<int>(column * image.ShownColumns * scale),
                  static_cast<int>(line * image.ShownLines * scale));
  };
  ui.QueueModal("TSelectionForm", [&](QDialog& form) {
    // Out of the way of the preview, so that both show.
    form.move(main.geometry().center().x(), main.geometry().top() + 120);
    form.findChild<QLineEdit*>("PixEdit")->setText("5");
    shot("zone_drag.png");
  });
  Press(box, QEvent::MouseButtonPress, at(0.2, 0.25));
  Press(box, QEvent::MouseMove, at(0.4, 0.45));
  Press(box, QEvent::MouseButtonRelease, at(0.6, 0.7));
  box.update();
  shot("zone_marked.png");

  ui.QueueFile("OPEN DATA RASTER", examples + "/volcano.raw");
  ui.QueueFile("Open Table Gray Tones Altitudes", examples + "/volcano_tab.txt");
  ui.QueueModal("TDynRasterForm", [](QDialog& form) {
    const std::pair<const char*, const char*> typed[] = {
        {"MinimumEdit", "95"}, {"MaximumEdit", "195"}, {"IntervalEdit", "5"}, {"PixelEdit", "10"}};
    for (const auto& [edit, text] : typed) form.findChild<QLineEdit*>(edit)->setText(text);
    form.findChild<QPushButton*>("BitBtn1")->click();
  });
  main.Action("Raster")->trigger();
  ui.QueueModal("TDynamicForm", [](QDialog& form) {
    form.findChild<QRadioButton*>("RadioButton1")->click();
    form.findChild<QRadioButton*>("RadioButton5")->click();
    form.findChild<QPushButton*>("BitBtn1")->click();
  });
  main.Action("DilatSpeedButton")->trigger();
  image.PaintBoxMouseMove(200, 150);
  shot("dilation.png");
  return ui.Messages.empty() && ui.AllAnswersUsed() ? 0 : 1;
}
