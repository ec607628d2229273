#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/Grid.h"
#include "core/SessionState.h"

namespace zelmaro {

// The codes and the table of the working image as they were before a change, taken
// by the command that is about to make it.
struct ContourState {
  ByteGrid Image;
  AltitudeTableArray Table{};
  std::int32_t AltitudeCount = 0;

  static ContourState Of(const SessionState& session);
};

// The undo and redo history of the working contour-line image. A step keeps only the
// cells (and table entries) that a change touched, before and after, so that a whole
// treatment that moves a few thousand cells of a large image costs a few thousand
// cells. At most kMaxSteps steps are kept, and no more bytes than the budget: the
// oldest steps go first.
class ContourHistory {
 public:
  static constexpr int kMaxSteps = 50;
  static constexpr std::size_t kDefaultByteBudget = std::size_t{256} << 20;

  explicit ContourHistory(std::size_t byteBudget = kDefaultByteBudget) : budget_(byteBudget) {}

  // Records the change from `before` to the session as it is now; returns false when
  // nothing changed, and then records nothing. A change of the image's size cannot be
  // undone cell by cell: it starts a new history. A step larger than the whole budget
  // cannot be kept, and without it the older steps could not be undone either, so the
  // history is emptied.
  bool Record(const ContourState& before, const SessionState& after);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  int UndoSteps() const { return static_cast<int>(undo_.size()); }
  int RedoSteps() const { return static_cast<int>(redo_.size()); }
  std::size_t StoredBytes() const { return stored_; }

  // Puts the session's image and table back as they were before the last step, or
  // forward again. Nothing happens when there is no step to take.
  void Undo(SessionState& session);
  void Redo(SessionState& session);

  // Forgets every step: the image they were taken on is gone.
  void Clear();

 private:
  struct Step {
    int lines = 0;
    int columns = 0;
    std::vector<std::uint32_t> cells;  // offsets into the image, in increasing order
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
    std::vector<std::uint16_t> entries;  // table entries that changed
    std::vector<std::int32_t> entriesBefore;
    std::vector<std::int32_t> entriesAfter;
    std::int32_t countBefore = 0;
    std::int32_t countAfter = 0;

    std::size_t Bytes() const;
  };

  static void Apply(const Step& step, SessionState& session, bool forward);
  void DropOldest();

  std::size_t budget_;
  std::size_t stored_ = 0;
  std::deque<Step> undo_;
  std::vector<Step> redo_;
};

}  // namespace zelmaro
