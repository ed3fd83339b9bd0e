// Separate page windows opened by links of the main window: named windows found again by
// name, pop-ups placed beside the click that hand their links to the main window, close
// actions, descriptions, named frames, history, and the main container's reset.
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "shell/qt/main_window_links.h"
#include "shell/qt/main_window_printing.h"
#include "shell/qt/printer_setup_dialogs.h"
#include "shell/qt/separate_window_form.h"
#include "tests/shell/qt/main_form_fixture.h"
#include "tests/shell/qt/print_qt_test_support.h"
#include "tools/zebmake/link_actions.h"
#include "view/qt/page_widget.h"
#include "view/qt/text_box_widget.h"

namespace zeb::testing {
namespace {

using shell::WindowKind;
using zebmake::LinkActionFields;
using zebmake::WindowDescriptionFields;

// The link actions of the book, by index.
enum Action {
  namedNotes,      // page 3 in the window "Notes", no description
  popupPage2,      // page 2 in a pop-up of 320 x 200
  hideMain,        // close with anchor -2
  closeNotes,      // close "NOTES"
  sizedOnly,       // page 1 in "Sized": left -20000, 500 x 300, not sizeable
  showInNotes,     // page 2 in the frame or window "nOtEs"
  newWindow,       // page 2 in a new window
  showInFrame,     // page 3 in the frame or window "Pag2"
  showInMainPage,  // page 1 in the frame or window "Pag0"
  keywords,        // the keyword search
  printNotes       // on page 3: prints what it is clicked in
};

// A search dialog that runs the work while it "shows": what a modal dialog's own event loop
// may deliver meanwhile.
class SearchMeanwhile final : public shell::SearchService {
 public:
  explicit SearchMeanwhile(std::function<void()> meanwhile) : meanwhile_(std::move(meanwhile)) {}
  void showWordPage() override { meanwhile_(); }
  void showKeywordPage() override { meanwhile_(); }
  void searchAgainInPage() override {}
  void searchAgainInBook() override {}

 private:
  std::function<void()> meanwhile_;
};

class SeparateWindows : public MainFormTest {
 protected:
  std::string linkBook(const std::string& name = "links.zeb") const {
    return folder
        .write(name, bookBytes([](TZEBset& set) {
                 TZEBtesto* notes = nullptr;
                 for (const char* page : {"Cover", "One", "Two", "Notes"})
                   notes = &zebmake::addPage(set, page, "<Z S0 >text");
                 zebmake::addObject(set, TOggettiHel::internetLink).setName("https://example.org/next");
                 const auto show = [&set](std::uint8_t destination, std::uint32_t page, std::string window,
                                          std::optional<WindowDescriptionFields> description = std::nullopt) {
                   LinkActionFields fields;
                   fields.destination = destination;
                   fields.target = page;
                   fields.window = std::move(window);
                   fields.description = description;
                   zebmake::addLinkAction(set, fields);
                 };
                 show(2, 3, "Notes");
                 WindowDescriptionFields popup;
                 popup.width = 320;
                 popup.height = 200;
                 show(4, 2, "", popup);
                 LinkActionFields close;
                 close.action = 2;
                 close.anchor = -2;
                 zebmake::addLinkAction(set, close);
                 close.anchor = -1;
                 close.window = "NOTES";
                 zebmake::addLinkAction(set, close);
                 WindowDescriptionFields sized;
                 sized.width = 500;
                 sized.height = 300;
                 sized.sizeable = false;
                 sized.statusBar = true;
                 show(2, 1, "Sized", sized);
                 show(1, 2, "nOtEs");
                 show(3, 2, "");
                 show(1, 3, "Pag2");
                 show(1, 1, "Pag0");
                 LinkActionFields keywords;
                 keywords.action = 3;
                 zebmake::addLinkAction(set, keywords);
                 // The notes begin with a link that only asks for them to be printed.
                 LinkActionFields anchor;
                 anchor.destination = 6;
                 TZEBoggetto& print = zebmake::addLinkAction(set, anchor);
                 print.setSecondaryData(zebmake::attributeBlob("", "onclick=\"print(1)\""));
                 notes->setText("<Z S0 >" + testing::objectTag(print.ID()) + "Print<%> these notes");
               }))
        .string();
  }

  // The reader's window with link following installed, showing the book's cover.
  void startWithLinks(const std::string& path) {
    start({path});
    auto owned = std::make_unique<shell::MainWindowLinks>(*window);
    links = owned.get();
    window->setLinkDispatcher(std::move(owned));
  }
  TZEBoggetto& object(TOggettiHel kind, int index) const {
    TZEBoggetto* found = window->mainZEBset().objectByKindAndIndex(kindNumber(kind), index);
    EXPECT_NE(found, nullptr);
    return *found;
  }
  // A click on the link in the main view's page.
  void follow(Action action) {
    window->EditorDoLink(LinkSource{LinkSourceKind::textBox, window->Editor()->MainBox(), nullptr},
                         &object(TOggettiHel::speclink, action));
  }
  // The posted closes run, and the closed windows are freed.
  void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::vector<TFseparato*> separateWindows() const {
    const QList<TFseparato*> found = window->findChildren<TFseparato*>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
  }
  TFseparato& only() {
    const std::vector<TFseparato*> windows = separateWindows();
    EXPECT_EQ(windows.size(), 1u);
    return *windows.front();
  }
  static std::int32_t shownPage(const TFseparato& separate) { return separate.Preview()->MainPageNumber(); }
  static std::vector<std::int32_t> pagesOnScreen(const TFseparato& separate) {
    std::vector<std::int32_t> pages;
    for (PageWidget* shown : separate.Preview()->ShownPages()) pages.push_back(shown->page().PageIndex());
    return pages;
  }

  shell::MainWindowLinks* links = nullptr;
};

TEST_F(SeparateWindows, ANamedWindowIsMadeOnceAndFoundAgainByItsNameInAnyCase) {
  startWithLinks(linkBook());
  follow(namedNotes);
  TFseparato& notes = only();
  EXPECT_EQ(notes.windowName(), "Notes");
  EXPECT_EQ(notes.core().kind(), WindowKind::named);
  EXPECT_TRUE(notes.isVisible());
  EXPECT_TRUE(notes.Panel1()->isHidden());  // a named window shows no toolbars
  EXPECT_EQ(shownPage(notes), 3);
  EXPECT_EQ(notes.windowTitle(), "Notes");  // the page's name
  EXPECT_EQ(notes.Preview()->LinkedZEBset(), &window->mainZEBset());
  // Without a description the window takes the main window's size.
  EXPECT_EQ(notes.size(), window->size());

  follow(showInNotes);  // "nOtEs": the window answers to its name
  EXPECT_EQ(&only(), &notes);
  EXPECT_EQ(shownPage(notes), 2);
  follow(namedNotes);
  EXPECT_EQ(&only(), &notes);
  EXPECT_EQ(shownPage(notes), 3);
  EXPECT_EQ(links->separateWindows().findByName("NOTES"), &notes);

  // Its own history: back to page 2, forward to page 3.
  EXPECT_EQ(notes.core().history().entries().size(), 3u);
  notes.BPrecedenteClick();
  EXPECT_EQ(shownPage(notes), 2);
  EXPECT_TRUE(notes.button("Bseguente")->isEnabled());
  notes.BseguenteClick();
  EXPECT_EQ(shownPage(notes), 3);
  EXPECT_FALSE(notes.button("Bseguente")->isEnabled());

  // New windows are never found by name: each link makes one.
  follow(newWindow);
  follow(newWindow);
  settle();
  EXPECT_EQ(separateWindows().size(), 3u);
  EXPECT_EQ(links->separateWindows().count(), 3u);
  EXPECT_EQ(links->separateWindows().findByName("<<<new"), nullptr);
}

TEST_F(SeparateWindows, APopupOpensBesideTheClickOnTheMainWindowsScreenAndHandsItsLinksToTheMainWindow) {
  startWithLinks(linkBook());
  const QRect screen = window->screen()->geometry();
  QCursor::setPos(screen.left() + 300, screen.top() + 100);
  follow(popupPage2);
  TFseparato& popup = only();
  EXPECT_EQ(popup.core().kind(), WindowKind::popup);
  EXPECT_EQ(popup.windowName(), "<<<pop");
  EXPECT_TRUE(popup.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(popup.size(), QSize(320, 200));
  EXPECT_EQ(popup.pos(), QPoint(screen.left() + 250, screen.top() + 100));  // 50 left of the click
  EXPECT_EQ(shownPage(popup), 2);

  // A link clicked in the pop-up is followed by the main window, and the pop-up closes.
  popup.PreviewDoLink(LinkSource{LinkSourceKind::textBox, popup.Preview()->MainBox(), nullptr},
                      &object(TOggettiHel::internetLink, 0));
  EXPECT_EQ(platform.shell.openedDocuments, std::vector<std::string>{"https://example.org/next"});
  settle();
  EXPECT_TRUE(separateWindows().empty());
  EXPECT_EQ(links->separateWindows().count(), 0u);
  EXPECT_TRUE(window->Editor()->isEnabled());

  // Near the left edge it opens at the click; near the bottom above it, 10 pixels higher
  // than its own height.
  QCursor::setPos(screen.left() + 30, screen.bottom() - 50);
  follow(popupPage2);
  EXPECT_EQ(only().pos(), QPoint(screen.left() + 30, screen.bottom() - 50 - 200 - 10));
  // A click on the pop-up's page closes it.
  only().PreviewClick();
  settle();
  EXPECT_TRUE(separateWindows().empty());

  // So does the loss of the focus; a named window stays when it loses it.
  follow(popupPage2);
  follow(namedNotes);
  ASSERT_EQ(separateWindows().size(), 2u);
  for (TFseparato* separate : separateWindows()) {
    QEvent deactivated(QEvent::ActivationChange);
    QCoreApplication::sendEvent(separate, &deactivated);
  }
  settle();
  ASSERT_EQ(separateWindows().size(), 1u);
  EXPECT_EQ(only().windowName(), "Notes");
}

TEST_F(SeparateWindows, APopupOpensBesideWhereTheButtonWentDownWhereverThePointerIsWhenTheLinkIsFollowed) {
  startWithLinks(linkBook());
  QWidget* page = window->Editor()->ShownPages().at(0)->viewport();
  const QPoint pressed = page->mapToGlobal(QPoint(200, 20));
  QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(200, 20));
  const QRect screen = window->screen()->geometry();
  QCursor::setPos(screen.left() + 700, screen.top() + 500);
  follow(popupPage2);
  EXPECT_EQ(only().pos(), QPoint(pressed.x() - 50, pressed.y()));
}

TEST_F(SeparateWindows, ASeparateWindowShowsItsTextsInEnglish) {
  startWithLinks(linkBook());
  follow(newWindow);
  TFseparato& plain = only();
  for (const auto& [name, text, hint] :
       {std::tuple{"BPrecedente", "Previous", "Previous page"}, std::tuple{"Bseguente", "Next", "Next page"},
        std::tuple{"PrintButton", "Print", "Print"}, std::tuple{"CoverButton", "Cover", "Cover"},
        std::tuple{"SummaryButton", "Contents", "Contents"},
        std::tuple{"CercaKeyButton", "Search", "Search by keyword"}}) {
    EXPECT_EQ(plain.button(name)->text().toStdString(), text);
    EXPECT_EQ(plain.button(name)->toolTip().toStdString(), hint);
  }
  EXPECT_EQ(plain.ToolbarFile()->windowTitle(), "Main");
  EXPECT_EQ(plain.ToolbarHistory()->windowTitle(), "Browsed pages");
  EXPECT_EQ(plain.HistoryCombo()->toolTip(), "URL");
  std::vector<std::string> menus;
  for (QAction* menu : plain.MainMenu()->actions()) {
    menus.push_back(menu->text().toStdString());
    for (QAction* item : menu->menu()->actions())
      if (!item->isSeparator()) menus.push_back(item->text().toStdString());
  }
  EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Print...", "Printer se&ttings...", "&Margin settings...",
                                             "&Close", "&?", "&Info..."}));
  EXPECT_EQ(plain.windowTitle(), "Two");  // the page's name
}

TEST_F(SeparateWindows, APrintLinkInASeparateWindowPrintsWithTheMainWindowsPrinterAndPageSetUp) {
  startWithLinks(linkBook());
  RecordingPrinter* printer = nullptr;
  window->setPrintingService(std::make_unique<shell::MainWindowPrinting>(*window, [&printer] {
    auto made = testing::makeRecordingPrinter();
    printer = made.get();
    return made;
  }));
  follow(namedNotes);
  TFseparato& notes = only();
  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) { dialog.accept(); });
  QTest::mouseClick(notes.Preview()->ShownPages().at(0)->viewport(), Qt::LeftButton, {}, QPoint(12, 18));
  runPosted();
  ASSERT_NE(printer, nullptr);
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_EQ(printer->jobs()[0].title, "Brightfold, pag: Notes");
  EXPECT_EQ(printer->jobs()[0].setup.device, "Office");
  EXPECT_EQ(testing::sheetText(*printer, 0), "Print these notes");
}

TEST_F(SeparateWindows, ACloseActionHidesTheMainWindowWithAnchorMinus2AndOtherwiseClosesTheNamedWindow) {
  startWithLinks(linkBook());
  // With no separate window, nothing could bring the main window back: it stays.
  follow(hideMain);
  EXPECT_TRUE(window->isVisible());
  follow(namedNotes);
  follow(sizedOnly);
  ASSERT_EQ(separateWindows().size(), 2u);
  follow(closeNotes);  // "NOTES" closes "Notes" and leaves "Sized"
  settle();
  ASSERT_EQ(separateWindows().size(), 1u);
  EXPECT_EQ(only().windowName(), "Sized");
  EXPECT_TRUE(window->isVisible());

  follow(hideMain);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(separateWindows().size(), 1u);

  // The same action inside a separate window closes that window.
  TFseparato& sized = only();
  sized.PreviewDoLink(LinkSource{LinkSourceKind::textBox, sized.Preview()->MainBox(), nullptr},
                      &object(TOggettiHel::speclink, hideMain));
  settle();
  EXPECT_TRUE(separateWindows().empty());
  // The last separate window to close brings the main window back.
  EXPECT_TRUE(window->isVisible());
}

TEST_F(SeparateWindows, OpeningAnotherBookLeavesASeparateWindowOnItsOldPageFromItsOwnContainer) {
  const std::string first = linkBook();
  startWithLinks(first);
  follow(namedNotes);
  TFseparato& notes = only();
  ASSERT_EQ(shownPage(notes), 3);

  // The same book opened again: the window shows its page again from the main container.
  window->readerShell().OpenEbook(first);
  EXPECT_EQ(notes.Preview()->LinkedZEBset(), &window->mainZEBset());
  EXPECT_EQ(pagesOnScreen(notes), std::vector<std::int32_t>{3});

  window->readerShell().OpenEbook(book("other.zeb"));
  EXPECT_EQ(openBook(), folder.path() / "other.zeb");
  EXPECT_EQ(notes.Preview()->LinkedZEBset(), &notes.ZEBset1());
  EXPECT_EQ(notes.ZEBset1().ZEBFileName(), first);
  EXPECT_EQ(shownPage(notes), 3);
  EXPECT_EQ(pagesOnScreen(notes), std::vector<std::int32_t>{3});
  EXPECT_EQ(notes.windowTitle(), "Notes");

  // A window showing its own book is left alone by the next reset.
  window->readerShell().NewBlank();
  EXPECT_EQ(notes.Preview()->LinkedZEBset(), &notes.ZEBset1());
  EXPECT_EQ(pagesOnScreen(notes), std::vector<std::int32_t>{3});

  // A link of the main book finds the window by name; it shows that book already.
  window->readerShell().OpenEbook(first);
  follow(showInNotes);
  EXPECT_EQ(&only(), &notes);
  EXPECT_EQ(notes.Preview()->LinkedZEBset(), &notes.ZEBset1());
  EXPECT_EQ(pagesOnScreen(notes), std::vector<std::int32_t>{2});
}

TEST_F(SeparateWindows, ADescriptionWithLeftMinus20000ChangesOnlyTheSizeAndFixesIt) {
  startWithLinks(linkBook());
  follow(namedNotes);
  TFseparato& notes = only();
  notes.move(40, 60);
  const QPoint placed = notes.pos();
  ASSERT_TRUE(notes.StatusBar()->isVisibleTo(&notes));

  follow(sizedOnly);  // another name: a window of its own
  ASSERT_EQ(separateWindows().size(), 2u);
  // Prepared again under its own name, the window keeps its place and takes the size.
  notes.Prepare("Notes", shell::WindowDescription{-20000, 0, 500, 300, false, false, false, false, true, false});
  EXPECT_EQ(notes.pos(), placed);
  EXPECT_EQ(notes.size(), QSize(500, 300));
  EXPECT_EQ(notes.minimumSize(), QSize(500, 300));  // not sizeable: fixed to the described size
  EXPECT_EQ(notes.maximumSize(), QSize(500, 300));
  EXPECT_FALSE(notes.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(notes.Panel1()->isHidden());
  EXPECT_TRUE(notes.StatusBar()->isVisibleTo(&notes));
  EXPECT_FALSE(notes.MainMenu()->isVisibleTo(&notes));

  TFseparato* sized = links->separateWindows().findByName("sized") != nullptr
                          ? dynamic_cast<TFseparato*>(links->separateWindows().findByName("sized"))
                          : nullptr;
  ASSERT_NE(sized, nullptr);
  EXPECT_EQ(sized->size(), QSize(500, 300));
  EXPECT_EQ(shownPage(*sized), 1);
}

TEST_F(SeparateWindows, AWindowWithAFrameOfTheNameShowsTheTargetThereAndTheMainFramesComeFirst) {
  startWithLinks(linkBook());
  follow(newWindow);  // a plain window showing page 2 in its frame "Pag2"
  TFseparato& plain = only();
  EXPECT_EQ(plain.core().kind(), WindowKind::plain);
  EXPECT_FALSE(plain.Panel1()->isHidden());
  ASSERT_EQ(pagesOnScreen(plain), std::vector<std::int32_t>{2});

  follow(showInFrame);
  EXPECT_EQ(&only(), &plain);  // no new window
  EXPECT_EQ(pagesOnScreen(plain), std::vector<std::int32_t>{3});
  EXPECT_EQ(page(), 0);

  follow(showInMainPage);  // the main view's own frame "Pag0"
  EXPECT_EQ(&only(), &plain);
  std::vector<std::int32_t> mainPages;
  for (PageWidget* shown : window->Editor()->ShownPages()) mainPages.push_back(shown->page().PageIndex());
  EXPECT_EQ(mainPages, std::vector<std::int32_t>{1});
}

TEST_F(SeparateWindows, AWindowAskedToCloseWhileItsLinkIsHandledClosesWhenTheLinkIsDone) {
  startWithLinks(linkBook());
  follow(namedNotes);
  TFseparato& notes = only();
  bool stillOpenMeanwhile = false;
  window->setSearchService(std::make_unique<SearchMeanwhile>([&] {
    notes.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    stillOpenMeanwhile = separateWindows().size() == 1 && !notes.core().closing();
  }));
  notes.PreviewDoLink(LinkSource{LinkSourceKind::textBox, notes.Preview()->MainBox(), nullptr},
                      &object(TOggettiHel::speclink, keywords));
  EXPECT_TRUE(stillOpenMeanwhile);
  settle();
  EXPECT_TRUE(separateWindows().empty());
}

TEST_F(SeparateWindows, SeparateWindowsCloseWithTheMainWindow) {
  startWithLinks(linkBook());
  follow(namedNotes);
  follow(newWindow);
  ASSERT_EQ(separateWindows().size(), 2u);
  window->close();
  settle();
  EXPECT_TRUE(separateWindows().empty());
  EXPECT_EQ(links->separateWindows().count(), 0u);
}

// A window opened while caret browsing is on browses with a caret too, until it is turned off.
TEST_F(SeparateWindows, AWindowOpenedWhileCaretBrowsingIsOnBrowsesWithACaret) {
  startWithLinks(linkBook());
  window->item("CaretBrowsing1")->trigger();
  follow(namedNotes);
  TFseparato& notes = only();
  EXPECT_TRUE(notes.Preview()->CaretBrowsing());
  auto* page = notes.Preview()->findChild<TextBoxWidget*>();
  ASSERT_NE(page, nullptr);
  QTest::keyClick(page, Qt::Key_Right);
  EXPECT_EQ(page->box().Caret().charIndex, 1);
  window->item("CaretBrowsing1")->trigger();
  EXPECT_FALSE(notes.Preview()->CaretBrowsing());
}

}  // namespace
}  // namespace zeb::testing
