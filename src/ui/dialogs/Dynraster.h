#pragma once

#include <QDialog>
#include <QString>

#include "forms/ScaleDialogs.h"

class QLineEdit;
class QPushButton;

namespace zelmaro {

class UserInteraction;

// The Dynamic Parameters dialog: range, interval and pixel size of raster data. Each
// edit stores its number on every change; OK refuses a negative pixel size.
class TDynRasterForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDynRasterForm(UserInteraction& ui, QWidget* parent = nullptr);

  // Fills minimum, maximum and interval for a new data set; what the user types
  // afterwards stands until the next one.
  void ShowLevels(const TableLevels& levels);
  // The four texts as typed, to put back when a load that filled them is abandoned.
  struct Texts {
    QString minimum;
    QString maximum;
    QString interval;
    QString pixel;
  };
  Texts EditTexts() const;
  void SetEditTexts(const Texts& texts);

  DynRasterModel Model;
  QLineEdit* MinimumEdit;
  QLineEdit* MaximumEdit;
  QLineEdit* IntervalEdit;
  QLineEdit* PixelEdit;
  QPushButton* BitBtn1;

 private:
  void BitBtn1Click();

  UserInteraction& ui_;
};

}  // namespace zelmaro
