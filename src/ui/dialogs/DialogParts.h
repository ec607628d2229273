#pragma once

#include <initializer_list>

class QDialog;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace zelmaro {

// The default "OK" button BitBtn1 of a dialog, closing it as confirmed.
QPushButton* MakeOkButton(QDialog& dialog, QWidget* parent);

// The same button at the foot of a small dialog laid out top to bottom, whose size
// then stays fixed.
QPushButton* AddOkButton(QDialog& dialog, QVBoxLayout& layout);

// A line edit under an object name.
QLineEdit* MakeNamedEdit(const char* name, QWidget* parent);
// A line edit that only shows a value.
QLineEdit* MakeShownValue(const char* name, QWidget* parent);

// One label per line of text, one under the other.
void AddTextLines(QWidget& owner, QVBoxLayout& layout, std::initializer_list<const char*> lines);

// A picture shown at its own size, under an object name.
QLabel* PictureLabel(const QImage& picture, const char* objectName, QWidget& owner);

}  // namespace zelmaro
