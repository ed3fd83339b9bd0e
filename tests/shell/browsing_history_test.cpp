// The history of pages shown: insertion, the current entry, recording and click suppression.
#include "shell/browsing_history.h"

#include <gtest/gtest.h>

namespace zeb::shell {
namespace {

using Entries = std::vector<std::string>;

class History : public ::testing::Test {
 protected:
  // A view that reports every page it is sent to, as the frame set does.
  void show(const std::string& target) {
    shown.push_back(target);
    const auto bar = target.rfind('|');
    history.pageChanged(target.substr(7, bar - 7), std::stoi(target.substr(bar + 1)), false, navigate);
  }
  void visit(std::int32_t page) { history.pageChanged("/b/a.zeb", page, false, navigate); }

  BrowsingHistory history;
  BrowsingHistory::Navigate navigate = [this](const std::string& target) { show(target); };
  Entries shown;
};

TEST_F(History, EntriesNameTheBookAndThePage) {
  EXPECT_EQ(BrowsingHistory::entryFor("/b/a.zeb", 12), "nexo:///b/a.zeb|12");
  EXPECT_EQ(history.ItemIndex(), -1);
  EXPECT_FALSE(history.previousEnabled());
  EXPECT_FALSE(history.nextEnabled());
}

TEST_F(History, ANewPageAfterGoingBackIsInsertedAfterTheCurrentOneAndLaterEntriesStay) {
  visit(1);
  visit(2);
  visit(3);
  EXPECT_EQ(history.entries(), (Entries{"nexo:///b/a.zeb|1", "nexo:///b/a.zeb|2", "nexo:///b/a.zeb|3"}));
  EXPECT_EQ(history.ItemIndex(), 2);
  EXPECT_TRUE(history.previousEnabled());
  EXPECT_FALSE(history.nextEnabled());

  shown.clear();
  EXPECT_TRUE(history.go(0, navigate));
  // The page shown by going back is not recorded again.
  EXPECT_EQ(shown, Entries{"nexo:///b/a.zeb|1"});
  EXPECT_EQ(history.entries().size(), 3u);
  EXPECT_EQ(history.ItemIndex(), 0);
  EXPECT_FALSE(history.previousEnabled());
  EXPECT_TRUE(history.nextEnabled());
  EXPECT_TRUE(history.recording());

  visit(7);
  EXPECT_EQ(history.entries(),
            (Entries{"nexo:///b/a.zeb|1", "nexo:///b/a.zeb|7", "nexo:///b/a.zeb|2", "nexo:///b/a.zeb|3"}));
  EXPECT_EQ(history.ItemIndex(), 1);
  EXPECT_TRUE(history.nextEnabled());
}

TEST_F(History, TheCurrentPageTemporaryFrameSetsAndNoPageAddNothing) {
  visit(4);
  EXPECT_FALSE(history.pageChanged("/b/a.zeb", 4, false, navigate));
  EXPECT_FALSE(history.pageChanged("/b/a.zeb", 5, true, navigate));
  EXPECT_FALSE(history.pageChanged("/b/a.zeb", -1, false, navigate));
  // Choosing the current entry shows it again and adds nothing.
  EXPECT_TRUE(history.choose(0, navigate));
  EXPECT_EQ(history.entries(), Entries{"nexo:///b/a.zeb|4"});
  // Another book's page is another entry.
  EXPECT_TRUE(history.pageChanged("/b/other.zeb", 4, false, navigate));
  EXPECT_EQ(history.entries().back(), "nexo:///b/other.zeb|4");
}

TEST_F(History, ChoicesAreIgnoredWhileTheWindowSetsTheComboBox) {
  visit(1);
  visit(2);
  int changes = 0;
  bool chosenWhileSetting = true;
  history.OnChanged = [&] {
    ++changes;
    EXPECT_TRUE(history.clicksSuppressed());
    // The combo box reports the index the window sets, as a click would.
    chosenWhileSetting = history.choose(0, navigate);
  };
  EXPECT_TRUE(history.choose(1, navigate));
  EXPECT_FALSE(chosenWhileSetting);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(history.ItemIndex(), 1);
  EXPECT_FALSE(history.clicksSuppressed());
}

TEST_F(History, IndexesOutsideTheListDoNothing) {
  EXPECT_FALSE(history.go(-1, navigate));
  visit(1);
  EXPECT_FALSE(history.go(1, navigate));
  EXPECT_FALSE(history.go(-1, navigate));
  EXPECT_EQ(history.ItemIndex(), 0);
}

}  // namespace
}  // namespace zeb::shell
