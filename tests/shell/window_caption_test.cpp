// The window caption and the dropped file that opens.
#include "shell/window_caption.h"

#include <gtest/gtest.h>

#include "tests/support/temporary_folder.h"

namespace zeb::shell {
namespace {

TEST(WindowCaption, FileNameThenTitleAndSuffix) {
  EXPECT_EQ(windowCaption("/books/guide.zeb"), "guide.zeb - Brightfold - hypertext ebook reader");
  EXPECT_EQ(windowCaption("Untitled"), "Untitled - Brightfold - hypertext ebook reader");
}

TEST(DroppedFiles, TheFirstFileOpensWhenItIsABook) {
  testing::TemporaryFolder folder;
  std::filesystem::create_directories(folder.path() / "folder.zeb");
  const auto book = folder.path() / "GUIDE.ZEB";
  EXPECT_EQ(droppedBook({book, folder.path() / "b.zeb"}), book);
  EXPECT_EQ(droppedBook({folder.path() / "notes.txt", book}), std::nullopt);
  EXPECT_EQ(droppedBook({folder.path() / "folder.zeb"}), std::nullopt);
  EXPECT_EQ(droppedBook({folder.path() / "zeb"}), std::nullopt);
  EXPECT_EQ(droppedBook({}), std::nullopt);
}

}  // namespace
}  // namespace zeb::shell
