#include "DoorDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/ViewSettings.h"
#include "support/TempFolder.h"

namespace {

// What the document signalled, in order: "changed" and "modified:0/1".
class Signals {
 public:
  explicit Signals(DoorDocument& document) {
    QObject::connect(&document, &DoorDocument::changed, [this] { seen_.push_back("changed"); });
    QObject::connect(&document, &DoorDocument::modifiedChanged, [this](bool modified) {
      seen_.push_back(modified ? "modified:1" : "modified:0");
    });
  }
  std::vector<std::string> Take() { return std::exchange(seen_, {}); }

 private:
  std::vector<std::string> seen_;
};

using Seen = std::vector<std::string>;

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

TEST(DoorDocument, StartsWithTheDefaultDoorUnmodified) {
  DoorDocument document;
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.Board().Inputs().G, TBoard().G);
}

TEST(DoorDocument, MarkModifiedSignalsEveryChangeAndTheFlagOnce) {
  DoorDocument document;
  Signals seen(document);
  document.MarkModified();
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(seen.Take(), (Seen{"modified:1", "changed"}));
  document.MarkModified();
  EXPECT_EQ(seen.Take(), (Seen{"changed"}));
  document.SetModified(false);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(seen.Take(), (Seen{"modified:0"}));
  document.SetModified(false);
  EXPECT_EQ(seen.Take(), Seen{});
}

TEST(DoorDocument, ReadingAFileLeavesTheDoorUnmodified) {
  DoorDocument document;
  document.MarkModified();
  Signals seen(document);
  ViewSettings view;
  ASSERT_TRUE(document.Load(kSamples + "/oval.brd", &view).Ok);
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(seen.Take(), (Seen{"modified:0", "changed"}));
  TBoard oval;
  ASSERT_TRUE(oval.LoadFromFile(kSamples + "/oval.brd").Ok);
  EXPECT_EQ(document.Board().Inputs().G, oval.Inputs().G);
}

TEST(DoorDocument, AFailedReadChangesNothing) {
  TempFolder folder;
  DoorDocument document;
  document.Board().Inputs().G = 1234;
  document.MarkModified();
  Signals seen(document);
  EXPECT_FALSE(document.Load(folder.File("missing.brd")).Ok);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.Board().Inputs().G, 1234);
  EXPECT_EQ(seen.Take(), Seen{});
}

TEST(DoorDocument, WritingAFileLeavesTheDoorUnmodifiedUnlessItFails) {
  TempFolder folder;
  DoorDocument document;
  document.MarkModified();
  EXPECT_FALSE(document.Save(folder.File("no-such-folder/door.brd"), ViewSettings{}).Ok);
  EXPECT_TRUE(document.IsModified());
  ASSERT_TRUE(document.Save(folder.File("door.brd"), ViewSettings{}).Ok);
  EXPECT_FALSE(document.IsModified());
}

TEST(DoorDocument, NamesEveryFileReadOrWrittenButNoneThatFailed) {
  TempFolder folder;
  DoorDocument document;
  std::vector<std::string> used;
  QObject::connect(&document, &DoorDocument::fileUsed,
                   [&used](const QString& path) { used.push_back(path.toStdString()); });
  ASSERT_TRUE(document.Load(kSamples + "/oval.brd").Ok);
  EXPECT_FALSE(document.Load(folder.File("missing.brd")).Ok);
  EXPECT_FALSE(document.Save(folder.File("no-such-folder/door.brd"), ViewSettings{}).Ok);
  ASSERT_TRUE(document.Save(folder.File("door.brd"), ViewSettings{}).Ok);
  EXPECT_EQ(used, (std::vector<std::string>{kSamples + "/oval.brd", folder.File("door.brd")}));
}

}  // namespace
