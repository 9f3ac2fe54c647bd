#pragma once

#include "model/XYZ.h"

class TBoard;

// The bridles' part of an evaluation that depends only on the door's inputs: the pull of one
// bridle (fixed in the world frame) and the drawn stub. Worked out again only when one of the
// inputs it comes from differs from the last time; the inputs themselves are the key, so a
// window that writes a field directly cannot leave a stale value behind.
class BridleTerms {
 public:
  // Brings the terms up to date with the door; costs a few comparisons when nothing changed.
  void Refresh(const TBoard& door);

  const XYZ& Pull() const { return pull_; }  // force of one bridle, N
  const XYZ& Stub() const { return stub_; }  // from the attachment point to the stub's end

 private:
  bool known_ = false;
  long double angleH_ = 0, angleV_ = 0, chord_ = 0, height_ = 0, resistance_ = 0;
  XYZ pull_, stub_;
};
