// Start-up decisions: which argument names the book, the page switch, the last book.
#include "shell/program_start.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_settings_store.h"
#include "shell/settings_keys.h"
#include "tests/support/temporary_folder.h"

namespace zeb::shell {
namespace {

using Arguments = std::vector<std::string>;

class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.path() / "program");
    book = folder.write("book.zeb", "x").string();
    folder.write("program/beside.zeb", "x");
  }
  StartPlan plan(const Arguments& arguments) { return planStart(arguments, folder.path() / "program", settings); }

  testing::TemporaryFolder folder;
  std::string book;
  StartSettings settings;
};

TEST_F(ProgramStart, TheBookArgumentIsTheFirstOrTheOneAfterASwitch) {
  EXPECT_EQ(bookArgument({}), "");
  EXPECT_EQ(bookArgument({"a.zeb", "/PAGE=3"}), "a.zeb");
  EXPECT_EQ(bookArgument({"/INIT", "a.zeb"}), "a.zeb");
  EXPECT_EQ(bookArgument({"/INIT"}), "");
  // An absolute path begins with "/" too; it is the book whether it names a file or not.
  EXPECT_EQ(bookArgument({book, "/page=2"}), book);
  EXPECT_EQ(bookArgument({"/nowhere/gone.zeb"}), "/nowhere/gone.zeb");
  EXPECT_EQ(bookArgument({"/gone.zeb", "b.zeb"}), "/gone.zeb");
  EXPECT_EQ(bookArgument({"/page=2", "b.zeb"}), "b.zeb");
}

TEST_F(ProgramStart, ThePageSwitchInAnyCase) {
  EXPECT_EQ(pageSwitchValue({"a.zeb", "/PAGE=7"}), "7");
  EXPECT_EQ(pageSwitchValue({"a.zeb", "/page=7"}), "7");
  EXPECT_EQ(pageSwitchValue({"a.zeb", "/Pages=12=3"}), "12=3");
  EXPECT_EQ(pageSwitchValue({"a.zeb", "/PAGE7"}), std::nullopt);
  EXPECT_EQ(pageSwitchValue({"a.zeb", "PAGE=7"}), std::nullopt);
  EXPECT_EQ(pageSwitchValue({"/PAGE=7"}), std::nullopt);
  EXPECT_EQ(pageSwitchValue({"a.zeb", "/PAGE=" + std::string(200, '9')}), std::string(127, '9'));
}

TEST_F(ProgramStart, AnExistingBookOpensAtThePageAsked) {
  const StartPlan opened = plan({book, "/page=7"});
  EXPECT_EQ(opened.kind, StartPlan::Kind::openFile);
  EXPECT_EQ(opened.file, book);
  EXPECT_EQ(opened.pageTarget, "nexo://" + book + "|7");
  EXPECT_EQ(plan({book}).pageTarget, std::nullopt);
}

TEST_F(ProgramStart, ANameFoundOnlyBesideTheProgramOpensThatFile) {
  const StartPlan opened = plan({"beside.zeb"});
  EXPECT_EQ(opened.kind, StartPlan::Kind::openFile);
  EXPECT_EQ(opened.file, (folder.path() / "program" / "beside.zeb").string());
}

TEST_F(ProgramStart, WithoutABookTheLastOneOpensUnlessTheUserWantsABlankStart) {
  settings.lastFile = "/books/last.zeb";
  // A name found nowhere is still opened, so that the user learns it is missing.
  EXPECT_EQ(plan({"nowhere.zeb"}),
            (StartPlan{StartPlan::Kind::openFile, std::filesystem::absolute("nowhere.zeb").string(), std::nullopt}));
  EXPECT_EQ(plan({}), (StartPlan{StartPlan::Kind::openLastFile, "/books/last.zeb", std::nullopt}));
  settings.startBlank = true;
  EXPECT_EQ(plan({}), StartPlan{});
  settings = {};
  EXPECT_EQ(plan({"/PAGE=3"}), StartPlan{});
}

TEST(StartSettings, AreReadFromTheOptionsKey) {
  MemorySettingsStore store;
  EXPECT_EQ(readStartSettings(store).maxCachedImages, std::nullopt);
  store.writeString(settings::optionsKey, settings::lastFile, "/b/last.zeb");
  store.writeString(settings::optionsKey, settings::atStartBlank, "1");
  store.writeString(settings::optionsKey, settings::maxCacheImg, "35");
  const StartSettings read = readStartSettings(store);
  EXPECT_EQ(read.lastFile, "/b/last.zeb");
  EXPECT_TRUE(read.startBlank);
  EXPECT_EQ(read.maxCachedImages, 35);

  store.writeString(settings::optionsKey, settings::atStartBlank, "yes");
  EXPECT_FALSE(readStartSettings(store).startBlank);
  for (const char* notANumber : {"", "abc", "12x", " 12", "99999999999"}) {
    store.writeString(settings::optionsKey, settings::maxCacheImg, notANumber);
    EXPECT_EQ(readStartSettings(store).maxCachedImages, std::nullopt) << notANumber;
  }
  EXPECT_EQ(parseDecimal("+7"), 7);
  EXPECT_EQ(parseDecimal("-7"), -7);
}

}  // namespace
}  // namespace zeb::shell
