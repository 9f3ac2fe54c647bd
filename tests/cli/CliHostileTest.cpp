// doortrim-cli as a hostile caller uses it: special files and read-only files as targets,
// values beyond what a field takes, empty values, absurdly long names, damaged language
// files. Nothing is destroyed, nothing hangs, and no non-number passes as a result.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "cli/CliRunner.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const std::string kData = DOORTRIM_TEST_DATA;

std::string Sample(const std::string& name) {
  return kSamples + "/" + name + ".brd";
}

// --- Targets that are not regular files, or not writable -----------------------------------

struct Target {
  const char* Name;
  std::function<bool(const std::string&)> Make;
  const char* Reason;
};

struct Writer {
  const char* Name;
  std::function<std::vector<std::string>(const std::string& out)> Args;
};

const Target kTargets[] = {
    {"Fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; },
     "not a regular file but a FIFO"},
    {"Folder", [](const std::string& p) { return fs::create_directory(p); }, "it is a folder"},
    {"ReadOnly",
     [](const std::string& p) {
       TempFolder::WriteBytes(p, "kept");
       return ::chmod(p.c_str(), 0444) == 0;
     },
     "read-only (Permission denied)"},
};

const Writer kWriters[] = {
    {"Save",
     [](const std::string& out) {
       return std::vector<std::string>{"save", Sample("oval"), "--out", out};
     }},
    {"Png",
     [](const std::string& out) {
       return std::vector<std::string>{"render", "--png", out};
     }},
    {"Svg",
     [](const std::string& out) {
       return std::vector<std::string>{"render", "--svg", out};
     }},
    {"Pdf",
     [](const std::string& out) {
       return std::vector<std::string>{"print", "--pdf", out};
     }},
};

class HostileOutput : public ::testing::TestWithParam<std::tuple<Target, Writer>> {};

TEST_P(HostileOutput, IsRefusedWithExit4AndLeftAsItWas) {
  const auto& [target, writer] = GetParam();
  const TempFolder folder;
  const std::string path = folder.File("out");
  ASSERT_TRUE(target.Make(path));
  struct stat before {};
  ASSERT_EQ(::lstat(path.c_str(), &before), 0);
  const CliRun run = RunCliProgram(writer.Args(path));
  EXPECT_EQ(run.ExitCode, 4) << run.Err;
  EXPECT_NE(run.Err.find(path), std::string::npos) << run.Err;
  EXPECT_NE(run.Err.find(target.Reason), std::string::npos) << run.Err;
  struct stat after {};
  ASSERT_EQ(::lstat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(folder.Listing(), "out\n");
}

INSTANTIATE_TEST_SUITE_P(Targets, HostileOutput,
                         ::testing::Combine(::testing::ValuesIn(kTargets),
                                            ::testing::ValuesIn(kWriters)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).Name) +
                                  std::get<1>(info.param).Name;
                         });

// A door whose lines end in CR CR LF opens, and so it also saves.
TEST(CliHostile, ADoorWithDoubledCarriageReturnsOpensAndSaves) {
  const TempFolder folder;
  std::string text = TempFolder::ReadBytes(Sample("oval"));
  std::string doubled;
  for (const char c : text) {
    if (c == '\n') doubled += "\r\r";
    doubled += c;
  }
  const std::string door = folder.File("crcrlf.brd");
  TempFolder::WriteBytes(door, doubled);
  const CliRun run = RunCliProgram({"save", door, "--out", folder.File("saved.brd")});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(TempFolder::ReadBytes(folder.File("saved.brd")), text);
}

// --- Numbers -------------------------------------------------------------------------------

TEST(CliHostile, AHugeValueIsOutOfRangeNotMalformed) {
  for (const std::string value : {"1e4933", "1e400", "-1e99999"}) {
    const CliRun run = RunCliProgram({"evaluate", "--set", "G=" + value});
    EXPECT_EQ(run.ExitCode, 2) << value;
    EXPECT_NE(run.Err.find("out of range"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find("malformed"), std::string::npos) << run.Err;
  }
}

TEST(CliHostile, ADoorFileValueBeyondItsFieldIsRefused) {
  const CliRun run = RunCliProgram({"evaluate", kData + "/bad_param_beyond_field.brd"});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Err.find("v is out of range: ]-10..10[ (the range of its field)"),
            std::string::npos)
      << run.Err;
}

// Every figure of a JSON result, wherever it stands, is a finite number. The one null the
// result holds by design says there is no such figure (a door that never lifts off).
void ExpectAllFinite(const Json& j, const std::string& where) {
  if (j.is_null() && where.ends_with(".lift_off_speed_mps")) return;
  if (j.is_null()) {
    ADD_FAILURE() << "null at " << where;
  } else if (j.is_number_float()) {
    EXPECT_TRUE(std::isfinite(j.get<double>())) << where;
  } else if (j.is_object()) {
    for (const auto& item : j.items())
      ExpectAllFinite(item.value(), where + "." + item.key());
  } else if (j.is_array()) {
    for (std::size_t i = 0; i < j.size(); ++i)
      ExpectAllFinite(j[i], where + "[" + std::to_string(i) + "]");
  }
}

// Whatever a caller puts into --set, an exit status of 0 means every figure is a number; a
// figure that is not is named on the error line with exit status 3.
TEST(CliHostile, ExitZeroMeansEveryFigureIsFinite) {
  std::mt19937_64 random(20261208);
  std::vector<std::string> names;
  for (const EditableField& f : kMainParams)
    names.emplace_back(f.Name);
  for (const EditableField& f : kEnvironmentFields)
    names.emplace_back(f.Name);
  std::uniform_int_distribution<std::size_t> pickName(0, names.size() - 1);
  std::uniform_int_distribution<int> pickExponent(-20, 4940);
  std::uniform_real_distribution<double> share(0, 1);
  std::uniform_real_distribution<double> mantissa(-9.99, 9.99);
  std::uniform_int_distribution<int> pickCount(1, 3);
  int accepted = 0;
  int refused = 0;
  for (int i = 0; i < 120; ++i) {
    std::vector<std::string> args = {"evaluate", "--json"};
    for (int k = pickCount(random); k > 0; --k) {
      const std::string name = names[pickName(random)];
      const FieldLimits limits = *LimitsOfField(name);
      const double kind = share(random);
      char value[64];
      if (kind < 0.6) {  // anywhere in the field's range, ends included
        const double at = share(random);
        std::snprintf(value, sizeof value, "%.17g",
                      static_cast<double>(limits.Lower + at * (limits.Upper - limits.Lower)));
      } else if (kind < 0.8) {  // huge, up to far past a long double
        std::snprintf(value, sizeof value, "%.4fe%d", mantissa(random), pickExponent(random));
      } else {  // large but holdable
        std::snprintf(value, sizeof value, "%.4fe300", mantissa(random));
      }
      args.push_back("--set");
      args.push_back(name + "=" + value);
    }
    const CliRun run = RunCliProgram(args);
    SCOPED_TRACE(run.Err);
    if (run.ExitCode == 0) {
      ++accepted;
      ExpectAllFinite(Json::parse(run.Out), "result");
    } else {
      ++refused;
      EXPECT_TRUE(run.ExitCode == 2 || run.ExitCode == 3) << run.ExitCode;
      if (run.ExitCode == 3) {
        EXPECT_NE(run.Err.find("not a finite number: "), std::string::npos);
      }
    }
    if (HasFailure()) break;
  }
  EXPECT_GT(accepted, 5);
  EXPECT_GT(refused, 5);
}

// A search over values no door can have gives no number: it says so and does not succeed.
TEST(CliHostile, AVaryOverAbsurdValuesIsNoSuccess) {
  const CliRun run =
      RunCliProgram({"vary", "--var", "v", "--from", "1e308", "--to", "1.0000001e308", "--json"});
  EXPECT_NE(run.ExitCode, 0) << run.Out;
  if (run.ExitCode == 3) {
    EXPECT_NE(run.Err.find("not a finite number: "), std::string::npos) << run.Err;
  }
}

TEST(CliHostile, ATinySensitivityIsNoSuccessWithBlankFigures) {
  const CliRun run = RunCliProgram({"solve", "--sensitivity", "1e-308", "--json"});
  if (run.ExitCode == 0) {
    ExpectAllFinite(Json::parse(run.Out), "result");
  } else {
    EXPECT_EQ(run.ExitCode, 3) << run.Err;
  }
}

// --- Empty values and long names -------------------------------------------------------------

struct EmptyCase {
  const char* Name;
  std::vector<std::string> Args;
};

class EmptyValue : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyValue, IsAnError) {
  const CliRun run = RunCliProgram(GetParam().Args);
  EXPECT_EQ(run.ExitCode, 2) << run.Out;
  EXPECT_NE(run.Err.find("an empty value was given"), std::string::npos) << run.Err;
  EXPECT_TRUE(run.Out.empty()) << run.Out;
}

INSTANTIATE_TEST_SUITE_P(
    Options, EmptyValue,
    ::testing::Values(EmptyCase{"Sensitivity", {"solve", "--sensitivity", ""}},
                      EmptyCase{"Size", {"render", "--size", "", "--png", "/tmp/never.png"}},
                      EmptyCase{"DoorFile", {"evaluate", ""}},
                      EmptyCase{"Tolerance", {"solve", "--tolerance", ""}},
                      EmptyCase{
                          "Criterion",
                          {"vary", "--var", "v", "--from", "1", "--to", "2", "--criterion", ""}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CliHostile, AnErrorLineShortensAVeryLongPath) {
  // As long as one argument may be (a little under 128 KiB, with the shell's own command).
  const std::string path = "/tmp/" + std::string(100000, 'p') + ".brd";
  const CliRun run = RunCliProgram({"evaluate", path});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_LT(run.Err.size(), 1000u) << run.Err.size();
  EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1);
  EXPECT_NE(run.Err.find("characters left out"), std::string::npos);
}

// --- The printed report and its language file ------------------------------------------------

// The program copied into a prefix of its own, whose language folder holds what a case puts
// there.
class PrintLanguage : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const fs::path bin = prefix_.Path() / "bin";
    const fs::path share = bin / DOORTRIM_DATA_FROM_PROGRAM;
    fs::create_directories(bin);
    for (const char* folder : {"lang", "help", "samples"})
      fs::create_directories(share / folder);
    program_ = (bin / "doortrim-cli").string();
    fs::copy_file(DOORTRIM_CLI_PATH, program_);
    lang_ = (share / "lang").lexically_normal();
  }

  int Run(const std::string& pdf, std::string& err) {
    const std::string errFile = prefix_.File("err.txt");
    const std::string command =
        "'" + program_ + "' print --pdf '" + pdf + "' 2>'" + errFile + "' >/dev/null";
    const int status = std::system(command.c_str());
    err = TempFolder::ReadBytes(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder prefix_;
  std::string program_;
  fs::path lang_;
};

TEST_P(PrintLanguage, ABrokenLanguageFileStopsTheReport) {
  const std::string name = GetParam();
  if (!name.empty()) fs::copy_file(kData + "/lang/" + name, lang_ / "Door.len");
  const std::string pdf = prefix_.File("report.pdf");
  std::string err;
  EXPECT_EQ(Run(pdf, err), 2) << err;
  EXPECT_NE(err.find((lang_ / "Door.len").string()), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(Files, PrintLanguage,
                         ::testing::Values("", "bad_lang_truncated.lru",
                                           "bad_lang_count_past_end.lru", "bad_lang_no_header.lru"),
                         [](const auto& info) {
                           const std::string name = info.param;
                           return name.empty() ? std::string("Missing")
                                               : "Case" + std::to_string(info.index);
                         });

}  // namespace
