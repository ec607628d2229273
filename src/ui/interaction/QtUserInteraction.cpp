#include "ui/interaction/QtUserInteraction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "ui/dialogs/Progress.h"

namespace zelmaro {
namespace {

QString SelectedFilter(const QString& filters, int filterIndex) {
  const QStringList list = filters.split(";;");
  const int index = filterIndex - 1;
  return index >= 0 && index < list.size() ? list[index] : QString();
}

// While a dialog waits for the user the pointer is the ordinary arrow, whatever cursor
// the command that asks has set.
class ArrowWhileAsking {
 public:
  ArrowWhileAsking() : overridden_(QApplication::overrideCursor() != nullptr) {
    if (overridden_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileAsking() {
    if (overridden_) QApplication::restoreOverrideCursor();
  }
  ArrowWhileAsking(const ArrowWhileAsking&) = delete;
  ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

 private:
  bool overridden_;
};

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters.join(";;");
}

std::optional<FileChoice> QtUserInteraction::AskFileName(const FileDialogRequest& request,
                                                         bool save) const {
  const QString filters = QtFileFilter(request.filter);
  QString selected = SelectedFilter(filters, request.filterIndex);
  const auto ask = save ? &QFileDialog::getSaveFileName : &QFileDialog::getOpenFileName;
  const ArrowWhileAsking arrow;
  const QString path =
      ask(DialogParent(), QString::fromStdString(request.title),
          QString::fromStdString(request.initialFolder), filters, &selected,
          request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return std::nullopt;
  const qsizetype chosen = filters.split(";;").indexOf(selected);
  return FileChoice{path.toStdString(), chosen >= 0 ? static_cast<int>(chosen) + 1 : 1};
}

std::optional<std::string> QtUserInteraction::OpenFileName(const FileDialogRequest& request) {
  const auto choice = AskFileName(request, false);
  if (!choice) return std::nullopt;
  return choice->path;
}

std::optional<std::string> QtUserInteraction::SaveFileName(const FileDialogRequest& request) {
  const auto choice = AskFileName(request, true);
  if (!choice) return std::nullopt;
  return choice->path;
}

std::optional<FileChoice> QtUserInteraction::SaveFileChoice(const FileDialogRequest& request) {
  return AskFileName(request, true);
}

QWidget* QtUserInteraction::DialogParent() const {
  if (dialogParent_) return dialogParent_;
  return QApplication::activeWindow();
}

bool QtUserInteraction::RunModal(QDialog& form) {
  return form.exec() == QDialog::Accepted;
}

void QtUserInteraction::ShowMessage(const std::string& caption, const std::string& text,
                                    MessageIcon icon, QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case MessageIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  box.setStandardButtons(QMessageBox::Ok);
  const ArrowWhileAsking arrow;
  box.exec();
}

QuestionAnswer QtUserInteraction::AskQuestion(const std::string& caption,
                                              const std::string& question,
                                              const std::string& details, QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setIcon(QMessageBox::Question);
  box.setText(QString::fromStdString(question));
  box.setInformativeText(QString::fromStdString(details));
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const ArrowWhileAsking arrow;
  switch (box.exec()) {
    case QMessageBox::Yes:
      return QuestionAnswer::Yes;
    case QMessageBox::No:
      return QuestionAnswer::No;
    default:
      return QuestionAnswer::Cancel;
  }
}

void QtUserInteraction::RegisterCursor(int id, const QCursor& cursor) {
  cursors_[id] = cursor;
}

void QtUserInteraction::SetScreenCursor(int id) {
  if (id == kArrowCursor) {
    while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    return;
  }
  QCursor cursor(Qt::WaitCursor);
  if (id != kHourglassCursor) {
    const auto found = cursors_.find(id);
    cursor = found != cursors_.end() ? found->second : QCursor(Qt::ArrowCursor);
  }
  if (QApplication::overrideCursor() != nullptr) {
    QApplication::changeOverrideCursor(cursor);
  } else {
    QApplication::setOverrideCursor(cursor);
  }
  // The hourglass must show before a long command keeps the event loop busy.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUserInteraction::StartupWait(float seconds) {
  // One pass of the event loop lets the presentation window reach the screen; the
  // wait itself takes no input, as nothing else is built yet.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  WaitSeconds(seconds, clock_);
}

bool QtUserInteraction::ProgressGoesOn(TProgressForm& window, double) {
  // The progress window is application modal: the events let through here repaint the
  // windows and reach its Cancel button, no other command.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !window.CancelRequested();
}

}  // namespace zelmaro
