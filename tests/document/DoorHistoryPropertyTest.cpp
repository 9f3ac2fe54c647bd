// The door's history over random edits: 200 sequences of 50 edits each, of every kind a window
// makes (a main parameter, an environment value, a range, a table row, the mode, the picture
// names, the balance angles), some of several parts at once, with a save somewhere between.
// Undoing everything gives back the first door, unmodified; redoing everything the last one;
// and on the way the door is modified exactly where it differs from what the file holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DoorDelta.h"
#include "DoorDocument.h"
#include "core/property/RandomDoor.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/ViewSettings.h"
#include "support/DoorCompare.h"
#include "support/TempFolder.h"

namespace {

constexpr int kSequences = 200;
constexpr int kEdits = 50;

// A value the window's field for it takes.
long double WithinItsField(RandomDoor& random, const EditableField& field) {
  const FieldLimits limits = *LimitsOfField(field.Name);
  const long double value = random.Uniform(limits.Lower, limits.Upper);
  return limits.Admits(value) ? value : (limits.Lower + limits.Upper) / 2;
}

// One edit of the kinds the windows make, drawn at random, of the state given.
DoorState RandomEdit(RandomDoor& random, const DoorState& state) {
  DoorState after = state;
  DoorInputs& door = after.Door;
  const int parts = random.Integer(1, 3);  // a dialog's OK changes several at once
  for (int p = 0; p < parts; ++p) {
    switch (random.Integer(0, 7)) {
      case 0: {
        const EditableField& f = kMainParams[static_cast<std::size_t>(random.Integer(0, 22))];
        door.*f.Field = WithinItsField(random, f);
        break;
      }
      case 1: {
        const EditableField& f = kEnvironmentFields[static_cast<std::size_t>(random.Integer(0, 7))];
        door.*f.Field = WithinItsField(random, f);
        break;
      }
      case 2: {
        Range& range = door.Ranges[static_cast<std::size_t>(random.Integer(0, 22))];
        range.From = random.Uniform(-10, 0);
        range.To = random.Uniform(1, 100);
        break;
      }
      case 3: {
        CoefTable& table = random.Integer(0, 1) == 0 ? door.Hydro : door.Ground;
        table.At(random.Integer(0, table.Count - 1), 1) = random.Uniform(0, 3);
        break;
      }
      case 4: {
        // A table of another length: rows added or taken away, the depths still increasing.
        CoefTable& keel = door.KeelGeom;
        const int before = keel.Count;
        keel.Count = random.Integer(2, std::min(before + 1, keel.Capacity()));
        if (keel.Count > before) {
          keel.At(before, kKeelZi) = keel.At(before - 1, kKeelZi) + random.Uniform(0.01L, 0.1L);
          keel.At(before, kKeelYi) = random.Uniform(0, 0.3L);
        }
        keel.At(keel.Count - 1, kKeelXi) = random.Uniform(0, 3);
        break;
      }
      case 5:
        door.Bottom = !door.Bottom;
        break;
      case 6:
        door.PlanPicture = "plan" + std::to_string(random.Integer(0, 1000)) + ".bmp";
        break;
      default:
        after.Angles = {random.Uniform(-90, 90), random.Uniform(-90, 90), random.Uniform(-90, 90)};
        break;
    }
  }
  return after;
}

void ExpectSameState(const DoorState& expected, const DoorState& actual, const std::string& what) {
  ExpectSameInputs(expected.Door, actual.Door, what);
  EXPECT_EQ(expected.Angles, actual.Angles) << what;
  EXPECT_TRUE(expected == actual) << what;
}

TEST(DoorHistoryProperties, UndoAndRedoOverRandomEditsWithASaveBetween) {
  RandomDoor random(20241208);
  const TempFolder folder;
  const QString path = QString::fromStdString(folder.File("door.brd"));
  for (int sequence = 0; sequence < kSequences; ++sequence) {
    SCOPED_TRACE(testing::Message() << "sequence " << sequence);
    DoorDocument document;
    DoorState start;
    start.Door = random.DoorWithinFieldLimits();  // a door its file can hold
    document.Edit("start", start);
    ASSERT_TRUE(document.Save(path, ViewSettings{}).Ok);  // the file holds the start
    document.History().clear();

    std::vector<DoorState> states{document.State()};
    const int saveAt = random.Integer(0, kEdits);  // after this many edits
    int savedIndex = 0;
    for (int e = 0; e < kEdits; ++e) {
      if (e == saveAt) {
        ASSERT_TRUE(document.Save(path, ViewSettings{}).Ok);
        savedIndex = e;
      }
      DoorState next = RandomEdit(random, document.State());
      if (next == document.State()) next.Angles.X += 1;  // every edit changes something
      ASSERT_TRUE(document.Edit("edit", next));
      states.push_back(document.State());
    }
    if (saveAt == kEdits) {
      ASSERT_TRUE(document.Save(path, ViewSettings{}).Ok);
      savedIndex = kEdits;
    }
    ASSERT_EQ(document.History().count(), kEdits);

    const auto expectAt = [&](int index, const char* way) {
      const std::string what = std::string(way) + " at step " + std::to_string(index);
      ExpectSameState(states[static_cast<std::size_t>(index)], document.State(), what);
      EXPECT_EQ(document.IsModified(), !(states[static_cast<std::size_t>(index)] ==
                                         states[static_cast<std::size_t>(savedIndex)]))
          << what;
    };
    for (int index = kEdits; index > 0; --index) {
      expectAt(index, "undoing");
      document.History().undo();
    }
    expectAt(0, "undone");
    EXPECT_EQ(document.IsModified(), !(states[0] == states[static_cast<std::size_t>(savedIndex)]));
    for (int index = 0; index < kEdits; ++index) {
      document.History().redo();
      expectAt(index + 1, "redoing");
    }
    if (HasFailure()) break;  // one sequence's account is enough
  }
}

// A change between any two doors, applied forward, gives the second; backward, the first; and
// it holds no more parts than differ.
TEST(DoorDeltaProperties, TurnsEitherDoorIntoTheOther) {
  RandomDoor random(20241209);
  for (int i = 0; i < 500; ++i) {
    SCOPED_TRACE(testing::Message() << "pair " << i);
    DoorState a, b;
    a.Door = random.Door();
    b.Door = random.Door();
    b.Door.StringerHydro.At(0, 1) = random.Uniform(0, 2);
    b.Door.bs = random.Uniform(1, 4);
    b.Door.FrontPicture = "front.bmp";
    b.Angles = {random.Uniform(-9, 9), 0, random.Uniform(-9, 9)};
    const DoorDelta delta = DoorDelta::Between(a, b);
    DoorState state = a;
    delta.Apply(state, true);
    ExpectSameState(b, state, "forward");
    delta.Apply(state, false);
    ExpectSameState(a, state, "backward");
    if (HasFailure()) break;
  }
}

TEST(DoorDelta, KeepsOnlyThePartsThatDiffer) {
  DoorState a;
  DoorState b = a;
  EXPECT_TRUE(DoorDelta::Between(a, b).Empty());
  b.Door.G = 14000;
  EXPECT_EQ(DoorDelta::Between(a, b).PartCount(), 1);
  b.Door.Ranges[6].To = 20000;
  b.Door.Hydro.At(2, kHydroCy) = 0.7L;
  b.Door.Bottom = false;
  b.Angles.Z = 30;
  EXPECT_EQ(DoorDelta::Between(a, b).PartCount(), 5);
  // Rows beyond a table's count are no part of the door.
  DoorState c = a;
  c.Door.Ground.At(c.Door.Ground.Count + 3, kGroundCx) = 99;
  EXPECT_TRUE(DoorDelta::Between(a, c).Empty());
}

}  // namespace
