#pragma once

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "ui/interaction/ScriptedUserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro::testing {

// A main window built under the scripted interaction, start-up waits recorded only.
class MainWindowFixture {
 public:
  MainWindowFixture();
  ~MainWindowFixture();

  TMainForm& Main() { return *main_; }
  ScriptedUserInteraction Ui;

  // The names of the tool-bar buttons, and of the checked menus, that are enabled.
  std::vector<std::string> EnabledButtons() const;
  bool Enabled(const char* name) const { return main_->Action(name)->isEnabled(); }
  // Clicks a menu item or button as the user would.
  void Click(const char* name) { main_->Action(name)->trigger(); }

  // Queues the answers of a complete Raster load of the example.
  void QueueExampleLoad(const std::string& minimum = "95", const std::string& pixel = "10");
  // Queues the Dynamic Scale dialog answered with radio buttons `in` (1-4) and `out` (5-8).
  void QueueScale(int in, int out);
  // Queues the selection dialog answered with the whole scene, or with the rectangle
  // (min X, min Y, max X, max Y) given, at the pixel size given.
  void QueueZone(const QString& pixel, const std::vector<QString>& corners = {});

 private:
  std::unique_ptr<TMainForm> main_;
};

// Types into a line edit of a form by its object name.
void TypeInto(QDialog& form, const char* editName, const QString& text);
// Clicks a button of a form by its object name.
void Press(QDialog& form, const char* buttonName);
// Clicks a radio button of a form by its object name.
void CheckRadio(QDialog& form, const char* radioName);

}  // namespace zelmaro::testing
