// The named-file list, the contents-tree holders and text metrics: the container's small services.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/named_files.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

TEST(NamedFiles, SetReplaceAndRemoveKeepValuesOnOneLine) {
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  TZEBoggetto& list = set.namedFileList();
  setNamedFile(list, "Readme", "line one\r\nline two");
  setNamedFile(list, "INDEX", "start.htm");
  setNamedFile(list, "cart", "");
  EXPECT_EQ(namedFilesOf(list), (std::vector<NamedFile>{{"index", "start.htm"}, {"readme", "line one\x02\x03line two"}}));
  EXPECT_EQ(namedFileValue(list, "readme"), "line one\r\nline two");
  EXPECT_EQ(namedFileValue(list, "cart"), std::nullopt);
  const auto stored = list.primaryData();
  EXPECT_EQ(std::string(stored.begin(), stored.end()), "index\r\nstart.htm\r\nreadme\r\nline one\x02\x03line two\r\n");

  TZEBoggetto& keyword = zebmake::addObject(set, TOggettiHel::keyword);
  setNamedFile(keyword, "x", "y");  // only a data set holds named files
  EXPECT_TRUE(keyword.primaryBlob().empty());
}

TEST(NamedFiles, ListOfALoadedBookIsFoundThroughTheHeader) {
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  const auto book = testing::bookBytes([](TZEBset& b) { setNamedFile(b.namedFileList(), "help", "help.zeb"); });
  ASSERT_TRUE(set.Load(folder.write("book.zeb", book).string()));
  EXPECT_EQ(set.count(kindNumber(TOggettiHel::dbloc)), 1);
  EXPECT_EQ(namedFileValue(set.namedFileList(), "help"), "help.zeb");
}

TEST(ContentsHolders, AreMadeOnceAndRememberedInTheHeader) {
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  EXPECT_EQ(set.header().i32(1342), 0);
  TZEBoggetto& pages = set.contentsHolderForPages();
  EXPECT_EQ(pages.Kind(), TOggettiHel::shortObj);
  EXPECT_EQ(pages.state(), 10);
  EXPECT_EQ(static_cast<std::uint32_t>(set.header().i32(1342)), pages.ID());
  EXPECT_EQ(&set.contentsHolderForPages(), &pages);
  TZEBoggetto& prototypes = set.contentsHolderForPrototypes();
  EXPECT_NE(&prototypes, &pages);
  EXPECT_EQ(static_cast<std::uint32_t>(set.header().i32(1732)), prototypes.ID());
  set.header().setI32(1342, 0x0BFFFFFF);  // names no object: a new holder
  EXPECT_NE(&set.contentsHolderForPages(), &pages);
}

TEST(TextMetrics, AreTheMeasurersForTheFaceAtTenPoints) {
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  const FontMetrics metrics = set.textMetrics("Courier New");
  TMyFont font;
  font.Name = "Courier New";
  EXPECT_EQ(metrics, platform.measurer.metrics(font));
  EXPECT_GT(metrics.height, 0);
}

}  // namespace
}  // namespace zeb
