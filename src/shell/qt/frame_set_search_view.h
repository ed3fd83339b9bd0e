// The page view the searches act on: the main window's frame set, with the status bar and
// the "show frames" toggle reached through the callbacks the main window hands over.
#pragma once

#include <functional>
#include <string_view>

#include "shell/word_search.h"

namespace zeb {

class TInsiemeCornici;

struct SearchViewHooks {
  // The status bar back to its panels, or one text across it.
  std::function<void()> showStatusPanels;
  std::function<void(std::string_view)> showStatusText;
  // The toolbar's "show frames" toggle raised and its handler run. Without it, the frame
  // set's ShowNested is switched off directly.
  std::function<void()> switchShowFramesOff;
};

class FrameSetSearchView final : public SearchView {
 public:
  FrameSetSearchView(TInsiemeCornici& frames, const SearchViewHooks& hooks) : frames_(frames), hooks_(hooks) {}

  std::int32_t MainPageNumber() const override;
  void showPage(std::int32_t page) override;
  bool FindInMainBox(std::string_view text) override;
  bool FindInCurrentBox(std::string_view text) override;
  bool FindFromSelection(std::string_view text) override;
  bool caretAtTextStart() const override;
  void switchShowFramesOff() override;
  void showStatusPanels() override;
  void showStatusText(std::string_view text) override;

 private:
  TInsiemeCornici& frames_;
  const SearchViewHooks& hooks_;
};

}  // namespace zeb
