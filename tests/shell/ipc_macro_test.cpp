// Inter-process macros: the verb in any case, the first line, the length of the target.
#include "shell/ipc_macro.h"

#include <gtest/gtest.h>

#include "tests/support/temporary_folder.h"

namespace zeb::shell {
namespace {

TEST(IpcMacro, ShowAndVisualizzaInAnyCase) {
  EXPECT_EQ(targetOfMacro("SHOW /b/a.zeb|12"), "nexo:///b/a.zeb|12");
  EXPECT_EQ(targetOfMacro("show /b/a.zeb|12"), "nexo:///b/a.zeb|12");
  EXPECT_EQ(targetOfMacro("Visualizza c:\\libri\\a.zeb|3"), "nexo://c:\\libri\\a.zeb|3");
  // Only the first blank separates: the target may hold blanks.
  EXPECT_EQ(targetOfMacro("SHOW /my books/a b.zeb|1"), "nexo:///my books/a b.zeb|1");
  EXPECT_EQ(targetOfMacro("SHOW "), "nexo://");
}

TEST(IpcMacro, OtherVerbsAndLinesWithoutABlankAreIgnored) {
  EXPECT_EQ(targetOfMacro("OPEN /b/a.zeb"), std::nullopt);
  EXPECT_EQ(targetOfMacro("SHOW"), std::nullopt);
  EXPECT_EQ(targetOfMacro("SHOW\tb.zeb"), std::nullopt);
  EXPECT_EQ(targetOfMacro(""), std::nullopt);
  // The verb stands on the first line; what follows is never read.
  EXPECT_EQ(targetOfMacro("SHOW\r\n /b/a.zeb"), std::nullopt);
  EXPECT_EQ(targetOfMacro("SHOW /b/a.zeb|2\r\nSHOW /b/c.zeb|3"), "nexo:///b/a.zeb|2");
  EXPECT_EQ(targetOfMacro("SHOW /b/a.zeb|2\nmore"), "nexo:///b/a.zeb|2");
}

TEST(IpcMacro, AtMost127CharactersMakeTheTarget) {
  const std::string longPath(300, 'x');
  EXPECT_EQ(targetOfMacro("SHOW " + longPath), "nexo://" + std::string(127, 'x'));
}

TEST(IpcMacro, TheShowSwitchNamesBooksAsTheRunningReaderFindsThem) {
  testing::TemporaryFolder folder;
  folder.write("here.zeb", "x");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const std::string relative = showMacro("here.zeb|4");
  const std::string missing = showMacro("gone.zeb|4");
  std::filesystem::current_path(previous);
  EXPECT_EQ(relative, "SHOW " + (folder.path() / "here.zeb").string() + "|4");
  EXPECT_EQ(missing, "SHOW gone.zeb|4");
  EXPECT_EQ(showMacro("/b/a.zeb"), "SHOW /b/a.zeb");
  // File names are UTF-8 on the command line and Windows-1252 in macros.
  EXPECT_EQ(showMacro("/b/citt\xC3\xA0.zeb|1"), "SHOW /b/citt\xE0.zeb|1");
}

}  // namespace
}  // namespace zeb::shell
