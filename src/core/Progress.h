#pragma once

#include <functional>
#include <stdexcept>

namespace zelmaro {

// Thrown out of a long algorithm when the user asked it to stop. It is not an Error:
// a cancelled command shows no message, and like a failed one it leaves the session
// as it was before the command.
class CommandCancelled : public std::runtime_error {
 public:
  CommandCancelled() : std::runtime_error("Cancelled by the user.") {}
};

// How far a long algorithm has come, told to whoever started it, who may ask it to
// stop. The callback receives the fraction done (0 to 1) and returns false to cancel.
// Algorithms report from the thread that called them, between their parallel parts,
// never from inside a parallel loop, so a callback may touch the user interface.
class Progress {
 public:
  using Callback = std::function<bool(double fractionDone)>;

  Progress() = default;  // reports to nobody and is never cancelled
  explicit Progress(Callback callback) : callback_(std::move(callback)) {}

  // Reports `fraction` of this progress's share of the work; throws CommandCancelled
  // when the callback asks to stop.
  void Report(double fraction) const {
    if (!callback_) return;
    const double clamped = fraction < 0.0 ? 0.0 : (fraction > 1.0 ? 1.0 : fraction);
    if (!callback_(begin_ + (end_ - begin_) * clamped)) throw CommandCancelled();
  }

  // The share [begin, end] of this progress, for one step of a longer command: its
  // fraction 1 is this one's `end`.
  Progress Part(double begin, double end) const {
    Progress part;
    part.callback_ = callback_;
    part.begin_ = begin_ + (end_ - begin_) * begin;
    part.end_ = begin_ + (end_ - begin_) * end;
    return part;
  }

  bool Reports() const { return static_cast<bool>(callback_); }

 private:
  Callback callback_;
  double begin_ = 0.0;
  double end_ = 1.0;
};

}  // namespace zelmaro
