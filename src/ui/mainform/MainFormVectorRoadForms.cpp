// The windows of the vector road, built at start-up with the others, in their order.
#include "ui/dialogs/DxfFile.h"
#include "ui/dialogs/Imagevect.h"
#include "ui/dialogs/Selection.h"
#include "ui/dialogs/SumDxfInfo.h"
#include "ui/dialogs/Sumdxf.h"
#include "ui/dialogs/Vertex.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

QWidget* TMainForm::MakeVectorRoadForm(std::string_view name) {
  if (name == "TVertexForm") return new TVertexForm(Session, this);
  if (name == "TImageVectForm") return ImageVectForm = new TImageVectForm(this);
  if (name == "TSelectionForm") return SelectionForm = new TSelectionForm(ui_, Session, this);
  if (name == "TSumdxfForm") return SumdxfForm = new TSumdxfForm(Session, this);
  if (name == "TDxfFileForm") return new TDxfFileForm(this);
  if (name == "TSumDxfInfoForm") return new TSumDxfInfoForm(this);
  return nullptr;
}

}  // namespace zelmaro
