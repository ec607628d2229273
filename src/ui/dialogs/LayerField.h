#pragma once

#include <QDialog>

#include "forms/LayerFieldModel.h"
#include "gis/VectorSource.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zelmaro {

class UserInteraction;

// The layer and field dialog of Vectorial for a GIS source: the layer to read (when
// the source has several) and where the elevation of its lines comes from.
class TLayerFieldForm : public QDialog {
  Q_OBJECT
 public:
  TLayerFieldForm(UserInteraction& ui, QWidget* parent = nullptr);

  // Shows the dialog for the source; the choice when OK closed it, nothing otherwise.
  std::optional<ContourSourceChoice> AskChoice(const VectorSourceInfo& source);

  LayerFieldModel Model;
  QLabel* SourceLabel;
  QGroupBox* LayerGroup;
  QComboBox* LayerComboBox;
  QLabel* LayerLabel;
  QComboBox* FieldComboBox;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 private:
  void LayerComboBoxChange(int index);
  void ShowLayer();
  void BitBtn1Click();

  UserInteraction& ui_;
};

}  // namespace zelmaro
