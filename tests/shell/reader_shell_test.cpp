// The main window's logic with a view that stands in for the window and its frame set:
// start-up, opening books, the recent-file list, the history, macros and presentation modes.
#include "shell/reader_shell.h"

#include <gtest/gtest.h>

#include "document/book_header.h"
#include "platform/code_pages.h"
#include "shell/reader_view.h"
#include "shell/settings_keys.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb::shell {
namespace {

// Writes down what the shell asks; like the frame set, it reports every page it shows.
class FakeView final : public ReaderView {
 public:
  void clearView() override { log.push_back("clearView"); }
  void showCover() override { show(std::max(shell->mainZEBset().header().i32(header::coverPage), 0)); }
  std::int32_t mainPageNumber() const override { return page; }
  void setMainPageNumber(std::int32_t number) override { show(number); }
  bool showingTemporaryFrameSet() const override { return false; }
  void setReadOnly(bool) override {}
  void focusCurrentBox() override { log.push_back("focus"); }
  void setCaption(const std::string& text) override { caption = text; }
  void enableBookCommands() override {}
  void resetReaderUI() override {}
  void recentFilesChanged(const std::vector<RecentMenuChange>& changes, bool separatorVisible) override {
    menuChanges.insert(menuChanges.end(), changes.begin(), changes.end());
    separator = separatorVisible;
  }
  void historyChanged(const BrowsingHistory&) override { ++historyChanges; }
  void applyWindowChanges(const std::vector<WindowChange>& changes) override { windowChanges.push_back(changes); }
  void moveOffScreen() override { log.push_back("offScreen"); }
  void setResizeChecked(bool checked) override { resizeChecked = checked; }
  void closeSplash() override { log.push_back("closeSplash"); }
  void showStatusNote(const std::string& text) override { notes.push_back(text); }
  void textEncodingChanged() override { log.push_back("textEncodingChanged"); }
  std::int32_t scrollPosition() const override { return scroll; }
  void setScrollPosition(std::int32_t position) override { scroll = position; }
  int zoomPercent() const override { return zoom; }
  void applyZoom(int percent) override { zoom = percent; }
  void setFullScreen(bool on) override { fullScreen.push_back(on); }

  void show(std::int32_t number) {
    page = number;
    scroll = 0;
    if (shell != nullptr) shell->EditorPageChanged();
  }

  ReaderShell* shell = nullptr;
  std::int32_t page = -1;
  std::string caption;
  std::vector<std::string> log;
  std::vector<RecentMenuChange> menuChanges;
  bool separator = false;
  int historyChanges = 0;
  std::vector<std::vector<WindowChange>> windowChanges;
  bool resizeChecked = false;
  std::vector<std::string> notes;
  std::int32_t scroll = 0;
  int zoom = 100;
  std::vector<bool> fullScreen;
};

class Reader : public ::testing::Test {
 protected:
  void SetUp() override { platform.environment.program = folder.path() / "program"; }
  void start() {
    shell = std::make_unique<ReaderShell>(platform.services(), view);
    view.shell = shell.get();
  }
  // A book of ten pages whose cover is page 0, with the presentation flags given.
  std::string book(std::string_view name, std::uint8_t borderless = 0, std::uint8_t hideBars = 0) {
    return folder
        .write(name, testing::bookBytes([&](TZEBset& set) {
                 for (int i = 0; i < 10; ++i) zebmake::addPage(set, "Page " + std::to_string(i), "<Z S0 >");
                 set.header().setI32(header::coverPage, 0);
                 set.header().setU8(borderlessFlagOffset, borderless);
                 set.header().setU8(hideBarsFlagOffset, hideBars);
               }))
        .string();
  }
  std::string entry(const std::string& path, int page) { return BrowsingHistory::entryFor(path, page); }
  void setOption(std::string_view name, std::string_view value) {
    platform.settings.writeString(settings::optionsKey, name, value);
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  FakeView view;
  std::unique_ptr<ReaderShell> shell;
};

TEST_F(Reader, StartsWithTheBookOfTheArgumentsAtThePageOfTheSwitch) {
  const std::string guide = book("guide.zeb");
  start();
  shell->windowShown({guide, "/page=7"});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  EXPECT_EQ(view.page, 7);
  EXPECT_EQ(view.caption, "guide.zeb - Brightfold - hypertext ebook reader");
  EXPECT_EQ(shell->recentFiles().entries(), std::vector<std::string>{guide});
  EXPECT_EQ(shell->history().entries(), (std::vector<std::string>{entry(guide, 0), entry(guide, 7)}));
  EXPECT_TRUE(shell->windowHasBeenShown());
  EXPECT_TRUE(platform.messages.shown().empty());
  EXPECT_EQ(platform.shell.recentDocuments, std::vector<std::filesystem::path>{guide});
}

TEST_F(Reader, ABadBookToStartWithIsSaidOnceAndTheStartGoesOnWithoutIt) {
  const std::string last = book("last.zeb");
  setOption("LastFile", last);
  std::filesystem::create_directory(folder.path() / "shelf");
  const std::string noise = folder.write("noise.zeb", std::string(4000, '\x9c')).string();
  const std::string gone = (folder.path() / "gone.zeb").string();
  const std::vector<std::pair<std::string, ShownMessage>> starts = {
      {gone, {MessageKind::warning, "File not found: " + gone}},
      {(folder.path() / "shelf").string(),
       {MessageKind::warning, (folder.path() / "shelf").string() + " is a folder, not an ebook"}},
      {noise, {MessageKind::information, "Unrecognized format."}},
      {"show " + gone + "|3", {MessageKind::warning, "File not found: " + gone}},
  };
  for (const auto& [argument, said] : starts) {
    platform.messages.clear();
    view.log.clear();
    start();
    if (argument.starts_with("show "))
      shell->macroReceived(argument);
    else
      shell->windowShown({argument});
    if (shell->targetPending()) shell->windowShown({});
    EXPECT_EQ(platform.messages.shown(), std::vector<ShownMessage>{said}) << argument;
    EXPECT_EQ(shell->mainZEBset().ZEBFileName(), last) << argument;
    // The splash goes before the box is shown.
    EXPECT_NE(std::find(view.log.begin(), view.log.end(), "closeSplash"), view.log.end()) << argument;
  }
}

TEST_F(Reader, AtStartBlankWinsOverTheLastBook) {
  setOption("LastFile", book("last.zeb"));
  setOption("AtStartBlank", "1");
  start();
  shell->windowShown({});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), "");
  EXPECT_EQ(view.caption, "Untitled - Brightfold - hypertext ebook reader");
  EXPECT_EQ(view.page, -1);
  EXPECT_TRUE(shell->history().entries().empty());
}

TEST_F(Reader, ASixthBookDropsTheOldestRecentEntryAndTheListIsSavedAtExit) {
  start();
  EXPECT_FALSE(view.separator);
  std::vector<std::string> books;
  for (int i = 1; i <= 6; ++i) {
    books.push_back(book("b" + std::to_string(i) + ".zeb"));
    shell->OpenEbook(books.back());
  }
  EXPECT_TRUE(view.separator);
  EXPECT_EQ(shell->recentFiles().entries(), (std::vector<std::string>(books.begin() + 1, books.end())));
  EXPECT_EQ(view.menuChanges.at(5), (RecentMenuChange{RecentMenuChange::Kind::remove, books[0]}));
  shell->OpenEbook(books[2]);
  EXPECT_EQ(view.menuChanges.back(), (RecentMenuChange{RecentMenuChange::Kind::moveToEnd, books[2]}));

  shell->saveSettings();
  EXPECT_EQ(platform.settings.readString(settings::optionsKey, "LastFile"), books[2]);
  EXPECT_EQ(platform.settings.readString(settings::recentFilesKey, "4"), books[2]);
  EXPECT_EQ(platform.settings.readString(settings::recentFilesKey, "0"), books[1]);
}

TEST_F(Reader, HistoryGoesBackAndInsertsAfterTheCurrentEntry) {
  const std::string guide = book("guide.zeb");
  start();
  shell->OpenEbook(guide);
  view.show(1);
  view.show(2);
  shell->previousClicked();
  shell->previousClicked();
  EXPECT_EQ(view.page, 0);
  view.show(5);
  EXPECT_EQ(shell->history().entries(),
            (std::vector<std::string>{entry(guide, 0), entry(guide, 5), entry(guide, 1), entry(guide, 2)}));
  EXPECT_EQ(shell->history().ItemIndex(), 1);
  // Choosing the current entry adds nothing.
  shell->historyChosen(1);
  EXPECT_EQ(shell->history().entries().size(), 4u);
  // Entries of several books stand side by side; choosing one of another book opens it.
  const std::string other = book("other.zeb");
  shell->OpenEbook(other);
  EXPECT_EQ(shell->history().entries().at(2), entry(other, 0));
  shell->historyChosen(3);
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  EXPECT_EQ(view.page, 1);
}

TEST_F(Reader, AMissingFileIsReportedAndTheOpenBookStays) {
  const std::string guide = book("guide.zeb");
  start();
  shell->OpenEbook(guide);
  view.log.clear();
  EXPECT_FALSE(shell->OpenEbook("/nowhere/gone.zeb"));
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::warning, "File not found: /nowhere/gone.zeb"}}));
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  EXPECT_EQ(view.log, std::vector<std::string>{"closeSplash"});
}

TEST_F(Reader, ADamagedBookLeavesTheRecentList) {
  const std::string damaged = folder.write("damaged.zeb", std::string(300, 'x')).string();
  const std::string guide = book("guide.zeb");
  platform.settings.writeString(settings::recentFilesKey, "0", damaged);
  platform.settings.writeString(settings::recentFilesKey, "1", guide);
  start();
  EXPECT_TRUE(view.separator);
  EXPECT_FALSE(shell->OpenEbook(damaged));
  EXPECT_EQ(shell->recentFiles().entries(), std::vector<std::string>{guide});
  using enum RecentMenuChange::Kind;
  EXPECT_EQ(view.menuChanges, (std::vector<RecentMenuChange>{{append, damaged}, {append, guide}, {remove, damaged}}));
  EXPECT_EQ(view.caption, "Untitled - Brightfold - hypertext ebook reader");
}

TEST_F(Reader, AMacroBeforeTheFirstShowingIsWhatTheWindowShows) {
  const std::string guide = book("guide.zeb");
  start();
  shell->macroReceived("show " + guide + "|3");
  EXPECT_TRUE(shell->targetPending());
  shell->windowShown({book("argument.zeb")});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  EXPECT_EQ(view.page, 3);
  EXPECT_EQ(view.log.front(), "closeSplash");
  EXPECT_FALSE(shell->targetPending());
  // The timer started by the macro finds nothing left to deliver.
  view.windowChanges.clear();
  platform.events.advance(switchDelayMilliseconds);
  EXPECT_TRUE(view.windowChanges.empty());
}

TEST_F(Reader, AMacroToARunningReaderIsShownByTheTimer) {
  const std::string guide = book("guide.zeb");
  const std::string other = book("other.zeb");
  start();
  shell->windowShown({guide});
  shell->macroReceived("OPEN " + other + "|2");
  shell->macroReceived("VISUALIZZA" + other);
  EXPECT_FALSE(shell->targetPending());
  shell->macroReceived("Visualizza " + other + "|2");
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  platform.events.advance(switchDelayMilliseconds - 1);
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  platform.events.advance(1);
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), other);
  EXPECT_EQ(view.page, 2);
  EXPECT_EQ(view.windowChanges, std::vector<std::vector<WindowChange>>{windowChangesForDelivery(true)});

  // A reader started again brings the window back, should a link have hid it.
  shell->macroReceived("Restore");
  EXPECT_EQ(view.windowChanges.back(), std::vector<WindowChange>{WindowChange::show});
  EXPECT_FALSE(shell->targetPending());
}

TEST_F(Reader, ABookAskingForAPresentationModeGetsItFromTheTimer) {
  start();
  shell->windowShown({book("kiosk.zeb", 1, 0)});
  EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "offScreen"), 1);
  EXPECT_TRUE(shell->switchPending());
  EXPECT_TRUE(view.windowChanges.empty());
  platform.events.advance(switchDelayMilliseconds);
  EXPECT_EQ(view.windowChanges, std::vector<std::vector<WindowChange>>{windowChangesForMode(1)});
  EXPECT_EQ(view.log.back(), "focus");
  EXPECT_FALSE(shell->switchPending());
  EXPECT_TRUE(shell->keepsMaximised());

  shell->resizeClicked();
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, "This function was disabled by the ebook author."}}));
  EXPECT_EQ(view.windowChanges.size(), 1u);

  // A book that asks for no mode brings the normal window back, and resizing it is its own.
  shell->OpenEbook(book("plain.zeb"));
  platform.events.advance(switchDelayMilliseconds);
  EXPECT_EQ(view.windowChanges.back(), windowChangesForMode(restoringMode));
  EXPECT_FALSE(shell->keepsMaximised());
}

TEST_F(Reader, AMacroArrivingDuringASwitchIsDeliveredAfterIt) {
  const std::string other = book("other.zeb");
  start();
  shell->windowShown({book("bars.zeb", 0, 1)});
  shell->macroReceived("SHOW " + other + "|4");
  platform.events.advance(switchDelayMilliseconds);
  EXPECT_EQ(view.windowChanges, std::vector<std::vector<WindowChange>>{windowChangesForMode(2)});
  EXPECT_TRUE(shell->targetPending());
  platform.events.advance(switchDelayMilliseconds);
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), other);
  EXPECT_EQ(view.page, 4);
}

TEST_F(Reader, ResizeRestoresTheNormalWindowAndGoesBack) {
  start();
  shell->windowShown({book("bars.zeb", 0, 1)});
  platform.events.advance(switchDelayMilliseconds);
  shell->resizeClicked();
  EXPECT_TRUE(view.resizeChecked);
  EXPECT_EQ(view.windowChanges.back(), windowChangesForMode(4));
  shell->resizeClicked();
  EXPECT_FALSE(view.resizeChecked);
  EXPECT_EQ(view.windowChanges.back(), windowChangesForMode(2));
}

TEST_F(Reader, ADroppedBookInCapitalsOpens) {
  const std::string upper = book("GUIDE.ZEB");
  start();
  shell->filesDropped({folder.path() / "notes.txt"});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), "");
  shell->filesDropped({upper});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), upper);
}

// View > Text encoding: the choice holds for the book (its path and size) each time it is
// opened, and for no other book; a book in a double-byte language is read as 1252 and says so.
TEST_F(Reader, AChosenTextEncodingIsRememberedForItsBook) {
  const std::string first = book("first.zeb");
  const std::string second = book("second.zeb");
  start();
  shell->OpenEbook(first);
  shell->setTextEncoding(codePage::greek);
  EXPECT_EQ(shell->mainZEBset().codePage(), codePage::greek);
  EXPECT_EQ(view.log.back(), "textEncodingChanged");
  shell->OpenEbook(second);
  EXPECT_EQ(shell->mainZEBset().codePage(), codePage::windows1252);
  shell->OpenEbook(first);
  EXPECT_EQ(shell->textEncoding(), codePage::greek);
  shell->setTextEncoding(codePage::automatic);
  shell->OpenEbook(first);
  EXPECT_EQ(shell->textEncoding(), codePage::automatic);
  EXPECT_TRUE(view.notes.empty());

  const std::string japanese = folder
                                   .write("japanese.zeb", testing::bookBytes([](TZEBset& set) {
                                            zebmake::addPage(set, "p", "<Z S0 >");
                                            set.header().setI16(header::defaultLanguage, 1041);
                                          }))
                                   .string();
  shell->OpenEbook(japanese);
  EXPECT_EQ(shell->mainZEBset().codePage(), codePage::windows1252);
  ASSERT_EQ(view.notes.size(), 1u);
  EXPECT_NE(view.notes[0].find("932"), std::string::npos);
  shell->setTextEncoding(codePage::cyrillic);
  shell->OpenEbook(japanese);
  EXPECT_EQ(view.notes.size(), 1u);  // a chosen code page needs no note
}

TEST_F(Reader, TheImageCacheSizeComesFromTheSettingsWhenItIsANumber) {
  setOption("maxCacheImg", "7");
  start();
  EXPECT_EQ(shell->mainZEBset().MaxCacheImg(), 7);
  setOption("maxCacheImg", "seven");
  start();
  EXPECT_EQ(shell->mainZEBset().MaxCacheImg(), 20);
}

// A book reopens where it was left, however it is opened, unless a page or the cover is
// asked for; the zoom it was left at holds either way.
TEST_F(Reader, ABookReopensAtThePageScrollAndZoomItWasLeftAt) {
  const std::string guide = book("guide.zeb");
  const std::string other = book("other.zeb");
  start();
  shell->OpenEbook(guide);
  view.show(6);
  view.scroll = 340;
  view.zoom = 150;
  shell->OpenEbook(other);
  EXPECT_EQ(view.page, 0);
  view.zoom = 100;
  shell->OpenEbook(guide);
  EXPECT_EQ(view.page, 6);
  EXPECT_EQ(view.scroll, 340);
  EXPECT_EQ(view.zoom, 150);
  shell->GoToTarget("nexo://" + other + "|");
  EXPECT_EQ(view.page, 0);
  shell->GoToTarget("nexo://" + guide + "|2");
  EXPECT_EQ(view.page, 2);
  view.scroll = 90;

  // The next start: the last book where it was left, or the page of the switch.
  shell->saveSettings();
  start();
  shell->windowShown({});
  EXPECT_EQ(shell->mainZEBset().ZEBFileName(), guide);
  EXPECT_EQ(std::make_pair(view.page, view.scroll), std::make_pair(2, 90));
  start();
  shell->windowShown({guide, "/page=8"});
  EXPECT_EQ(view.page, 8);
  EXPECT_EQ(shell->history().entries().front(), entry(guide, 0));
}

TEST_F(Reader, ABookmarkIsNamedAfterItsPageAndShowsItAgain) {
  const std::string guide = book("guide.zeb");
  start();
  EXPECT_EQ(shell->addBookmark(), std::nullopt);
  shell->OpenEbook(guide);
  view.show(4);
  view.scroll = 75;
  EXPECT_EQ(shell->addBookmark(), (Bookmark{4, 75, "Page 4"}));
  view.show(1);
  shell->goToBookmark(0);
  EXPECT_EQ(std::make_pair(view.page, view.scroll), std::make_pair(4, 75));
  shell->OpenEbook(book("other.zeb"));
  EXPECT_TRUE(shell->bookmarks().entries().empty());
  shell->OpenEbook(guide);
  EXPECT_EQ(shell->bookmarks().entries(), (std::vector<Bookmark>{{4, 75, "Page 4"}}));
}

// F11 and Escape: full screen on and off; in a book's presentation mode F11 is one more way
// back to the normal window, not full screen over it.
TEST_F(Reader, FullScreenEndsWithF11OrEscapeAndF11LeavesABooksMode) {
  start();
  shell->windowShown({book("plain.zeb")});
  EXPECT_FALSE(shell->escapePressed());
  shell->fullScreenPressed();
  EXPECT_TRUE(shell->fullScreen());
  shell->fullScreenPressed();
  shell->fullScreenPressed();
  EXPECT_TRUE(shell->escapePressed());
  EXPECT_FALSE(shell->fullScreen());
  EXPECT_EQ(view.fullScreen, (std::vector<bool>{true, false, true, false}));

  // A book that asks for a mode frames the normal window.
  shell->fullScreenPressed();
  shell->OpenEbook(book("kiosk.zeb", 0, 1));
  EXPECT_FALSE(shell->fullScreen());
  platform.events.advance(switchDelayMilliseconds);
  view.fullScreen.clear();
  shell->fullScreenPressed();
  EXPECT_EQ(view.windowChanges.back(), windowChangesForMode(restoringMode));
  EXPECT_TRUE(view.resizeChecked);
  EXPECT_FALSE(shell->fullScreen());
  EXPECT_TRUE(view.fullScreen.empty());
}

}  // namespace
}  // namespace zeb::shell
