#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace {

// What a program printed and how it ended.
struct ProgramRun {
  int ExitCode = -1;
  QString Out;
  QString Err;
};

ProgramRun RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QByteArray& input = {}) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  ProgramRun run;
  if (!process.waitForStarted()) {
    run.Err = program + ": " + process.errorString();
    return run;
  }
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(120000);
  run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.Err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The build installed once for all tests into a temporary staging folder, as a package build
// stages it: DESTDIR=<folder> cmake --install <build> --prefix /usr.
class Installed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    staging_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(staging_->isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", staging_->path());
    const ProgramRun install = RunProgram(
        DOORTRIM_CMAKE, {"--install", DOORTRIM_BUILD_DIR, "--prefix", "/usr"}, environment);
    installResult_ = install.ExitCode;
    installErrors_ = install.Err;
  }
  static void TearDownTestSuite() { staging_.reset(); }

  void SetUp() override { ASSERT_EQ(installResult_, 0) << installErrors_.toStdString(); }

  // A path under the installed /usr.
  static QString Prefix(const QString& relative = {}) {
    return QDir::cleanPath(staging_->path() + "/usr/" + relative);
  }
  static QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }
  static QProcessEnvironment Offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
  }
  // The data folders as the programs print them.
  static QString DataFolders() {
    const QString share = Canonical(Prefix("share/doortrim"));
    return "Language files: " + share + "/lang\n" + "Help pages:     " + share + "/help\n" +
           "Sample doors:   " + share + "/samples\n";
  }

  static std::unique_ptr<QTemporaryDir> staging_;
  static int installResult_;
  static QString installErrors_;
};

std::unique_ptr<QTemporaryDir> Installed::staging_;
int Installed::installResult_ = -1;
QString Installed::installErrors_;

TEST_F(Installed, ProgramsAndDesktopFilesAreInPlace) {
  for (const char* program : {"bin/doortrim", "bin/doortrim-cli"}) {
    const QFileInfo file(Prefix(program));
    EXPECT_TRUE(file.isFile() && file.isExecutable()) << program;
  }
  for (const char* file :
       {"share/applications/doortrim.desktop", "share/mime/packages/doortrim.xml",
        "share/icons/hicolor/scalable/apps/doortrim.svg", "share/man/man1/doortrim.1.gz",
        "share/man/man1/doortrim-cli.1.gz"}) {
    EXPECT_GT(QFileInfo(Prefix(file)).size(), 0) << file;
  }
}

// Each data folder holds the same files as the source folder it comes from.
TEST_F(Installed, LanguageFilesHelpPagesAndSampleDoorsAreInstalledWhole) {
  const std::pair<const char*, const char*> folders[] = {{"lang", "share/doortrim/lang"},
                                                         {"help", "share/doortrim/help"},
                                                         {"doors", "share/doortrim/samples"}};
  for (const auto& [source, installed] : folders) {
    const QDir from(QString(DOORTRIM_RESOURCES) + "/" + source);
    const QStringList names = from.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << source;
    EXPECT_EQ(QDir(Prefix(installed)).entryList(QDir::Files), names) << installed;
    for (const QString& name : names) {
      QFile original(from.filePath(name));
      QFile copy(Prefix(installed) + "/" + name);
      ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
      EXPECT_EQ(copy.readAll(), original.readAll()) << name.toStdString();
    }
  }
}

TEST_F(Installed, DesktopEntryValidatesAndOpensTheDoorFileType) {
  const QString entry = Prefix("share/applications/doortrim.desktop");
  const ProgramRun validate = RunProgram("desktop-file-validate", {entry});
  EXPECT_EQ(validate.ExitCode, 0) << validate.Err.toStdString();
  EXPECT_EQ(validate.Out + validate.Err, "");  // not even a hint
  const QString text = ReadText(entry);
  EXPECT_TRUE(text.contains("\nGenericName=Otter board balance\n"));
  EXPECT_TRUE(text.contains("\nCategories=Science;Engineering;\n"));
  EXPECT_TRUE(text.contains("\nExec=doortrim %f\n"));  // a double-clicked file is passed on
  EXPECT_TRUE(text.contains("\nMimeType=application/x-doortrim-door;\n"));
}

TEST_F(Installed, DoorFileTypeIsKnownByItsExtensionOnceTheMimeDatabaseIsUpdated) {
  const QString mime = Prefix("share/mime");
  const ProgramRun update = RunProgram("update-mime-database", {"-V", mime});
  ASSERT_EQ(update.ExitCode, 0) << update.Err.toStdString();
  EXPECT_FALSE(update.Err.contains("rror")) << update.Err.toStdString();
  EXPECT_TRUE(ReadText(mime + "/globs2").contains(":application/x-doortrim-door:*.brd"));
  const QString description = ReadText(mime + "/application/x-doortrim-door.xml");
  EXPECT_TRUE(description.contains("<comment>Otter board door data</comment>"))
      << description.toStdString();
}

TEST_F(Installed, ManPagesAreWellFormed) {
  for (const char* page : {"doortrim", "doortrim-cli"}) {
    const QString path = Prefix(QString("share/man/man1/") + page + ".1.gz");
    const ProgramRun unpacked = RunProgram("gzip", {"-dc", path});
    ASSERT_EQ(unpacked.ExitCode, 0) << unpacked.Err.toStdString();
    // troff writes a hyphen in a name as "\-".
    EXPECT_TRUE(unpacked.Out.contains(".SH NAME\n" + QString(page).replace("-", "\\-"))) << page;
    EXPECT_TRUE(unpacked.Out.contains(DOORTRIM_VERSION)) << page;
    const ProgramRun groff =
        RunProgram("groff", {"-man", "-ww", "-z"}, QProcessEnvironment::systemEnvironment(),
                   unpacked.Out.toUtf8());
    EXPECT_EQ(groff.ExitCode, 0) << page;
    EXPECT_EQ(groff.Err, "") << page;
  }
}

// Debian's policy: the licence in the machine-readable copyright form, and the changelog of
// this version compressed without a file name or time stamp, so a rebuild gives the same bytes.
TEST_F(Installed, CopyrightAndChangelogAreInTheDocFolder) {
  const QString copyright = ReadText(Prefix("share/doc/doortrim/copyright"));
  EXPECT_TRUE(copyright.startsWith(
      "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
      << copyright.toStdString();
  EXPECT_TRUE(copyright.contains("License: GPL-3+\n")) << copyright.toStdString();
  EXPECT_TRUE(copyright.contains("/usr/share/common-licenses/GPL-3"));

  const QString changelog = Prefix("share/doc/doortrim/changelog.gz");
  QFile packed(changelog);
  ASSERT_TRUE(packed.open(QIODevice::ReadOnly)) << changelog.toStdString();
  const QByteArray header = packed.read(10);
  ASSERT_EQ(header.size(), 10);
  constexpr char kOriginalName = 0x08;  // FLG.FNAME of the gzip header
  EXPECT_EQ(header[3] & kOriginalName, 0) << "the file name is kept";
  EXPECT_EQ(header.mid(4, 4), QByteArray(4, '\0')) << "the time stamp is kept";
  const ProgramRun unpacked = RunProgram("gzip", {"-dc", changelog});
  ASSERT_EQ(unpacked.ExitCode, 0) << unpacked.Err.toStdString();
  EXPECT_TRUE(unpacked.Out.startsWith(QString("doortrim (") + DOORTRIM_VERSION + ") "))
      << unpacked.Out.toStdString();
}

TEST_F(Installed, CommandLineProgramFindsItsDataInThePrefix) {
  const QString cli = Prefix("bin/doortrim-cli");
  const ProgramRun version = RunProgram(cli, {"--version"});
  EXPECT_EQ(version.ExitCode, 0) << version.Err.toStdString();
  EXPECT_EQ(version.Out, QString("doortrim-cli ") + DOORTRIM_VERSION + "\n");
  const ProgramRun paths = RunProgram(cli, {"paths"});
  EXPECT_EQ(paths.ExitCode, 0) << paths.Err.toStdString();
  EXPECT_EQ(paths.Out, DataFolders());
  const ProgramRun solve = RunProgram(cli, {"solve", Prefix("share/doortrim/samples/oval.brd")});
  EXPECT_EQ(solve.ExitCode, 0) << solve.Err.toStdString();
}

TEST_F(Installed, DesktopProgramStartsFromThePrefixAndFindsItsData) {
  const QString program = Prefix("bin/doortrim");
  const ProgramRun version = RunProgram(program, {"--version"}, Offscreen());
  EXPECT_EQ(version.ExitCode, 0) << version.Err.toStdString();
  EXPECT_EQ(version.Out, QString("doortrim ") + DOORTRIM_VERSION + "\n");
  const ProgramRun folders = RunProgram(program, {"--data-folders"}, Offscreen());
  EXPECT_EQ(folders.ExitCode, 0) << folders.Err.toStdString();
  EXPECT_EQ(folders.Out, DataFolders());
}

TEST_F(Installed, DesktopProgramRefusesAStrayOptionWithoutStarting) {
  const ProgramRun run = RunProgram(Prefix("bin/doortrim"), {"--bogus"}, Offscreen());
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("bogus")) << run.Err.toStdString();
}

}  // namespace
