// Windows-1252 conversion and case tables.
#include "platform/windows1252.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(Windows1252, ConvertsEveryByteToUtf8AndBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheHighControlRangeToItsPunctuation) {
  EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");   // euro sign
  EXPECT_EQ(windows1252ToUtf8("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");
  EXPECT_EQ(windows1252ToUtf8("pi\xF9"), "pi\xC3\xB9");
}

TEST(Windows1252, ReplacesWhatTheCodePageLacksAndMalformedUtf8) {
  EXPECT_EQ(utf8ToWindows1252("\xE4\xB8\xAD"), "?");    // a CJK character
  EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");           // cut sequence
  EXPECT_EQ(utf8ToWindows1252("\xFF\x41"), "?A");
}

TEST(Windows1252, FoldsCaseByItsOwnTablesNotTheLocale) {
  EXPECT_EQ(lowerWindows1252("ABC \xC0\xC9\xDE \xD7 \x8A\x8C\x8E\x9F"), "abc \xE0\xE9\xFE \xD7 \x9A\x9C\x9E\xFF");
  EXPECT_EQ(upperWindows1252("abc \xE0\xE9\xFE \xF7 \xDF"), "ABC \xC0\xC9\xDE \xF7 \xDF");
  EXPECT_TRUE(equalsIgnoringCase("Caf\xC9", "cAF\xE9"));
  EXPECT_FALSE(equalsIgnoringCase("abc", "abd"));
}

}  // namespace
}  // namespace zeb
