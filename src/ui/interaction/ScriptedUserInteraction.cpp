#include "ui/interaction/ScriptedUserInteraction.h"

#include <QDialog>
#include <QPushButton>
#include <stdexcept>

#include "ui/dialogs/Progress.h"

namespace zelmaro {

void ScriptedUserInteraction::QueueFile(std::string title, std::optional<std::string> path,
                                        int filterIndex) {
  files_.push_back({std::move(title), std::move(path), filterIndex});
}

void ScriptedUserInteraction::QueueModal(std::string formName, std::function<void(QDialog&)> act) {
  modals_.push_back({std::move(formName), std::move(act)});
}

ScriptedUserInteraction::FileAnswer ScriptedUserInteraction::NextFile(
    const FileDialogRequest& request) {
  FileRequests.push_back(request);
  if (files_.empty()) {
    throw std::logic_error("Unexpected file dialog \"" + request.title + "\".");
  }
  FileAnswer answer = files_.front();
  files_.pop_front();
  if (answer.title != request.title) {
    throw std::logic_error("File dialog \"" + request.title + "\" shown where \"" + answer.title +
                           "\" was expected.");
  }
  return answer;
}

std::optional<std::string> ScriptedUserInteraction::OpenFileName(const FileDialogRequest& request) {
  return NextFile(request).path;
}

std::optional<std::string> ScriptedUserInteraction::SaveFileName(const FileDialogRequest& request) {
  return NextFile(request).path;
}

std::optional<FileChoice> ScriptedUserInteraction::SaveFileChoice(
    const FileDialogRequest& request) {
  const FileAnswer answer = NextFile(request);
  if (!answer.path) return std::nullopt;
  return FileChoice{*answer.path, answer.filterIndex};
}

bool ScriptedUserInteraction::RunModal(QDialog& form) {
  const std::string name = form.objectName().toStdString();
  ModalForms.push_back(name);
  if (modals_.empty()) throw std::logic_error("Unexpected modal form " + name + ".");
  ModalAnswer answer = modals_.front();
  modals_.pop_front();
  if (answer.formName != name) {
    throw std::logic_error("Modal form " + name + " shown where " + answer.formName +
                           " was expected.");
  }
  form.setResult(QDialog::Rejected);
  form.show();
  if (answer.act) answer.act(form);
  if (form.isVisible()) form.reject();
  return form.result() == QDialog::Accepted;
}

void ScriptedUserInteraction::ShowMessage(const std::string& caption, const std::string& text,
                                          MessageIcon icon, QWidget*) {
  Messages.push_back({caption, text, icon});
}

void ScriptedUserInteraction::QueueAnswer(std::string question, QuestionAnswer answer) {
  answers_.emplace_back(std::move(question), answer);
}

QuestionAnswer ScriptedUserInteraction::AskQuestion(const std::string& caption,
                                                    const std::string& question,
                                                    const std::string& details, QWidget*) {
  Questions.push_back({caption, question, details});
  if (answers_.empty()) throw std::logic_error("Unexpected question \"" + question + "\".");
  const auto [expected, answer] = answers_.front();
  answers_.pop_front();
  if (expected != question) {
    throw std::logic_error("Question \"" + question + "\" asked where \"" + expected +
                           "\" was expected.");
  }
  return answer;
}

void ScriptedUserInteraction::RegisterCursor(int id, const QCursor& cursor) {
  RegisteredCursors[id] = cursor;
}

void ScriptedUserInteraction::SetScreenCursor(int id) {
  CursorHistory.push_back(id);
  if (OnCursor) OnCursor(id);
}

void ScriptedUserInteraction::StartupWait(float seconds) {
  StartupWaits.push_back(seconds);
}

bool ScriptedUserInteraction::ProgressGoesOn(TProgressForm& window, double fractionDone) {
  ProgressShown.push_back(fractionDone);
  if (cancelAt_ && fractionDone >= *cancelAt_) {
    cancelAt_.reset();
    window.CancelButton->click();
  }
  return !window.CancelRequested();
}

}  // namespace zelmaro
