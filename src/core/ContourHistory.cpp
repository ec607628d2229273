#include "core/ContourHistory.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zelmaro {

ContourState ContourState::Of(const SessionState& session) {
  return {session.ContourImage, session.AltitudeTable, session.AltitudeCount};
}

std::size_t ContourHistory::Step::Bytes() const {
  return cells.size() * (sizeof(std::uint32_t) + 2) +
         entries.size() * (sizeof(std::uint16_t) + 2 * sizeof(std::int32_t)) + sizeof(Step);
}

bool ContourHistory::Record(const ContourState& before, const SessionState& after) {
  const ByteGrid& now = after.ContourImage;
  if (before.Image.Lines() != now.Lines() || before.Image.Columns() != now.Columns()) {
    Clear();
    return true;
  }
  Step step;
  step.lines = now.Lines();
  step.columns = now.Columns();
  const std::uint8_t* old = before.Image.Data();
  const std::uint8_t* current = now.Data();
  const std::size_t cellCount = now.CellCount();
  // A tool click changes a few cells of a large image: whole blocks are compared first,
  // and only a block that differs is looked at cell by cell.
  constexpr std::size_t kBlock = 256;
  for (std::size_t start = 0; start < cellCount; start += kBlock) {
    const std::size_t end = std::min(start + kBlock, cellCount);
    if (std::memcmp(old + start, current + start, end - start) == 0) continue;
    for (std::size_t i = start; i < end; ++i) {
      if (old[i] != current[i]) {
        step.cells.push_back(static_cast<std::uint32_t>(i));
        step.before.push_back(old[i]);
        step.after.push_back(current[i]);
      }
    }
  }
  for (std::size_t k = 0; k < before.Table.size(); ++k) {
    if (before.Table[k] != after.AltitudeTable[k]) {
      step.entries.push_back(static_cast<std::uint16_t>(k));
      step.entriesBefore.push_back(before.Table[k]);
      step.entriesAfter.push_back(after.AltitudeTable[k]);
    }
  }
  step.countBefore = before.AltitudeCount;
  step.countAfter = after.AltitudeCount;
  if (step.cells.empty() && step.entries.empty() && step.countBefore == step.countAfter) {
    return false;
  }

  // What stays is counted against the budget, not what growing the lists reserved.
  step.cells.shrink_to_fit();
  step.before.shrink_to_fit();
  step.after.shrink_to_fit();
  for (const Step& undone : redo_) stored_ -= undone.Bytes();
  redo_.clear();
  const std::size_t bytes = step.Bytes();
  if (bytes > budget_) {
    Clear();
    return true;
  }
  undo_.push_back(std::move(step));
  stored_ += bytes;
  while (UndoSteps() > kMaxSteps || stored_ > budget_) DropOldest();
  return true;
}

void ContourHistory::Apply(const Step& step, SessionState& session, bool forward) {
  std::uint8_t* cells = session.ContourImage.Data();
  const std::vector<std::uint8_t>& values = forward ? step.after : step.before;
  for (std::size_t i = 0; i < step.cells.size(); ++i) cells[step.cells[i]] = values[i];
  const std::vector<std::int32_t>& entries = forward ? step.entriesAfter : step.entriesBefore;
  for (std::size_t i = 0; i < step.entries.size(); ++i) {
    session.AltitudeTable[step.entries[i]] = entries[i];
  }
  session.AltitudeCount = forward ? step.countAfter : step.countBefore;
}

void ContourHistory::Undo(SessionState& session) {
  if (undo_.empty()) return;
  const Step& last = undo_.back();
  if (last.lines != session.ContourImage.Lines() ||
      last.columns != session.ContourImage.Columns()) {
    Clear();
    return;
  }
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  Apply(redo_.back(), session, false);
}

void ContourHistory::Redo(SessionState& session) {
  if (redo_.empty()) return;
  const Step& next = redo_.back();
  if (next.lines != session.ContourImage.Lines() ||
      next.columns != session.ContourImage.Columns()) {
    Clear();
    return;
  }
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  Apply(undo_.back(), session, true);
}

void ContourHistory::DropOldest() {
  stored_ -= undo_.front().Bytes();
  undo_.pop_front();
}

void ContourHistory::Clear() {
  undo_.clear();
  redo_.clear();
  stored_ = 0;
}

}  // namespace zelmaro
