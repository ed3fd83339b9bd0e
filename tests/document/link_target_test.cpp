// Link targets: the book-link syntax, paths of Windows books on Linux, the CD folder.
#include <gtest/gtest.h>

#include <fstream>

#include "document/book_paths.h"
#include "document/container.h"
#include "document/link_target.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

class LinkTargets : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.path() / "books" / "Sub");
    bookPath = folder.path() / "books" / "main.zeb";
    std::ofstream(bookPath, std::ios::binary).write(reinterpret_cast<const char*>(book.data()),
                                                    static_cast<std::streamsize>(book.size()));
    ASSERT_TRUE(set.Load(bookPath.string()));
  }
  void touch(const std::filesystem::path& path) { std::ofstream(folder.path() / path) << "x"; }
  LinkTarget parse(std::string_view text, AskForCdFolder ask = AskForCdFolder::no) {
    return parseLinkTarget(set, text, ask);
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  std::vector<std::uint8_t> book = testing::bookBytes([](TZEBset& b) { zebmake::addPage(b, "P", "<Z S0 >"); });
  std::filesystem::path bookPath;
  const std::string cdKey = "\\SOFTWARE\\KX\\zoVeKa\\";
};

TEST_F(LinkTargets, BookLinkIdsAndPaths) {
  LinkTarget target = parse("nexo:|5");
  EXPECT_TRUE(target.bookLink);
  EXPECT_TRUE(target.path.empty());
  EXPECT_FALSE(target.sameBook);
  EXPECT_EQ(target.id, 5);

  target = parse("nexo:other.zeb");
  EXPECT_EQ(target.path, folder.path() / "books" / "other.zeb");
  EXPECT_EQ(target.id, 0);
  EXPECT_FALSE(target.sameBook);

  EXPECT_EQ(parse("nexo:other.zeb|").id, -2);
  EXPECT_EQ(parse("nexo:|-7").id, 0);
  EXPECT_EQ(parse("nexo:|abc").id, 0);
  EXPECT_EQ(parse("nexo:|12x").id, 0);
  EXPECT_EQ(parse("nexo:|123456789012345").id, 0);  // 12 characters read: still not 32 bits
  EXPECT_EQ(parse("nexo://Sub\\x.zeb|42").path, folder.path() / "books" / "Sub" / "x.zeb");
  EXPECT_EQ(parse("nexo://Sub\\x.zeb|42").id, 42);
}

TEST_F(LinkTargets, OtherSchemesAndCapitalsAreNoBookLinksAndLeaveTheRestAlone) {
  LinkTarget target;
  target.id = 99;
  target.sameBook = true;
  parseLinkTarget(set, "NEXO:|5", AskForCdFolder::no, target);
  EXPECT_FALSE(target.bookLink);
  EXPECT_TRUE(target.path.empty());
  EXPECT_EQ(target.id, 99);
  EXPECT_TRUE(target.sameBook);
  EXPECT_FALSE(parse("http://example.org").bookLink);
}

TEST_F(LinkTargets, NamesIgnoreLetterCaseAsOnTheMachineTheBookWasMadeOn) {
  touch("books/Sub/Chapter One.ZEB");
  EXPECT_EQ(parse("nexo:SUB\\chapter one.zeb|1").path, folder.path() / "books" / "Sub" / "Chapter One.ZEB");
  // Nothing matches: the name stays as written.
  EXPECT_EQ(parse("nexo:sub\\missing.zeb").path, folder.path() / "books" / "Sub" / "missing.zeb");
}

TEST_F(LinkTargets, FullPathsNameTheOpenBookOrABookBesideIt) {
  const std::string full = bookPath.string();
  EXPECT_TRUE(parse("nexo:" + full + "|3").sameBook);
  std::string shouting = full;
  for (char& c : shouting) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  LinkTarget upper = parse("nexo:" + shouting + "|3");
  EXPECT_EQ(upper.path, bookPath);
  EXPECT_TRUE(upper.sameBook);

  // A drive letter names the author's machine: the book beside this one is meant.
  touch("books/Other.zeb");
  LinkTarget drive = parse("nexo:C:\\Books\\other.zeb|2");
  EXPECT_EQ(drive.path, folder.path() / "books" / "Other.zeb");
  EXPECT_FALSE(drive.sameBook);
  EXPECT_TRUE(parse("nexo:D:\\anything\\MAIN.zeb|2").sameBook);
  EXPECT_FALSE(parse("nexo:main.zeb|2").sameBook);  // a relative path never names the open book
}

TEST_F(LinkTargets, CdDrivePathsStartFromTheStoredFolder) {
  std::filesystem::create_directories(folder.path() / "cd" / "Disc");
  touch("cd/Disc/Vol.zeb");
  platform.settings.writeString(cdKey, "cddrive", (folder.path() / "cd").string() + "\\");
  EXPECT_EQ(parse("nexo:CDDRIVE:\\disc\\vol.zeb|4").path, folder.path() / "cd" / "Disc" / "Vol.zeb");
  EXPECT_EQ(parse("nexo:cddrive:disc\\vol.zeb|4").path, folder.path() / "cd" / "Disc" / "Vol.zeb");
  // A folder chosen on this system has no separator at its end.
  platform.settings.writeString(cdKey, "cddrive", (folder.path() / "cd").string());
  EXPECT_EQ(parse("nexo:cddrive:disc\\vol.zeb|4").path, folder.path() / "cd" / "Disc" / "Vol.zeb");
  EXPECT_TRUE(platform.shell.folderPrompts.empty());
}

TEST_F(LinkTargets, MissingCdFolderIsAskedForOnlyWhenTheCallerAsks) {
  EXPECT_EQ(parse("nexo:cddrive:\\x.zeb", AskForCdFolder::no).path, std::filesystem::path("/x.zeb"));
  EXPECT_TRUE(platform.shell.folderPrompts.empty());

  platform.shell.folderAnswers.push_back(folder.path() / "cd");
  const LinkTarget asked = parse("nexo:cddrive:\\x.zeb|", AskForCdFolder::yes);
  EXPECT_EQ(platform.shell.folderPrompts, std::vector<std::string>{"Select CD path:"});
  EXPECT_EQ(asked.path, folder.path() / "cd" / "x.zeb");
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), (folder.path() / "cd").string());

  // Asked once: the stored folder is used from then on.
  parse("nexo:cddrive:\\y.zeb", AskForCdFolder::yes);
  EXPECT_EQ(platform.shell.folderPrompts.size(), 1u);

  platform.settings.writeString(cdKey, "cddrive", "");
  EXPECT_EQ(parse("nexo:cddrive:\\z.zeb", AskForCdFolder::yes).path, std::filesystem::path("/z.zeb"));  // cancelled
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), "");
}

TEST(BookPaths, StoredNamesAndDrives) {
  EXPECT_TRUE(hasDrive("c:\\x"));
  EXPECT_TRUE(hasDrive("Z:"));
  EXPECT_FALSE(hasDrive("1:\\x"));
  EXPECT_FALSE(hasDrive("\\\\server\\share"));
  EXPECT_EQ(storedFileName("C:\\a\\b/c.txt"), "c.txt");
  EXPECT_EQ(storedFileName("D:name.gif"), "name.gif");
  EXPECT_EQ(nativePath("dir\\caf\xE9.txt"), std::filesystem::path("dir/caf\xC3\xA9.txt"));
}

}  // namespace
}  // namespace zeb
