#include "ui/dialogs/Vertex.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "core/SessionState.h"

namespace zelmaro {

TVertexForm::TVertexForm(SessionState& session, QWidget* parent) : QDialog(parent) {
  setObjectName("TVertexForm");
  setWindowTitle(" Initial Form");
  auto* group = new QGroupBox("Registration Characteristics", this);
  Vertex = new QLineEdit(group);
  Vertex->setObjectName("Vertex");
  connect(Vertex, &QLineEdit::textChanged, this, [&session](const QString& text) {
    session.VertexSkipCount = ReadLeadingInteger(text.toStdString());
  });
  auto* rows = new QVBoxLayout(group);
  rows->addWidget(new QLabel("Number of values", group));
  rows->addWidget(new QLabel("entering in Vertex", group));
  rows->addWidget(Vertex);
  rows->addWidget(new QLabel("(generally 4)", group));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
}

}  // namespace zelmaro
