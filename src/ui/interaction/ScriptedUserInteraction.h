#pragma once

#include <QCursor>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

// Answers every dialog from queues filled beforehand and records all that was shown,
// so that tests run whole commands without a display and without blocking. A dialog
// that comes without a queued answer, or in another order, is a test failure: it
// throws std::logic_error naming what was asked.
class ScriptedUserInteraction : public UserInteraction {
 public:
  struct Message {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
  };
  struct FileAnswer {
    std::string title;                // the dialog expected
    std::optional<std::string> path;  // nothing: the user cancels
    int filterIndex = 1;              // the filter the name is chosen under
  };
  struct ModalAnswer {
    std::string formName;  // object name of the form expected
    // Works the form as a user would (types, checks, clicks OK). A form still open
    // afterwards counts as closed by its window frame.
    std::function<void(QDialog&)> act;
  };

  struct Question {
    std::string caption;
    std::string question;
    std::string details;
  };

  void QueueAnswer(std::string question, QuestionAnswer answer);
  void QueueFile(std::string title, std::optional<std::string> path, int filterIndex = 1);
  void QueueModal(std::string formName, std::function<void(QDialog&)> act);
  bool AllAnswersUsed() const { return files_.empty() && modals_.empty() && answers_.empty(); }

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

  // The user presses the progress window's Cancel button once a command has come this far.
  void CancelProgressAt(double fractionDone) { cancelAt_ = fractionDone; }

  std::vector<FileDialogRequest> FileRequests;
  std::vector<std::string> ModalForms;  // object names, in the order shown
  std::vector<Message> Messages;
  std::vector<Question> Questions;
  std::vector<int> CursorHistory;
  std::map<int, QCursor> RegisteredCursors;
  std::vector<float> StartupWaits;
  // Every fraction a progress window was shown with, in order.
  std::vector<double> ProgressShown;
  // Called on every cursor change, so a test can look at the windows at that moment.
  std::function<void(int)> OnCursor;

 private:
  FileAnswer NextFile(const FileDialogRequest& request);

  std::deque<FileAnswer> files_;
  std::deque<ModalAnswer> modals_;
  std::deque<std::pair<std::string, QuestionAnswer>> answers_;
  std::optional<double> cancelAt_;
};

}  // namespace zelmaro
