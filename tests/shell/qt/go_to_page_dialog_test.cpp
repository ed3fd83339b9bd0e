// The Go to page dialog: titles holding the text typed are offered, Enter goes to the page
// the entry names, and an entry that names none keeps the dialog open.
#include "shell/qt/go_to_page_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace zeb::shell {
namespace {

const std::vector<PageTitle> pages = {{0, "Cover"}, {3, "Introduction"}, {5, "An intro to colours"}, {6, "Index"}};

// Shown with the keyboard in its entry, as it opens.
void showFocused(GoToPageDialog& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.entry()->setFocus();
}

TEST(GoToPageDialog, OffersTitlesHoldingTheTextAndGoesToThePageTheEntryNames) {
  GoToPageDialog dialog(pages);
  showFocused(dialog);
  QTest::keyClicks(dialog.entry(), "INTRO");
  QCompleter* completer = dialog.entry()->completer();
  ASSERT_NE(completer, nullptr);
  EXPECT_EQ(completer->completionCount(), 2);
  // Down twice and Enter choose the second title offered, and go there.
  QAbstractItemView* offered = completer->popup();
  ASSERT_TRUE(offered->isVisible());
  QTest::keyClick(offered, Qt::Key_Down);
  QTest::keyClick(offered, Qt::Key_Down);
  QTest::keyClick(offered, Qt::Key_Return);
  EXPECT_EQ(dialog.entry()->text(), "An intro to colours");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.chosenPage(), 5);

  GoToPageDialog numbered(pages);
  showFocused(numbered);
  QTest::keyClicks(numbered.entry(), "glossary");
  QTest::keyClick(numbered.entry(), Qt::Key_Return);
  EXPECT_TRUE(numbered.isVisible());
  EXPECT_TRUE(numbered.findChild<QLabel*>("PageNote")->isVisible());
  numbered.entry()->clear();
  QTest::keyClicks(numbered.entry(), "6");
  QTest::keyClick(numbered.entry(), Qt::Key_Return);
  EXPECT_FALSE(numbered.isVisible());
  EXPECT_EQ(numbered.chosenPage(), 6);
}

}  // namespace
}  // namespace zeb::shell
