#include "DoorDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/ViewSettings.h"
#include "support/DoorLoad.h"
#include "support/TempFolder.h"

namespace {

// What the document signalled, in order.
class Signals {
 public:
  explicit Signals(DoorDocument& document) {
    QObject::connect(&document, &DoorDocument::changed, [this] { seen_.push_back("changed"); });
    QObject::connect(&document, &DoorDocument::replaced, [this] { seen_.push_back("replaced"); });
    QObject::connect(&document, &DoorDocument::modifiedChanged, [this](bool modified) {
      seen_.push_back(modified ? "modified:1" : "modified:0");
    });
    QObject::connect(&document, &DoorDocument::fileNameChanged,
                     [this](const QString&) { seen_.push_back("file"); });
  }
  std::vector<std::string> Take() { return std::exchange(seen_, {}); }

 private:
  std::vector<std::string> seen_;
};

using Seen = std::vector<std::string>;

const QString kSamples = QString::fromUtf8(DOORTRIM_SAMPLE_DOORS);
const QString kOval = kSamples + "/oval.brd";

DoorInputs WithWeight(long double g) {
  DoorInputs door;
  door.G = g;
  return door;
}

TEST(DoorDocument, StartsWithTheDefaultDoorUnmodifiedAndNoHistory) {
  DoorDocument document;
  EXPECT_EQ(document.Door(), DoorInputs());
  EXPECT_EQ(document.Angles(), BalanceAngles{});
  EXPECT_FALSE(document.IsModified());
  EXPECT_TRUE(document.FileName().isEmpty());
  EXPECT_EQ(document.History().count(), 0);
}

TEST(DoorDocument, AnEditIsOneNamedStepThatMarksTheDoorModified) {
  DoorDocument document;
  Signals seen(document);
  EXPECT_TRUE(document.Edit("Weight G: 11513 → 14000", WithWeight(14000)));
  EXPECT_EQ(document.Door().G, 14000);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.History().count(), 1);
  EXPECT_EQ(document.History().undoText(), "Weight G: 11513 → 14000");
  EXPECT_EQ(seen.Take(), (Seen{"modified:1", "changed"}));

  // A second change keeps the flag and says only that the door changed.
  EXPECT_TRUE(document.Edit("Weight G: 14000 → 15000", WithWeight(15000)));
  EXPECT_EQ(seen.Take(), (Seen{"changed"}));
}

TEST(DoorDocument, AnEditThatChangesNothingIsNoStep) {
  DoorDocument document;
  Signals seen(document);
  EXPECT_FALSE(document.Edit("nothing", DoorInputs()));
  EXPECT_FALSE(document.SetAngles("nothing", BalanceAngles{}));
  EXPECT_EQ(document.History().count(), 0);
  EXPECT_EQ(seen.Take(), Seen{});
}

TEST(DoorDocument, UndoAndRedoWalkTheHistoryAndTheFlagFollows) {
  DoorDocument document;
  document.Edit("one", WithWeight(12000));
  document.SetAngles("two", {1, -2, 30});
  Signals seen(document);
  document.History().undo();
  EXPECT_EQ(document.Angles(), BalanceAngles{});
  EXPECT_EQ(document.Door().G, 12000);
  EXPECT_EQ(seen.Take(), (Seen{"changed"}));
  document.History().undo();
  EXPECT_EQ(document.Door(), DoorInputs());
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(seen.Take(), (Seen{"modified:0", "changed"}));
  document.History().redo();
  document.History().redo();
  EXPECT_EQ(document.Door().G, 12000);
  EXPECT_EQ(document.Angles(), (BalanceAngles{1, -2, 30}));
  EXPECT_TRUE(document.IsModified());
}

TEST(DoorDocument, AnEditThatPutsTheSavedValuesBackLeavesNothingUnsaved) {
  DoorDocument document;
  document.Edit("up", WithWeight(12000));
  ASSERT_TRUE(document.IsModified());
  document.Edit("back", DoorInputs());
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.History().count(), 2);
}

TEST(DoorDocument, ReadingAFileGivesItsDoorUnmodifiedWithAFreshHistory) {
  DoorDocument document;
  document.Edit("edit", WithWeight(1234));
  Signals seen(document);
  ViewSettings view;
  ASSERT_TRUE(document.Load(kOval, &view).Ok);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.History().count(), 0);
  EXPECT_EQ(document.FileName(), kOval);
  EXPECT_EQ(document.Door(), LoadedInputs(kOval.toStdString()));
  EXPECT_EQ(document.Angles(), (BalanceAngles{view.Angles[0], view.Angles[1], view.Angles[2]}));
  EXPECT_EQ(seen.Take(), (Seen{"file", "modified:0", "replaced", "changed"}));
}

TEST(DoorDocument, AFailedReadChangesNothing) {
  TempFolder folder;
  DoorDocument document;
  document.Edit("edit", WithWeight(1234));
  Signals seen(document);
  EXPECT_FALSE(document.Load(QString::fromStdString(folder.File("missing.brd"))).Ok);
  EXPECT_FALSE(document.LoadAsStep(QString::fromStdString(folder.File("missing.brd")), "x").Ok);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.Door().G, 1234);
  EXPECT_EQ(document.History().count(), 1);
  EXPECT_EQ(seen.Take(), Seen{});
}

TEST(DoorDocument, AWrittenDoorIsUnmodifiedUntilItDiffersFromItsFileAgain) {
  TempFolder folder;
  const QString path = QString::fromStdString(folder.File("door.brd"));
  DoorDocument document;
  document.Edit("first", WithWeight(12000));
  document.Edit("second", WithWeight(13000));
  EXPECT_FALSE(
      document.Save(QString::fromStdString(folder.File("no-such-folder/door.brd")), ViewSettings{})
          .Ok);
  EXPECT_TRUE(document.IsModified());
  Signals seen(document);
  ASSERT_TRUE(document.Save(path, ViewSettings{}).Ok);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.FileName(), path);
  EXPECT_EQ(seen.Take(), (Seen{"file", "modified:0"}));
  // Undone past the save: the door is no longer what the file holds; redone: it is again.
  document.History().undo();
  EXPECT_TRUE(document.IsModified());
  document.History().redo();
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(LoadedInputs(path.toStdString()).G, 13000);
}

TEST(DoorDocument, TheFileKeepsTheDoorsBalanceAnglesWhateverTheWindowsSay) {
  TempFolder folder;
  const QString path = QString::fromStdString(folder.File("door.brd"));
  DoorDocument document;
  document.SetAngles("angles", {1.5L, -2.25L, 33});
  ViewSettings view;
  view.Angles = {7, 8, 9};
  view.ViewTab = 2;
  ASSERT_TRUE(document.Save(path, view).Ok);
  ViewSettings read;
  LoadedInputs(path.toStdString(), &read);
  EXPECT_EQ(read.Angles, (std::array<long double, 3>{1.5L, -2.25L, 33}));
  EXPECT_EQ(read.ViewTab, 2);
}

TEST(DoorDocument, AFileReadAsAStepCanBeUndoneWithItsFile) {
  TempFolder folder;
  const QString own = QString::fromStdString(folder.File("own.brd"));
  DoorDocument document;
  ASSERT_TRUE(document.Save(own, ViewSettings{}).Ok);
  document.Edit("unsaved", WithWeight(12345));
  Signals seen(document);
  ASSERT_TRUE(document.LoadAsStep(kOval, "Open oval.brd").Ok);
  EXPECT_EQ(document.Door(), LoadedInputs(kOval.toStdString()));
  EXPECT_EQ(document.FileName(), kOval);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.History().undoText(), "Open oval.brd");
  EXPECT_EQ(seen.Take(), (Seen{"file", "modified:0", "replaced", "changed"}));

  // The unsaved door comes back, and with it its own file, which it still differs from.
  document.History().undo();
  EXPECT_EQ(document.Door().G, 12345);
  EXPECT_EQ(document.FileName(), own);
  EXPECT_TRUE(document.IsModified());
  document.History().redo();
  EXPECT_EQ(document.FileName(), kOval);
  EXPECT_FALSE(document.IsModified());
}

TEST(DoorDocument, NamesEveryFileReadOrWrittenButNoneThatFailed) {
  TempFolder folder;
  DoorDocument document;
  std::vector<std::string> used;
  QObject::connect(&document, &DoorDocument::fileUsed,
                   [&used](const QString& path) { used.push_back(path.toStdString()); });
  ASSERT_TRUE(document.Load(kOval).Ok);
  EXPECT_FALSE(document.Load(QString::fromStdString(folder.File("missing.brd"))).Ok);
  EXPECT_FALSE(
      document.Save(QString::fromStdString(folder.File("no-such-folder/door.brd")), ViewSettings{})
          .Ok);
  ASSERT_TRUE(document.Save(QString::fromStdString(folder.File("door.brd")), ViewSettings{}).Ok);
  EXPECT_EQ(used, (std::vector<std::string>{kOval.toStdString(), folder.File("door.brd")}));
}

}  // namespace
