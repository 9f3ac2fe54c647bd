#include "numbers/TextRoutines.h"

#include <climits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

TEST(TrimBlanksTest, RemovesBlanksAndTabsAtBothEnds) {
  EXPECT_EQ(TrimBlanks("  a b\t"), "a b");
  EXPECT_EQ(TrimBlanks("\t \tx"), "x");
  EXPECT_EQ(TrimBlanks("x"), "x");
}

TEST(TrimBlanksTest, EmptyAndAllBlankGiveEmpty) {
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks(" \t \t"), "");
}

TEST(TrimBlanksTest, KeepsOtherWhiteSpaceAndMultiByteCharacters) {
  EXPECT_EQ(TrimBlanks("\na\r\n"), "\na\r\n");
  EXPECT_EQ(TrimBlanks(" \u00a0x\u00a0 "), "\u00a0x\u00a0");
}

TEST(RepeatCharTest, RepeatsOrGivesEmpty) {
  EXPECT_EQ(RepeatChar('#', 3), "###");
  EXPECT_EQ(RepeatChar('-', 79), std::string(79, '-'));
  EXPECT_EQ(RepeatChar('#', 0), "");
  EXPECT_EQ(RepeatChar('#', -4), "");
}

TEST(ExtractFieldTest, CountsFieldsFromOne) {
  EXPECT_EQ(ExtractField("a|b|c", 1, "|"), "a");
  EXPECT_EQ(ExtractField("a|b|c", 2, "|"), "b");
  EXPECT_EQ(ExtractField("a|b|c", 3, "|"), "c");
  EXPECT_EQ(ExtractField("FileOpen|C:\\doors\\a.brd", 2, "|"), "C:\\doors\\a.brd");
}

TEST(ExtractFieldTest, EmptyFieldsDoNotCount) {
  EXPECT_EQ(ExtractField("a||b", 1, "|"), "a");
  EXPECT_EQ(ExtractField("a||b", 2, "|"), "b");
  EXPECT_EQ(ExtractField("a||b", 3, "|"), "");
  EXPECT_EQ(ExtractField("|Dialog||Balance|", 1, "|"), "Dialog");
  EXPECT_EQ(ExtractField("|Dialog||Balance|", 2, "|"), "Balance");
  EXPECT_EQ(ExtractField("|Dialog||Balance|", 3, "|"), "");
}

TEST(ExtractFieldTest, EveryCharacterOfTheSetSeparates) {
  EXPECT_EQ(ExtractField("a b;c", 1, " ;"), "a");
  EXPECT_EQ(ExtractField("a b;c", 2, " ;"), "b");
  EXPECT_EQ(ExtractField("a b;c", 3, " ;"), "c");
  EXPECT_EQ(ExtractField("a b;c", 2, ";"), "c");
}

TEST(ExtractFieldTest, OutOfRangeFieldNumbersGiveEmpty) {
  EXPECT_EQ(ExtractField("a|b", 0, "|"), "");
  EXPECT_EQ(ExtractField("a|b", -1, "|"), "");
  EXPECT_EQ(ExtractField("a|b", 3, "|"), "");
  EXPECT_EQ(ExtractField("a|b", INT_MAX, "|"), "");
  EXPECT_EQ(ExtractField("|||", 1, "|"), "");
}

TEST(ExtractFieldTest, EmptyTextOrSeparatorSet) {
  EXPECT_EQ(ExtractField("", 1, "|"), "");
  EXPECT_EQ(ExtractField("a|b", 1, ""), "a|b");
  EXPECT_EQ(ExtractField("a|b", 2, ""), "");
}

TEST(ExtractFieldTest, StopsAtTheEndOfItsInput) {
  // The bytes after the view are not separators: a reader running past the end would
  // take them into the last field.
  const std::string buffer = "ab|cdXYZ";
  const std::string_view view(buffer.data(), 5);
  EXPECT_EQ(ExtractField(view, 2, "|"), "cd");
  EXPECT_EQ(ExtractField(view, 3, "|"), "");
  const std::string_view separatorsOnly(buffer.data() + 2, 1);
  EXPECT_EQ(ExtractField(separatorsOnly, 1, "|"), "");
}

}  // namespace
