// The search dialog's searches through the pages while they run on their worker thread:
// cancelled from the progress indicator, replaced by a new search, stopped by a closing book,
// results streaming into the list, and a book whose file has gone since it was opened.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "document/book_object.h"
#include "shell/qt/search_progress.h"
#include "tests/shell/qt/search_dialog_fixture.h"
#include "tests/support/book_builder.h"
#include "tests/support/temporary_folder.h"
#include "tools/zebmake/synthetic_book.h"

namespace zeb {
namespace {

class SearchDialogBookTest : public testing::SearchDialogTest {
 protected:
  void addPages(int count, std::string_view text) {
    for (int i = 0; i < count; ++i) addPage(text);
  }
  // Lets the event loop run a while, so that anything still on its way would arrive.
  static void settle() { QTest::qWait(50); }
};

TEST_F(SearchDialogBookTest, CancellingFromTheIndicatorStopsTheSearchAndNothingArrivesAfterwards) {
  addPages(3000, "alpha everywhere");
  frames.setMainPageNumber(0);
  setTerms("alpha");
  SearchProgressIndicator& indicator = dialog->progressIndicator();
  dialog->show();
  click("SpeedButton1");
  EXPECT_TRUE(dialog->searchRunning());
  EXPECT_TRUE(indicator.isVisible());
  indicator.cancelButton().click();
  EXPECT_FALSE(dialog->searchRunning());
  EXPECT_FALSE(indicator.isVisible());
  settle();
  EXPECT_EQ(results().model()->rowCount(), 0);

  // The book search too: its button comes back and the page stays.
  click("BContinuaNellIpertesto");
  EXPECT_FALSE(child<QWidget>("BContinuaNellIpertesto").isEnabled());
  indicator.cancelButton().click();
  EXPECT_TRUE(child<QWidget>("BContinuaNellIpertesto").isEnabled());
  settle();
  EXPECT_EQ(frames.MainPageNumber(), 0);
  EXPECT_TRUE(status.back() == "<panels>");
}

TEST_F(SearchDialogBookTest, ANewSearchReplacesTheOneRunning) {
  addPage("cover");
  addPages(2000, "alpha");
  addPage("gamma");
  setTerms("alpha");
  click("SpeedButton1");
  setTerms("gamma");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  settle();
  EXPECT_EQ(pagesOf(results()), (std::vector<int>{2001}));
}

TEST_F(SearchDialogBookTest, AClosingBookStopsTheSearchAndEmptiesTheLists) {
  addPages(3000, "alpha");
  setTerms("alpha");
  click("SpeedButton1");
  dialog->bookClosing();
  EXPECT_FALSE(dialog->searchRunning());
  settle();
  EXPECT_EQ(results().model()->rowCount(), 0);

  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_EQ(results().model()->rowCount(), 3000);
  dialog->bookOpened();
  EXPECT_EQ(results().model()->rowCount(), 0);
}

TEST_F(SearchDialogBookTest, ResultsStreamIntoTheListWhileTheSearchStillRuns) {
  testing::TemporaryFolder folder;
  const auto path = folder.write("synthetic.zeb", testing::bookBytes([](TZEBset& book) {
                                   zebmake::fillSyntheticBook(book, {5000, 400, 1});
                                 }));
  ASSERT_TRUE(set.Load(path.string()));
  dialog->bookOpened();
  dialog->show();
  setTerms(zebmake::rareWord);

  bool firstRowsWhileRunning = false;
  bool indicatorShownWithFirstRows = false;
  int rowsAtFirstInsert = -1;
  QObject::connect(results().model(), &QAbstractItemModel::rowsInserted, [&] {
    if (rowsAtFirstInsert >= 0) return;
    rowsAtFirstInsert = results().model()->rowCount();
    firstRowsWhileRunning = dialog->searchRunning();
    indicatorShownWithFirstRows = dialog->progressIndicator().isVisible();
  });
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_TRUE(firstRowsWhileRunning);
  EXPECT_TRUE(indicatorShownWithFirstRows);
  EXPECT_GT(rowsAtFirstInsert, 0);
  EXPECT_EQ(results().model()->rowCount(), 50);
  EXPECT_FALSE(dialog->progressIndicator().isVisible());
  EXPECT_EQ(dialog->progressIndicator().bar().value(), dialog->progressIndicator().bar().maximum());
  // Every row carries the word in its snippet, in the page's own case.
  for (int row = 0; row < 50; ++row) ASSERT_NE(snippetOf(row).find(zebmake::rareWord), std::string::npos) << row;
}

TEST_F(SearchDialogBookTest, ABookWhoseFileHasGoneIsSearchedThroughTheContainer) {
  testing::TemporaryFolder folder;
  const auto path = folder.write("gone.zeb", testing::bookBytes([](TZEBset& book) {
                                   zebmake::addPage(book, "cover", "<Z S0 >cover");
                                   zebmake::addPage(book, "one", "<Z S0 >the word is here");
                                   zebmake::addPage(book, "two", "<Z S0 >and here the word");
                                 }));
  ASSERT_TRUE(set.Load(path.string()));
  std::filesystem::remove(path);
  dialog->bookOpened();
  frames.setMainPageNumber(0);
  setTerms("word");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  std::vector<int> found = pagesOf(results());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<int>{1, 2}));
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 1);
}

}  // namespace
}  // namespace zeb
