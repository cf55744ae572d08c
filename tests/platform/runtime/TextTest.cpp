#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/Text.h"

using namespace runtime;

TEST(Text, TrimRemovesBlanksOnlyAndKeepsTabsAndLineEnds) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\r\n "), "\ta\r\n");
  EXPECT_EQ(LTrim("  x "), "x ");
  EXPECT_EQ(RTrim("  x "), "  x");
  EXPECT_EQ(Trim("    "), "");
}

TEST(Text, ValReadsTheNumericPrefixWhileIsNumericIsStrict) {
  const std::pair<const char*, double> prefixes[] = {{"12abc", 12}, {"  -3.5e2x", -350}, {"abc", 0}, {"", 0},
                                                     {"1,234", 1},  {".5", 0.5},         {"&H1F", 31}, {"7e", 7}};
  for (const auto& [text, value] : prefixes) EXPECT_EQ(Val(text), value) << text;
  for (const char* text : {"12", " -1.5 ", "1e5", ".5"}) EXPECT_TRUE(IsNumeric(text)) << text;
  for (const char* text : {"1,2", "&H10", "", ".", "1e", "--1", "1.2.3", "12abc"}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
  }
}

TEST(Text, CaseInsensitiveComparison) {
  EXPECT_TRUE(EqualsNoCase("Stats.DIS", "stats.dis"));
  EXPECT_FALSE(EqualsNoCase("a", "ab"));
  EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
  EXPECT_TRUE(EndsWithNoCase("AB.DIS", "dis"));
  EXPECT_TRUE(StartsWithNoCase("Kickwell", "KICK"));
}

TEST(Text, TrimAtNulAndReplace) {
  EXPECT_EQ(TrimAtNul(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(TrimAtNul("abc"), "abc");
  EXPECT_EQ(ReplaceAll("a&b&c", "&", "&amp;"), "a&amp;b&amp;c");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Encoding, Windows1252RoundTrip) {
  for (const char* s : {"é", "€", "—", "Löwe – “quoted”", "plain"}) {
    std::string bytes = Utf8ToCp1252(s);
    EXPECT_EQ(Cp1252ToUtf8(bytes), s);
  }
  EXPECT_EQ(Utf8ToCp1252("€"), "\x80");
  EXPECT_EQ(Utf8ToCp1252("é"), "\xE9");
  EXPECT_EQ(Utf8ToCp1252("—"), "\x97");
}

TEST(Encoding, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xFF" "b"), "a?b");
}

TEST(Encoding, FixedFieldsAreCutByBytesAndPadded) {
  EXPECT_EQ(ToFixedField("abc", 5), "abc  ");
  EXPECT_EQ(ToFixedField("abcdef", 4), "abcd");
  EXPECT_EQ(ToFixedField("é€x", 2), "\xE9\x80");
  EXPECT_EQ(FromFixedField(std::string("Bob \0\0", 6)), "Bob ");
  EXPECT_EQ(FromFixedField("\xE9t\xE9"), "été");
}

TEST(DateTime, EnglishForms) {
  DateTime d{2026, 12, 6, 7, 5, 9};
  EXPECT_EQ(FormatLongDate(d), "Dec 6, 2026");
  EXPECT_EQ(FormatLogStamp(d), "2026/12/06 07:05:09");
  EXPECT_EQ(FormatLogDate(d), "2026/12/06");
  EXPECT_EQ(FormatLogTime(d), "07:05:09");
}

TEST(Text, FixedLineCountsColumnsInCharacters) {
  // "é" is two bytes, "€" three; a stray continuation byte is one column.
  EXPECT_EQ(Utf8Characters("aé€\x80"), (std::vector<std::string>{"a", "é", "€", "\x80"}));
  EXPECT_EQ(Utf8CharLength("é", 0), 2u);
  EXPECT_EQ(Utf8CharLength("\xC3", 0), 1u);  // cut short
  EXPECT_EQ(Utf8CharLength("a", 1), 0u);

  FixedLine line(8);
  line.Put(1, "Zoé");
  line.PutRight(4, 5, "1.5");
  EXPECT_EQ(line.Text(), "Zoé  1.5");
  line.Put(7, "xyz");  // cut at the last column
  EXPECT_EQ(line.Text(), "Zoé  1xy");
  line.PutRight(1, 2, "wide");  // too wide: written whole from the field's start
  EXPECT_EQ(line.Text(), "wide 1xy");
}
