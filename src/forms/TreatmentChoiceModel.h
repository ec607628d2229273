#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zelmaro {

// The two radio buttons of a confirmation dialog, "do it" (RadioButton1) and "do not"
// (RadioButton2), and the choice they leave behind. The dialog opens with neither
// button selected and OK clears them again, but the choice stays: closing without a
// choice repeats the last one, and before any choice the answer is "do not" (0).
class TreatmentChoiceModel {
 public:
  void RadioButton1Click() {
    radioButton1_ = true;
    radioButton2_ = false;
    choice_ = 1;
  }
  void RadioButton2Click() {
    radioButton2_ = true;
    radioButton1_ = false;
    choice_ = 0;
  }
  void BitBtn1Click() {
    radioButton1_ = false;
    radioButton2_ = false;
  }

  bool RadioButton1Checked() const { return radioButton1_; }
  bool RadioButton2Checked() const { return radioButton2_; }

 protected:
  std::int32_t Choice() const { return choice_; }

 private:
  std::int32_t choice_ = 0;
  bool radioButton1_ = false;
  bool radioButton2_ = false;
};

// The Ebarbulation dialog: "Starting the treatment" or "Delete".
class EbarbModel : public TreatmentChoiceModel {
 public:
  std::int32_t StartTreatment() const { return Choice(); }
};

// The Breaks dialog: the number of line ends found, and "Create a table of these
// breaks" or "Do not create this table".
class BreakModel : public TreatmentChoiceModel {
 public:
  std::string BreaksText;  // what BreaksEdit shows

  void ShowBreakCount(std::size_t count) { BreaksText = std::to_string(count); }
  std::int32_t CreateTable() const { return Choice(); }
};

// The message of a search that found fewer than two line ends, and its caption.
inline constexpr const char* kNoBreakMessage = "No break registered";
inline constexpr const char* kBreakMessageCaption = "BREAKS";

}  // namespace zelmaro
