#pragma once

#include <QDialog>
#include <QStringList>

namespace zelmaro {

// What the fusion of several DXF files is for.
class TSumDxfInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSumDxfInfoForm(QWidget* parent = nullptr);

  static QStringList Texts();
};

}  // namespace zelmaro
