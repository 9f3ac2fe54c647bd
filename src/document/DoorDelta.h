#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DoorState.h"

// What one edit changed between two states of a door: only the parts that differ, each with
// its value before and after, so that an undo history keeps a few numbers per step rather
// than whole doors. Applied forward it turns the earlier state into the later one, backward
// the other way round; applied to anything else it changes only those parts.
class DoorDelta {
 public:
  static DoorDelta Between(const DoorState& before, const DoorState& after);

  bool Empty() const;
  // The number of parts that differ: each scalar, range, table, picture name, the mode and the
  // angles count once.
  int PartCount() const;

  // Sets the parts to their values after (forward) or before the change.
  void Apply(DoorState& state, bool forward) const;

 private:
  template <class T>
  struct Change {
    T Before;
    T After;
  };
  struct ScalarChange {
    long double DoorInputs::*Field;
    Change<long double> Value;
  };
  struct RangeChange {
    int Index;
    Change<Range> Value;
  };
  struct TableChange {
    CoefTable DoorInputs::*Table;
    Change<CoefTable> Value;
  };
  struct TextChange {
    std::string DoorInputs::*Field;
    Change<std::string> Value;
  };

  std::vector<ScalarChange> scalars_;
  std::vector<RangeChange> ranges_;
  std::vector<TableChange> tables_;
  std::vector<TextChange> texts_;
  std::optional<Change<bool>> mode_;
  std::optional<Change<BalanceAngles>> angles_;
};
