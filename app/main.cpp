// The ZELMARO desktop program. `zelmaro FILE.raw` loads FILE at start-up.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/interaction/QtUserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace {

bool HasEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// Without a display Qt would abort; say what is missing instead.
bool DisplayAvailable() {
  return HasEnvironment("DISPLAY") || HasEnvironment("WAYLAND_DISPLAY") ||
         HasEnvironment("QT_QPA_PLATFORM");
}

// Qt ends the process when no platform plugin can start, for instance when DISPLAY
// names a server that is not there. Until the application object exists, such an end
// is reported as a missing display and the program leaves with a plain error status.
bool startingUp = true;

void ReportStartUpFailure(QtMsgType type, const QMessageLogContext&, const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg && startingUp) {
    std::fprintf(stderr,
                 "zelmaro: cannot open the display; check DISPLAY or WAYLAND_DISPLAY, or run "
                 "it under xvfb-run.\n");
    std::_Exit(2);
  }
}

std::string ExamplesFolder() {
  const QFileInfo bundled(QStringLiteral(ZELMARO_EXAMPLES_DIR));
  if (bundled.isDir()) return bundled.absoluteFilePath().toStdString();
  return QDir::currentPath().toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "zelmaro: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it from a desktop session, under xvfb-run, or with "
                 "QT_QPA_PLATFORM=offscreen; the batch tool zelmaro-cli needs no display.\n");
    return 2;
  }
  // Beyond a file-size limit a save then fails with its message, and leaves no
  // temporary file, instead of the signal ending the program in the middle of it.
  std::signal(SIGXFSZ, SIG_IGN);
  const QtMessageHandler previousHandler = qInstallMessageHandler(ReportStartUpFailure);
  QApplication application(argc, argv);
  startingUp = false;
  qInstallMessageHandler(previousHandler);
  // Numbers in texts and files always use a decimal point, whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("ZELMARO");

  zelmaro::QtUserInteraction ui;
  zelmaro::TMainForm mainForm(ui, ExamplesFolder());
  // Without a window manager (a bare X server) maximising does nothing: take the
  // screen's free area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    mainForm.setGeometry(screen->availableGeometry());
  }
  mainForm.showMaximized();
  ui.SetDialogParent(&mainForm);
  if (argc > 1) {
    const std::string rawPath =
        QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString();
    QTimer::singleShot(0, &mainForm, [&mainForm, rawPath] { mainForm.RasterOnFile(rawPath); });
  }
  return application.exec();
}
