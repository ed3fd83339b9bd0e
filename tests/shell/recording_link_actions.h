// A window that writes down what the link dispatch asks of it, one line per operation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/book_object.h"
#include "shell/link_actions.h"

namespace zeb::shell {

class RecordingLinkActions final : public LinkActions {
 public:
  void setViewEnabled(bool enabled) override {
    viewEnabled = enabled;
    log.push_back(enabled ? "enable" : "disable");
  }
  void OpenEbook(const std::string& path) override { record("OpenEbook " + path); }
  void GoToTarget(std::string_view target) override { record("GoToTarget " + std::string(target)); }
  void showPage(std::int32_t page, bool inClickedFrameSet) override {
    record("showPage " + std::to_string(page) + (inClickedFrameSet ? " in clicked frame set" : ""));
  }
  void GoToAnchor(std::int32_t anchor) override { record("GoToAnchor " + std::to_string(anchor)); }
  void ShowInFrameOf(TZEBoggetto& target, std::int32_t anchor, int flag) override {
    record("ShowInFrameOf " + named(target, anchor, flag));
  }
  void ShowInWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag) override {
    record("ShowInWindow " + std::string(name) + " " + named(target, anchor, flag));
  }
  void showInNamedWindow(std::string_view name, TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description) override {
    record("showInNamedWindow " + std::string(name) + " " + named(target, anchor, flag));
    lastDescription = description;
  }
  void showInNewWindow(TZEBoggetto& target, std::int32_t anchor, int flag) override {
    record("showInNewWindow " + named(target, anchor, flag));
  }
  void showInPopupWindow(TZEBoggetto& target, std::int32_t anchor, int flag,
                         const std::optional<WindowDescription>& description, ScreenPoint click) override {
    record("showInPopupWindow " + named(target, anchor, flag) + " at " + std::to_string(click.x) + "," +
           std::to_string(click.y));
    lastDescription = description;
  }
  void closeWindow(std::string_view name) override { record("closeWindow " + std::string(name)); }
  void hideMainWindow() override { record("hideMainWindow"); }
  void closeThisWindow() override { record("closeThisWindow"); }
  void keywordSearch() override { record("keywordSearch"); }
  void runFileLink(TZEBoggetto& file) override { record("runFileLink " + file.FileName()); }
  void handToMainWindow(const LinkRequest& request) override {
    record("handToMainWindow " + (request.link != nullptr ? request.link->Name() : std::string("none")));
  }

  // Raised by the next operation, as a window's own error would be.
  std::function<void()> failNext;
  std::vector<std::string> log;
  bool viewEnabled = true;
  std::optional<WindowDescription> lastDescription;

  // What happened between disabling and enabling the view.
  std::vector<std::string> operations() const {
    std::vector<std::string> done;
    for (const std::string& line : log)
      if (line != "enable" && line != "disable") done.push_back(line);
    return done;
  }

 private:
  void record(std::string line) {
    // The view must be disabled while a link is handled.
    log.push_back(viewEnabled ? "(enabled) " + line : std::move(line));
    if (failNext) std::exchange(failNext, nullptr)();
  }
  static std::string named(TZEBoggetto& target, std::int32_t anchor, int flag) {
    return target.Name() + " anchor " + std::to_string(anchor) + " flag " + std::to_string(flag);
  }
};

}  // namespace zeb::shell
