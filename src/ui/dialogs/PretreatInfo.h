#pragma once

#include <QDialog>

namespace zelmaro {

// The Info forms of the three pre-treatments: what each one looks for, in words and in
// pictures drawn from the tables the treatments use.

class TSkelInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSkelInfoForm(QWidget* parent = nullptr);
};

class TEbarbInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEbarbInfoForm(QWidget* parent = nullptr);
};

class TGapInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGapInfoForm(QWidget* parent = nullptr);
};

}  // namespace zelmaro
