#include "forms/CommandEnabling.h"

#include <array>
#include <initializer_list>

namespace zelmaro {
namespace {

constexpr std::array<std::string_view, kControlCount> kNames{"InfoResultImage",
                                                             "VectorOperation",
                                                             "Selection",
                                                             "PreTreatments",
                                                             "Interpolations",
                                                             "Dilation",
                                                             "Lineal",
                                                             "Results",
                                                             "RasterSpeedButton",
                                                             "VectSpeedButton",
                                                             "FusionSpeedButton",
                                                             "CNHASpeedButton",
                                                             "ZoomSpeedButton",
                                                             "SelectionSpeedButton",
                                                             "ReverseSpeedButton",
                                                             "AdvanceSpeedButton",
                                                             "SaveContLineSpeedButton",
                                                             "LineThinnerSpeedButton",
                                                             "EbarbSpeedButton",
                                                             "DetectBreakSpeedButton",
                                                             "DilatSpeedButton",
                                                             "RuzeSpeedButton",
                                                             "SurfaceSpeedButton",
                                                             "PipetteButton",
                                                             "PencilButton",
                                                             "ReglaSpeedButton",
                                                             "PointSpeedButton",
                                                             "FunnelSpeedButton",
                                                             "ComeBackSpeedButton",
                                                             "SuavSpeedButton",
                                                             "SaveShadowSpeedButton",
                                                             "SaveDEMSpeedButton",
                                                             "ExitSpeedButton"};

using Controls = std::initializer_list<Control>;

void SetAll(ControlStates& states, Controls controls, bool enabled) {
  for (Control control : controls) states.Set(control, enabled);
}

// The five editor toggles and Come Back: what an image that may be edited offers.
constexpr std::array<Control, 6> kEditorControls{
    Control::PipetteButton,    Control::PencilButton,      Control::ReglaSpeedButton,
    Control::PointSpeedButton, Control::FunnelSpeedButton, Control::ComeBackSpeedButton};

void SetEditorControls(ControlStates& states, bool enabled) {
  for (Control control : kEditorControls) states.Set(control, enabled);
}

// The editor tools edit the working image at its own size: while the scene preview is
// on screen they are off, and what they would be is held for the working image.
void SetEditorControlsFor(ControlStates& states, const EnablingFlags& flags, bool enabled) {
  if (!flags.ScenePreviewOnScreen) {
    SetEditorControls(states, enabled);
    return;
  }
  for (Control control : kEditorControls) states.Hold(control, enabled);
}

void HoldEditorControls(ControlStates& states) {
  for (Control control : kEditorControls) {
    states.Hold(control, states.Enabled(control));
    states.Set(control, false);
  }
}

void ReleaseEditorControls(ControlStates& states) {
  for (Control control : kEditorControls) {
    states.Set(control, states.Held(control));
    states.Hold(control, false);
  }
}

// While one tool is down the other tools and Come Back wait; the filling tool also
// holds the zoom, whose clicks would otherwise reach the flood fill.
void SetToolPeers(ControlStates& states, Control tool, bool enabled) {
  for (Control control : kEditorControls) {
    if (control != tool) states.Set(control, enabled);
  }
  if (tool == Control::FunnelSpeedButton) states.Set(Control::ZoomSpeedButton, enabled);
}

struct ToolToggle {
  Control button;
  EnablingEvent down;
  EnablingEvent up;
};

constexpr std::array<ToolToggle, 5> kToolToggles{{
    {Control::PipetteButton, EnablingEvent::PipetteDown, EnablingEvent::PipetteUp},
    {Control::PencilButton, EnablingEvent::PencilDown, EnablingEvent::PencilUp},
    {Control::ReglaSpeedButton, EnablingEvent::RuleDown, EnablingEvent::RuleUp},
    {Control::PointSpeedButton, EnablingEvent::PointDown, EnablingEvent::PointUp},
    {Control::FunnelSpeedButton, EnablingEvent::FillingDown, EnablingEvent::FillingUp},
}};

}  // namespace

std::string_view ControlName(Control control) {
  return kNames[static_cast<std::size_t>(control)];
}

ControlStates InitialControls() {
  ControlStates states;
  SetAll(
      states,
      {Control::Selection, Control::Dilation, Control::RasterSpeedButton, Control::VectSpeedButton,
       Control::FusionSpeedButton, Control::CNHASpeedButton, Control::ExitSpeedButton},
      true);
  return states;
}

ControlStates ApplyEnablingEvent(ControlStates states, EnablingEvent event,
                                 const EnablingFlags& flags) {
  for (const ToolToggle& toggle : kToolToggles) {
    if (event == toggle.down || event == toggle.up) {
      SetToolPeers(states, toggle.button, event == toggle.up);
      return states;
    }
  }
  switch (event) {
    case EnablingEvent::PipetteDialogCreated:
      states.Set(Control::ZoomSpeedButton, true);
      break;
    case EnablingEvent::RasterLoaded:
      SetAll(states,
             {Control::PreTreatments, Control::InfoResultImage, Control::Interpolations,
              Control::Dilation, Control::ZoomSpeedButton, Control::DetectBreakSpeedButton,
              Control::DilatSpeedButton, Control::SurfaceSpeedButton, Control::EbarbSpeedButton,
              Control::LineThinnerSpeedButton, Control::SaveContLineSpeedButton},
             true);
      SetEditorControls(states, true);
      break;
    case EnablingEvent::RasterCommandEnded:
      states.Set(Control::ZoomSpeedButton, true);
      states.Set(Control::ReverseSpeedButton, false);
      break;
    case EnablingEvent::VectorLoaded:
      SetAll(states,
             {Control::InfoResultImage, Control::VectorOperation, Control::Selection,
              Control::SelectionSpeedButton, Control::ZoomSpeedButton},
             true);
      break;
    case EnablingEvent::ZoneSelected:
      SetAll(states,
             {Control::Interpolations, Control::PreTreatments, Control::ReverseSpeedButton,
              Control::SaveContLineSpeedButton, Control::LineThinnerSpeedButton,
              Control::EbarbSpeedButton, Control::DetectBreakSpeedButton, Control::DilatSpeedButton,
              Control::SurfaceSpeedButton},
             true);
      break;
    case EnablingEvent::BackShown:
      if (flags.ZoneSelected == 1) states.Set(Control::AdvanceSpeedButton, true);
      states.Set(Control::ReverseSpeedButton, false);
      break;
    case EnablingEvent::ReturnShown:
      states.Set(Control::ReverseSpeedButton, true);
      states.Set(Control::AdvanceSpeedButton, false);
      break;
    case EnablingEvent::NoBreakFound:
      SetAll(states, {Control::Lineal, Control::RuzeSpeedButton}, true);
      break;
    case EnablingEvent::DilationFinished:
    case EnablingEvent::LinearFinishedFromMenu:
    case EnablingEvent::LinearFinishedFromButton:
    case EnablingEvent::SurfaceFinished:
      SetAll(states,
             {Control::Results, Control::SuavSpeedButton, Control::SaveShadowSpeedButton,
              Control::SaveDEMSpeedButton},
             true);
      if (event == EnablingEvent::LinearFinishedFromButton) {
        states.Set(Control::RuzeSpeedButton, false);
      }
      break;
    case EnablingEvent::DemFilled:
    case EnablingEvent::ZoomDown:
      SetEditorControlsFor(states, flags, false);
      break;
    case EnablingEvent::ZoomUp:
      if (flags.EditableImage == 1) SetEditorControlsFor(states, flags, true);
      break;
    case EnablingEvent::ScenePreviewShown:
      // Back would show what is on screen already; Return the working image, when a
      // zone was cut out.
      states.Set(Control::ReverseSpeedButton, false);
      states.Set(Control::AdvanceSpeedButton, flags.ZoneSelected == 1);
      HoldEditorControls(states);
      break;
    case EnablingEvent::WorkingImageShown:
      states.Set(Control::ReverseSpeedButton, flags.ZoneSelected == 1);
      states.Set(Control::AdvanceSpeedButton, false);
      ReleaseEditorControls(states);
      break;
    default:
      break;
  }
  return states;
}

}  // namespace zelmaro
