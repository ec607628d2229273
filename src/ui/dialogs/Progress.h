#pragma once

#include <QDialog>
#include <cstdint>

class QProgressBar;

namespace zelmaro {

// The small window that shows how far a long command has come.
class TProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgressForm(std::int32_t value = 0, QWidget* parent = nullptr);

  QProgressBar* ProgressBar;
  std::int32_t Value;
};

}  // namespace zelmaro
