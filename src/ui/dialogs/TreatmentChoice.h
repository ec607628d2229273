#pragma once

#include <QDialog>

#include "forms/TreatmentChoiceModel.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace zelmaro {

// A confirmation dialog with a "do it" and a "do not" radio button bound to a
// TreatmentChoiceModel: it opens with neither selected and OK clears them again, the
// choice staying in the model. The radio buttons are not exclusive by themselves, so
// that both may show cleared.
class TreatmentChoiceForm : public QDialog {
  Q_OBJECT
 public:
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QPushButton* BitBtn1;

 protected:
  // `content` is filled by the derived dialog; the radio buttons and OK come under it.
  TreatmentChoiceForm(const char* objectName, const char* caption, const char* doText,
                      const char* doNotText, TreatmentChoiceModel& model, QWidget* parent);
  QVBoxLayout* Content() const { return content_; }

 private:
  void ShowChoice();

  TreatmentChoiceModel& model_;
  QVBoxLayout* content_;
};

}  // namespace zelmaro
