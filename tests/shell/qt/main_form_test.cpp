// The main window reading books: what it opens at its first showing, the recent-file list in
// the File menu, the history in the combo box, inter-process macros, dropped files, missing
// and damaged books, links followed in the sample book, and what it writes when it goes.
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>

#include "document/book_object.h"
#include "platform/windows1252.h"
#include "shell/messages.h"
#include "tests/shell/qt/main_form_fixture.h"
#include "text/text_box.h"
#include "view/qt/page_widget.h"

namespace zeb::testing {
namespace {

using MainFormStart = MainFormTest;

TEST_F(MainFormStart, TheBookOfTheArgumentsOpensAtThePageItsSwitchAsksForInAnyCase) {
  const std::string path = book("guide.zeb");
  start({path, "/page=7"});
  EXPECT_EQ(openBook(), path);
  EXPECT_EQ(page(), 7);
  EXPECT_EQ(window->windowTitle().toStdString(), "guide.zeb - Brightfold - hypertext ebook reader");
  EXPECT_EQ(recentItems(), std::vector<std::string>{path});
  EXPECT_EQ(historyItems(), (std::vector<std::string>{entry(path, 0), entry(path, 7)}));
  EXPECT_EQ(window->HistoryCombo()->currentIndex(), 1);
  EXPECT_TRUE(window->button("BPrecedente")->isEnabled());
  EXPECT_FALSE(window->button("Bseguente")->isEnabled());
  EXPECT_TRUE(window->findChild<QMenu*>("EditMenu")->isEnabled());
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(MainFormStart, ANameFoundNowhereAndAStaleLastBookAreSaidAndTheWindowEndsInReaderForm) {
  const std::string nowhere = (folder.path() / "nowhere.zeb").string();
  const std::string last = (folder.path() / "last.zeb").string();
  setOption(shell::settings::lastFile, last);
  start({nowhere});
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::warning, "File not found: " + nowhere},
                                                                  {MessageKind::warning, "File not found: " + last}}));
  EXPECT_EQ(openBook(), "");
  EXPECT_EQ(window->windowTitle().toStdString(), "Untitled - Brightfold - hypertext ebook reader");
  for (const char* authoring :
       {"Vaiapagina1", "Proprietaipertesto1", "Opzioniprogramma1", "Skin1", "HelpContentsItem", "HelpSearchItem"})
    EXPECT_FALSE(window->item(authoring)->isVisible()) << authoring;
}

TEST_F(MainFormStart, ANameFoundBesideTheProgramOpensThatBook) {
  const std::string path = book("beside.zeb");
  std::filesystem::rename(path, platform.environment.program / "beside.zeb");
  start({"beside.zeb"});
  EXPECT_EQ(openBook(), (platform.environment.program / "beside.zeb").string());
}

TEST_F(MainFormStart, StartingBlankIsAskedForEvenWhenALastBookIsKnown) {
  setOption(shell::settings::lastFile, book("last.zeb"));
  setOption(shell::settings::atStartBlank, "1");
  start();
  EXPECT_EQ(openBook(), "");
  EXPECT_EQ(page(), -1);
  EXPECT_EQ(window->windowTitle().toStdString(), "Untitled - Brightfold - hypertext ebook reader");
  EXPECT_TRUE(historyItems().empty());
  // Nothing opened: the copy menu waits for a book, the print button is not shown.
  EXPECT_FALSE(window->findChild<QMenu*>("EditMenu")->isEnabled());
  EXPECT_FALSE(window->item("PrintButtonPlace")->isVisible());
}

TEST_F(MainFormStart, ASixthBookDropsTheOldestAndAReopenedOneMovesToTheEnd) {
  std::vector<std::string> books;
  for (int i = 0; i < 6; ++i) books.push_back(book("book" + std::to_string(i) + ".zeb", 2));
  start({books[0]});
  for (int i = 1; i < 6; ++i) window->readerShell().OpenEbook(books[static_cast<std::size_t>(i)]);
  EXPECT_EQ(recentItems(), (std::vector<std::string>{books[1], books[2], books[3], books[4], books[5]}));

  window->readerShell().OpenEbook(books[2]);
  EXPECT_EQ(recentItems(), (std::vector<std::string>{books[1], books[3], books[4], books[5], books[2]}));
  EXPECT_TRUE(window->item("Nrecent")->isVisible());

  // A recent item opens its book.
  for (QAction* action : window->findChild<QMenu*>("FileMenu")->actions())
    if (action->property("recentPath").toString().toStdString() == books[4]) action->trigger();
  EXPECT_EQ(openBook(), books[4]);
}

TEST_F(MainFormStart, GoingBackThenShowingAPageInsertsItAfterTheCurrentEntry) {
  const std::string path = book("guide.zeb");
  start({path});
  window->Editor()->setMainPageNumber(1);
  window->Editor()->setMainPageNumber(2);
  window->button("BPrecedente")->click();
  window->item("Paginaprecedente1")->trigger();
  EXPECT_EQ(page(), 0);
  EXPECT_EQ(window->HistoryCombo()->currentIndex(), 0);
  EXPECT_FALSE(window->button("BPrecedente")->isEnabled());
  EXPECT_TRUE(window->item("Paginasuccessiva1")->isEnabled());

  window->Editor()->setMainPageNumber(5);
  EXPECT_EQ(historyItems(), (std::vector<std::string>{entry(path, 0), entry(path, 5), entry(path, 1), entry(path, 2)}));
  EXPECT_EQ(window->HistoryCombo()->currentIndex(), 1);
  EXPECT_TRUE(window->button("Bseguente")->isEnabled());

  window->button("Bseguente")->click();
  EXPECT_EQ(page(), 1);
  EXPECT_EQ(historyItems().size(), 4u);
}

TEST_F(MainFormStart, ChoosingTheCurrentEntryAddsNothingAndAnotherOneShowsItsPage) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  start({first});
  window->Editor()->setMainPageNumber(3);
  window->readerShell().OpenEbook(second);
  ASSERT_EQ(historyItems(), (std::vector<std::string>{entry(first, 0), entry(first, 3), entry(second, 0)}));

  window->HistoryComboClick(2);
  EXPECT_EQ(historyItems().size(), 3u);
  EXPECT_EQ(window->HistoryCombo()->currentIndex(), 2);

  // Enter on the combo box chooses the entry it shows: another book's page opens that book.
  window->HistoryCombo()->setCurrentIndex(1);
  window->HistoryCombo()->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(window->HistoryCombo(), &enter);
  EXPECT_EQ(openBook(), first);
  EXPECT_EQ(page(), 3);
  EXPECT_EQ(historyItems().size(), 3u);
  EXPECT_EQ(window->HistoryCombo()->currentIndex(), 1);
}

TEST_F(MainFormStart, MacrosAreAcceptedInAnyCaseAndIgnoredWithoutABlank) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  start({first});
  window->NeedHelpExecuteMacro("show " + second + "|4");
  EXPECT_EQ(openBook(), first);  // not inside the conversation: on the timer's tick
  platform.events.advance(400);
  EXPECT_EQ(openBook(), second);
  EXPECT_EQ(page(), 4);

  window->NeedHelpExecuteMacro("Visualizza " + first + "|2\r\nSHOW " + second + "|6");
  platform.events.advance(400);
  EXPECT_EQ(openBook(), first);
  EXPECT_EQ(page(), 2);

  window->NeedHelpExecuteMacro("SHOW" + second + "|3");
  window->NeedHelpExecuteMacro("PRINT " + second + "|3");
  platform.events.advance(400);
  EXPECT_EQ(openBook(), first);
  EXPECT_EQ(page(), 2);
}

TEST_F(MainFormStart, AMacroBeforeTheFirstShowingIsWhatTheWindowShows) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  window = std::make_unique<TMainForm>(platform.services(), std::vector<std::string>{first});
  window->NeedHelpExecuteMacro("SHOW " + second + "|5");
  window->show();
  EXPECT_EQ(openBook(), second);
  EXPECT_EQ(page(), 5);
  EXPECT_EQ(recentItems(), std::vector<std::string>{second});
}

void drop(QWidget& target, const std::vector<std::string>& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& file : files) urls << QUrl::fromLocalFile(QString::fromStdString(file));
  data.setUrls(urls);
  // As a drag from the desktop: it enters the window, which takes it, then drops.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &enter);
  QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &event);
}

TEST_F(MainFormStart, ADroppedBookOpensWhateverTheCaseOfItsExtension) {
  const std::string first = book("first.zeb");
  start({first});
  std::filesystem::create_directory(folder.path() / "folder.zeb");
  const std::string notes = folder.write("notes.txt", "not a book").string();
  drop(*window, {(folder.path() / "folder.zeb").string()});
  drop(*window, {notes, book("second.zeb")});
  EXPECT_EQ(openBook(), first);

  const std::string capitals = book("CAPITALS.ZEB");
  drop(*window, {capitals, notes});
  EXPECT_EQ(openBook(), capitals);
  // Files dropped on the page view take the same way.
  window->EditorDropFile({first});
  EXPECT_EQ(openBook(), first);
}

TEST_F(MainFormStart, AMissingBookIsReportedAndTheOpenOneStays) {
  const std::string first = book("first.zeb");
  start({first});
  window->Editor()->setMainPageNumber(2);
  const std::string missing = (folder.path() / "missing.zeb").string();
  window->readerShell().OpenEbook(missing);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::warning, "File not found: " + utf8ToWindows1252(missing)}}));
  EXPECT_EQ(openBook(), first);
  EXPECT_EQ(page(), 2);
  // A target whose book is missing is ignored without a word.
  window->readerShell().GoToTarget("nexo://" + missing + "|1");
  EXPECT_EQ(platform.messages.shown().size(), 1u);
}

TEST_F(MainFormStart, ADamagedBookLeavesTheRecentListAndTheOpenBookAsItWas) {
  const std::string good = book("good.zeb");
  const std::string damaged = folder.write("damaged.zeb", std::string(3000, '\x7f')).string();
  platform.settings.writeString(shell::settings::recentFilesKey, "0", damaged);
  platform.settings.writeString(shell::settings::recentFilesKey, "1", good);
  start({good});
  ASSERT_EQ(recentItems(), (std::vector<std::string>{damaged, good}));
  window->Editor()->setMainPageNumber(4);
  const QString caption = window->windowTitle();
  const std::vector<std::string> history = historyItems();
  const std::vector<PageWidget*> shown = window->Editor()->ShownPages();
  ASSERT_EQ(shown.size(), 1u);

  window->readerShell().OpenEbook(damaged);
  EXPECT_EQ(recentItems(), std::vector<std::string>{good});
  // The container says why, once.
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::information, "Unrecognized format."}}));
  EXPECT_EQ(openBook(), good);
  EXPECT_EQ(page(), 4);
  EXPECT_EQ(window->windowTitle(), caption);
  EXPECT_EQ(historyItems(), history);
  // The very page stays on the screen, where it was scrolled to.
  EXPECT_EQ(window->Editor()->ShownPages(), shown);
  ASSERT_NE(window->mainZEBset().objectByKindAndIndex(0, 4), nullptr);
  EXPECT_EQ(window->mainZEBset().objectByKindAndIndex(0, 4)->Name(), "Page 4");
}

TEST_F(MainFormStart, FollowingALinkOfTheSampleMovesThePageAndTheHistory) {
  const std::string guide = sampleBook();
  start({guide});
  ASSERT_EQ(page(), 0);
  // "contents" on the welcome page leads to "nexo:|1".
  TZEBoggetto* contents = window->mainZEBset().objectByKindAndIndex(kindNumber(TOggettiHel::internetLink), 0);
  ASSERT_NE(contents, nullptr);
  ASSERT_EQ(contents->Name(), "nexo:|1");
  TZEBbox* box = window->Editor()->MainBox();
  ASSERT_NE(box, nullptr);
  box->followLink(*contents);
  EXPECT_EQ(page(), 0);  // the request is posted
  runPosted();
  EXPECT_EQ(page(), 1);
  EXPECT_EQ(historyItems(), (std::vector<std::string>{entry(guide, 0), entry(guide, 1)}));
  EXPECT_TRUE(window->Editor()->isEnabled());

  window->BPrecedenteClick();
  EXPECT_EQ(page(), 0);
  // A page link shows its page.
  window->EditorDoLink(LinkSource{}, window->mainZEBset().objectByKindAndIndex(0, 3));
  EXPECT_EQ(page(), 3);
  EXPECT_EQ(historyItems(), (std::vector<std::string>{entry(guide, 0), entry(guide, 3), entry(guide, 1)}));
}

TEST_F(MainFormStart, ClosingLetsThePagesGoAndDestructionWritesTheSettings) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  setOption(shell::settings::lastFile, "/somewhere/else.zeb");
  start({first});
  window->readerShell().OpenEbook(second);
  window->move(40, 30);
  window->close();
  EXPECT_EQ(page(), -1);
  EXPECT_TRUE(window->Editor()->ReadOnly());
  window.reset();
  EXPECT_EQ(platform.settings.readString(shell::settings::optionsKey, shell::settings::lastFile), second);
  EXPECT_EQ(platform.settings.readString(shell::settings::recentFilesKey, "0"), first);
  EXPECT_EQ(platform.settings.readString(shell::settings::recentFilesKey, "1"), second);
  EXPECT_TRUE(platform.settings.keyExists(std::string(shell::settings::formsKey) + "MainForm"));

  // The next window takes the placement and the recent list back.
  start();
  EXPECT_EQ(recentItems(), (std::vector<std::string>{first, second}));
  EXPECT_EQ(openBook(), second);
}

}  // namespace
}  // namespace zeb::testing
