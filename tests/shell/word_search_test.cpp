// The word page's decisions against a recording page view: the search-in-page button's cycle
// and where each search starts, the e-book search's hit with and without frames and its end,
// a chosen result, term moves, and the options kept under "finds".
#include "shell/word_search.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "document/search_text.h"
#include "platform/headless/memory_settings_store.h"
#include "shell/find_options.h"

namespace zeb {
namespace {

// Records every call as one line; the finds answer from the sets of terms they know.
class RecordingView final : public SearchView {
 public:
  std::vector<std::string> calls;
  std::set<std::string> inMainBox, inCurrentBox, fromSelection;
  bool atStart = false;
  std::int32_t shown = -1;

  std::int32_t MainPageNumber() const override { return shown; }
  void showPage(std::int32_t page) override {
    shown = page;
    calls.push_back("show " + std::to_string(page));
  }
  bool FindInMainBox(std::string_view text) override { return find("main", inMainBox, text); }
  bool FindInCurrentBox(std::string_view text) override { return find("current", inCurrentBox, text); }
  bool FindFromSelection(std::string_view text) override { return find("selection", fromSelection, text); }
  bool caretAtTextStart() const override { return atStart; }
  void switchShowFramesOff() override { calls.push_back("frames off"); }
  void showStatusPanels() override { calls.push_back("panels"); }
  void showStatusText(std::string_view text) override { calls.push_back("status " + std::string(text)); }

 private:
  bool find(const char* how, const std::set<std::string>& known, std::string_view text) {
    calls.push_back(std::string(how) + " " + std::string(text));
    return known.contains(std::string(text));
  }
};

using Calls = std::vector<std::string>;

TEST(WordSearch, TheButtonCyclesAndASearchAfterAMissStartsAtTheTop) {
  RecordingView view;
  WordSearch words;
  EXPECT_EQ(words.buttonCaption(), "&Search in page  F3");

  view.fromSelection = {"one"};
  EXPECT_TRUE(words.searchInPage(view, "one"));
  EXPECT_EQ(words.buttonCaption(), "&Continue in page  F3");

  view.fromSelection.clear();
  EXPECT_FALSE(words.searchInPage(view, "one"));
  EXPECT_EQ(words.buttonCaption(), "Page search complete");
  // Leaving and entering the dialog readies the button but keeps the restart.
  words.activationChanged();
  EXPECT_EQ(words.buttonCaption(), "&Search in page  F3");
  view.inCurrentBox = {"one"};
  EXPECT_TRUE(words.searchInPage(view, "one"));
  view.fromSelection = {"two"};
  EXPECT_TRUE(words.searchInPage(view, "two"));
  EXPECT_EQ(view.calls, (Calls{"panels", "selection one", "panels", "selection one", "status Page search complete",
                               "panels", "current one", "panels", "selection two"}));
}

TEST(WordSearch, APageJustShownIsSearchedFromItsFirstCharacter) {
  RecordingView view;
  WordSearch words;
  view.atStart = true;
  view.inCurrentBox = {"one"};
  EXPECT_TRUE(words.searchInPage(view, "one"));

  // A miss, then a page change: the next search goes from the caret again.
  view.atStart = false;
  EXPECT_FALSE(words.searchInPage(view, "zzz"));
  words.pageChanged();
  EXPECT_EQ(words.buttonCaption(), "&Search in page  F3");
  words.searchInPage(view, "zzz");
  EXPECT_EQ(view.calls, (Calls{"panels", "current one", "panels", "selection zzz", "status Page search complete",
                               "panels", "selection zzz", "status Page search complete"}));
}

TEST(WordSearch, TheBookSearchShowsItsPageAndSwitchesFramesOffOnlyWhenTheMainBoxLacksTheTerm) {
  RecordingView view;
  WordSearch words;
  view.inMainBox = {"alpha"};
  words.showBookHit(view, 4, "alpha");
  EXPECT_EQ(view.calls, (Calls{"show 4", "main alpha"}));

  view.calls.clear();
  view.fromSelection = {"gamma"};
  words.searchInPage(view, "gamma");
  EXPECT_EQ(words.buttonCaption(), "&Continue in page  F3");
  words.showBookHit(view, 7, "gamma");
  EXPECT_EQ(words.buttonCaption(), "&Search in page  F3");
  EXPECT_EQ(view.calls, (Calls{"panels", "selection gamma", "show 7", "main gamma", "frames off", "current gamma"}));

  view.calls.clear();
  words.showBookEnd(view);
  EXPECT_EQ(view.calls, (Calls{"show 0", "status Hypertext search complete"}));
}

TEST(WordSearch, AChosenResultLooksForTheFirstTermThenTheThird) {
  RecordingView view;
  WordSearch words;
  view.fromSelection = {"gamma"};
  words.showResult(view, 3, "alpha", "gamma");
  words.showResult(view, 5, "", "gamma");
  words.showResult(view, 6, "alpha", "");
  EXPECT_EQ(view.calls, (Calls{"show 3", "selection alpha", "selection gamma", "show 5", "selection gamma", "show 6",
                               "selection alpha"}));
}

TEST(WordSearch, TermsMoveUpOptionsFollowTheBoxesAndTheBookSearchStartsAfterThePageShown) {
  EXPECT_EQ(termMoveTarget(TermBox::edit3, "x", true, true), TermBox::edit2);
  EXPECT_EQ(termMoveTarget(TermBox::edit5, "x", true, false), TermBox::edit2);
  EXPECT_EQ(termMoveTarget(TermBox::edit6, "x", true, true), TermBox::edit2);
  EXPECT_EQ(termMoveTarget(TermBox::edit6, "x", false, true), TermBox::edit5);
  EXPECT_EQ(termMoveTarget(TermBox::edit6, "x", false, false), std::nullopt);
  EXPECT_EQ(termMoveTarget(TermBox::edit3, "x", false, true), std::nullopt);
  EXPECT_EQ(termMoveTarget(TermBox::edit5, "x", false, true), std::nullopt);
  EXPECT_EQ(termMoveTarget(TermBox::edit2, "x", true, true), std::nullopt);
  EXPECT_EQ(termMoveTarget(TermBox::edit3, "", true, true), std::nullopt);

  EXPECT_EQ(searchOptionsFromBoxes(true, false), 0);
  EXPECT_EQ(searchOptionsFromBoxes(false, false), searchMatchCase);
  EXPECT_EQ(searchOptionsFromBoxes(true, true), searchWholeWords);

  EXPECT_EQ(firstPageAfter(-1), 0);
  EXPECT_EQ(firstPageAfter(-2), 0);
  EXPECT_EQ(firstPageAfter(0), 1);
}

TEST(FindOptions, StoredValuesAreTakenOnlyWhenTheyMeanSomething) {
  MemorySettingsStore settings;
  const char* key = "\\SOFTWARE\\KX\\Quillmark_E\\finds\\";
  FindOptions options;
  readFindOptions(settings, options);
  EXPECT_EQ(options, FindOptions{});

  settings.writeString(key, "wholeword", "1");
  settings.writeString(key, "ignorecaps", "0");
  settings.writeString(key, "conf1", "yes");
  settings.writeString(key, "confAll", "1");
  settings.writeString(key, "startFrom", "1");
  readFindOptions(settings, options);
  EXPECT_EQ(options, (FindOptions{true, false, false, true, 1}));

  settings.writeString(key, "wholeword", "2");
  settings.writeString(key, "startFrom", "x");
  readFindOptions(settings, options);
  EXPECT_TRUE(options.wholeWord);
  EXPECT_EQ(options.startFrom, 1);
  settings.writeString(key, "startFrom", "7");
  readFindOptions(settings, options);
  EXPECT_EQ(options.startFrom, 1);

  writeFindOptions(settings, {false, true, true, false, 0});
  EXPECT_EQ(settings.readString(key, "wholeword"), "0");
  EXPECT_EQ(settings.readString(key, "ignorecaps"), "1");
  EXPECT_EQ(settings.readString(key, "conf1"), "1");
  EXPECT_EQ(settings.readString(key, "confAll"), "0");
  EXPECT_EQ(settings.readString(key, "startFrom"), "0");
  FindOptions back{true, false, false, true, 1};
  readFindOptions(settings, back);
  EXPECT_EQ(back, (FindOptions{false, true, true, false, 0}));
}

}  // namespace
}  // namespace zeb
