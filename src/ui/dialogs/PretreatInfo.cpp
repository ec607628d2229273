#include "ui/dialogs/PretreatInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "pretreat/DeletionTables.h"
#include "ui/art/ConfigurationPictures.h"
#include "ui/dialogs/DialogParts.h"

namespace zelmaro {
namespace {

QVBoxLayout* StartForm(QDialog& form, const char* objectName, const char* caption) {
  form.setObjectName(objectName);
  form.setWindowTitle(caption);
  return new QVBoxLayout(&form);
}

}  // namespace

TSkelInfoForm::TSkelInfoForm(QWidget* parent) : QDialog(parent) {
  QVBoxLayout* layout = StartForm(*this, "TSkelInfoForm", " Skeletisation");
  auto* top = new QHBoxLayout;
  auto* words = new QVBoxLayout;
  AddTextLines(*this, *words,
               {"Using the Freeman Code, it is possible to",
                "give a code to each configuration that", "present the neighbour pixels"});
  words->addStretch();
  top->addLayout(words);
  top->addWidget(PictureLabel(WeightWindowPicture(), "WeightPicture", *this));
  layout->addLayout(top);
  layout->addSpacing(12);
  AddTextLines(*this, *layout,
               {"When the following codes are obtained",
                "inside a  3 x 3 moving window, the central", "pixel (in red) is eliminated."});
  layout->addWidget(
      PictureLabel(ConfigurationsPicture(kThinningInfoLayout, 8, kGrayNeighbourColour),
                   "ConfigurationPicture", *this),
      0, Qt::AlignHCenter);
  AddOkButton(*this, *layout);
}

TEbarbInfoForm::TEbarbInfoForm(QWidget* parent) : QDialog(parent) {
  QVBoxLayout* layout = StartForm(*this, "TEbarbInfoForm", " Ebarbulation");
  AddTextLines(*this, *layout,
               {"The central pixel of the moving window (in red)",
                "that corresponds to an end of branch, is",
                "eliminated when the following configurations", "are encountered."});
  auto* pictures = new QHBoxLayout;
  pictures->addWidget(PictureLabel(WeightWindowPicture(), "WeightPicture", *this));
  pictures->addWidget(PictureLabel(ConfigurationsPicture(kBranchEndCodes, 4, kBlackNeighbourColour),
                                   "ConfigurationPicture", *this));
  layout->addLayout(pictures);
  AddOkButton(*this, *layout);
}

TGapInfoForm::TGapInfoForm(QWidget* parent) : QDialog(parent) {
  QVBoxLayout* layout = StartForm(*this, "TGapInfoForm", " Searching the gaps");
  layout->addWidget(PictureLabel(GapPicture(), "GapPicture", *this), 0, Qt::AlignHCenter);
  AddTextLines(
      *this, *layout,
      {"This function researchs the presence", "of gaps as observed in the red moving", "window."});
  layout->addSpacing(12);
  AddTextLines(*this, *layout,
               {"NOTA: if there is no gap, it is then", "possible to use the lineal interpolation",
                "that requires complete contour lines.", "If not, save the contour line image",
                "and the table indicating the position", "of the observed ruptures, in order to",
                "clean the contour lines by using a screen editor, and then  generate",
                "the DEM taking into account the raster image of the contour lines."});
  AddOkButton(*this, *layout);
}

}  // namespace zelmaro
