// The private temporary folder and extraction of embedded files, hostile names included.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>

#include "document/container.h"
#include "document/messages.h"
#include "document/temporary_files.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

class TemporaryFiles : public ::testing::Test {
 protected:
  TemporaryFiles() {
    platform.environment.temporary = systemTemp.path();
    set = std::make_unique<TZEBset>(platform.services());
  }
  TZEBoggetto& file(std::string_view name, std::string_view contents) {
    TZEBoggetto& object = zebmake::addObject(*set, TOggettiHel::genLink);
    object.setName(name);
    object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()});
    return object;
  }
  static std::string contentsOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  testing::TemporaryFolder systemTemp;
  testing::TestPlatform platform;
  std::unique_ptr<TZEBset> set;
};

TEST_F(TemporaryFiles, PrivateFolderIsMadeOnFirstUseForItsOwnerOnly) {
  const auto folder = set->temporaryFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.parent_path(), systemTemp.path());
  EXPECT_TRUE(std::regex_match(folder.filename().string(), std::regex("00001234_[0-9a-f]{8}")));
  struct stat status {};
  ASSERT_EQ(::stat(folder.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);

  TZEBset other(platform.services());
  EXPECT_NE(other.temporaryFolder(), folder);
}

TEST_F(TemporaryFiles, AnOlderFolderOfTheSameNameIsReplaced) {
  const std::filesystem::path name = systemTemp.path() / "0000abcd_00000001";
  std::filesystem::create_directories(name / "stale");
  std::ofstream(name / "stale.txt") << "old";
  PrivateFolder folder(systemTemp.path(), 0xabcd, 1);
  EXPECT_EQ(folder.path(), name);
  EXPECT_TRUE(std::filesystem::is_empty(name));
}

TEST_F(TemporaryFiles, ClearingDeletesFilesAndDestroyingDeletesTheFolder) {
  const auto folder = set->temporaryFolder();
  std::ofstream(folder / "a.txt") << "a";
  std::filesystem::create_directories(folder / "kept");
  set->Clear();
  EXPECT_FALSE(std::filesystem::exists(folder / "a.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder / "kept"));
  set.reset();
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(TemporaryFiles, TwoFilesOfOneNameGetTwoPaths) {
  TZEBoggetto& first = file("report.txt", "one");
  TZEBoggetto& second = file("REPORT.txt", "two");
  const std::filesystem::path firstPath = set->extractFileOfObject(first);
  const std::filesystem::path secondPath = set->extractFileOfObject(second);
  EXPECT_EQ(firstPath.filename(), "report.txt");
  EXPECT_EQ(contentsOf(firstPath), "one");
  // Letter case matters on Linux, so "REPORT.txt" keeps its own name.
  EXPECT_EQ(secondPath.filename(), "REPORT.txt");
  TZEBoggetto& third = file("report.txt", "three");
  const std::filesystem::path thirdPath = set->extractFileOfObject(third);
  EXPECT_TRUE(std::regex_match(thirdPath.filename().string(), std::regex("re[0-9a-f]{6}\\.txt"))) << thirdPath;
  EXPECT_EQ(contentsOf(thirdPath), "three");
}

TEST_F(TemporaryFiles, TemporaryFilePathNamesAFreeFileWithoutMakingIt) {
  const auto folder = set->temporaryFolder();
  const std::filesystem::path path = set->temporaryFilePath("C:\\books\\notes.txt");
  EXPECT_EQ(path, folder / "notes.txt");
  EXPECT_FALSE(std::filesystem::exists(path));
  std::ofstream(path) << "taken";
  const std::filesystem::path other = set->temporaryFilePath("notes.txt");
  EXPECT_EQ(other.parent_path(), folder);
  EXPECT_TRUE(std::regex_match(other.filename().string(), std::regex("re[0-9a-f]{6}\\.txt"))) << other;
  EXPECT_FALSE(std::filesystem::exists(other));

  // No private folder, no path.
  platform.environment.temporary = systemTemp.path() / "missing" / "deeper";
  TZEBset homeless(platform.services());
  EXPECT_EQ(homeless.temporaryFilePath("notes.txt"), std::filesystem::path());
}

TEST_F(TemporaryFiles, ExtractedFileIsRememberedAndTheMemoryCopyDropped) {
  TZEBoggetto& object = file("notes.txt", "text");
  const std::string path = set->extractFileOfObject(object);
  EXPECT_TRUE(object.primaryBlob().empty());
  EXPECT_EQ(object.externalFileName(), path);
  EXPECT_EQ(set->extractFileOfObject(object), path);
  TZEBoggetto& empty = zebmake::addObject(*set, TOggettiHel::genLink);
  EXPECT_EQ(set->extractFileOfObject(empty), "");
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(TemporaryFiles, FileBackedBlobsAreCopiedFromTheBook) {
  const auto bytes = testing::bookBytes([](TZEBset& book) {
    TZEBoggetto& object = zebmake::addObject(book, TOggettiHel::genLink);
    object.setName("big.bin");
    std::vector<std::uint8_t> data(3 << 20);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
    object.setPrimaryData(data);
  });
  ASSERT_TRUE(set->Load(systemTemp.write("book.zeb", bytes).string()));
  TZEBoggetto& object = *set->slot(TOggettiHel::genLink, 0);
  const std::string path = set->extractFileOfObject(object);
  const std::string written = contentsOf(path);
  ASSERT_EQ(written.size(), 3u << 20);
  EXPECT_EQ(static_cast<std::uint8_t>(written[1000001]), static_cast<std::uint8_t>(1000001 * 7));
  EXPECT_TRUE(object.primaryBlob().isFileBacked());  // the book keeps its bytes
}

TEST_F(TemporaryFiles, HostileNamesNeverLeaveThePrivateFolder) {
  const auto folder = set->temporaryFolder();
  const std::vector<std::string> hostileNames = {
      "..\\..\\..\\etc\\passwd", "../../escape.txt", "/etc/shadow", "C:\\Windows\\win.ini", "D:..\\up.txt", "..",
      ".", "", "a\x01\x1f\x7f" "b.txt", "dir/\\", std::string(300, 'x') + ".dat", "\xE9t\xE9.txt"};
  for (const std::string& hostile : hostileNames) {
    SCOPED_TRACE(hostile);
    const std::filesystem::path path = set->extractFileOfObject(file(hostile, "data"));
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.parent_path(), folder);
    EXPECT_LE(path.filename().string().size(), 255u);
    EXPECT_EQ(contentsOf(path), "data");
  }
  EXPECT_EQ(safeFileName("..\\..\\etc\\passwd"), "passwd");
  EXPECT_EQ(safeFileName(".."), "file");
  EXPECT_EQ(safeFileName("a\x01z"), "a_z");
  EXPECT_EQ(safeFileName("\xE9t\xE9.txt"), "\xC3\xA9t\xC3\xA9.txt");
  EXPECT_EQ(safeFileName(std::string(300, 'x') + ".dat").size(), 80u);
  EXPECT_TRUE(safeFileName(std::string(300, 'x') + ".dat").ends_with(".dat"));
}

TEST_F(TemporaryFiles, ASymbolicLinkInTheWayIsNeverFollowed) {
  const auto folder = set->temporaryFolder();
  const auto outside = systemTemp.path() / "outside.txt";
  std::filesystem::create_symlink(outside, folder / "trap.txt");
  const std::filesystem::path path = set->extractFileOfObject(file("trap.txt", "data"));
  EXPECT_NE(path.filename(), "trap.txt");
  EXPECT_FALSE(std::filesystem::exists(outside));
}

TEST_F(TemporaryFiles, FailedExtractionSaysSoAndLeavesNoFileBehind) {
  ASSERT_TRUE(set->Load(systemTemp.write("book.zeb", testing::bookBytes(nullptr)).string()));
  TZEBoggetto& object = zebmake::addObject(*set, TOggettiHel::genLink);
  object.setName("cannot.txt");
  object.setPrimaryBlob(Blob::inBookFile(std::int64_t{1} << 40, 10));  // past the end of the book
  EXPECT_EQ(set->extractFileOfObject(object), "");
  const auto folder = set->temporaryFolder();
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0],
            (ShownMessage{MessageKind::error, "HD space may be low! Error depacking file: " + (folder / "cannot.txt").string()}));
  EXPECT_EQ(object.externalFileName(), "");
  EXPECT_FALSE(std::filesystem::exists(folder / "cannot.txt"));
}

}  // namespace
}  // namespace zeb
