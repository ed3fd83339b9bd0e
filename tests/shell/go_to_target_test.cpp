// GoToTarget's decisions: resolution through the container, other books, the cover, the CD
// folder.
#include "shell/go_to_target.h"

#include <gtest/gtest.h>

#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb::shell {
namespace {

class GoToTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto bytes = testing::bookBytes([](TZEBset& set) { zebmake::addPage(set, "P", "<Z S0 >"); });
    current = folder.write("current.zeb", bytes).string();
    other = folder.write("other.zeb", bytes).string();
    std::filesystem::create_directories(folder.path() / "cd");
    folder.write("cd/disc.zeb", bytes);
    ASSERT_TRUE(set.Load(current));
  }
  std::optional<TargetPlan> plan(std::string_view target) { return planGoToTarget(set, target); }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  std::string current;
  std::string other;
  const std::string cdKey = "\\SOFTWARE\\KX\\zoVeKa\\";
};

TEST_F(GoToTarget, APageOfTheOpenBookOrItsCover) {
  EXPECT_EQ(plan("nexo://" + current + "|7"), (TargetPlan{TargetPlan::Book::current, "", TargetPlan::Page::show, 7}));
  EXPECT_EQ(plan("nexo://" + current + "|"), (TargetPlan{TargetPlan::Book::current, "", TargetPlan::Page::cover, -1}));
}

TEST_F(GoToTarget, AnotherBookOpensFirst) {
  EXPECT_EQ(plan("nexo:other.zeb|3"), (TargetPlan{TargetPlan::Book::open, other, TargetPlan::Page::show, 3}));
  EXPECT_EQ(plan("nexo://" + other), (TargetPlan{TargetPlan::Book::open, other, TargetPlan::Page::show, 0}));
}

TEST_F(GoToTarget, ATargetWithoutAPathNamesTheOpenBook) {
  EXPECT_EQ(plan("nexo:|5"), (TargetPlan{TargetPlan::Book::current, "", TargetPlan::Page::show, 5}));
  EXPECT_EQ(plan("nexo://|"), (TargetPlan{TargetPlan::Book::current, "", TargetPlan::Page::cover, -1}));
  // With no book open it leads to an empty one.
  TZEBset empty(platform.services());
  EXPECT_EQ(planGoToTarget(empty, "nexo:|5"), (TargetPlan{TargetPlan::Book::blank, "", TargetPlan::Page::show, 5}));
}

TEST_F(GoToTarget, MissingBooksAndOtherTextsAreIgnoredSilently) {
  EXPECT_EQ(plan("nexo:missing.zeb|3"), std::nullopt);
  EXPECT_EQ(plan("http://example.org"), std::nullopt);
  EXPECT_EQ(plan("NEXO:other.zeb"), std::nullopt);
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(GoToTarget, TheCdFolderIsAskedForAndForgottenWhenItIsGone) {
  platform.shell.folderAnswers.push_back(folder.path() / "cd");
  EXPECT_EQ(
      plan("nexo:cddrive:\\disc.zeb|2"),
      (TargetPlan{TargetPlan::Book::open, (folder.path() / "cd" / "disc.zeb").string(), TargetPlan::Page::show, 2}));
  EXPECT_EQ(platform.shell.folderPrompts, std::vector<std::string>{"Select CD path:"});
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), (folder.path() / "cd").string());

  std::filesystem::remove_all(folder.path() / "cd");
  EXPECT_EQ(plan("nexo:CDDRIVE:\\disc.zeb|2"), std::nullopt);
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), "");
}

}  // namespace
}  // namespace zeb::shell
