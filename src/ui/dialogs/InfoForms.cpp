#include "ui/dialogs/InfoForms.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmaro {
namespace {

const char* const kEnglish =
    "ZELMARO builds two kinds of Digital Elevation Model (DEM): from raster images of "
    "contour lines, or from vector data (DXF files of contour polylines).\n\n"
    "Sub-zones can be extracted from the data with a vertical scale (meters, decimeters, "
    "centimeters or millimeters) and a pixel size of your choice.\n\n"
    "Several functions (skeletonization, corner elimination, ebarbulation, break search) "
    "and a screen editor (pipette, pencil, rule, isolated points, filling tool) correct the "
    "contour lines before the interpolation.\n\n"
    "The DEM is saved in raw format (4-byte integers) or in an ASCII format read by "
    "geographic information systems.";

const char* const kFrench =
    "ZELMARO construit deux sortes de Modèle Numérique de Terrain (MNT) : à partir "
    "d'images raster de courbes de niveau, ou à partir de données vectorielles (fichiers "
    "DXF de polylignes de courbes de niveau).\n\n"
    "Des sous-zones peuvent être extraites des données avec une échelle verticale (mètres, "
    "décimètres, centimètres ou millimètres) et une taille de pixel au choix.\n\n"
    "Plusieurs fonctions (squelettisation, élimination des coins, ébarbulation, recherche "
    "des coupures) et un éditeur à l'écran (pipette, crayon, règle, points isolés, outil de "
    "remplissage) corrigent les courbes de niveau avant l'interpolation.\n\n"
    "Le MNT est enregistré en format brut (entiers de 4 octets) ou dans un format ASCII lu "
    "par les systèmes d'information géographique.";

const char* const kSpanish =
    "ZELMARO construye dos tipos de Modelo Digital de Elevaciones (MDE): a partir de "
    "imágenes raster de curvas de nivel, o a partir de datos vectoriales (ficheros DXF de "
    "polilíneas de curvas de nivel).\n\n"
    "Se pueden extraer subzonas de los datos con una escala vertical (metros, decímetros, "
    "centímetros o milímetros) y un tamaño de píxel a elegir.\n\n"
    "Varias funciones (esqueletización, eliminación de esquinas, ebarbulación, búsqueda de "
    "cortes) y un editor en pantalla (pipeta, lápiz, regla, puntos aislados, herramienta de "
    "relleno) corrigen las curvas de nivel antes de la interpolación.\n\n"
    "El MDE se guarda en formato bruto (enteros de 4 bytes) o en un formato ASCII que leen "
    "los sistemas de información geográfica.";

}  // namespace

TextForm::TextForm(const char* objectName, const QString& caption, const QString& text,
                   bool textBox, QWidget* parent)
    : QDialog(parent), text_(text) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  if (textBox) {
    auto* box = new QPlainTextEdit(text, this);
    box->setReadOnly(true);
    box->setMinimumSize(420, 260);
    layout->addWidget(box);
  } else {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(16);
    layout->addWidget(label);
  }
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAuthorForm::TAuthorForm(QWidget* parent)
    : TextForm("TAuthorForm", " Author",
               "ZELMARO\n\nDigital Elevation Models from contour lines\n\n"
               "Written by the ZELMARO developers",
               false, parent) {}

TCopyrigthForm::TCopyrigthForm(QWidget* parent)
    : TextForm("TCopyrigthForm", " Copyright",
               "ZELMARO\n\nCopyright (C) the ZELMARO developers\n\n"
               "Free to use, study, change and share.",
               false, parent) {}

TEnglishInfoForm::TEnglishInfoForm(QWidget* parent)
    : TextForm("TEnglishInfoForm", " Info", QString::fromUtf8(kEnglish), true, parent) {}

TFrenchInfoForm::TFrenchInfoForm(QWidget* parent)
    : TextForm("TFrenchInfoForm", " Info", QString::fromUtf8(kFrench), true, parent) {}

TSpanishInfoForm::TSpanishInfoForm(QWidget* parent)
    : TextForm("TSpanishInfoForm", " Info", QString::fromUtf8(kSpanish), true, parent) {}

}  // namespace zelmaro
