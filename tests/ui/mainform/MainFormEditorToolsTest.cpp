#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "UiTestSupport.h"
#include "ui/dialogs/Fillinginfo.h"
#include "ui/dialogs/Infopoint.h"
#include "ui/dialogs/Pipette.h"

namespace zelmaro {
namespace {

using Message = ScriptedUserInteraction::Message;

// Cells of the example: a small closed ring of code 21 (altitude 195) round the two
// background cells (182, 114) and (183, 114); plain background at (30, 30).
constexpr int kRingLine = 181;
constexpr int kRingColumn = 114;

class EditorToolCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    QueueExampleLoad();
    Click("Raster");
    ASSERT_TRUE(Ui.AllAnswersUsed());
    Main().ImageForm->resize(660, 500);
  }

  // A mouse press on the image window's paint box, at 1:1 and unscrolled.
  void ClickImage(int line, int column, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* box = Main().ImageForm->PaintBox();
    const QPointF at(column, line);
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }
  std::uint8_t Cell(int line, int column) { return Main().Session.ContourImage[line][column]; }
  QRgb Shown(int line, int column) { return Main().ImageForm->ScreenBitmap.pixel(column, line); }
  QRgb CodeColour(int code) {
    const PaletteColour& colour = Main().Session.CodePalette[static_cast<std::size_t>(code)];
    return qRgb(colour.red, colour.green, colour.blue);
  }
  void PickWithPipette(int line, int column) {
    Click("PipetteButton");
    Ui.QueueModal("TCLValueForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
    ClickImage(line, column);
    Click("PipetteButton");
  }
};

TEST_F(EditorToolCommandsTest, EachToolHoldsTheOtherToolsAndComeBackWhileDown) {
  const std::vector<const char*> tools{"PipetteButton", "PencilButton", "ReglaSpeedButton",
                                       "PointSpeedButton", "FunnelSpeedButton"};
  const std::vector<int> cursors{kPipetteCursor, kPencilCursor, kRuleCursor, kPointCursor,
                                 kPotCursor};
  for (std::size_t i = 0; i < tools.size(); ++i) {
    const char* tool = tools[i];
    Click(tool);
    EXPECT_EQ(Ui.CursorHistory.back(), cursors[i]);
    for (const char* other : tools) EXPECT_EQ(Enabled(other), other == std::string(tool)) << tool;
    EXPECT_FALSE(Enabled("ComeBackSpeedButton")) << tool;
    EXPECT_EQ(Enabled("ZoomSpeedButton"), tool != std::string("FunnelSpeedButton")) << tool;
    Click(tool);
    EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
    for (const char* other : tools) EXPECT_TRUE(Enabled(other)) << tool;
    EXPECT_TRUE(Enabled("ComeBackSpeedButton"));
    EXPECT_TRUE(Enabled("ZoomSpeedButton"));
  }
}

TEST_F(EditorToolCommandsTest, PencilBeforeAnyPipetteWritesCodeZero) {
  Click("PencilButton");
  ClickImage(30, 30);
  EXPECT_EQ(Cell(30, 30), 0);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "INFO");
  EXPECT_EQ(Ui.Messages[0].text, " Pencil Tab_out[30][30] = 0\n altitude = 0 ");
}

TEST_F(EditorToolCommandsTest, PipettePicksTheCodeAndThePencilDrawsItUntilComeBack) {
  PickWithPipette(kRingLine, kRingColumn);
  EXPECT_EQ(Ui.ModalForms, (std::vector<std::string>{"TDynRasterForm", "TCLValueForm"}));
  EXPECT_EQ(Main().CLValueForm->ValueEdit1->text().toStdString(), "21");
  EXPECT_EQ(Main().CLValueForm->Model.DrawingValue, 21);
  EXPECT_TRUE(Ui.Messages.empty());

  Click("PencilButton");
  ClickImage(183, 114);
  EXPECT_EQ(Cell(183, 114), 21);
  EXPECT_EQ(Shown(183, 114), CodeColour(21));
  EXPECT_EQ(Main().ImageForm->KeepZoom, 1);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "INFO");
  EXPECT_EQ(Ui.Messages[0].text, " Pencil Tab_out[183][114] = 21\n altitude = 195 ");
  Click("PencilButton");

  Click("ComeBackSpeedButton");
  EXPECT_EQ(Cell(183, 114), 255);
  EXPECT_EQ(Shown(183, 114), qRgb(255, 255, 255));
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(EditorToolCommandsTest, PencilKeepsTheZoomOfTheImageWindow) {
  Click("ZoomSpeedButton");
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 60, 60);  // to 2:1
  Click("ZoomSpeedButton");
  ASSERT_EQ(Main().ImageForm->ZoomFactor, 2);
  Click("PencilButton");
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 2 * 30, 2 * 31);
  EXPECT_EQ(Cell(31, 30), 0);
  EXPECT_EQ(Main().ImageForm->ZoomFactor, 2);
  EXPECT_EQ(Ui.Messages.back().text, " Pencil Tab_out[31][30] = 0\n altitude = 0 ");
}

TEST_F(EditorToolCommandsTest, RuleDrawsFromItsStartOnEachRightClick) {
  PickWithPipette(kRingLine, kRingColumn);
  Click("ReglaSpeedButton");
  ClickImage(10, 10);
  EXPECT_EQ(Cell(10, 10), 255);  // the start only
  ClickImage(12, 14, Qt::RightButton);
  for (const auto& [line, column] :
       std::vector<std::pair<int, int>>{{10, 10}, {11, 11}, {11, 12}, {12, 13}, {12, 14}}) {
    EXPECT_EQ(Cell(line, column), 21) << line << "," << column;
    EXPECT_EQ(Shown(line, column), CodeColour(21));
  }
  EXPECT_EQ(Cell(10, 11), 255);
  EXPECT_EQ(Cell(12, 12), 255);
  ClickImage(10, 12, Qt::RightButton);  // a fan from the same start
  EXPECT_EQ(Cell(10, 11), 21);
  EXPECT_EQ(Cell(10, 12), 21);
  Click("ReglaSpeedButton");
  Click("ComeBackSpeedButton");  // only the last segment goes
  EXPECT_EQ(Cell(10, 11), 255);
  EXPECT_EQ(Cell(11, 11), 21);
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(EditorToolCommandsTest, TwoIsolatedPointsTakeTheNextCodesWithTheirAltitudes) {
  Click("PointSpeedButton");
  for (const auto& [altitude, column] : {std::pair{"1500", 30}, std::pair{"1600", 40}}) {
    Ui.QueueModal("TInfoPointForm", [altitude = altitude](QDialog& form) {
      testing::TypeInto(form, "AltitudeEdit", altitude);
      testing::Press(form, "BitBtn1");
    });
    ClickImage(30, column);
  }
  const SessionState& session = Main().Session;
  EXPECT_EQ(Cell(30, 30), 22);
  EXPECT_EQ(Cell(30, 40), 23);
  EXPECT_EQ(session.AltitudeTable[22], 1500);
  EXPECT_EQ(session.AltitudeTable[23], 1600);
  EXPECT_EQ(session.AltitudeCount, 23);
  EXPECT_EQ(Main().InfoPointForm->CodeEdit->text().toStdString(), "23");
  EXPECT_EQ(Shown(30, 40), CodeColour(23));
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_EQ(Ui.Messages[0].caption, "INFO");
  EXPECT_EQ(Ui.Messages[0].text, " Point Tab_out[30][30] = 22\n altitude = 1500 ");
  EXPECT_EQ(Ui.Messages[1].text, " Point Tab_out[30][40] = 23\n altitude = 1600 ");

  // A right click shows the dialog but places nothing.
  Ui.QueueModal("TInfoPointForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  ClickImage(50, 50, Qt::RightButton);
  EXPECT_EQ(Cell(50, 50), 255);
  EXPECT_EQ(session.AltitudeCount, 23);
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(EditorToolCommandsTest, IsolatedPointIsRefusedWhenNoGrayToneIsLeft) {
  Main().Session.AltitudeCount = 254;
  Click("PointSpeedButton");
  ClickImage(30, 30);
  EXPECT_EQ(Cell(30, 30), 255);
  EXPECT_EQ(Main().Session.AltitudeCount, 254);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("no code left"), std::string::npos);
  EXPECT_EQ(Ui.ModalForms.back(), "TDynRasterForm");  // no point dialog
}

TEST_F(EditorToolCommandsTest, FillingFillsTheInsideOfTheRingOnly) {
  const ByteGrid before = Main().Session.ContourImage;
  Click("FunnelSpeedButton");
  Ui.QueueModal("TFunnelInfoForm", [](QDialog& form) {
    testing::TypeInto(form, "FillingEdit", "50");
    testing::Press(form, "BitBtn1");
  });
  ClickImage(182, 114);
  EXPECT_EQ(Cell(182, 114), 50);
  EXPECT_EQ(Cell(183, 114), 50);
  EXPECT_EQ(Shown(183, 114), CodeColour(50));
  int changed = 0;
  for (int line = 0; line < before.Lines(); ++line) {
    for (int column = 0; column < before.Columns(); ++column) {
      changed += Cell(line, column) != before[line][column] ? 1 : 0;
    }
  }
  EXPECT_EQ(changed, 2);
  EXPECT_TRUE(Ui.Messages.empty());

  // The value stays in the dialog; the background itself is refused, as is a value
  // that is no gray tone, and nothing changes.
  Ui.QueueModal("TFunnelInfoForm", [](QDialog& form) {
    testing::TypeInto(form, "FillingEdit", "255");
    testing::Press(form, "BitBtn1");
  });
  ClickImage(30, 30);
  Ui.QueueModal("TFunnelInfoForm", [](QDialog& form) {
    testing::TypeInto(form, "FillingEdit", "300");
    testing::Press(form, "BitBtn1");
  });
  ClickImage(30, 30);
  EXPECT_EQ(Cell(30, 30), 255);
  ASSERT_EQ(Ui.Messages.size(), 2u);
  for (const Message& message : Ui.Messages) {
    EXPECT_EQ(message.caption, "ERROR");
    EXPECT_NE(message.text.find("0 to 254"), std::string::npos);
  }
  Click("FunnelSpeedButton");
  Click("ComeBackSpeedButton");  // the refused fills left the snapshot of the good one
  EXPECT_EQ(Cell(182, 114), 255);
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(EditorToolCommandsTest, ClicksOutsideTheContourImageDoNothing) {
  for (const char* tool : {"PipetteButton", "PencilButton", "ReglaSpeedButton", "PointSpeedButton",
                           "FunnelSpeedButton"}) {
    Click(tool);
    ClickImage(100, 530);  // right of the 522 columns
    ClickImage(370, 100);  // below the 366 lines
    Click(tool);
  }
  // A whole-data view larger than the image: its extra cells are not editable either.
  Main().ImageForm->ShownLines = 400;
  Main().ImageForm->ShownColumns = 600;
  Click("PencilButton");
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 550, 380);
  Click("PencilButton");
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Ui.ModalForms, (std::vector<std::string>{"TDynRasterForm"}));
  EXPECT_TRUE(Main().Session.ComeBackImage == Main().Session.ContourImage);
}

}  // namespace
}  // namespace zelmaro
