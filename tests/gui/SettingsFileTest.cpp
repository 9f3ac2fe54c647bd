// The user's settings file is read with a plain open() by QSettings: a FIFO in its place
// would hold the program at start for ever. Something that is not a regular file there is
// left alone, the program starts with its defaults and says why once.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstring>
#include <functional>

#include "SettingsFileCheck.h"

namespace {

struct Hostile {
  const char* Name;
  std::function<bool(const QString&)> Make;
  const char* Kind;
};

bool MakeFifo(const QString& path) {
  return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
bool MakeFolder(const QString& path) {
  return QDir().mkpath(path);
}
bool MakeSocket(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

class SettingsInPlace : public ::testing::TestWithParam<Hostile> {
 protected:
  void SetUp() override {
    path_ = SettingsFileCheck::SettingsPath();
    QDir().mkpath(QFileInfo(path_).path());
    // The test run's own settings are put aside and brought back.
    aside_ = path_ + QStringLiteral(".aside");
    QFile::remove(aside_);
    hadFile_ = QFile::rename(path_, aside_);
  }
  void TearDown() override {
    QDir(path_).removeRecursively();
    QFile::remove(path_);
    if (hadFile_) QFile::rename(aside_, path_);
  }

  QString path_;
  QString aside_;
  bool hadFile_ = false;
};

TEST_P(SettingsInPlace, IsLeftAloneAndTheProgramStartsWithDefaults) {
  ASSERT_TRUE(GetParam().Make(path_)) << "cannot make " << GetParam().Name;
  {
    const SettingsFileCheck check;
    EXPECT_TRUE(check.Problem().contains(path_)) << check.Problem().toStdString();
    EXPECT_TRUE(check.Problem().contains(GetParam().Kind)) << check.Problem().toStdString();
    QSettings settings;
    EXPECT_EQ(settings.value("Language", 0).toInt(), 0);  // the default
    settings.setValue("Language", 2);
    settings.sync();
    EXPECT_EQ(QSettings().value("Language", 0).toInt(), 2);  // for the rest of the run
  }
  QFileInfo after(path_);
  EXPECT_TRUE(after.exists());
  EXPECT_FALSE(after.isFile());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SettingsInPlace,
                         ::testing::Values(Hostile{"Fifo", MakeFifo, "FIFO"},
                                           Hostile{"Folder", MakeFolder, "folder"},
                                           Hostile{"Socket", MakeSocket, "socket"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SettingsFileCheck, ARegularFileOrNoneIsUsedAsItIs) {
  const SettingsFileCheck check;
  EXPECT_TRUE(check.Problem().isEmpty()) << check.Problem().toStdString();
}

}  // namespace
