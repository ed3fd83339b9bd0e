// Finding and making separate windows.
#include "shell/separate_windows.h"

#include <algorithm>

#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {
namespace {

bool madeWithoutName(std::string_view name) {
  return name == messages::newWindowName || name == messages::popupWindowName;
}

// Runs the work on the window; a window that fails counts as not having done it.
template <typename Work>
bool ignoringErrors(Work&& work) {
  try {
    return work();
  } catch (...) {
    return false;
  }
}

}  // namespace

void SeparateWindows::remove(const SeparateWindow& window) { std::erase(windows_, &window); }

SeparateWindow* SeparateWindows::find(std::string_view name, bool madeWithoutNameToo) const {
  for (SeparateWindow* window : windows_) {
    const bool found = ignoringErrors([&] {
      const std::string own = window->windowName();
      return (madeWithoutNameToo || !madeWithoutName(own)) && equalsIgnoringCase(own, name);
    });
    if (found) return window;
  }
  return nullptr;
}

SeparateWindow* SeparateWindows::findByName(std::string_view name) const {
  return madeWithoutName(name) ? nullptr : find(name, false);
}

SeparateWindow& SeparateWindows::make() {
  SeparateWindow& window = create_();
  windows_.push_back(&window);
  return window;
}

void SeparateWindows::ShowInWindow(const std::function<bool()>& showInMainFrame, std::string_view name,
                                   TZEBoggetto& target, std::int32_t anchor, int flag) {
  if (showInMainFrame && showInMainFrame()) return;
  // A window may close while it is asked; the list is walked over a copy.
  const std::vector<SeparateWindow*> windows = windows_;
  for (SeparateWindow* window : windows)
    if (ignoringErrors([&] { return window->showInFrameNamed(name, target, anchor, flag); })) return;
  SeparateWindow& window = make();
  window.Prepare(name, std::nullopt);
  window.showTarget(target, anchor, WindowKind::named, flag);
}

void SeparateWindows::showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                                        const std::optional<WindowDescription>& description) {
  SeparateWindow* window = findByName(name);
  if (window == nullptr) window = &make();
  window->Prepare(name, description);
  window->showTarget(target, anchor, WindowKind::named, flag);
}

void SeparateWindows::showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) {
  SeparateWindow& window = make();
  window.Prepare(messages::newWindowName, std::nullopt);
  window.showTarget(target, anchor, WindowKind::plain, flag);
}

void SeparateWindows::showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                                        const std::optional<WindowDescription>& description, ScreenPoint click) {
  SeparateWindow& window = make();
  window.Prepare(messages::popupWindowName, description);
  window.placeAsPopup(click);
  window.showTarget(target, anchor, WindowKind::popup, flag);
}

bool SeparateWindows::closeWindowNamed(std::string_view name) {
  SeparateWindow* window = find(name, true);
  if (window == nullptr) return false;
  window->requestClose();
  return true;
}

void SeparateWindows::beforeMainReset() {
  for (SeparateWindow* window : windows_)
    ignoringErrors([&] {
      window->beforeMainReset();
      return true;
    });
}

void SeparateWindows::textEncodingChanged() {
  for (SeparateWindow* window : windows_)
    ignoringErrors([&] {
      window->textEncodingChanged();
      return true;
    });
}

void SeparateWindows::afterMainReset() {
  for (SeparateWindow* window : windows_)
    ignoringErrors([&] {
      window->afterMainReset();
      return true;
    });
}

}  // namespace zeb::shell
