#include "pretreat/Ebarbulation.h"

#include <gtest/gtest.h>

#include "forms/TreatmentChoiceModel.h"
#include "pretreat/PretreatTestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;
using testing::SessionOf;

ByteGrid AfterRuns(const ByteGrid& image, int runs, int altitudeCount = 12) {
  return testing::Treated(image, altitudeCount, RemoveBranchEnds, runs);
}

TEST(RemoveBranchEnds, LeavesRingsAndIsolatedPixelsAlone) {
  const ByteGrid image = CodesFromText({
      "..........",
      ".3333..7..",
      ".3..3.....",
      ".3333.22..",
      "......22..",
      "..........",
  });
  EXPECT_EQ(AfterRuns(image, 3), image);
}

TEST(RemoveBranchEnds, ShrinksAnOpenLineToItsLastPixelInScanOrder) {
  EXPECT_EQ(AfterRuns(CodesFromText({
                          "........",
                          ".11111..",
                          "......2.",
                          "......2.",
                          "......2.",
                          "........",
                      }),
                      1),
            CodesFromText({
                "........",
                ".....1..",
                "........",
                "........",
                "......2.",
                "........",
            }));
}

TEST(RemoveBranchEnds, EatsASpurUpAtOnceButASpurDownOnePixelPerRun) {
  const ByteGrid ring = CodesFromText({
      ".........",
      "...4.....",
      "...4.....",
      "...4.....",
      ".44444...",
      ".4...4...",
      ".44444...",
      "....4....",
      "....4....",
      "....4....",
      ".........",
  });
  // One run takes the upper spur but for its pixel on the ring, and the lowest pixel
  // of the lower spur; the next run the next one up.
  ByteGrid afterOneRun = ring;
  afterOneRun[1][3] = afterOneRun[2][3] = afterOneRun[9][4] = 255;
  EXPECT_EQ(AfterRuns(ring, 1), afterOneRun);
  ByteGrid afterTwoRuns = afterOneRun;
  afterTwoRuns[8][4] = 255;
  EXPECT_EQ(AfterRuns(ring, 2), afterTwoRuns);
  // The pixel next to the ring has three neighbours on it and stays for good.
  EXPECT_EQ(AfterRuns(ring, 5), AfterRuns(ring, 2));
}

TEST(RemoveBranchEnds, TouchesNeitherOtherCodesNorTheBorder) {
  // The 1 next to the end of the 5s does not make that end a junction; code 0 and
  // code 13 are not examined; the ends of the 2s lie on the border and stay.
  EXPECT_EQ(AfterRuns(CodesFromText({
                          "0.....d.",
                          ".555.00.",
                          "....1...",
                          ".dd....2",
                          "1......2",
                      }),
                      12),
            CodesFromText({
                "0.....d.",
                "...5.00.",
                "....1...",
                ".dd....2",
                "1......2",
            }));
}

TEST(EbarbModel, RepeatsTheLastChoiceAndStartsWithNoTreatment) {
  EbarbModel dialog;
  EXPECT_EQ(dialog.StartTreatment(), 0);
  dialog.BitBtn1Click();  // closed without any choice: no treatment
  EXPECT_EQ(dialog.StartTreatment(), 0);
  dialog.RadioButton1Click();
  EXPECT_TRUE(dialog.RadioButton1Checked());
  EXPECT_FALSE(dialog.RadioButton2Checked());
  dialog.BitBtn1Click();
  EXPECT_EQ(dialog.StartTreatment(), 1);
  EXPECT_FALSE(dialog.RadioButton1Checked());  // the next opening shows no choice
  dialog.BitBtn1Click();                       // ... and OK repeats the treatment
  EXPECT_EQ(dialog.StartTreatment(), 1);
  dialog.RadioButton1Click();
  dialog.RadioButton2Click();  // "Delete"
  EXPECT_FALSE(dialog.RadioButton1Checked());
  EXPECT_TRUE(dialog.RadioButton2Checked());
  dialog.BitBtn1Click();
  EXPECT_EQ(dialog.StartTreatment(), 0);
}

TEST(BreakModel, ShowsTheCountAndRemembersWhetherToWriteTheTable) {
  BreakModel dialog;
  dialog.ShowBreakCount(2);
  EXPECT_EQ(dialog.BreaksText, "2");
  EXPECT_EQ(dialog.CreateTable(), 0);
  dialog.RadioButton1Click();
  dialog.BitBtn1Click();
  EXPECT_EQ(dialog.CreateTable(), 1);
  dialog.BitBtn1Click();
  EXPECT_EQ(dialog.CreateTable(), 1);
  dialog.RadioButton2Click();
  dialog.BitBtn1Click();
  EXPECT_EQ(dialog.CreateTable(), 0);
  EXPECT_STREQ(kNoBreakMessage, "No break registered");
  EXPECT_STREQ(kBreakMessageCaption, "BREAKS");
}

}  // namespace
}  // namespace zelmaro
