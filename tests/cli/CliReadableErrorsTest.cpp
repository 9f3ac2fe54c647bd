// Arguments and file contents that are not valid UTF-8 or hold control characters: the
// one-line message on standard error quotes them readably and stays valid UTF-8.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

const std::string kData = DOORTRIM_TEST_DATA;

struct DamagedArguments {
  const char* Name;
  std::vector<std::string> Args;
  std::string Mentions;
};

void PrintTo(const DamagedArguments& d, std::ostream* os) {
  *os << d.Name;
}

// Decoding replaces every ill-formed sequence, so only valid UTF-8 comes back unchanged.
bool IsValidUtf8(const std::string& text) {
  const QByteArray bytes = QByteArray::fromStdString(text);
  return QString::fromUtf8(bytes).toUtf8() == bytes;
}

class CliReadableErrors : public ::testing::TestWithParam<DamagedArguments> {};

TEST_P(CliReadableErrors, OneValidUtf8LineQuotingTheBytesReadably) {
  const CliRun run = RunCliProgram(GetParam().Args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;  // exactly one line
  EXPECT_TRUE(IsValidUtf8(run.Err)) << run.Err;
  EXPECT_NE(run.Err.find(GetParam().Mentions), std::string::npos) << run.Err;
}

const std::string kLongValue = "1" + std::string(45, '0') + "kg";

const DamagedArguments kDamaged[] = {
    {"FileToken",
     {"evaluate", kData + "/bad_hydro_token_invalid_utf8.brd"},
     "line 4: expected 4 numbers (Angle Cx Cy Cd), found '0.27\\xFF'"},
    {"FilePath", {"solve", kData + "/no_such_door\xFF.brd"}, "no_such_door\\xFF.brd: not found"},
    {"SetValue", {"evaluate", "--set", "G=1\xFF"}, "malformed number '1\\xFF' for G"},
    {"SetValueWithControlCharacter", {"evaluate", "--set", "G=1\x1B[2J"}, "'1\\x1B[2J'"},
    {"SetValueTooLong",
     {"evaluate", "--set", "G=" + kLongValue},
     "'" + kLongValue.substr(0, 40) + "\u2026' for G"},
    {"SetName", {"evaluate", "--set", "G\xFE=1"}, "unknown field 'G\\xFE'"},
    {"SetWithoutEquals", {"evaluate", "--set", "G\xFE"}, "'G\\xFE' is not of the form NAME=VALUE"},
    {"Angle", {"evaluate", "--angles", "1", "\xC3(", "3"}, "malformed number '\\xC3('"},
    {"Command",
     {"\xFF"
      "frob"},
     "unknown command '\\xFFfrob'"},
    {"Option", {"evaluate", "--x\xFF"}, "--x\\xFF"},
    {"RenderSize", {"render", "--png", "/tmp/never.png", "--size", "9\xFFx9"}, "not '9\\xFFx9'"},
};

INSTANTIATE_TEST_SUITE_P(Table, CliReadableErrors, ::testing::ValuesIn(kDamaged),
                         [](const ::testing::TestParamInfo<DamagedArguments>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
