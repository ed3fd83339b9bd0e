// The main window's controls: their English texts and names, the commands of the services
// installed into it (searching, printing, link following), the keys it previews, the copy
// commands, its reset notifications and the contents sidebar.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "platform/headless/recording_speech.h"
#include "platform/qt/qt_dialog_units.h"
#include "shell/messages.h"
#include "shell/presentation_modes.h"
#include "shell/qt/contents_sidebar.h"
#include "shell/qt/contents_tree_view.h"
#include "shell/qt/main_window_export.h"
#include "shell/qt/read_aloud_commands.h"
#include "shell/reader_shell.h"
#include "shell/settings_keys.h"
#include "tests/shell/qt/main_form_fixture.h"
#include "tests/shell/qt/print_qt_test_support.h"
#include "tests/support/book_builder.h"
#include "tests/text/text_test_support.h"
#include "text/text_box.h"
#include "texts/english_tables.h"
#include "texts/language_table.h"
#include "view/qt/form_controls.h"
#include "view/qt/image_control.h"
#include "view/qt/page_widget.h"
#include "view/qt/text_box_widget.h"

namespace zeb::testing {
namespace {

using MainFormControls = MainFormTest;

TEST_F(MainFormControls, EveryNamedItemAndButtonTakesItsEnglishText) {
  start();
  const std::vector<std::string> table = tableLines(englishTable(WindowTable::mainWindow));
  int checked = 0;
  for (QAction* action : window->findChildren<QAction*>()) {
    const std::string name = action->objectName().toStdString();
    if (name.empty() || action->isSeparator() || name.ends_with("Place")) continue;
    const auto english = findTableValue(table, tableKey(name, "caption"));
    ASSERT_TRUE(english.has_value()) << name;
    // The creation replaces two texts after the table.
    if (name != "Ripetinellipertesto1") {
      EXPECT_EQ(action->text().toStdString(), *english) << name;
    }
    ++checked;
  }
  for (QToolButton* button : window->findChildren<QToolButton*>()) {
    if (button->objectName().isEmpty() || button->objectName().startsWith("qt_")) continue;
    const std::string name = button->objectName().toStdString();
    EXPECT_EQ(button->text().toStdString(), findTableValue(table, tableKey(name, "caption"))) << name;
    EXPECT_EQ(button->toolTip().toStdString(), findTableValue(table, tableKey(name, "hint"))) << name;
    // Found by accessibility tools under the text they show.
    EXPECT_EQ(button->accessibleName(), button->text()) << name;
    ++checked;
  }
  EXPECT_GT(checked, 60);

  EXPECT_EQ(window->findChild<QMenu*>("Ipertesto1")->title(), "&Ebook");
  EXPECT_EQ(window->item("Ripetinellipertesto1")->text(), "Search again in the ebook...");
  // Its hint is cleared: Qt makes its tooltip of the text.
  EXPECT_EQ(window->item("FileOpenItem")->toolTip(), "Open");
  EXPECT_TRUE(window->item("FileOpenItem")->statusTip().isEmpty());
  EXPECT_EQ(window->findChild<QToolBar*>("ToolbarFile")->windowTitle(), "Main");
  EXPECT_EQ(window->findChild<QToolBar*>("ToolbarHistory")->windowTitle(), "Browsed pages");
  EXPECT_EQ(window->item("Copia1")->text(), "&Copy");
  EXPECT_EQ(window->item("Ridimensiona8")->text(), "&Resize");
  EXPECT_EQ(window->item("Seguicollegamento4")->text(), "Follo&w link");
}

TEST_F(MainFormControls, TheMainControlsAreFoundByNameAndByAccessibleName) {
  start({book("guide.zeb")});
  EXPECT_EQ(window->objectName(), "MainForm");
  EXPECT_EQ(window->centralWidget(), window->Editor());
  EXPECT_EQ(window->Editor()->objectName(), "Editor");
  EXPECT_EQ(window->Editor()->accessibleName(), "Editor");
  EXPECT_EQ(window->HistoryCombo()->objectName(), "HistoryCombo");
  EXPECT_EQ(window->HistoryCombo()->accessibleName(), "URL");
  // Designed lengths grow with the font: 283 pixels of the design font.
  const DesignScale scale = designScaleOf(window->font());
  EXPECT_EQ(window->HistoryCombo()->width(), scale.x(283));
  EXPECT_EQ(window->statusBar()->objectName(), "StatusBar");
  EXPECT_EQ(window->statusBar()->accessibleName(), "StatusBar");
  EXPECT_EQ(window->contentsSidebar()->tree()->objectName(), "ContentsTree");
  for (const char* name : {"BPrecedente", "Bseguente", "BFileOpen", "PrintButton", "CoverButton", "SummaryButton",
                           "CercaKeyButton", "NestedButton"}) {
    ASSERT_NE(window->button(name), nullptr) << name;
    EXPECT_EQ(window->button(name)->focusPolicy(), Qt::TabFocus) << name;
  }
  // After an open the status bar shows its single text; its panels keep their widths.
  EXPECT_TRUE(window->statusBarSimple());
  EXPECT_EQ(window->statusPanel(0)->width(), scale.x(75));
  EXPECT_EQ(window->statusPanel(1)->width(), scale.x(30));
  EXPECT_EQ(window->statusPanel(2)->text().toStdString(), shell::messages::statusLine);
  // What the reader does not offer stays hidden.
  for (const char* name : {"Mostracornici1", "Vaiapagina1", "Proprietaipertesto1", "HelpContentsItem", "Skin1"})
    EXPECT_FALSE(window->item(name)->isVisible()) << name;
  EXPECT_FALSE(window->findChild<QMenu*>("Opzioni1")->menuAction()->isVisible());
}

TEST_F(MainFormControls, TheLastStatusPanelShowsItsWholeLineAndMessagesAreReadAsTheyChange) {
  start({book("guide.zeb")});
  window->setStatusBarSimple(false);
  QApplication::processEvents();
  const QLabel& last = *window->statusPanel(2);
  EXPECT_GE(last.contentsRect().width(), last.fontMetrics().horizontalAdvance(last.text()));
  // A message is the name accessibility tools read, and change with it.
  window->showStatusText(messages::hypertextSearchComplete);
  auto* message = window->statusBar()->findChild<QLabel*>("StatusSimpleText");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(message)->text(QAccessible::Name), "Hypertext search complete");
}

// A search dialog that writes down what the window asks of it.
class RecordingSearch final : public shell::SearchService {
 public:
  explicit RecordingSearch(std::vector<std::string>& log) : log_(log) {}
  void showWordPage() override { log_.push_back("word"); }
  void showKeywordPage() override { log_.push_back("keyword"); }
  void searchAgainInPage() override { log_.push_back("again in page"); }
  void searchAgainInBook() override { log_.push_back("again in book"); }
  void bookOpened() override { log_.push_back("book opened"); }
  void pageShown() override { log_.push_back("page shown"); }

 private:
  std::vector<std::string>& log_;
};

TEST_F(MainFormControls, SearchCommandsWaitForTheDialogAndThenReachIt) {
  const std::string path = folder
                               .write("keywords.zeb", bookBytes([](TZEBset& set) {
                                        zebmake::addPage(set, "Page 0", "<Z S0 >text");
                                        zebmake::addObject(set, TOggettiHel::keyword).setName("words");
                                      }))
                               .string();
  start({book("plain.zeb")});
  EXPECT_FALSE(window->item("Cercasostituisci1")->isEnabled());
  EXPECT_FALSE(window->button("CercaKeyButton")->isEnabled());

  std::vector<std::string> log;
  window->setSearchService(std::make_unique<RecordingSearch>(log));
  for (const char* name : {"Cercasostituisci1", "Ripetiultimaricerca1", "Ripetinellipertesto1", "Cercaperparolachiave1",
                           "Cercaconoperatori1"}) {
    EXPECT_TRUE(window->item(name)->isEnabled()) << name;
    window->item(name)->trigger();
  }
  // No keyword in this book: the toolbar's Search opens the word page, the menu's keyword
  // search its keyword page all the same.
  window->button("CercaKeyButton")->click();
  EXPECT_EQ(log, (std::vector<std::string>{"word", "again in page", "again in book", "keyword", "word", "word"}));

  log.clear();
  window->readerShell().OpenEbook(path);
  window->button("CercaKeyButton")->click();
  // The old page goes before the cover shows: the dialog hears of both.
  EXPECT_EQ(log, (std::vector<std::string>{"page shown", "page shown", "book opened", "keyword"}));
  EXPECT_EQ(window->item("Ripetiultimaricerca1")->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(window->item("Ripetinellipertesto1")->shortcut(), QKeySequence(Qt::Key_F4));
  EXPECT_EQ(window->item("Cercaperparolachiave1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F3));
}

class RecordingPrint final : public shell::PrintingService {
 public:
  explicit RecordingPrint(std::vector<std::string>& log) : log_(log) {}
  void printDialog() override { log_.push_back("dialog"); }
  void printCurrent() override { log_.push_back("current"); }
  void printAll() override { log_.push_back("all"); }
  void printerSetup() override { log_.push_back("printer"); }
  void marginSetup() override { log_.push_back("margins"); }
  void printBox(TZEBCustomFrameSet&, TZEBbox&) override { log_.push_back("box"); }

 private:
  std::vector<std::string>& log_;
};

TEST_F(MainFormControls, TheToolsMenuOffersOnlyTheEmailOptionsOnceTheyCanBeShown) {
  start({book("plain.zeb")});
  QAction* tools = window->findChild<QMenu*>("Opzioni1")->menuAction();
  EXPECT_FALSE(tools->isVisible());

  int shown = 0;
  window->setEmailSettings([&shown] { ++shown; });
  window->readerShell().OpenEbook(book("second.zeb"));
  EXPECT_TRUE(tools->isVisible());
  EXPECT_EQ(tools->text(), "&Tools");
  EXPECT_TRUE(window->item("Opzioniemail1")->isVisible());
  EXPECT_EQ(window->item("Opzioniemail1")->text(), "&Email options...");
  EXPECT_FALSE(window->item("Opzioniprogramma1")->isVisible());
  EXPECT_FALSE(window->item("Skin1")->isVisible());
  window->item("Opzioniemail1")->trigger();
  EXPECT_EQ(shown, 1);
}

TEST_F(MainFormControls, PrintCommandsWaitForPrintingAndForABook) {
  setOption(shell::settings::atStartBlank, "1");
  start();
  std::vector<std::string> log;
  window->setPrintingService(std::make_unique<RecordingPrint>(log));
  EXPECT_FALSE(window->item("FilePrintItem")->isEnabled());
  window->readerShell().OpenEbook(book("guide.zeb"));
  EXPECT_TRUE(window->item("PrintButtonPlace")->isVisible());
  for (const char* name : {"FilePrintItem", "Stampacorrente1", "Stampatutte1", "Impostastampante1", "Impostamargini1"})
    window->item(name)->trigger();
  window->button("PrintButton")->click();
  EXPECT_EQ(log, (std::vector<std::string>{"dialog", "current", "all", "printer", "margins", "dialog"}));
}

// File > Export > EPUB... writes the book on its worker with the progress window up, and asks
// before it replaces what it wrote; answered No, the file stays as it was.
TEST_F(MainFormControls, ExportingToEpubWritesTheBookAndAsksBeforeReplacingIt) {
  start({book("guide.zeb", 3)});
  window->setExportService(std::make_unique<shell::MainWindowExport>(*window));
  const std::filesystem::path target = folder.path() / "guide.epub";
  const auto chooseTarget = [&] {
    answerModal<QFileDialog>([&](QFileDialog& dialog) {
      dialog.selectFile(QString::fromStdString(target.string()));
      static_cast<QDialog&>(dialog).accept();
    });
  };
  chooseTarget();
  window->item("EsportaEpub1")->trigger();
  QTRY_VERIFY(std::filesystem::exists(target));
  QTRY_VERIFY(window->findChild<QProgressDialog*>() == nullptr || !window->findChild<QProgressDialog*>()->isVisible());
  const auto written = std::filesystem::last_write_time(target);
  const auto size = std::filesystem::file_size(target);
  EXPECT_GT(size, 0u);

  chooseTarget();
  bool asked = false;
  answerModal<QMessageBox>([&](QMessageBox& question) {
    asked = true;
    question.button(QMessageBox::No)->click();
  });
  window->item("EsportaEpub1")->trigger();
  QTRY_VERIFY(asked);
  QTest::qWait(50);
  EXPECT_EQ(std::filesystem::last_write_time(target), written);
  EXPECT_FALSE(std::filesystem::exists(target.string() + ".part"));
}

// Link following as it will be installed: it sees the frame set disabled while it works.
class RecordingDispatcher final : public shell::LinkDispatcher {
 public:
  RecordingDispatcher(TInsiemeCornici& editor, std::vector<std::string>& log) : editor_(editor), log_(log) {}
  void followLink(const LinkSource&, TZEBoggetto& link) override {
    log_.push_back(link.Name() + (editor_.isEnabled() ? " enabled" : " disabled"));
    throw std::runtime_error("the link failed");
  }

 private:
  TInsiemeCornici& editor_;
  std::vector<std::string>& log_;
};

TEST_F(MainFormControls, AnInstalledDispatcherFollowsLinksWhileThePageViewIsDisabled) {
  start({book("guide.zeb")});
  std::vector<std::string> log;
  window->setLinkDispatcher(std::make_unique<RecordingDispatcher>(*window->Editor(), log));
  TZEBoggetto& link = zebmake::addObject(window->mainZEBset(), TOggettiHel::internetLink);
  link.setName("nexo:|4");
  window->EditorDoLink(LinkSource{}, &link);
  EXPECT_EQ(log, std::vector<std::string>{"nexo:|4 disabled"});
  EXPECT_EQ(page(), 0);  // the dispatcher decides, not the window
  EXPECT_TRUE(window->Editor()->isEnabled());
}

TEST_F(MainFormControls, PageKeysScrollThePageWhereverTheFocusIs) {
  const std::string path = folder
                               .write("long.zeb", bookBytes([](TZEBset& set) {
                                        std::string text;
                                        for (int i = 0; i < 200; ++i) text += "<Z S0 >line " + std::to_string(i);
                                        zebmake::addPage(set, "Long", text);
                                      }))
                               .string();
  start({path});
  QApplication::setActiveWindow(window.get());
  PageWidget* shown = window->Editor()->ShownPages().front();
  ASSERT_EQ(shown->verticalBar()->value(), 0);
  QToolButton* cover = window->button("CoverButton");
  cover->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), cover);
  QTest::keyClick(cover, Qt::Key_PageDown);
  EXPECT_GT(shown->verticalBar()->value(), 0);
  EXPECT_TRUE(window->Editor()->isAncestorOf(QApplication::focusWidget()));

  // The history combo box keeps its own arrow keys; other keys are left alone.
  const int scrolled = shown->verticalBar()->value();
  window->HistoryCombo()->setFocus();
  QTest::keyClick(window->HistoryCombo(), Qt::Key_Down);
  cover->setFocus();
  QTest::keyClick(cover, Qt::Key_Space);
  EXPECT_EQ(shown->verticalBar()->value(), scrolled);
}

TEST_F(MainFormControls, AHoveredLinkSaysInTheStatusBarWhereItLeadsUntilTheMouseLeaves) {
  const std::string path = folder
                               .write("linked.zeb", bookBytes([](TZEBset& set) {
                                        TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
                                        link.setName("https://example.org/next");
                                        zebmake::addPage(set, "Linked", "<Z S0 >" + objectTag(link.ID()) + "go<%> on");
                                      }))
                               .string();
  start({path});
  QWidget* text = window->Editor()->ShownPages().front()->viewport();
  const QPointF overLink(16, 12);
  QMouseEvent move(QEvent::MouseMove, overLink, text->mapToGlobal(overLink), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(text, &move);
  EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Link to: https://example.org/next");
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(text, &leave);
  EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

TEST_F(MainFormControls, EscapeLeavesAPresentationModeWhoseHiddenMenuKeepsItsShortcuts) {
  const std::string kiosk = folder
                                .write("kiosk.zeb", bookBytes([](TZEBset& set) {
                                         zebmake::addPage(set, "Kiosk", "<Z S0 >kiosk text");
                                         set.header().setU8(shell::borderlessFlagOffset, 1);
                                         set.header().setU8(shell::hideBarsFlagOffset, 1);
                                       }))
                                .string();
  start({kiosk});
  platform.events.advance(shell::switchDelayMilliseconds);
  ASSERT_FALSE(window->menuBar()->isVisible());
  ASSERT_TRUE(window->readerShell().keepsMaximised());
  QApplication::setActiveWindow(window.get());
  TZEBbox* box = window->Editor()->CurrentBox();
  ASSERT_NE(box, nullptr);
  const auto focused = [this]() -> QWidget* {
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get();
  };
  QTest::keyClick(focused(), Qt::Key_F2, Qt::ControlModifier);  // "&Select all"
  EXPECT_TRUE(box->hasSelection());

  QTest::keyClick(focused(), Qt::Key_Escape);
  EXPECT_TRUE(window->menuBar()->isVisible());
  EXPECT_TRUE(window->statusBar()->isVisible());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(window->readerShell().keepsMaximised());
  EXPECT_TRUE(window->item("Ridimensiona1")->isChecked());
}

// F11 shows the page alone: the menu's shortcuts stay, F11 itself among them, and F11 or
// Escape brings back what it hid, and only that. The common keys beside the book's own
// each reach their command (a key two commands claimed would reach neither).
TEST_F(MainFormControls, F11ShowsThePageAloneAndTheCommonKeysReachTheirCommands) {
  start({sampleBook()});
  QApplication::setActiveWindow(window.get());
  auto* history = window->findChild<QToolBar*>("ToolbarHistory");
  auto* main = window->findChild<QToolBar*>("ToolbarFile");
  history->hide();
  const auto focused = [this]() -> QWidget* {
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get();
  };
  for (const Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
    QTest::keyClick(focused(), Qt::Key_F11);
    EXPECT_TRUE(window->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_FALSE(window->menuBar()->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(window->statusBar()->isVisible());
    EXPECT_TRUE(window->item("Schermointero1")->isChecked());
    QTest::keyClick(focused(), leave);
    EXPECT_FALSE(window->windowState().testFlag(Qt::WindowFullScreen)) << leave;
    EXPECT_TRUE(window->menuBar()->isVisible()) << leave;
    EXPECT_TRUE(main->isVisible()) << leave;
    EXPECT_FALSE(history->isVisible()) << leave;
    EXPECT_TRUE(window->statusBar()->isVisible()) << leave;
    EXPECT_FALSE(window->item("Schermointero1")->isChecked());
  }

  TZEBbox* box = window->Editor()->CurrentBox();
  ASSERT_NE(box, nullptr);
  QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(box->hasSelection());
  QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
  ASSERT_TRUE(platform.clipboard.plainText().has_value());
  EXPECT_NE(platform.clipboard.plainText()->find("Welcome to Brightfold"), std::string::npos);
  window->Editor()->setMainPageNumber(2);
  QTest::keyClick(focused(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(page(), 0);
  QTest::keyClick(focused(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(page(), 2);
  QTest::keyClick(focused(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(window->readerShell().bookmarks().entries().size(), 1u);
  // The rest open a window or end the program: each is claimed by its command alone.
  const std::vector<std::pair<QKeySequence, const char*>> keys = {
      {QKeySequence(Qt::CTRL | Qt::Key_O), "FileOpenItem"}, {QKeySequence(Qt::CTRL | Qt::Key_P), "FilePrintItem"},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), "FileExitItem"}, {QKeySequence(Qt::CTRL | Qt::Key_G), "Vaiallapagina1"},
      {QKeySequence(Qt::Key_F11), "Schermointero1"},        {QKeySequence(Qt::CTRL | Qt::Key_Plus), "ZoomIn"},
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), "ZoomIn"},   {QKeySequence(Qt::CTRL | Qt::Key_Minus), "ZoomOut"},
      {QKeySequence(Qt::CTRL | Qt::Key_0), "ZoomNormal"},
      {QKeySequence(Qt::CTRL | Qt::Key_L), "Biblioteca1"},
      {QKeySequence(Qt::Key_F7), "CaretBrowsing1"},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "ReadAloud1"},
  };
  for (const auto& [sequence, name] : keys) {
    int claimed = 0;
    for (QAction* action : window->findChildren<QAction*>())
      if (action->shortcuts().contains(sequence)) {
        ++claimed;
        EXPECT_EQ(action->objectName().toStdString(), name);
      }
    EXPECT_EQ(claimed, 1) << name;
  }
}

// Read aloud hands the page's sentences to the voice one after another, each once the one
// before was spoken, and shows the one being spoken selected.
TEST_F(MainFormControls, ReadAloudSpeaksTheSentencesInTurnShowingEach) {
  const std::string path = folder
                               .write("spoken.zeb", bookBytes([](TZEBset& set) {
                                        zebmake::addPage(set, "Page 0", "<Z S0 >One two. Three!<Z S0 >Four");
                                        zebmake::addPage(set, "Page 1", "<Z S0 >Five.");
                                      }))
                               .string();
  start({path});
  QAction* read = window->item("ReadAloud1");
  EXPECT_FALSE(read->isEnabled());
  EXPECT_NE(read->statusTip().indexOf(QStringLiteral("speech-dispatcher")), -1);
  auto speech = std::make_unique<RecordingSpeech>();
  RecordingSpeech& voice = *speech;
  window->setSpeech(std::move(speech));
  ASSERT_TRUE(read->isEnabled());
  window->Editor()->setMainPageNumber(0);

  const auto shown = [this] {
    const TZEBbox* box = window->Editor()->MainBox();
    const TextPos& start = box->orderedStart();
    const TextPos& end = box->orderedEnd();
    return std::vector<int>{start.paragraphIndex, start.charIndex, end.paragraphIndex, end.charIndex};
  };
  read->trigger();
  EXPECT_EQ(voice.said, (std::vector<std::string>{"One two."}));
  EXPECT_EQ(shown(), (std::vector<int>{0, 0, 0, 8}));
  voice.finish();
  EXPECT_EQ(voice.said.back(), "Three!");
  EXPECT_EQ(shown(), (std::vector<int>{0, 9, 0, 15}));
  voice.finish();
  EXPECT_EQ(voice.said.back(), "Four");
  EXPECT_EQ(shown(), (std::vector<int>{1, 0, 1, 4}));
  window->item("PauseReading1")->trigger();
  EXPECT_TRUE(voice.paused);
  window->item("PauseReading1")->trigger();
  EXPECT_FALSE(voice.paused);
  // The builder's pages stand in no sequence: the reading ends with the page.
  voice.finish();
  EXPECT_EQ(page(), 0);
  EXPECT_EQ(voice.said.size(), 3u);
  EXPECT_EQ(window->readAloudCommands()->reader()->state(), ReadAloud::State::idle);

  // Speed and voice are kept in the settings.
  window->item("ReadingSpeed3")->trigger();
  EXPECT_DOUBLE_EQ(voice.speed, 0.3);
  window->item("ReadingVoice1")->trigger();
  EXPECT_EQ(voice.voiceName, "second");
  EXPECT_EQ(platform.settings.readString(shell::settings::optionsKey, shell::settings::readingVoice), "second");
}

// Pages chained by their sequence group and number: once the last sentence of a page was
// spoken, reading shows the next page of the sequence and speaks it from its top; it ends
// with the sequence.
TEST_F(MainFormControls, ReadAloudGoesOnToTheNextPageOfTheSequence) {
  const std::string path =
      folder
          .write("sequence.zeb", bookBytes([](TZEBset& set) {
                   const auto chained = [&set](const char* name, const char* text, int number) {
                     TZEBtesto& page = zebmake::addPage(set, name, text);
                     page.record().setI16(field::pageSequenceGroup, 1);
                     page.record().setI16(field::pageSequenceNumber, static_cast<std::int16_t>(number));
                   };
                   chained("Page A", "<Z S0 >One. Two.", 1);
                   zebmake::addPage(set, "Elsewhere", "<Z S0 >Not read.");
                   chained("Page B", "<Z S0 >Three and four.<Z S0 >Five.", 2);
                 }))
          .string();
  start({path});
  auto speech = std::make_unique<RecordingSpeech>();
  RecordingSpeech& voice = *speech;
  window->setSpeech(std::move(speech));
  window->Editor()->setMainPageNumber(0);
  window->item("ReadAloud1")->trigger();
  voice.finish();
  EXPECT_EQ(voice.said, (std::vector<std::string>{"One.", "Two."}));
  voice.finish();
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(voice.said.back(), "Three and four.");
  const TZEBbox* shown = window->Editor()->MainBox();
  EXPECT_EQ(shown->TextObject()->Name(), "Page B");
  EXPECT_EQ(std::pair(shown->orderedStart().charIndex, shown->orderedEnd().charIndex), std::pair(0, 15));
  EXPECT_EQ(window->readAloudCommands()->reader()->state(), ReadAloud::State::speaking);
  voice.finish();
  EXPECT_EQ(voice.said.back(), "Five.");
  voice.finish();
  EXPECT_EQ(voice.said.size(), 4u);
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(window->readAloudCommands()->reader()->state(), ReadAloud::State::idle);
}

TEST_F(MainFormControls, CopyAndSelectAllActOnThePageText) {
  start({sampleBook()});
  TZEBbox* box = window->Editor()->CurrentBox();
  ASSERT_NE(box, nullptr);
  window->item("Selezionabrano1")->trigger();
  EXPECT_TRUE(box->hasSelection());
  window->item("EditCopyItem")->trigger();
  ASSERT_TRUE(platform.clipboard.plainText().has_value());
  EXPECT_NE(platform.clipboard.plainText()->find("Welcome to Brightfold"), std::string::npos);

  // The sample's pages have a colour behind them, not a picture.
  window->item("CopiaSfondo3")->trigger();
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::error, "Allowed only for immagine"}}));
}

TEST_F(MainFormControls, ResizeFromAnyPopupChecksAllFiveItems) {
  start({book("guide.zeb")});
  const std::vector<std::string> items = {"Ridimensiona1", "Ridimensiona2", "Ridimensiona3", "Ridimensiona6",
                                          "Ridimensiona8"};
  window->item("Ridimensiona6")->trigger();
  for (const std::string& name : items) EXPECT_TRUE(window->item(name.c_str())->isChecked()) << name;
  EXPECT_TRUE(window->isVisible());
  window->item("Ridimensiona2")->trigger();
  for (const std::string& name : items) EXPECT_FALSE(window->item(name.c_str())->isChecked()) << name;
  EXPECT_TRUE(platform.messages.shown().empty());
}

class CountingListener final : public shell::ContainerListener {
 public:
  void containerResetting() override { ++resetting; }
  void containerReset() override { ++reset; }
  int resetting = 0;
  int reset = 0;
};

TEST_F(MainFormControls, AClickIntoAFormFieldOfAnInactiveWindowLeavesTheFocusInTheField) {
  start({sampleBook(), "/page=6"});
  // Tall enough for the order form, which lies below the offscreen screen's 600 pixels.
  window->resize(1000, 900);
  QApplication::processEvents();
  TMyyEdit* name = nullptr;
  for (TMyyEdit* edit : window->findChildren<TMyyEdit*>())
    if (edit->Object()->Name() == "name") name = edit;
  ASSERT_NE(name, nullptr);
  // Another window has the focus. The press reaches the field first; the window is
  // activated after it, as the windowing system reports the activation the press asked for.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const QPoint at = name->edit()->mapTo(window.get(), QPoint(5, 5));
  QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
  EXPECT_EQ(QApplication::focusWidget(), name->edit());
  // Space and Ctrl+A are the field's, not the page's.
  QTest::keyClicks(QApplication::focusWidget(), "Anna Maria");
  EXPECT_EQ(name->GetValue(), "Anna Maria");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(name->edit()->selectedText(), "Anna Maria");

  // Coming back to the window from anywhere else puts the focus in the page's box.
  window->button("CoverButton")->setFocus();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_NE(qobject_cast<TextBoxWidget*>(QApplication::focusWidget()), nullptr);
}

TEST_F(MainFormControls, WindowsThatJoinAreToldWhenTheContainerIsReset) {
  start({book("first.zeb")});
  CountingListener listener;
  window->containerListeners().join(listener);
  window->readerShell().OpenEbook(book("second.zeb"));
  window->readerShell().NewBlank();
  EXPECT_EQ(listener.resetting, 2);
  EXPECT_EQ(listener.reset, 2);
  // A book that cannot be read is read aside: the windows showing the open one keep it.
  window->readerShell().OpenEbook(folder.write("damaged.zeb", std::string(100, 'x')).string());
  EXPECT_EQ(listener.resetting, 2);
  EXPECT_EQ(listener.reset, 2);
  window->containerListeners().leave(listener);
}

TEST_F(MainFormControls, TheContentsSidebarShowsStoredContentsAndFollowsThePages) {
  const std::string guide = sampleBook();
  start({guide});
  ContentsSidebar& sidebar = *window->contentsSidebar();
  EXPECT_TRUE(sidebar.isVisible());
  EXPECT_TRUE(window->item("Alberoindice1")->isChecked());
  // The page shows first: the tree is read once the window has been painted.
  EXPECT_FALSE(sidebar.loaded());
  ASSERT_TRUE(settled([&sidebar] { return sidebar.loaded(); }));
  TZEBorderedTree& tree = *sidebar.tree();
  ASSERT_NE(tree.SelectedObject(), nullptr);
  EXPECT_EQ(tree.SelectedObject()->Index(), 0);

  window->Editor()->setMainPageNumber(2);
  ASSERT_NE(tree.SelectedObject(), nullptr);
  EXPECT_EQ(tree.SelectedObject()->Index(), 2);

  // Enter on a node shows its page and records it; the tree keeps the keyboard, so the
  // arrows go on through it, and so does a click.
  QApplication::setActiveWindow(window.get());
  tree.setFocus();
  tree.selectNode(tree.nodeOfObject(window->mainZEBset().objectByKindAndIndex(0, 1)));
  QTest::keyClick(&tree, Qt::Key_Return);
  EXPECT_EQ(page(), 1);
  EXPECT_EQ(historyItems().back(), entry(guide, 1));
  EXPECT_EQ(QApplication::focusWidget(), &tree);
  QTest::keyClick(&tree, Qt::Key_Down);
  QTest::keyClick(&tree, Qt::Key_Return);
  EXPECT_EQ(page(), 2);
  const QRect above = tree.visualRect(tree.currentIndex().siblingAtRow(tree.currentIndex().row() - 1));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, above.center());
  EXPECT_EQ(page(), 1);
  EXPECT_EQ(QApplication::focusWidget(), &tree);

  // A book without stored contents hides the sidebar; asking for it builds the tree.
  window->readerShell().OpenEbook(book("plain.zeb", 3));
  EXPECT_FALSE(sidebar.isVisible());
  EXPECT_EQ(tree.tree().nodeCount(), 0u);
  window->item("Alberoindice1")->trigger();
  EXPECT_TRUE(sidebar.isVisible());
  ASSERT_TRUE(settled([&sidebar] { return sidebar.loaded(); }));
  EXPECT_EQ(tree.tree().nodeCount(), 4u);  // the book and its three pages
  EXPECT_EQ(tree.SelectedObject()->Index(), 0);

  window->readerShell().NewBlank();
  EXPECT_EQ(tree.tree().nodeCount(), 0u);
}

TEST_F(MainFormControls, TabReachesThePageTheContentsTheToolbarAndTheHistory) {
  start({sampleBook()});
  window->resize(1000, 700);
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(settled([this] { return window->contentsSidebar()->loaded(); }));
  window->HistoryCombo()->setFocus();
  std::set<std::string> reached;
  bool pageReached = false;
  for (int i = 0; i < 20; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    reached.insert(focus->objectName().toStdString());
    pageReached = pageReached || qobject_cast<TextBoxWidget*>(focus) != nullptr;
  }
  EXPECT_TRUE(pageReached);
  for (const char* name : {"HistoryCombo", "ContentsTree", "BFileOpen", "CoverButton", "SummaryButton", "NestedButton"})
    EXPECT_TRUE(reached.contains(name)) << name;
  // Disabled commands are passed over.
  for (const char* name : {"BPrecedente", "Bseguente", "PrintButton", "CercaKeyButton"})
    EXPECT_FALSE(reached.contains(name)) << name;
}

TEST_F(MainFormControls, AnOpenedPageStartsAtItsTop) {
  start({sampleBook()});
  PageWidget* shown = window->Editor()->ShownPages().front();
  EXPECT_EQ(shown->verticalBar()->value(), 0);
  EXPECT_EQ(shown->page().TextBox()->paragraph(0).Text, "Welcome to Brightfold");
}

TEST_F(MainFormControls, NightModeRepaintsThePageInNightColoursAndBackAndIsKept) {
  start({sampleBook()});
  ASSERT_TRUE(settled([this] { return !window->Editor()->ShownPages().empty(); }));
  const auto pageLightness = [this] {
    // Below the cover's few lines: the page's white background.
    const QImage shown = window->Editor()->grab().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() - 20).lightness();
  };
  EXPECT_GT(pageLightness(), 240);
  QAction* night = window->item("NightMode");
  EXPECT_EQ(night->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
  night->trigger();
  EXPECT_LT(pageLightness(), 20);
  EXPECT_EQ(platform.settings.readString(shell::settings::optionsKey, shell::settings::nightMode), "1");
  // The fields of a form follow, however they are styled.
  window->setMainPageNumber(6);
  auto* field = window->Editor()->findChild<QLineEdit*>();
  ASSERT_NE(field, nullptr);
  const auto fieldLightness = [field] {
    const QImage shown = field->grab().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2).lightness();
  };
  EXPECT_LT(fieldLightness(), 20);
  night->trigger();
  EXPECT_GT(fieldLightness(), 240);
  window->setMainPageNumber(0);
  EXPECT_GT(pageLightness(), 240);
}

// Ctrl+plus lays the page out again to its window at the new zoom and the zoom box says so;
// a zoom typed into the box holds for the next page, whose picture's hot zones lie over their
// halves at 200 % and follow their links; the book reopens at its zoom after a restart.
TEST_F(MainFormControls, ZoomReflowsFollowsThePagesAndIsKeptForTheBook) {
  const std::string guide = sampleBook();
  start({guide});
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(settled([this] { return !window->Editor()->ShownPages().empty(); }));
  const auto shown = [this] { return window->Editor()->ShownPages().front(); };
  const int width = shown()->page().windowClientWidth();
  EXPECT_EQ(shown()->page().TextBox()->LayoutWidth(), width);
  QWidget* focused = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get();
  QTest::keyClick(focused, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window->zoomPercent(), 110);
  EXPECT_EQ(shown()->page().TextBox()->LayoutWidth(), width * 100 / 110);
  auto* box = window->findChild<QComboBox*>("ZoomBox");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->currentText(), "110%");
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), "200");
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(window->zoomPercent(), 200);
  EXPECT_EQ(box->currentText(), "200%");

  window->setMainPageNumber(6);
  EXPECT_EQ(shown()->page().Zoom().percent(), 200);
  EXPECT_EQ(shown()->page().TextBox()->LayoutWidth(), shown()->page().windowClientWidth() / 2);
  TMyyImage* ball = nullptr;
  for (auto* image : window->Editor()->findChildren<TMyyImage*>())
    if (image->findChildren<TMyyZona*>().size() == 2) ball = image;
  ASSERT_NE(ball, nullptr);
  EXPECT_EQ(ball->size(), QSize(320, 200));
  auto* left = qobject_cast<TMyyZona*>(ball->childAt(QPoint(100, 100)));
  auto* right = qobject_cast<TMyyZona*>(ball->childAt(QPoint(240, 100)));
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(left->geometry(), QRect(0, 0, 160, 200));
  EXPECT_EQ(right->geometry(), QRect(160, 0, 160, 200));
  QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(80, 100));
  runPosted();
  EXPECT_EQ(page(), 0);
  window->setMainPageNumber(6);

  window->close();
  window.reset();
  start({guide});
  ASSERT_TRUE(settled([this] { return !window->Editor()->ShownPages().empty(); }));
  EXPECT_EQ(page(), 6);
  EXPECT_EQ(window->zoomPercent(), 200);
  EXPECT_EQ(shown()->page().Zoom().percent(), 200);
  window->item("ZoomNormal")->trigger();
  EXPECT_EQ(shown()->page().TextBox()->LayoutWidth(), shown()->page().windowClientWidth());
}

}  // namespace
}  // namespace zeb::testing
