#pragma once

class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zelmaro {

// The default "OK" button BitBtn1 of a dialog, closing it as confirmed.
QPushButton* MakeOkButton(QDialog& dialog, QWidget* parent);
// A line edit that only shows a value.
QLineEdit* MakeShownValue(const char* name, QWidget* parent);

}  // namespace zelmaro
