// The keyword list, finding a keyword by its first letters, and the pages of a keyword.
#include "shell/keyword_search.h"

#include <gtest/gtest.h>

#include "document/book_object.h"
#include "shell/messages.h"
#include "tests/shell/shell_test_support.h"

namespace zeb {
namespace {

class KeywordSearchTest : public testing::ShellBook {
 protected:
  void SetUp() override {
    for (const char* name : {"zebra", "Apple", "-", "\xC9t\xE9", "apricot"})
      zebmake::addObject(set, TOggettiHel::keyword).setName(name);
    TZEBoggetto& first = zebmake::addPage(set, "one", "<Z S0 >");
    first.record().setI32(field::pageKeywords, 1);
    zebmake::addPage(set, "two", "<Z S0 >");
    TZEBoggetto& third = zebmake::addPage(set, "three", "<Z S0 >");
    third.record().setI32(field::pageKeywords + 4 * 19, 1);  // the last slot counts too
    third.record().setI32(field::pageKeywords, 4);
    zebmake::addPage(set, "gone", "<Z S0 >").record().setI32(field::pageKeywords, 1);
    set.slot(TOggettiHel::testoHtml, 3)->Release();
    keywords = keywordListItems(set);
  }
  std::vector<ObjectListItem> keywords;
};

TEST_F(KeywordSearchTest, TheListIsSortedByTitleIgnoringCaseWithoutReleasedSlots) {
  std::vector<std::string> titles;
  for (const auto& item : keywords) titles.push_back(item.caption);
  EXPECT_EQ(titles, (std::vector<std::string>{"Apple", "apricot", "zebra", "\xC9t\xE9"}));
}

TEST_F(KeywordSearchTest, APrefixInAnotherCaseFindsTheFirstKeyword) {
  EXPECT_EQ(findKeyword(keywords, "AP", platform.messages), 0u);
  EXPECT_EQ(findKeyword(keywords, "apR", platform.messages), 1u);
  EXPECT_EQ(findKeyword(keywords, "\xE9T", platform.messages), 3u);  // accented capitals by the Windows-1252 tables
  EXPECT_EQ(findKeyword(keywords, "apples", platform.messages), std::nullopt);
  EXPECT_EQ(findKeyword(keywords, "", platform.messages), std::nullopt);
  EXPECT_EQ(keywordsBeginningWith(keywords, "a"), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(keywordsBeginningWith(keywords, "").size(), 4u);
  EXPECT_TRUE(platform.messages.shown().empty());

  EXPECT_EQ(findKeyword({}, "", platform.messages), std::nullopt);
  EXPECT_TRUE(platform.messages.shown().empty());
  EXPECT_EQ(findKeyword({}, "a", platform.messages), std::nullopt);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, std::string(messages::noKeywordsDefined)}}));
}

TEST_F(KeywordSearchTest, PagesCarryingAKeywordInAnySlot) {
  EXPECT_EQ(keywordFilterValue(objectId(TOggettiHel::keyword, 1)), 1);
  EXPECT_EQ(pagesWithKeyword(set, 1), (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(pagesWithKeyword(set, 4), (std::vector<std::int32_t>{2}));
  // Unused slots hold -1: no keyword chosen lists no page.
  EXPECT_TRUE(pagesWithKeyword(set, -1).empty());
  EXPECT_EQ(pagesContainingCaption("Apple"), "Pages containing \"Apple\"");
}

}  // namespace
}  // namespace zeb
