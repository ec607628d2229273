#pragma once

#include <QDialog>
#include <cstdint>

class QProgressBar;
class QPushButton;

namespace zelmaro {

// The small window that shows how far a long command has come, with the percentage done
// and a Cancel button. It stays until the command ends: closing it by its frame or
// pressing Escape asks the command to stop, as Cancel does.
class TProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgressForm(std::int32_t value = 0, QWidget* parent = nullptr);

  // True once the user asked the command to stop.
  bool CancelRequested() const { return cancelRequested_; }

  QProgressBar* ProgressBar;
  QPushButton* CancelButton;
  std::int32_t Value;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void RequestCancel();

  bool cancelRequested_ = false;
};

}  // namespace zelmaro
