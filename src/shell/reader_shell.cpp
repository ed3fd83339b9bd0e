// The main window's logic.
#include "shell/reader_shell.h"

#include <system_error>

#include "platform/desktop_shell.h"
#include "platform/environment.h"
#include "platform/event_queue.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/go_to_page.h"
#include "shell/go_to_target.h"
#include "shell/ipc_macro.h"
#include "shell/last_positions.h"
#include "shell/messages.h"
#include "shell/program_start.h"
#include "shell/reader_view.h"
#include "shell/settings_keys.h"
#include "shell/start_request.h"
#include "shell/text_encoding.h"
#include "shell/window_caption.h"

namespace zeb::shell {
namespace {

// The form in which the container names a book it opened, and the recent-file list keeps it.
std::string absoluteNormal(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

// The book a "nexo:" target names, as it is written there (UTF-8); empty for none.
std::string bookNamedBy(std::string_view target) {
  for (const std::string_view scheme : {std::string_view("nexo://"), std::string_view("nexo:")}) {
    if (!target.starts_with(scheme)) continue;
    target.remove_prefix(scheme.size());
    return windows1252ToUtf8(target.substr(0, target.find('|')));
  }
  return {};
}

}  // namespace

ReaderShell::ReaderShell(const PlatformServices& services, ReaderView& view)
    : services_(services),
      view_(view),
      loadMessages_(*services.messages, [this] { view_.closeSplash(); }),
      loadServices_(services),
      mainZEBset_(services),
      timer1_(services.events->createTimer()) {
  loadServices_.messages = &loadMessages_;
  history_.OnChanged = [this] { view_.historyChanged(history_); };
  recent_.load(*services_.settings);
  std::vector<RecentMenuChange> items;
  for (const std::string& path : recent_.entries()) items.push_back({RecentMenuChange::Kind::append, path});
  recentChanged(items);
  if (const auto cache = readStartSettings(*services_.settings).maxCachedImages) mainZEBset_.setMaxCacheImg(*cache);
}

ReaderShell::~ReaderShell() = default;

void ReaderShell::sayNoBookAt(const std::string& path) {
  view_.closeSplash();
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    services_.messages->warning(utf8ToWindows1252(path) + std::string(messages::isAFolder));
  else
    services_.messages->warning(std::string(messages::fileNotFound) + utf8ToWindows1252(path));
}

bool ReaderShell::OpenEbook(const std::string& path) { return openBook(path, true); }

bool ReaderShell::openBook(const std::string& path, bool atLastPosition) {
  if (!fileExists(path)) {
    sayNoBookAt(path);
    return false;
  }
  // Read aside: until the book has been read, the open one stays on the screen with its
  // page and history, and separate windows showing it are not disturbed.
  loadMessages_.startLoad();
  TZEBset aside(loadServices_);
  if (!aside.Load(path)) {
    RemoveRecent(path);
    if (mainZEBset_.ZEBFileName().empty()) SetCaption(windows1252ToUtf8(messages::untitled));
    return false;
  }
  rememberPosition();
  view_.clearView();
  mainZEBset_.setCodePageOverride(rememberedCodePage(*services_.settings, path));
  mainZEBset_.takeBookFrom(aside);
  const std::string& opened = mainZEBset_.ZEBFileName();
  bookName_ = bookSettingName(opened).value_or(std::string());
  bookmarks_ = BookmarkList(*services_.settings, bookName_);
  const std::optional<ReadingPosition> left = recallPosition(*services_.settings, opened);
  view_.enableBookCommands();
  SetCaption(mainZEBset_.ZEBFileName());
  AddRecent(mainZEBset_.ZEBFileName());
  services_.shell->addRecentDocument(mainZEBset_.ZEBFileName());
  view_.setReadOnly(true);
  // The zoom a book was left at holds wherever it opens; a book read for the first time
  // opens at the default zoom.
  view_.applyZoom(left ? left->zoomPercent : defaultZoomPercent(*services_.settings));
  if (atLastPosition && left && pageTitle(mainZEBset_, left->page)) {
    view_.setMainPageNumber(left->page);
    view_.setScrollPosition(left->scroll);
  } else {
    view_.showCover();
  }
  view_.resetReaderUI();
  view_.bookOpened();
  view_.focusCurrentBox();
  if (const auto note = doubleByteNote(mainZEBset_)) view_.showStatusNote(*note);

  const PresentationModes::Opened framing = presentation_.bookOpened(mainZEBset_.header());
  if (framing.moveOffScreen) view_.moveOffScreen();
  view_.setResizeChecked(presentation_.resizeChecked());
  if (framing.switchTo > 0) {
    // The book's mode frames the window from the normal one.
    leaveFullScreen();
    timerTag_ = framing.switchTo;
    startTimer();
  }
  return true;
}

void ReaderShell::NewBlank() {
  rememberPosition();
  bookName_.clear();
  bookmarks_ = BookmarkList();
  SetCaption(windows1252ToUtf8(messages::untitled));
  view_.clearView();
  mainZEBset_.New();
  view_.setMainPageNumber(-1);
  view_.resetReaderUI();
}

bool ReaderShell::GoToTarget(std::string_view target) {
  const auto plan = planGoToTarget(mainZEBset_, target);
  if (!plan) return false;
  if (plan->book == TargetPlan::Book::open) {
    // A book that cannot be read keeps the page of the open one.
    if (!openBook(plan->path, plan->page == TargetPlan::Page::none)) return false;
  } else if (plan->book == TargetPlan::Book::blank) {
    NewBlank();
  }
  if (plan->page == TargetPlan::Page::show)
    view_.setMainPageNumber(plan->number);
  else if (plan->page == TargetPlan::Page::cover)
    view_.showCover();
  return true;
}

void ReaderShell::setTextEncoding(std::uint16_t codePage) {
  if (!mainZEBset_.ZEBFileName().empty()) rememberCodePage(*services_.settings, mainZEBset_.ZEBFileName(), codePage);
  mainZEBset_.setCodePageOverride(codePage);
  view_.textEncodingChanged();
}

void ReaderShell::SetCaption(std::string_view name) { view_.setCaption(windowCaption(name)); }

void ReaderShell::AddRecent(const std::string& path) { recentChanged(recent_.add(path)); }

void ReaderShell::RemoveRecent(const std::string& path) {
  auto removed = recent_.remove(absoluteNormal(path));
  if (!removed) removed = recent_.remove(path);
  if (removed) recentChanged({*removed});
}

void ReaderShell::recentChanged(const std::vector<RecentMenuChange>& changes) {
  view_.recentFilesChanged(changes, recent_.separatorVisible());
}

void ReaderShell::GoHistory(int index) {
  history_.go(index, [this](const std::string& target) { GoToTarget(target); });
}

void ReaderShell::historyChosen(int index) {
  history_.choose(index, [this](const std::string& target) { GoToTarget(target); });
}

void ReaderShell::EditorPageChanged() {
  view_.pageShown();
  history_.pageChanged(utf8ToWindows1252(mainZEBset_.ZEBFileName()), view_.mainPageNumber(),
                       view_.showingTemporaryFrameSet(), [this](const std::string& target) { GoToTarget(target); });
}

void ReaderShell::windowShown(const std::vector<std::string>& arguments) {
  if (shown_ || switchPending()) return;
  // Every way through ends with a book or an empty one shown in the reader's menus.
  if (pending_) {
    view_.closeSplash();
    const std::string target = pendingTarget_;
    if (!deliverPendingTarget()) {
      const std::string named = bookNamedBy(target);
      if (!named.empty() && !fileExists(named)) sayNoBookAt(named);
      startWithoutBook();
    }
    view_.applyWindowChanges(
        {WindowChange::bringApplicationToFront, WindowChange::bringToFront, WindowChange::maximiseIfMinimised});
  } else {
    const StartPlan plan =
        planStart(arguments, services_.environment->programFolder(), readStartSettings(*services_.settings));
    if (plan.kind != StartPlan::Kind::openFile) {
      startWithoutBook();
    } else if (!openBook(plan.file, !plan.pageTarget)) {
      // What could not be opened was said; the reader goes on as if it had not been named.
      startWithoutBook();
    } else if (plan.pageTarget) {
      GoToTarget(*plan.pageTarget);
    }
  }
  shown_ = true;
}

void ReaderShell::startWithoutBook() {
  const StartPlan plan = planStart({}, services_.environment->programFolder(), readStartSettings(*services_.settings));
  mainZEBset_.New();
  if (plan.kind == StartPlan::Kind::openLastFile && OpenEbook(plan.file)) return;
  NewBlank();
}

void ReaderShell::macroReceived(const std::string& macro) {
  if (asksToComeBack(macro)) {
    view_.applyWindowChanges({WindowChange::show});
    return;
  }
  const auto target = targetOfMacro(macro);
  if (!target) return;
  pendingTarget_ = *target;
  pending_ = true;
  startTimer();
}

bool ReaderShell::deliverPendingTarget() {
  pending_ = false;
  return GoToTarget(pendingTarget_);
}

void ReaderShell::filesDropped(const std::vector<std::filesystem::path>& files) {
  if (const auto book = droppedBook(files)) OpenEbook(book->string());
}

void ReaderShell::resizeClicked() {
  const PresentationModes::Resize resize = presentation_.resizeClicked();
  if (resize.disabled) {
    services_.messages->information(messages::disabledByAuthor);
    return;
  }
  leaveFullScreen();
  applyMode(resize.modeToApply);
  view_.setResizeChecked(presentation_.resizeChecked());
}

bool ReaderShell::escapePressed() {
  if (fullScreen_) {
    leaveFullScreen();
    return true;
  }
  const int mode = presentation_.escapePressed();
  if (mode == 0) return false;
  // A switch still due to the mode being left is not made any more.
  applyMode(mode);
  view_.setResizeChecked(presentation_.resizeChecked());
  return true;
}

void ReaderShell::fullScreenPressed() {
  if (presentation_.framed()) {
    escapePressed();
    return;
  }
  fullScreen_ = !fullScreen_;
  view_.setFullScreen(fullScreen_);
  view_.focusCurrentBox();
}

void ReaderShell::leaveFullScreen() {
  if (!fullScreen_) return;
  fullScreen_ = false;
  view_.setFullScreen(false);
}

void ReaderShell::rememberPosition() {
  const std::int32_t page = view_.mainPageNumber();
  if (bookName_.empty() || page < 0) return;
  shell::rememberPosition(*services_.settings, bookName_, mainZEBset_.ZEBFileName(),
                          {page, view_.scrollPosition(), view_.zoomPercent()});
}

std::optional<Bookmark> ReaderShell::addBookmark() {
  const std::int32_t page = view_.mainPageNumber();
  if (bookName_.empty() || page < 0) return std::nullopt;
  std::string name = pageTitle(mainZEBset_, page).value_or(std::string());
  if (name.find_first_not_of(' ') == std::string::npos)
    name = windows1252ToUtf8(messages::pageNumbered) + std::to_string(page);
  const Bookmark bookmark{page, view_.scrollPosition(), name};
  bookmarks_.add(bookmark);
  bookmarks_.save(*services_.settings);
  return bookmark;
}

void ReaderShell::goToBookmark(std::size_t index) {
  if (index >= bookmarks_.entries().size()) return;
  const Bookmark bookmark = bookmarks_.entries()[index];
  if (!pageTitle(mainZEBset_, bookmark.page)) return;
  view_.setMainPageNumber(bookmark.page);
  view_.setScrollPosition(bookmark.scroll);
  view_.focusCurrentBox();
}

void ReaderShell::setBookmarks(std::vector<Bookmark> bookmarks) {
  bookmarks_.assign(std::move(bookmarks));
  bookmarks_.save(*services_.settings);
}

void ReaderShell::saveSettings() {
  rememberPosition();
  services_.settings->writeString(settings::optionsKey, settings::lastFile, recent_.lastFile());
  recent_.save(*services_.settings);
}

void ReaderShell::startTimer() {
  timer1_->start(switchDelayMilliseconds, TimerMode::singleShot, [this] { timerTick(); });
}

void ReaderShell::timerTick() {
  if (timerTag_ > 0) {
    applyMode(timerTag_);
    // A target that arrived meanwhile is delivered on the next tick.
    if (pending_) startTimer();
    return;
  }
  if (!pending_) return;
  if (!shown_) {
    // Showing the window runs its first showing, which delivers the target.
    view_.applyWindowChanges(windowChangesForDelivery(false));
    return;
  }
  deliverPendingTarget();
  view_.applyWindowChanges(windowChangesForDelivery(true));
}

void ReaderShell::applyMode(int mode) {
  const std::vector<WindowChange> changes = windowChangesForMode(mode);
  timerTag_ = 0;
  if (changes.empty()) return;
  view_.applyWindowChanges(changes);
  view_.focusCurrentBox();
}

}  // namespace zeb::shell
