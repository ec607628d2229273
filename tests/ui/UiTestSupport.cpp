#include "UiTestSupport.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QRadioButton>
#include <QToolBar>

#include "support/TestSupport.h"

namespace zelmaro::testing {
namespace {

// One application object for the whole test run.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

MainWindowFixture::MainWindowFixture()
    : main_(std::make_unique<TMainForm>(Ui, std::string(ZELMARO_EXAMPLES_DIR))) {
  main_->resize(913, 640);
  main_->show();
}

MainWindowFixture::~MainWindowFixture() = default;

std::vector<std::string> MainWindowFixture::EnabledButtons() const {
  std::vector<std::string> names;
  const auto* bar = main_->findChild<QToolBar*>("ToolBar");
  for (QAction* action : bar->actions()) {
    if (!action->isSeparator() && action->isEnabled()) {
      names.push_back(action->objectName().toStdString());
    }
  }
  return names;
}

void MainWindowFixture::QueueExampleLoad(const std::string& minimum, const std::string& pixel) {
  Ui.QueueFile("OPEN DATA RASTER", ExamplePath("volcano.raw"));
  Ui.QueueFile("Open Table Gray Tones Altitudes", ExamplePath("volcano_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [minimum, pixel](QDialog& form) {
    TypeInto(form, "MinimumEdit", QString::fromStdString(minimum));
    TypeInto(form, "MaximumEdit", "195");
    TypeInto(form, "IntervalEdit", "5");
    TypeInto(form, "PixelEdit", QString::fromStdString(pixel));
    Press(form, "BitBtn1");
  });
}

void MainWindowFixture::QueueScale(int in, int out) {
  Ui.QueueModal("TDynamicForm", [in, out](QDialog& form) {
    CheckRadio(form, QString("RadioButton%1").arg(in).toUtf8().constData());
    CheckRadio(form, QString("RadioButton%1").arg(out).toUtf8().constData());
    Press(form, "BitBtn1");
  });
}

void MainWindowFixture::QueueZone(const QString& pixel, const std::vector<QString>& corners) {
  Ui.QueueModal("TSelectionForm", [pixel, corners](QDialog& form) {
    TypeInto(form, "PixEdit", pixel);
    if (corners.empty()) {
      CheckRadio(form, "RadioButton1");
    } else {
      CheckRadio(form, "RadioButton2");
      const char* names[] = {"Min_X_Edit", "Min_Y_Edit", "Max_X_Edit", "Max_Y_Edit"};
      for (int i = 0; i < 4; ++i) TypeInto(form, names[i], corners[i]);
    }
    Press(form, "BitBtn1");
  });
}

void TypeInto(QDialog& form, const char* editName, const QString& text) {
  auto* edit = form.findChild<QLineEdit*>(editName);
  ASSERT_NE(edit, nullptr) << editName;
  edit->setText(text);
}

void Press(QDialog& form, const char* buttonName) {
  auto* button = form.findChild<QPushButton*>(buttonName);
  ASSERT_NE(button, nullptr) << buttonName;
  button->click();
}

}  // namespace zelmaro::testing

namespace zelmaro::testing {

void CheckRadio(QDialog& form, const char* radioName) {
  auto* radio = form.findChild<QRadioButton*>(radioName);
  ASSERT_NE(radio, nullptr) << radioName;
  radio->click();
}

}  // namespace zelmaro::testing
