#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace zelmaro {

// A small fixed dialog of text lines with an OK button.
class TextForm : public QDialog {
  Q_OBJECT
 public:
  TextForm(const char* objectName, const QString& caption, const QString& text, bool textBox,
           QWidget* parent);

  QString Text() const { return text_; }

 private:
  QString text_;
};

class TAuthorForm : public TextForm {
  Q_OBJECT
 public:
  explicit TAuthorForm(QWidget* parent = nullptr);
};

class TCopyrigthForm : public TextForm {
  Q_OBJECT
 public:
  explicit TCopyrigthForm(QWidget* parent = nullptr);
};

// What the program does, in a read-only text box, in English, French and Spanish.
class TEnglishInfoForm : public TextForm {
  Q_OBJECT
 public:
  explicit TEnglishInfoForm(QWidget* parent = nullptr);
};

class TFrenchInfoForm : public TextForm {
  Q_OBJECT
 public:
  explicit TFrenchInfoForm(QWidget* parent = nullptr);
};

class TSpanishInfoForm : public TextForm {
  Q_OBJECT
 public:
  explicit TSpanishInfoForm(QWidget* parent = nullptr);
};

}  // namespace zelmaro
