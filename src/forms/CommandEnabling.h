#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>

namespace zelmaro {

// The menus and tool-bar buttons whose availability changes during a run. Every other
// menu item stays enabled for the whole run.
enum class Control : int {
  InfoResultImage,
  VectorOperation,
  Selection,
  PreTreatments,
  Interpolations,
  Dilation,
  Lineal,
  Results,
  RasterSpeedButton,
  VectSpeedButton,
  FusionSpeedButton,
  CNHASpeedButton,
  ZoomSpeedButton,
  SelectionSpeedButton,
  ReverseSpeedButton,
  AdvanceSpeedButton,
  SaveContLineSpeedButton,
  LineThinnerSpeedButton,
  EbarbSpeedButton,
  DetectBreakSpeedButton,
  DilatSpeedButton,
  RuzeSpeedButton,
  SurfaceSpeedButton,
  PipetteButton,
  PencilButton,
  ReglaSpeedButton,
  PointSpeedButton,
  FunnelSpeedButton,
  ComeBackSpeedButton,
  SuavSpeedButton,
  SaveShadowSpeedButton,
  SaveDEMSpeedButton,
  ExitSpeedButton,
  Count
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);

// The object name of the menu item or button.
std::string_view ControlName(Control control);

// What happens to the data or the tool bar, as far as availability is concerned.
enum class EnablingEvent {
  PipetteDialogCreated,  // the last step of start-up that touches the tool bar
  RasterLoaded,          // a raw raster with its altitude table
  RasterCommandEnded,    // whatever the user answered
  VectorLoaded,
  ZoneSelected,
  BackShown,
  ReturnShown,
  NoBreakFound,
  DilationFinished,
  LinearFinishedFromMenu,
  LinearFinishedFromButton,
  SurfaceFinished,
  DemFilled,
  ZoomDown,
  ZoomUp,
  PipetteDown,
  PipetteUp,
  PencilDown,
  PencilUp,
  RuleDown,
  RuleUp,
  PointDown,
  PointUp,
  FillingDown,
  FillingUp,
  // The image window switched between the scene preview and the working image, for
  // whatever reason (Vectorial, Back, Return, a redraw or a load).
  ScenePreviewShown,
  WorkingImageShown,
};

// The session flags some events look at.
struct EnablingFlags {
  std::uint8_t EditableImage = 0;
  std::uint8_t ZoneSelected = 0;
  // The scene preview is on screen in place of the working image.
  bool ScenePreviewOnScreen = false;
};

class ControlStates {
 public:
  bool Enabled(Control control) const { return bits_[static_cast<std::size_t>(control)]; }
  void Set(Control control, bool enabled) { bits_[static_cast<std::size_t>(control)] = enabled; }
  // What a control will be once the working image is on screen again; only the editor
  // controls are held while the scene preview is shown.
  bool Held(Control control) const { return held_[static_cast<std::size_t>(control)]; }
  void Hold(Control control, bool enabled) { held_[static_cast<std::size_t>(control)] = enabled; }
  bool operator==(const ControlStates&) const = default;

 private:
  std::bitset<kControlCount> bits_;
  std::bitset<kControlCount> held_;
};

// Availability as the windows are built, before any start-up step enables Zoom.
ControlStates InitialControls();
// The one rule book of availability: the states after `event`.
ControlStates ApplyEnablingEvent(ControlStates states, EnablingEvent event,
                                 const EnablingFlags& flags);

}  // namespace zelmaro
