#pragma once

#include <QCursor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

#include "core/WaitSeconds.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

// "Description|pattern|..." as a Qt file dialog filter ("Description (pattern);;...").
QString QtFileFilter(const std::string& filter);

// The interaction of the desktop program: Qt dialogs, message boxes and cursors.
class QtUserInteraction : public UserInteraction {
 public:
  explicit QtUserInteraction(TickClock clock = SteadyTicks) : clock_(std::move(clock)) {}

  // The window over which file dialogs open.
  void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  std::optional<FileChoice> SaveFileChoice(const FileDialogRequest& request) override;
  bool RunModal(QDialog& form) override;
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon,
                   QWidget* parent) override;
  QuestionAnswer AskQuestion(const std::string& caption, const std::string& question,
                             const std::string& details, QWidget* parent) override;
  void RegisterCursor(int id, const QCursor& cursor) override;
  void SetScreenCursor(int id) override;
  void StartupWait(float seconds) override;
  bool ProgressGoesOn(TProgressForm& window, double fractionDone) override;

 private:
  QWidget* DialogParent() const;
  std::optional<FileChoice> AskFileName(const FileDialogRequest& request, bool save) const;

  TickClock clock_;
  QPointer<QWidget> dialogParent_;
  std::map<int, QCursor> cursors_;
};

}  // namespace zelmaro
