#pragma once

#include <optional>
#include <string>

class QCursor;
class QDialog;
class QWidget;

namespace zelmaro {
class TProgressForm;
}

namespace zelmaro {

// Screen cursors by id: the arrow, the hourglass, and the ids under which the main
// window registers its own cursors.
inline constexpr int kArrowCursor = 0;
inline constexpr int kHourglassCursor = -11;
inline constexpr int kLoupeCursor = 30;
inline constexpr int kPipetteCursor = 31;
inline constexpr int kPencilCursor = 32;
inline constexpr int kRuleCursor = 33;
inline constexpr int kPointCursor = 34;
inline constexpr int kPotCursor = 35;
inline constexpr int kFlechitaCursor = 36;

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "Description|pattern", pairs joined by '|'
  std::string initialFolder;
  int filterIndex = 1;
  // A save dialog asks before a chosen file is replaced, unless the command writes to
  // another name than the one chosen.
  bool confirmOverwrite = true;
};

// A name chosen in a file dialog, with the number (from 1) of the filter it was chosen
// under.
struct FileChoice {
  std::string path;
  int filterIndex = 1;
};

enum class MessageIcon { None, Information, Warning, Error };

// The answers to a question; closing its box answers Cancel.
enum class QuestionAnswer { Yes, No, Cancel };

// Everything that waits for the user or shows itself to the user goes through here, so
// that a whole command can run from a script in a test.
class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // Nothing when the user cancels.
  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
  // A save dialog whose chosen filter decides what is written.
  virtual std::optional<FileChoice> SaveFileChoice(const FileDialogRequest& request) = 0;
  // Shows a form modally; true when it was confirmed (closed by its OK button).
  virtual bool RunModal(QDialog& form) = 0;
  virtual void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon,
                           QWidget* parent) = 0;
  // A question with Yes, No and Cancel, with what the answer is about underneath.
  virtual QuestionAnswer AskQuestion(const std::string& caption, const std::string& question,
                                     const std::string& details, QWidget* parent) = 0;
  virtual void RegisterCursor(int id, const QCursor& cursor) = 0;
  virtual void SetScreenCursor(int id) = 0;
  // The pause while a presentation window is on screen at start-up.
  virtual void StartupWait(float seconds) = 0;
  // A long command's progress window shows `fractionDone`: lets the user act on it (its
  // Cancel button) and tells whether the command may go on.
  virtual bool ProgressGoesOn(TProgressForm& window, double fractionDone) = 0;
};

}  // namespace zelmaro
