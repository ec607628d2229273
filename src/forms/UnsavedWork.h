#pragma once

#include <string>

namespace zelmaro {

// What Exit would lose: a DEM made since it was last saved, and a contour-line image
// edited since it was loaded, cut out or saved. Only the commands that end well report
// here, so a failed save leaves its work unsaved.
class UnsavedWork {
 public:
  void DemMade() { demUnsaved_ = true; }
  void DemSaved() { demUnsaved_ = false; }
  void ContourEdited() { contourUnsaved_ = true; }
  // Saved, or replaced by an image that can be loaded or cut out again.
  void ContourSaved() { contourUnsaved_ = false; }

  bool DemUnsaved() const { return demUnsaved_; }
  bool ContourUnsaved() const { return contourUnsaved_; }
  bool Pending() const { return demUnsaved_ || contourUnsaved_; }

  // The question Exit asks, and what it would lose, one line each.
  static constexpr const char* kQuestion = "Save changes?";
  std::string Details() const;

 private:
  bool demUnsaved_ = false;
  bool contourUnsaved_ = false;
};

}  // namespace zelmaro
