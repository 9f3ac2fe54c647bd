#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "macro/DdeClient.h"

namespace {

constexpr const char* kBusName = "org.doortrim.doortrim";
constexpr int kProcessMs = 120000;  // a guard only: every wait ends on its condition
// The angle fields show three decimals.
constexpr double kFieldRounding = 0.0005 + 1e-9;

// The desktop program as a user starts it, on the offscreen platform.
class Program {
 public:
  explicit Program(
      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
      const QStringList& arguments = {}, const QString& program = DOORTRIM_PROGRAM_PATH) {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
  }
  ~Program() {
    process_.kill();
    process_.waitForFinished(kProcessMs);
  }
  bool WaitForStderr(const QString& text) {
    return QTest::qWaitFor(
               [&] {
                 stderr_ += process_.readAllStandardError();
                 return stderr_.contains(text.toUtf8()) || process_.state() == QProcess::NotRunning;
               },
               kProcessMs) &&
           stderr_.contains(text.toUtf8());
  }
  bool Running() const { return process_.state() == QProcess::Running; }
  // Ends the program; everything it wrote on standard error.
  QString End() {
    process_.kill();
    process_.waitForFinished(kProcessMs);
    stderr_ += process_.readAllStandardError();
    return QString::fromUtf8(stderr_);
  }

 private:
  QProcess process_;
  QByteArray stderr_;
};

bool WaitForBusName() {
  QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
  return QTest::qWaitFor([&] { return bus->isServiceRegistered(kBusName).value(); }, kProcessMs);
}

QDBusMessage Await(QDBusPendingCall call) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return call.isFinished(); }, DdeClient::kCallTimeoutMs));
  return call.reply();
}

std::vector<double> CliBalanceAngles(const QString& door) {
  QProcess cli;
  cli.start(DOORTRIM_CLI_PATH, {"solve", door, "--json"});
  EXPECT_TRUE(cli.waitForFinished(kProcessMs));
  const QJsonArray angles =
      QJsonDocument::fromJson(cli.readAllStandardOutput()).object().value("angles_deg").toArray();
  std::vector<double> values;
  for (const QJsonValue& angle : angles)
    values.push_back(angle.toDouble());
  return values;
}

TEST(MacroProgram, AnotherProgramOpensADoorBalancesItAndReadsTheAngles) {
  Program program;
  ASSERT_TRUE(WaitForBusName());
  DdeClient dde(kBusName, QDBusConnection::sessionBus());
  const QString door = DOORTRIM_SAMPLE_DOORS "/oval.brd";
  ASSERT_EQ(Await(dde.Execute("FileOpen|" + door)).type(), QDBusMessage::ReplyMessage);
  ASSERT_EQ(Await(dde.Execute("Dialog|Balance")).type(), QDBusMessage::ReplyMessage);
  const QDBusMessage item = Await(dde.Request("DdeServerItem1"));
  ASSERT_EQ(item.type(), QDBusMessage::ReplyMessage);

  const QStringList fields = item.arguments().value(0).toString().split(' ');
  const std::vector<double> expected = CliBalanceAngles(door);
  ASSERT_EQ(fields.size(), 3);
  ASSERT_EQ(expected.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    bool number = false;
    const double angle = fields[i].toDouble(&number);
    ASSERT_TRUE(number) << fields[i].toStdString();
    EXPECT_NEAR(angle, expected[static_cast<std::size_t>(i)], kFieldRounding) << "axis " << i;
  }
}

TEST(MacroProgram, ASecondCopyRunsWithoutTheServerAndSaysSoOnce) {
  Program first;
  ASSERT_TRUE(WaitForBusName());
  Program second;
  ASSERT_TRUE(second.WaitForStderr("running without the macro server"));
  EXPECT_TRUE(second.Running());
  const QString said = second.End();
  EXPECT_EQ(said.count("running without the macro server"), 1);
  EXPECT_TRUE(said.contains("org.doortrim.doortrim is taken")) << said.toStdString();
  // The first copy still answers.
  DdeClient dde(kBusName, QDBusConnection::sessionBus());
  EXPECT_EQ(Await(dde.Request("DdeServerItem1")).type(), QDBusMessage::ReplyMessage);
}

TEST(MacroProgram, WithoutASessionBusTheProgramRunsAndSaysSoOnce) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/doortrim-test-bus");
  Program program(environment);
  ASSERT_TRUE(program.WaitForStderr("running without the macro server"));
  EXPECT_TRUE(program.Running());
  const QString said = program.End();
  EXPECT_EQ(said.count("running without the macro server"), 1);
  EXPECT_TRUE(said.contains("no D-Bus session bus")) << said.toStdString();
}

// A copy of the program in a tree of the installed shape, whose Russian language file is cut
// short; the user chose Russian last time.
class BrokenLanguageInstall {
 public:
  BrokenLanguageInstall() {
    const QDir root(dir_.path());
    root.mkpath("bin");
    program_ = root.filePath("bin/doortrim");
    EXPECT_TRUE(QFile::copy(DOORTRIM_PROGRAM_PATH, program_));
    QFile(program_).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QDir data(QDir::cleanPath(root.filePath("bin/" DOORTRIM_DATA_FROM_PROGRAM)));
    for (const char* folder : {"lang", "help", "samples"})
      EXPECT_TRUE(data.mkpath(folder));
    for (const char* language : {"Door.len", "Door.lno"}) {
      EXPECT_TRUE(QFile::copy(QString(DOORTRIM_LANGUAGE_FILES "/") + language,
                              data.filePath(QString("lang/") + language)));
    }
    russian_ = data.filePath("lang/Door.lru");
    EXPECT_TRUE(QFile::copy(DOORTRIM_TEST_DATA "/lang/bad_lang_truncated.lru", russian_));
    const QString config = root.filePath("home/.config");
    EXPECT_TRUE(root.mkpath("home/.config/DoorTrim"));
    QFile settings(config + "/DoorTrim/DoorTrim.conf");
    EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nLanguage=1\n");
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("HOME", root.filePath("home"));
    environment_.insert("XDG_CONFIG_HOME", config);
  }
  const QString& ProgramPath() const { return program_; }
  const QString& RussianFile() const { return russian_; }
  const QProcessEnvironment& Environment() const { return environment_; }

 private:
  QTemporaryDir dir_;
  QString program_;
  QString russian_;
  QProcessEnvironment environment_;
};

// Started by a script, the program shows no box for the broken language file it was to switch
// to: it says so on standard error and takes macros at once.
TEST(MacroProgram, WithoutDialogsABrokenRememberedLanguageIsToldOnStandardError) {
  const BrokenLanguageInstall install;
  QProcess where;
  where.setProcessEnvironment(install.Environment());
  where.start(install.ProgramPath(), {"--data-folders"});
  ASSERT_TRUE(where.waitForFinished(kProcessMs));
  ASSERT_TRUE(
      where.readAllStandardOutput().contains(QFileInfo(install.RussianFile()).path().toUtf8()))
      << "the copied program does not read the test's language files";

  Program program(install.Environment(), {"--no-dialogs"}, install.ProgramPath());
  ASSERT_TRUE(program.WaitForStderr("doortrim: Language: "));
  ASSERT_TRUE(WaitForBusName());
  DdeClient dde(kBusName, QDBusConnection::sessionBus());
  const QString door = DOORTRIM_SAMPLE_DOORS "/oval.brd";
  EXPECT_EQ(Await(dde.Execute("FileOpen|" + door)).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(Await(dde.Execute("Dialog|Balance")).type(), QDBusMessage::ReplyMessage);
  const QString said = program.End();
  EXPECT_EQ(said.count("doortrim: Language: "), 1) << said.toStdString();
  EXPECT_TRUE(said.contains("Door.lru")) << said.toStdString();
}

}  // namespace
