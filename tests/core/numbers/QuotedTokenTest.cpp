#include "numbers/QuotedToken.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct QuoteCase {
  const char* What;
  std::string Token;
  std::string Quoted;
};

class QuotedTokenCases : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuotedTokenCases, ShowsTheTokenAsReadableText) {
  EXPECT_EQ(QuotedToken(GetParam().Token), GetParam().Quoted);
}

const std::string k40 = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";  // 40 characters

const QuoteCase kQuoteCases[] = {
    {"Empty", "", "''"},
    {"Ascii", "11513N", "'11513N'"},
    {"Blanks", "a b", "'a b'"},
    {"Backslash", "C:\\x", "'C:\\x'"},
    {"Cyrillic", "\u0417\u0430\u043c\u0435\u043d\u0438\u0442\u044c",
     "'\u0417\u0430\u043c\u0435\u043d\u0438\u0442\u044c'"},
    {"FourByteCharacter", "1\U0001F41F", "'1\U0001F41F'"},
    {"InvalidByte", "0.27\xFF", "'0.27\\xFF'"},
    {"StrayContinuation",
     "\x80"
     "5",
     "'\\x805'"},
    {"Tab", "1\t2", "'1\\x092'"},
    {"Delete", "1\x7F", "'1\\x7F'"},
    {"C1Control", "1\xC2\x85", "'1\\xC2\\x85'"},
    {"OverlongSlash", "\xC0\xAF", "'\\xC0\\xAF'"},
    {"OverlongThreeBytes", "\xE0\x80\xAF", "'\\xE0\\x80\\xAF'"},
    {"Surrogate", "\xED\xA0\x80", "'\\xED\\xA0\\x80'"},
    {"BeyondUnicode", "\xF4\x90\x80\x80", "'\\xF4\\x90\\x80\\x80'"},
    {"CutSequence", "5\xE2\x82", "'5\\xE2\\x82'"},
    {"CutSequenceThenText", "\xE2\x82x", "'\\xE2\\x82x'"},
    {"RightToLeftOverride", "12\u202e34", "'12\\xE2\\x80\\xAE34'"},
    {"ZeroWidthSpace", "1\u200b2", "'1\\xE2\\x80\\x8B2'"},
    {"ByteOrderMark", "\ufeff1", "'\\xEF\\xBB\\xBF1'"},
    {"FortyCharacters", k40, "'" + k40 + "'"},
    {"FortyOneCharacters", k40 + "E", "'" + k40 + "\u2026'"},
    // Characters are counted, not bytes: 41 two-byte letters are cut after 40.
    {"FortyOneCyrillicLetters",
     [] {
       std::string s;
       for (int i = 0; i < 41; ++i)
         s += "\u0436";
       return s;
     }(),
     [] {
       std::string s = "'";
       for (int i = 0; i < 40; ++i)
         s += "\u0436";
       return s + "\u2026'";
     }()},
    // An escaped byte counts as one character.
    {"FortyOneInvalidBytes", std::string(41, '\xFE'),
     [] {
       std::string s = "'";
       for (int i = 0; i < 40; ++i)
         s += "\\xFE";
       return s + "\u2026'";
     }()},
};

INSTANTIATE_TEST_SUITE_P(Cases, QuotedTokenCases, ::testing::ValuesIn(kQuoteCases),
                         [](const ::testing::TestParamInfo<QuoteCase>& info) {
                           return std::string(info.param.What);
                         });

TEST(ReadableText, KeepsLongTextsWholeAndEscapesTheRest) {
  const std::string path = "/home/\xC3\xA5se/" + std::string(60, 'd') + "/door\xFF.brd";
  EXPECT_EQ(ReadableText(path), "/home/\xC3\xA5se/" + std::string(60, 'd') + "/door\\xFF.brd");
  EXPECT_EQ(ReadableText("line 1\nline 2"), "line 1\\x0Aline 2");
  EXPECT_EQ(ReadableText(""), "");
}

}  // namespace

namespace {

// A message line holding a name of a hundred thousand characters keeps its start and its end,
// where the reason stands, and stays short enough to read.
TEST(ReadableLine, AVeryLongLineLosesItsMiddleOnly) {
  const std::string line = "/tmp/" + std::string(100000, 'p') + ".brd: not saved: disk full";
  const std::string shown = ReadableLine(line);
  EXPECT_LT(shown.size(), kMaxLineLength + 60);
  EXPECT_EQ(shown.rfind("/tmp/ppp", 0), 0u);
  EXPECT_TRUE(shown.ends_with(".brd: not saved: disk full")) << shown;
  EXPECT_NE(shown.find("(99631 characters left out)"), std::string::npos) << shown;
}

TEST(ReadableLine, AShortLineIsOnlyMadeReadable) {
  EXPECT_EQ(ReadableLine("plain line"), "plain line");
  EXPECT_EQ(ReadableLine("bell\a"), "bell\\x07");
}

TEST(ReadableLine, CutsBetweenCharactersNotInsideThem) {
  std::string line;
  for (int i = 0; i < 1000; ++i)
    line += "\xC3\xA6";  // æ
  const std::string shown = ReadableLine(line);
  EXPECT_EQ(ReadableText(shown), shown);  // still valid UTF-8 throughout
  EXPECT_NE(shown.find("(600 characters left out)"), std::string::npos) << shown;
}

}  // namespace
