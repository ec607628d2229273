#pragma once

#include <initializer_list>

class QDialog;
class QImage;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace zelmaro {

// The OK button `BitBtn1` at the foot of a small dialog; it accepts the dialog, whose
// size then stays fixed.
QPushButton* AddOkButton(QDialog& dialog, QVBoxLayout& layout);

// One label per line of text, one under the other.
void AddTextLines(QWidget& owner, QVBoxLayout& layout, std::initializer_list<const char*> lines);

// A picture shown at its own size, under an object name.
QLabel* PictureLabel(const QImage& picture, const char* objectName, QWidget& owner);

}  // namespace zelmaro
