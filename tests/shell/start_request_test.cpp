// Which outside addresses and files a book opens without asking, and the folders a path may
// not leave.
#include "shell/start_request.h"

#include <sys/stat.h>

#include "tests/shell/link_book.h"

namespace zeb::shell {
namespace {

TEST(Schemes, OnlyWebAndMailAddressesOpenWithoutAsking) {
  EXPECT_EQ(schemeOf("HTTPS://example.org"), "https");
  EXPECT_EQ(schemeOf("c:\\docs\\a.pdf"), std::nullopt);  // a drive
  EXPECT_EQ(schemeOf("notes/readme.txt"), std::nullopt);
  EXPECT_EQ(schemeOf("1abc:x"), std::nullopt);
  for (const char* address : {"http://example.org", "https://example.org/a?b", "mailto:me@example.org", "HTTP://X"})
    EXPECT_TRUE(opensWithoutAsking(address)) << address;
  for (const char* address : {"javascript:alert(1)", "smb://server/share", "file:///etc/passwd", "ftp://x",
                              "vbscript:x", "httpx://x", "c:\\x.exe", ""})
    EXPECT_FALSE(opensWithoutAsking(address)) << address;
}

class OpeningFiles : public LinkBook {};

TEST_F(OpeningFiles, FilesBesideTheBookOrInItsPrivateFolderOpenWithoutAsking) {
  load();
  const std::filesystem::path bookFolder = std::filesystem::path(path).parent_path();
  std::filesystem::create_directories(bookFolder / "docs");
  folder.write("docs/guide.pdf", "%PDF");

  const StartRequest beside = openRequestFor(set, "docs\\guide.pdf");
  EXPECT_EQ(beside, (StartRequest{StartRequest::How::file, (bookFolder / "docs" / "guide.pdf").string(), {}, false}));
  EXPECT_FALSE(openRequestFor(set, "missing.doc").asks);
  const auto script = folder.write("docs/run.sh", "#!/bin/sh\n");
  ::chmod(script.c_str(), 0700);
  EXPECT_TRUE(openRequestFor(set, "docs\\run.sh").asks);
  EXPECT_TRUE(openRequestFor(set, "..\\..\\etc\\passwd").asks);
  EXPECT_TRUE(openRequestFor(set, "/etc/passwd").asks);
  EXPECT_TRUE(openRequestFor(set, "smb://server/share").asks);
  EXPECT_FALSE(openRequestFor(set, "https://example.org").asks);

  EXPECT_TRUE(fileOpensWithoutAsking(set, set.temporaryFolder() / "params.txt"));
  // The private folder lies in the test's folder, beside the book: leave both.
  EXPECT_FALSE(fileOpensWithoutAsking(set, set.temporaryFolder() / ".." / ".." / ".." / "other.txt"));
}

TEST_F(OpeningFiles, APathLeavesAFolderThroughALinkToo) {
  const std::filesystem::path base = folder.path() / "base";
  std::filesystem::create_directories(base / "inner");
  std::filesystem::create_directory_symlink("/etc", base / "outside");
  EXPECT_TRUE(isInsideFolder(base / "inner" / "x", base));
  EXPECT_TRUE(isInsideFolder(base / "inner" / ".." / "y", base));
  EXPECT_FALSE(isInsideFolder(base / ".." / "base2" / "x", base));
  EXPECT_FALSE(isInsideFolder(base / "outside" / "passwd", base));
  EXPECT_FALSE(isInsideFolder(base, base));
  EXPECT_FALSE(isInsideFolder(base / "x", ""));
}

}  // namespace
}  // namespace zeb::shell
