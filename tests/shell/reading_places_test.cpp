// The places a reader keeps in books: where each book was left (200 books, the one left
// longest ago dropped, a book of another size forgotten), the bookmarks of a book, and the
// page a Go to page entry names.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/headless/memory_settings_store.h"
#include "shell/bookmarks.h"
#include "shell/go_to_page.h"
#include "shell/last_positions.h"
#include "shell/settings_keys.h"
#include "shell/start_request.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temporary_folder.h"

namespace zeb::shell {
namespace {

class LastPositions : public ::testing::Test {
 protected:
  std::string book(const std::string& name, std::string_view bytes = "a book") {
    return folder.write(name, bytes).string();
  }
  void leave(const std::string& path, ReadingPosition position) {
    rememberPosition(settings, *bookSettingName(path), path, position);
  }

  testing::TemporaryFolder folder;
  MemorySettingsStore settings;
};

TEST_F(LastPositions, TwoHundredBooksAreRememberedAndTheOneLeftLongestAgoGoes) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  const std::string last = book("last.zeb");
  leave(first, {3, 250, 150});
  leave(second, {4, 0, 100});
  for (int i = 0; i < 197; ++i)
    rememberPosition(settings, "name" + std::to_string(i), "/books/" + std::to_string(i), {1, 0, 100});
  // Leaving the first book again makes it the newest.
  leave(first, {5, 40, 200});
  EXPECT_EQ(recallPosition(settings, first), (ReadingPosition{5, 40, 200}));
  EXPECT_TRUE(settings.readString(settings::positionsKey, "198"));
  EXPECT_FALSE(settings.readString(settings::positionsKey, "199"));

  leave(last, {7, 10, 100});
  EXPECT_TRUE(settings.readString(settings::positionsKey, "199"));
  leave(book("one more.zeb"), {0, 0, 100});
  EXPECT_EQ(recallPosition(settings, second), std::nullopt);
  EXPECT_EQ(recallPosition(settings, first), (ReadingPosition{5, 40, 200}));
  EXPECT_EQ(recallPosition(settings, last), (ReadingPosition{7, 10, 100}));
  EXPECT_FALSE(settings.readString(settings::positionsKey, "200"));
}

TEST_F(LastPositions, ABookOfAnotherSizeIsForgotten) {
  const std::string path = book("guide.zeb", "first edition");
  leave(path, {9, 120, 100});
  leave(book("other.zeb"), {2, 0, 100});
  book("guide.zeb", "second edition, longer");
  EXPECT_EQ(recallPosition(settings, path), std::nullopt);
  // Forgotten, not only passed over: the first edition back does not find it either.
  book("guide.zeb", "first edition");
  EXPECT_EQ(recallPosition(settings, path), std::nullopt);
  EXPECT_FALSE(settings.readString(settings::positionsKey, "1"));
  // A book that is gone has no position, and nothing is remembered of a page not shown.
  EXPECT_EQ(recallPosition(settings, (folder.path() / "gone.zeb").string()), std::nullopt);
  leave(path, {-1, 0, 100});
  EXPECT_EQ(recallPosition(settings, path), std::nullopt);
}

TEST(Bookmarks, AreKeptPerBookInTheOrderAddedAndRenamedButNeverNameless) {
  MemorySettingsStore settings;
  BookmarkList guide(settings, "guide");
  guide.add({3, 100, "Introduction"});
  guide.add({7, 0, "  Index\n"});
  guide.add({3, 100, "Start here"});  // the same place: renamed, not added again
  guide.add({5, 0, "   "});
  EXPECT_EQ(guide.entries(), (std::vector<Bookmark>{{3, 100, "Start here"}, {7, 0, "Index"}}));
  EXPECT_FALSE(guide.rename(1, " "));
  EXPECT_FALSE(guide.rename(2, "Nowhere"));
  EXPECT_TRUE(guide.rename(1, "The index|A-Z"));
  guide.save(settings);
  BookmarkList other(settings, "other");
  other.add({1, 0, "Elsewhere"});
  other.save(settings);

  EXPECT_EQ(BookmarkList(settings, "guide").entries(),
            (std::vector<Bookmark>{{3, 100, "Start here"}, {7, 0, "The index|A-Z"}}));
  guide.remove(0);
  guide.save(settings);
  EXPECT_EQ(BookmarkList(settings, "guide").entries(), (std::vector<Bookmark>{{7, 0, "The index|A-Z"}}));
  guide.remove(0);
  guide.save(settings);
  EXPECT_FALSE(settings.keyExists(std::string(settings::bookmarksKey) + "guide"));
  EXPECT_EQ(BookmarkList(settings, "other").entries(), (std::vector<Bookmark>{{1, 0, "Elsewhere"}}));
  // No book keeps none.
  BookmarkList none(settings, "");
  none.add({1, 0, "x"});
  none.save(settings);
  EXPECT_TRUE(BookmarkList(settings, "").entries().empty());
}

TEST(GoToPage, ANumberNamesItsPageAndTextTheBestTitleThatHoldsIt) {
  const std::vector<PageTitle> pages = {{0, "Cover"}, {2, "Chapter 12: Été"},     {3, "Introduction"},
                                        {5, "Intro"}, {7, "An intro to colours"}, {9, "12"}};
  EXPECT_EQ(pageNamedBy(pages, " 3 "), 3);
  // 12 is no page: the text is a title then, whole before part.
  EXPECT_EQ(pageNamedBy(pages, "12"), 9);
  EXPECT_EQ(pageNamedBy(pages, "4"), std::nullopt);
  EXPECT_EQ(pageNamedBy(pages, "intro"), 5);
  EXPECT_EQ(pageNamedBy(pages, "INTROD"), 3);
  EXPECT_EQ(pageNamedBy(pages, "colour"), 7);
  EXPECT_EQ(pageNamedBy(pages, "été"), 2);
  EXPECT_EQ(pageNamedBy(pages, "ÉTÉ"), 2);
  for (const char* nothing : {"", "   ", "-3", "glossary"})
    EXPECT_EQ(pageNamedBy(pages, nothing), std::nullopt) << nothing;
}

class PageTitles : public testing::ShellBook {};

TEST_F(PageTitles, AreThoseOfTheLivePages) {
  addPages(3);
  set.objectByKindAndIndex(0, 1)->Release();
  EXPECT_EQ(pageTitles(set), (std::vector<PageTitle>{{0, "Page 0"}, {2, "Page 2"}}));
  EXPECT_EQ(pageTitle(set, 1), std::nullopt);
}

}  // namespace
}  // namespace zeb::shell
