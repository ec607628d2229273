#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/CommandEnabling.h"

namespace zelmaro {
namespace {

std::vector<std::string> EnabledNames(const ControlStates& states) {
  std::vector<std::string> names;
  for (int i = 0; i < kControlCount; ++i) {
    if (states.Enabled(static_cast<Control>(i))) {
      names.emplace_back(ControlName(static_cast<Control>(i)));
    }
  }
  return names;
}

// The names that `event` switched on and off.
struct Change {
  std::vector<std::string> enabled;
  std::vector<std::string> disabled;
};

Change Difference(const ControlStates& before, const ControlStates& after) {
  Change change;
  for (int i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (!before.Enabled(control) && after.Enabled(control)) {
      change.enabled.emplace_back(ControlName(control));
    }
    if (before.Enabled(control) && !after.Enabled(control)) {
      change.disabled.emplace_back(ControlName(control));
    }
  }
  return change;
}

ControlStates AllOff() {
  return ControlStates();
}

ControlStates AllOn() {
  ControlStates states;
  for (int i = 0; i < kControlCount; ++i) states.Set(static_cast<Control>(i), true);
  return states;
}

using Names = std::vector<std::string>;

TEST(CommandEnabling, StartUpOffersOnlyTheDataButtonsZoomAndExit) {
  const ControlStates startup =
      ApplyEnablingEvent(InitialControls(), EnablingEvent::PipetteDialogCreated, {});
  EXPECT_EQ(EnabledNames(startup),
            (Names{"Selection", "Dilation", "RasterSpeedButton", "VectSpeedButton",
                   "FusionSpeedButton", "CNHASpeedButton", "ZoomSpeedButton", "ExitSpeedButton"}));
  EXPECT_FALSE(InitialControls().Enabled(Control::ZoomSpeedButton));
}

TEST(CommandEnabling, EachEventSwitchesExactlyItsRow) {
  const EnablingFlags none{};
  const Names editor{"PipetteButton",    "PencilButton",      "ReglaSpeedButton",
                     "PointSpeedButton", "FunnelSpeedButton", "ComeBackSpeedButton"};
  const Names results{"Results", "SuavSpeedButton", "SaveShadowSpeedButton", "SaveDEMSpeedButton"};
  struct Row {
    EnablingEvent event;
    Names enabled;
  };
  const std::vector<Row> rows{
      {EnablingEvent::RasterLoaded,
       {"InfoResultImage", "PreTreatments", "Interpolations", "Dilation", "ZoomSpeedButton",
        "SaveContLineSpeedButton", "LineThinnerSpeedButton", "EbarbSpeedButton",
        "DetectBreakSpeedButton", "DilatSpeedButton", "SurfaceSpeedButton", "PipetteButton",
        "PencilButton", "ReglaSpeedButton", "PointSpeedButton", "FunnelSpeedButton",
        "ComeBackSpeedButton"}},
      {EnablingEvent::VectorLoaded,
       {"InfoResultImage", "VectorOperation", "Selection", "ZoomSpeedButton",
        "SelectionSpeedButton"}},
      {EnablingEvent::ZoneSelected,
       {"PreTreatments", "Interpolations", "ReverseSpeedButton", "SaveContLineSpeedButton",
        "LineThinnerSpeedButton", "EbarbSpeedButton", "DetectBreakSpeedButton", "DilatSpeedButton",
        "SurfaceSpeedButton"}},
      {EnablingEvent::NoBreakFound, {"Lineal", "RuzeSpeedButton"}},
      {EnablingEvent::DilationFinished, results},
      {EnablingEvent::LinearFinishedFromMenu, results},
      {EnablingEvent::SurfaceFinished, results},
      {EnablingEvent::ZoomUp, {}},
  };
  for (const Row& row : rows) {
    const Change change = Difference(AllOff(), ApplyEnablingEvent(AllOff(), row.event, none));
    EXPECT_EQ(change.enabled, row.enabled) << static_cast<int>(row.event);
    EXPECT_TRUE(change.disabled.empty());
  }
  const Change ruze = Difference(
      AllOn(), ApplyEnablingEvent(AllOn(), EnablingEvent::LinearFinishedFromButton, none));
  EXPECT_EQ(ruze.disabled, Names{"RuzeSpeedButton"});
  for (EnablingEvent event : {EnablingEvent::DemFilled, EnablingEvent::ZoomDown}) {
    EXPECT_EQ(Difference(AllOn(), ApplyEnablingEvent(AllOn(), event, none)).disabled, editor);
  }
}

TEST(CommandEnabling, RasterCommandEndEnablesZoomAndDisablesBack) {
  const Change change =
      Difference(AllOn(), ApplyEnablingEvent(AllOn(), EnablingEvent::RasterCommandEnded, {}));
  EXPECT_EQ(change.disabled, Names{"ReverseSpeedButton"});
  EXPECT_EQ(
      Difference(AllOff(), ApplyEnablingEvent(AllOff(), EnablingEvent::RasterCommandEnded, {}))
          .enabled,
      Names{"ZoomSpeedButton"});
}

TEST(CommandEnabling, BackOffersReturnOnlyAfterAZoneSelection) {
  ControlStates states;
  states.Set(Control::ReverseSpeedButton, true);
  const ControlStates withoutZone = ApplyEnablingEvent(states, EnablingEvent::BackShown, {1, 0});
  EXPECT_FALSE(withoutZone.Enabled(Control::ReverseSpeedButton));
  EXPECT_FALSE(withoutZone.Enabled(Control::AdvanceSpeedButton));
  const ControlStates withZone = ApplyEnablingEvent(states, EnablingEvent::BackShown, {0, 1});
  EXPECT_TRUE(withZone.Enabled(Control::AdvanceSpeedButton));
  const ControlStates back = ApplyEnablingEvent(withZone, EnablingEvent::ReturnShown, {});
  EXPECT_TRUE(back.Enabled(Control::ReverseSpeedButton));
  EXPECT_FALSE(back.Enabled(Control::AdvanceSpeedButton));
}

TEST(CommandEnabling, RaisingZoomGivesTheToolsBackOnlyForAnEditableImage) {
  const ControlStates down = ApplyEnablingEvent(AllOn(), EnablingEvent::ZoomDown, {});
  EXPECT_EQ(ApplyEnablingEvent(down, EnablingEvent::ZoomUp, {0, 1}), down);
  EXPECT_EQ(ApplyEnablingEvent(down, EnablingEvent::ZoomUp, {1, 0}), AllOn());
}

TEST(CommandEnabling, AToolDownHoldsTheOtherToolsAndTheFillingToolAlsoTheZoom) {
  const Change pipette =
      Difference(AllOn(), ApplyEnablingEvent(AllOn(), EnablingEvent::PipetteDown, {}));
  EXPECT_EQ(pipette.disabled, (Names{"PencilButton", "ReglaSpeedButton", "PointSpeedButton",
                                     "FunnelSpeedButton", "ComeBackSpeedButton"}));
  const ControlStates filling = ApplyEnablingEvent(AllOn(), EnablingEvent::FillingDown, {});
  EXPECT_EQ(Difference(AllOn(), filling).disabled,
            (Names{"ZoomSpeedButton", "PipetteButton", "PencilButton", "ReglaSpeedButton",
                   "PointSpeedButton", "ComeBackSpeedButton"}));
  EXPECT_EQ(ApplyEnablingEvent(filling, EnablingEvent::FillingUp, {}), AllOn());
  const ControlStates rule = ApplyEnablingEvent(AllOn(), EnablingEvent::RuleDown, {});
  EXPECT_TRUE(rule.Enabled(Control::ReglaSpeedButton));
  EXPECT_TRUE(rule.Enabled(Control::ZoomSpeedButton));
}

TEST(CommandEnabling, TheEditorWaitsWhileTheScenePreviewIsShownAndComesBackAsItWouldBe) {
  const Names editor{"PipetteButton",    "PencilButton",      "ReglaSpeedButton",
                     "PointSpeedButton", "FunnelSpeedButton", "ComeBackSpeedButton"};
  ControlStates working;  // a zone being edited: its tools and Back offered
  for (const std::string& name : editor) {
    for (int i = 0; i < kControlCount; ++i) {
      if (ControlName(static_cast<Control>(i)) == name) working.Set(static_cast<Control>(i), true);
    }
  }
  working.Set(Control::ReverseSpeedButton, true);
  const EnablingFlags onWorking{1, 1, false};
  const EnablingFlags onPreview{1, 1, true};

  const ControlStates preview =
      ApplyEnablingEvent(working, EnablingEvent::ScenePreviewShown, onPreview);
  EXPECT_EQ(EnabledNames(preview), Names{"AdvanceSpeedButton"});
  EXPECT_FALSE(ApplyEnablingEvent(working, EnablingEvent::ScenePreviewShown, {1, 0, true})
                   .Enabled(Control::AdvanceSpeedButton));

  // What happens while the preview is shown decides what the tools are afterwards.
  const struct {
    std::vector<EnablingEvent> whilePreview;
    std::uint8_t editable;
    bool toolsAfterwards;
  } cases[] = {
      {{}, 1, true},
      {{EnablingEvent::ZoomDown}, 1, false},
      {{EnablingEvent::ZoomDown, EnablingEvent::ZoomUp}, 1, true},
      {{EnablingEvent::DemFilled}, 1, false},
      {{EnablingEvent::DemFilled, EnablingEvent::ZoomDown, EnablingEvent::ZoomUp}, 0, false},
  };
  for (const auto& c : cases) {
    ControlStates states = preview;
    for (EnablingEvent event : c.whilePreview) {
      states = ApplyEnablingEvent(states, event, {c.editable, 1, true});
      EXPECT_EQ(EnabledNames(states), Names{"AdvanceSpeedButton"});
    }
    const ControlStates back =
        ApplyEnablingEvent(states, EnablingEvent::WorkingImageShown, onWorking);
    Names expected{"ReverseSpeedButton"};
    if (c.toolsAfterwards) expected.insert(expected.end(), editor.begin(), editor.end());
    EXPECT_EQ(EnabledNames(back), expected) << c.whilePreview.size();
  }
  EXPECT_EQ(ApplyEnablingEvent(preview, EnablingEvent::WorkingImageShown, onWorking), working);
}

}  // namespace
}  // namespace zelmaro
