// The search dialog under the offscreen platform: its English texts, the search in the page,
// the search in the e-book and the list of matching pages over small books (term pairs,
// whole words, skipped blocks, the last page), term boxes, keywords, and stored options.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "document/book_object.h"
#include "tests/shell/qt/search_dialog_fixture.h"

namespace zeb {
namespace {

using testing::SearchDialogTest;

TEST_F(SearchDialogTest, TheDialogSpeaksEnglishAndHidesItsOtherPages) {
  dialog->show();
  EXPECT_EQ(dialog->windowTitle(), "Search:");
  auto& tabs = child<QTabWidget>("PageControl1");
  ASSERT_EQ(tabs.count(), 5);
  EXPECT_EQ(tabs.tabText(0), "Page for keyword");
  EXPECT_EQ(tabs.tabText(1), "Word");
  EXPECT_EQ(tabs.tabText(2), "Replace");
  EXPECT_EQ(tabs.tabText(3), "Where");
  EXPECT_EQ(tabs.tabText(4), "Where");
  EXPECT_TRUE(tabs.isTabVisible(0) && tabs.isTabVisible(1));
  EXPECT_FALSE(tabs.isTabVisible(2) || tabs.isTabVisible(3) || tabs.isTabVisible(4));
  EXPECT_EQ(child<QLabel>("Label1").text(), "Search by keyword:");
  EXPECT_EQ(child<QLabel>("Label2").text(), "Available keywords:");
  EXPECT_EQ(child<QLabel>("Label3").text(), "Pages containing selected keyword:");
  EXPECT_EQ(child<QLabel>("Label4").text(), "Search word (from cursor pos):");
  EXPECT_EQ(child<QLabel>("Label5").text(), "and:");
  EXPECT_EQ(child<QLabel>("Label6").text(), "Or:");
  EXPECT_EQ(child<QLabel>("Label7").text(), "and:");
  EXPECT_EQ(caption("SpeedButton1"), "All pages that meet criteria");
  EXPECT_EQ(child<QWidget>("SpeedButton1").toolTip(), "Search");
  EXPECT_EQ(child<QWidget>("BCerca").toolTip(), "Search");
  EXPECT_EQ(caption("BContinuaNellIpertesto"), "In the Ebook  F4");
  EXPECT_EQ(caption("Bcancel"), "<");
  EXPECT_EQ(child<QWidget>("Bcancel").toolTip(), "Reset");
  EXPECT_EQ(caption("CBcaps1"), "ignore caps");
  EXPECT_EQ(caption("CBcomp1"), "whole word only");
  EXPECT_TRUE(child<QCheckBox>("CBcaps1").isChecked());
  EXPECT_FALSE(child<QCheckBox>("CBcomp1").isChecked());
  EXPECT_EQ(results().model()->headerData(5, Qt::Horizontal).toString(), "Context");
  EXPECT_EQ(dialog->keywordFilter(), -2);
  EXPECT_GE(dialog->minimumWidth(), 242);
  EXPECT_GE(dialog->minimumHeight(), 350);
  // Fields are named by their labels, also for tools that follow the label relation.
  for (const auto& [field, name] : {std::pair{"Edit1", "Label1"},
                                    {"Edit2", "Label4"},
                                    {"Edit3", "Label5"},
                                    {"Edit5", "Label6"},
                                    {"Edit6", "Label7"}}) {
    const QLabel& label = child<QLabel>(name);
    EXPECT_EQ(child<QWidget>(field).accessibleName(), label.text()) << field;
    const auto labels = QAccessible::queryAccessibleInterface(&child<QWidget>(field))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1) << field;
    EXPECT_EQ(labels.front().first->object(), &label) << field;
  }
}

TEST_F(SearchDialogTest, TheDialogOpensWithRoomForItsCaptionsAndTheContextsOfItsResults) {
  addPage("cover");
  addPage("the alpha page");
  addPage("alpha again");
  frames.setMainPageNumber(1);
  dialog->show();
  setTerms("alpha");
  click("BCNellaPagina");
  ASSERT_EQ(caption("BCNellaPagina"), "&Continue in page  F3");
  QApplication::processEvents();
  EXPECT_GE(child<QWidget>("BCNellaPagina").width(), child<QWidget>("BCNellaPagina").sizeHint().width());

  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  QApplication::processEvents();
  TZEBListView& list = results();
  ASSERT_EQ(list.model()->rowCount(), 2);
  EXPECT_TRUE(list.isVisible());
  // The contexts start inside the list and show twenty letters at least.
  const int contextLeft = list.header()->sectionViewportPosition(5);
  EXPECT_GE(contextLeft, 0);
  EXPECT_GE(list.viewport()->width() - contextLeft, 20 * list.fontMetrics().averageCharWidth());

  // No page matches: the list's place says so, until a search finds pages again.
  setTerms("omega");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_FALSE(list.isVisible());
  EXPECT_TRUE(child<QLabel>("LabelNoResults").isVisible());
  EXPECT_EQ(child<QLabel>("LabelNoResults").text(), "No page meets the criteria.");
  setTerms("again");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_TRUE(list.isVisible());
  EXPECT_EQ(list.model()->rowCount(), 1);
}

TEST_F(SearchDialogTest, BothTermsOfAPairOrElseTheThirdAreLookedForInEveryWayOfSearching) {
  addPage("cover page");
  addPage("alpha alone");
  addPage("alpha with beta");
  addPage("only gamma here");
  addPage("nothing at all");
  frames.setMainPageNumber(0);
  setTerms("alpha", "beta", "gamma");

  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 2);
  EXPECT_EQ(selectedText(), "alpha");
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 3);
  EXPECT_EQ(selectedText(), "gamma");
  EXPECT_EQ(framesSwitchedOff, 0);
  EXPECT_TRUE(child<QWidget>("BContinuaNellIpertesto").isEnabled());
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 0);
  EXPECT_EQ(status.back(), "Hypertext search complete");
  // Every term went into its box's drop-down list once.
  EXPECT_EQ(box("Edit2").count(), 1);
  EXPECT_EQ(box("Edit5").itemText(0), "gamma");

  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  std::vector<int> found = pagesOf(results());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<int>{2, 3}));
  dialog->show();
  child<QTabWidget>("PageControl1").setCurrentIndex(1);
  ASSERT_TRUE(results().selectIdentifier(3));
  const int row = pagesOf(results())[0] == 3 ? 0 : 1;
  EXPECT_EQ(snippetOf(row), "only gamma here");
  EXPECT_EQ(snippetOf(1 - row), "alpha with beta");
  // A chosen result shows its page with the first term, or else the third, selected.
  QTest::mouseClick(results().viewport(), Qt::LeftButton, {},
                    results().visualRect(results().model()->index(row, 0)).center());
  EXPECT_EQ(frames.MainPageNumber(), 3);
  EXPECT_EQ(selectedText(), "gamma");
}

TEST_F(SearchDialogTest, AFourthTermAloneIsTheQueryButTheBookSearchNeedsTheFirst) {
  addPage("cover");
  addPage("delta here");
  frames.setMainPageNumber(0);
  setTerms("", "", "", "delta");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_EQ(pagesOf(results()), (std::vector<int>{1}));

  click("BContinuaNellIpertesto");
  EXPECT_FALSE(dialog->searchRunning());
  QTest::qWait(20);
  EXPECT_EQ(frames.MainPageNumber(), 0);
}

TEST_F(SearchDialogTest, TextTypedIntoALaterBoxMovesUpAndResetEmptiesThemAll) {
  dialog->show();
  QTest::keyClicks(box("Edit6").lineEdit(), "d");
  EXPECT_EQ(box("Edit2").currentText(), "d");
  EXPECT_EQ(box("Edit6").currentText(), "");
  QTest::keyClicks(box("Edit6").lineEdit(), "x");
  EXPECT_EQ(box("Edit5").currentText(), "x");
  EXPECT_EQ(box("Edit6").currentText(), "");
  QTest::keyClicks(box("Edit6").lineEdit(), "y");
  QTest::keyClicks(box("Edit3").lineEdit(), "b");
  EXPECT_EQ(box("Edit6").currentText(), "y");
  EXPECT_EQ(box("Edit3").currentText(), "b");
  box("Edit2").setEditText("");
  QTest::keyClicks(box("Edit5").lineEdit(), "z");
  EXPECT_EQ(box("Edit2").currentText(), "xz");
  EXPECT_EQ(box("Edit5").currentText(), "");
  click("Bcancel");
  for (const char* name : {"Edit2", "Edit3", "Edit5", "Edit6"}) EXPECT_EQ(box(name).currentText(), "") << name;
}

TEST_F(SearchDialogTest, WholeWordsGovernTheSearchInThePageButNotTheBookSearch) {
  addPage("cover");
  addPage("concatenate the words");
  addPage("the cat sat");
  frames.setMainPageNumber(0);
  child<QCheckBox>("CBcomp1").click();
  setTerms("cat");

  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 1);
  EXPECT_EQ(selectedText(), "");
  EXPECT_EQ(framesSwitchedOff, 1);
  click("BCNellaPagina");
  EXPECT_EQ(caption("BCNellaPagina"), "Page search complete");
  EXPECT_EQ(status.back(), "Page search complete");

  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 2);
  EXPECT_EQ(selectedText(), "cat");
  EXPECT_EQ(caption("BCNellaPagina"), "&Search in page  F3");
}

TEST_F(SearchDialogTest, TextInsideABlockIsNeverFound) {
  addPage("cover");
  addPage("before <D x>hidden<d> after");
  frames.setMainPageNumber(0);
  setTerms("hidden");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_EQ(results().model()->rowCount(), 0);
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 0);
  EXPECT_EQ(status, (std::vector<std::string>{"<panels>", "Hypertext search complete"}));
}

TEST_F(SearchDialogTest, TheBookSearchFromTheLastPageEndsAtPageZeroAndGoesOnFromPageOne) {
  addPage("term zero");
  addPage("other");
  addPage("term two");
  frames.setMainPageNumber(2);
  setTerms("term");
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 0);
  EXPECT_EQ(status.back(), "Hypertext search complete");
  // Page 0 is shown now, so the search goes on from page 1.
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 2);
  EXPECT_EQ(selectedText(), "term");
  // With no page shown, page 0 is examined.
  frames.setMainPageNumber(-1);
  ASSERT_TRUE(clickAndFinish("BContinuaNellIpertesto"));
  EXPECT_EQ(frames.MainPageNumber(), 0);
}

TEST_F(SearchDialogTest, TheSearchInThePageCyclesItsButtonAndStartsAgainAtTheTopAfterAMiss) {
  addPage("one two one");
  frames.setMainPageNumber(0);
  dialog->show();
  box("Edit2").setEditText("one");
  // Keys reach the box, which hands them to its line.
  QTest::keyClick(&box("Edit2"), Qt::Key_Return);
  EXPECT_EQ(selectedText(), "one");
  EXPECT_EQ(frames.CurrentBox()->orderedStart().charIndex, 0);
  EXPECT_EQ(caption("BCNellaPagina"), "&Continue in page  F3");
  click("BCNellaPagina");
  EXPECT_EQ(frames.CurrentBox()->orderedStart().charIndex, 8);
  click("BCNellaPagina");
  EXPECT_EQ(caption("BCNellaPagina"), "Page search complete");
  EXPECT_EQ(status, (std::vector<std::string>{"<panels>", "<panels>", "<panels>", "Page search complete"}));
  click("BCNellaPagina");
  EXPECT_EQ(frames.CurrentBox()->orderedStart().charIndex, 0);
  EXPECT_EQ(caption("BCNellaPagina"), "&Continue in page  F3");
  dialog->pageChanged();
  EXPECT_EQ(caption("BCNellaPagina"), "&Search in page  F3");
  EXPECT_EQ(box("Edit2").count(), 1);

  // An empty first term searches nothing.
  box("Edit2").setEditText("");
  status.clear();
  click("BCNellaPagina");
  EXPECT_TRUE(status.empty());
}

TEST_F(SearchDialogTest, F3AndF4ActOnTheWordPageOnly) {
  addPage("cover with a word");
  addPage("another word");
  frames.setMainPageNumber(0);
  dialog->showOnKeywordPage();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  setTerms("word");
  QTest::keyClick(dialog.get(), Qt::Key_F3);
  QTest::keyClick(dialog.get(), Qt::Key_F4);
  EXPECT_FALSE(dialog->searchRunning());
  EXPECT_EQ(selectedText(), "");

  dialog->showOnWordPage();
  QTest::keyClick(dialog.get(), Qt::Key_F3);
  EXPECT_EQ(selectedText(), "word");
  QSignalSpy finished(dialog.get(), &TFcerca::searchFinished);
  QTest::keyClick(dialog.get(), Qt::Key_F4);
  ASSERT_TRUE(finished.wait(60'000));
  EXPECT_EQ(frames.MainPageNumber(), 1);
  EXPECT_EQ(selectedText(), "word");
  // The main window's F3 reaches the same search: the page holds the word once.
  dialog->searchAgainInPage();
  EXPECT_EQ(caption("BCNellaPagina"), "Page search complete");
}

class SearchDialogKeywordTest : public SearchDialogTest {
 protected:
  void SetUp() override {
    for (const char* name : {"zebra", "Apple", "apricot"}) zebmake::addObject(set, TOggettiHel::keyword).setName(name);
    addPage("cover");
    addPage("one").record().setI32(field::pageKeywords, 2);
    addPage("two").record().setI32(field::pageKeywords + 4 * 19, 2);
    addPage("three").record().setI32(field::pageKeywords, 1);
    frames.setMainPageNumber(0);
  }
  std::vector<std::string> keywordTitles() const {
    std::vector<std::string> titles;
    for (const ObjectListItem& item : child<TZEBListView>("ZEBListViewKW").items()) titles.push_back(item.caption);
    return titles;
  }
};

TEST_F(SearchDialogKeywordTest, APrefixInAnotherCaseChoosesTheKeywordAndListsItsPages) {
  dialog->showOnKeywordPage();
  EXPECT_EQ(keywordTitles(), (std::vector<std::string>{"Apple", "apricot", "zebra"}));
  auto& edit = child<QLineEdit>("Edit1");
  edit.setText("APR");
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(child<TZEBListView>("ZEBListViewKW").SelectedIdentifier(), static_cast<std::int32_t>(0x04000002));
  EXPECT_EQ(child<QLabel>("Label3").text(), "Pages containing \"apricot\"");
  EXPECT_EQ(dialog->keywordFilter(), 2);
  auto& pages = child<TZEBListView>("ZEBListViewPag");
  std::vector<int> listed = pagesOf(pages);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<int>{1, 2}));

  ASSERT_TRUE(pages.selectIdentifier(2));
  QTest::mouseClick(pages.viewport(), Qt::LeftButton, {}, pages.visualRect(pages.currentIndex()).center());
  EXPECT_EQ(frames.MainPageNumber(), 2);

  // No keyword begins so: nothing is chosen, the pages stay.
  edit.setText("q");
  click("BCerca");
  EXPECT_EQ(child<TZEBListView>("ZEBListViewKW").SelectedIdentifier(), -1);
  EXPECT_EQ(pagesOf(pages).size(), 2u);
  EXPECT_TRUE(platform.messages.shown().empty());

  dialog->bookOpened();
  EXPECT_EQ(dialog->keywordFilter(), -1);
  EXPECT_EQ(pages.model()->rowCount(), 0);
  EXPECT_EQ(keywordTitles().size(), 3u);
}

TEST_F(SearchDialogTest, ABookWithoutKeywordsSaysSo) {
  addPage("cover");
  dialog->showOnKeywordPage();
  child<QLineEdit>("Edit1").setText("a");
  click("BCerca");
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::information, "No keywords defined."}}));
}

TEST_F(SearchDialogTest, OptionsAreReadOnShowWrittenOnCloseAndAppliedToEverySearch) {
  const char* key = "\\SOFTWARE\\KX\\Quillmark_E\\finds\\";
  platform.settings.writeString(key, "wholeword", "1");
  platform.settings.writeString(key, "ignorecaps", "0");
  platform.settings.writeString(key, "startFrom", "1");
  addPage("cover");
  addPage("Alpha");
  addPage("alpha");
  dialog->show();
  EXPECT_TRUE(child<QCheckBox>("CBcomp1").isChecked());
  EXPECT_FALSE(child<QCheckBox>("CBcaps1").isChecked());

  // The list of all pages searches with the boxes as they are: the case must match.
  setTerms("alpha");
  ASSERT_TRUE(clickAndFinish("SpeedButton1"));
  EXPECT_EQ(pagesOf(results()), (std::vector<int>{2}));
  EXPECT_EQ(frames.SearchOptions(), searchMatchCase | searchWholeWords);

  child<QCheckBox>("CBcaps1").click();
  child<QCheckBox>("CBcomp1").click();
  dialog->reject();
  EXPECT_EQ(platform.settings.readString(key, "ignorecaps"), "1");
  EXPECT_EQ(platform.settings.readString(key, "wholeword"), "0");
  EXPECT_EQ(platform.settings.readString(key, "startFrom"), "1");
  EXPECT_EQ(platform.settings.readString(key, "conf1"), "0");
  EXPECT_TRUE(platform.settings.readString("\\SOFTWARE\\KX\\Quillmark_E\\forms\\Fcerca", "Width").has_value());
}

}  // namespace
}  // namespace zeb
