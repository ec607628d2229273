#pragma once

#include <QDialog>
#include <cstdint>

class QProgressBar;
class QPushButton;

namespace zelmaro {

// The small window that shows how far a long command has come. A command that can stop
// half-way makes it cancellable: it then holds the other windows, offers a Cancel
// button, and closing it asks the command to stop like Cancel does.
class TProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgressForm(std::int32_t value = 0, QWidget* parent = nullptr);

  void SetCancellable(bool cancellable);
  bool CancelRequested() const { return cancelRequested_; }

  QProgressBar* ProgressBar;
  QPushButton* CancelButton;
  std::int32_t Value;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  bool cancellable_ = false;
  bool cancelRequested_ = false;
};

}  // namespace zelmaro
