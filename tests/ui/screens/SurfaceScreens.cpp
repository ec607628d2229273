// Drives the desktop program on a real X server (for instance under xvfb-run) through
// the raster example's Dilation and Surface Interpolation, and saves to look at:
//   dilation_screen.png   the whole screen after Dilation
//   surface_screen.png    the whole screen after Surface Interpolation (its dialog's
//                         default values), both windows side by side
//   dilation_shade.png, surface_shade.png   the two hill shadings, cell for cell
//   dilation_detail.png, surface_detail.png the same around the crater, enlarged 3 times
//   surface_screens OUTPUT_FOLDER
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <cstdio>

#include "ui/interaction/ScriptedUserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(25);
  }
}

QImage Picture(const zelmaro::ByteGrid& shaded) {
  QImage picture(shaded.Columns(), shaded.Lines(), QImage::Format_Grayscale8);
  for (int line = 0; line < shaded.Lines(); ++line) {
    std::copy(shaded[line], shaded[line] + shaded.Columns(), picture.scanLine(line));
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelmaro;
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: surface_screens OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = argv[1];
  const std::string examples = ZELMARO_EXAMPLES_DIR;
  const auto save = [&folder](const QImage& image, const char* name) {
    std::printf("%s %s\n", image.save(folder + "/" + name) ? "saved" : "could not save", name);
  };
  const auto shade = [&](const ByteGrid& shaded, const char* whole, const char* detail) {
    const QImage picture = Picture(shaded);
    save(picture, whole);
    // The crater and the steep flanks around it, where the lines crowd.
    save(picture.copy(QRect(150, 110, 200, 150)).scaled(600, 450), detail);
  };

  ScriptedUserInteraction ui;
  TMainForm main(ui, examples);
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  Settle();
  ui.QueueFile("OPEN DATA RASTER", examples + "/volcano.raw");
  ui.QueueFile("Open Table Gray Tones Altitudes", examples + "/volcano_tab.txt");
  ui.QueueModal("TDynRasterForm", [](QDialog& form) {
    const std::pair<const char*, const char*> typed[] = {
        {"MinimumEdit", "95"}, {"MaximumEdit", "195"}, {"IntervalEdit", "5"}, {"PixelEdit", "10"}};
    for (const auto& [edit, text] : typed) form.findChild<QLineEdit*>(edit)->setText(text);
    form.findChild<QPushButton*>("BitBtn1")->click();
  });
  main.Action("Raster")->trigger();
  const auto scale = [&ui] {
    ui.QueueModal("TDynamicForm", [](QDialog& form) {
      form.findChild<QRadioButton*>("RadioButton1")->click();
      form.findChild<QRadioButton*>("RadioButton7")->click();
      form.findChild<QPushButton*>("BitBtn1")->click();
    });
  };
  scale();
  main.Action("DilatSpeedButton")->trigger();
  main.TileClick();
  Settle();
  save(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), "dilation_screen.png");
  shade(main.Session.ShadedImage, "dilation_shade.png", "dilation_detail.png");

  scale();
  ui.QueueModal("TSurfaceForm",
                [](QDialog& form) { form.findChild<QPushButton*>("BitBtn1")->click(); });
  main.Action("SurfaceSpeedButton")->trigger();
  main.TileClick();
  Settle();
  save(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), "surface_screen.png");
  shade(main.Session.ShadedImage, "surface_shade.png", "surface_detail.png");
  return ui.Messages.empty() && ui.AllAnswersUsed() ? 0 : 1;
}
