#pragma once

#include <string>

namespace zelmaro {

// The five panels of the main window's status bar, written by the picture windows.
class StatusPanels {
 public:
  virtual ~StatusPanels() = default;
  virtual void SetPanelText(int panel, const std::string& text) = 0;
  virtual std::string PanelText(int panel) const = 0;
};

}  // namespace zelmaro
