// The reader's main window without its widgets (TMainForm's logic): opening books, going to
// targets, the history and the recent-file list, the start-up sequence, inter-process
// macros and presentation modes. The window forwards its events here and applies what the
// shell asks of it through ReaderView.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "platform/platform_services.h"
#include "shell/bookmarks.h"
#include "shell/browsing_history.h"
#include "shell/load_messages.h"
#include "shell/presentation_modes.h"
#include "shell/recent_files.h"

namespace zeb {
class Timer;
}

namespace zeb::shell {

class ReaderView;

// Timer1: presentation switches and pending targets run this long after they are asked for,
// outside the callbacks that asked.
inline constexpr int switchDelayMilliseconds = 400;

class ReaderShell {
 public:
  // The creation of the window: "maxCacheImg" is read, and the recent-file list, whose
  // entries reach the view as menu items appended.
  ReaderShell(const PlatformServices& services, ReaderView& view);
  ~ReaderShell();
  ReaderShell(const ReaderShell&) = delete;
  ReaderShell& operator=(const ReaderShell&) = delete;

  TZEBset& mainZEBset() { return mainZEBset_; }

  // --- Operations of the window.
  // Opens the book and shows its cover, or the page, scroll position and zoom it was left
  // at when it was read before; a missing file only says "File not found: ", a folder that
  // it is one. The book is read aside first: one that cannot be read leaves the open book,
  // its page and the history as they were, and false is returned. The book left is
  // remembered where it was left.
  bool OpenEbook(const std::string& path);
  void NewBlank();
  // Shows a "nexo:" target (Windows-1252), opening another book when it names one. False
  // when nothing was shown: no target, a missing book, or one that cannot be read. A page
  // or the cover the target names wins over the place a book was left at.
  bool GoToTarget(std::string_view target);
  // The caption for a file name (UTF-8).
  void SetCaption(std::string_view name);
  void AddRecent(const std::string& path);
  void RemoveRecent(const std::string& path);
  void GoHistory(int index);
  // View > Text encoding: the code page the open book is read in from now on (and each time
  // it is opened again), codePage::automatic for its own languages; every window shows its
  // pages again.
  void setTextEncoding(std::uint16_t codePage);
  std::uint16_t textEncoding() const { return mainZEBset_.codePageOverride(); }

  // --- Reading comfort.
  // F11: the page alone on the whole screen, and back; in a presentation mode a book asked
  // for, the way back to the normal window, as Escape.
  void fullScreenPressed();
  bool fullScreen() const { return fullScreen_; }
  // Remembers where the open book is left (its page, scroll position and zoom); nothing
  // while no page is shown. The window calls it before it closes its view.
  void rememberPosition();
  // Ebook > Add bookmark: the page shown and its scroll position, named after the page's
  // title. The bookmark added; none when no page is shown.
  std::optional<Bookmark> addBookmark();
  const BookmarkList& bookmarks() const { return bookmarks_; }
  // Shows the bookmark's page at its scroll position.
  void goToBookmark(std::size_t index);
  // The bookmark window's edits: the list as the user left it.
  void setBookmarks(std::vector<Bookmark> bookmarks);

  // --- Events the window forwards.
  // The first showing of the window (FormShow): a pending inter-process target, else the
  // book of the arguments (program arguments without the program's name), else the last
  // book or nothing.
  void windowShown(const std::vector<std::string>& arguments);
  void EditorPageChanged();
  // A choice in the history combo box, or Enter on it.
  void historyChosen(int index);
  void previousClicked() { GoHistory(history_.ItemIndex() - 1); }
  void nextClicked() { GoHistory(history_.ItemIndex() + 1); }
  // An inter-process macro (Windows-1252): the target it asks for is shown by Timer1; a
  // reader started again brings back the window at once.
  void macroReceived(const std::string& macro);
  void filesDropped(const std::vector<std::filesystem::path>& files);
  void resizeClicked();
  // Escape: the window leaves full screen, or else the presentation mode it is framed in;
  // false when it is in neither (the key is left to others then).
  bool escapePressed();
  // The window's destruction: "LastFile", the recent-file list and where the book was left
  // are written.
  void saveSettings();

  // --- State.
  const RecentFiles& recentFiles() const { return recent_; }
  const BrowsingHistory& history() const { return history_; }
  const PresentationModes& presentation() const { return presentation_; }
  // The window is maximised again after every resize.
  bool keepsMaximised() const { return presentation_.keepsMaximised(); }
  // A presentation switch is pending (Timer1's Tag above 0): showing and closing do nothing.
  bool switchPending() const { return timerTag_ > 0; }
  bool windowHasBeenShown() const { return shown_; }
  bool targetPending() const { return pending_; }

 private:
  // The start without a book of the arguments: the last book, unless the user starts
  // blank or it cannot be opened, else an empty one.
  void startWithoutBook();
  // OpenEbook; at the place the book was left at, or at its cover.
  bool openBook(const std::string& path, bool atLastPosition);
  void leaveFullScreen();
  // "File not found: " or that the path is a folder.
  void sayNoBookAt(const std::string& path);
  void startTimer();
  void timerTick();
  void applyMode(int mode);
  bool deliverPendingTarget();
  void recentChanged(const std::vector<RecentMenuChange>& changes);

  PlatformServices services_;
  ReaderView& view_;
  // Books are read with these boxes (loadServices_); the splash goes before any of them.
  LoadMessages loadMessages_;
  PlatformServices loadServices_;
  TZEBset mainZEBset_;
  RecentFiles recent_;
  BrowsingHistory history_;
  PresentationModes presentation_;
  std::unique_ptr<Timer> timer1_;
  int timerTag_ = 0;
  std::string pendingTarget_;
  bool pending_ = false;
  bool shown_ = false;
  bool fullScreen_ = false;
  // The open book's settings name as it was when it was opened (bookSettingName).
  std::string bookName_;
  BookmarkList bookmarks_;
};

}  // namespace zeb::shell
