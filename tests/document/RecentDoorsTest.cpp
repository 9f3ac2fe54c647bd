#include "RecentDoors.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

#include "support/TempFolder.h"

namespace {

// A settings file of the test's own, never the user's.
class RecentDoorsTest : public ::testing::Test {
 protected:
  QString SettingsFile() const { return QString::fromStdString(folder_.File("settings.ini")); }
  QString Door(int number) const {
    return QString::fromStdString(folder_.File("door" + std::to_string(number) + ".brd"));
  }

  TempFolder folder_;
  QSettings settings_{SettingsFile(), QSettings::IniFormat};
  RecentDoors recent_{settings_};
};

TEST_F(RecentDoorsTest, NewestFirstAndAFileUsedAgainMovesToTheFront) {
  recent_.Add(Door(1));
  recent_.Add(Door(2));
  recent_.Add(Door(3));
  EXPECT_EQ(recent_.Paths(), QStringList({Door(3), Door(2), Door(1)}));
  recent_.Add(Door(1));
  EXPECT_EQ(recent_.Paths(), QStringList({Door(1), Door(3), Door(2)}));
}

TEST_F(RecentDoorsTest, KeepsTheLastEightAndDropsTheOldest) {
  for (int i = 1; i <= RecentDoors::kLimit + 2; ++i)
    recent_.Add(Door(i));
  const QStringList paths = recent_.Paths();
  ASSERT_EQ(paths.size(), RecentDoors::kLimit);
  EXPECT_EQ(paths.front(), Door(RecentDoors::kLimit + 2));
  EXPECT_EQ(paths.back(), Door(3));
}

TEST_F(RecentDoorsTest, KeepsAbsolutePathsSoTheSameFileIsListedOnce) {
  const QString relative = Door(1) + "/../door1.brd";
  recent_.Add(relative);
  recent_.Add(Door(1));
  EXPECT_EQ(recent_.Paths(), QStringList({Door(1)}));
}

TEST_F(RecentDoorsTest, RemovedFileLeavesTheOthersInOrder) {
  recent_.Add(Door(1));
  recent_.Add(Door(2));
  recent_.Add(Door(3));
  recent_.Remove(Door(2));
  EXPECT_EQ(recent_.Paths(), QStringList({Door(3), Door(1)}));
}

TEST_F(RecentDoorsTest, ListIsThereForTheNextRunOfTheProgram) {
  recent_.Add(Door(1));
  recent_.Add(Door(2));
  QSettings nextRun(SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(RecentDoors(nextRun).Paths(), QStringList({Door(2), Door(1)}));
}

TEST_F(RecentDoorsTest, ListEditedByHandIsShownWithoutRepeatsUpToTheLimit) {
  QStringList edited;
  for (int i = 1; i <= RecentDoors::kLimit + 1; ++i)
    edited << Door(1) << Door(i);
  settings_.setValue("RecentDoors/Files", edited);
  const QStringList paths = recent_.Paths();
  ASSERT_EQ(paths.size(), RecentDoors::kLimit);
  EXPECT_EQ(paths.count(Door(1)), 1);
  EXPECT_EQ(paths.back(), Door(RecentDoors::kLimit));
}

}  // namespace
