#pragma once

class QWidget;

// Decides when a dialog refills its fields from the door on becoming active again: only when
// another window of this program was active in between, since that window may have changed
// the door. Coming back from another application, from the help window or from a window the
// dialog opened itself (its message boxes and file dialogs) keeps what the user typed or
// selected.
class ReactivationRefill {
 public:
  // Whether the next activation refills (set by a dialog that wants one on its first).
  void SetPending(bool pending) { pending_ = pending; }

  // For an activation change of the visible `window`: true when it has just become active
  // and should refill its fields now.
  bool OnActivationChange(const QWidget& window);

 private:
  bool pending_ = false;
};
