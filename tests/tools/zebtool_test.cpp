// zebtool and zebmake as programs: output, messages on stderr and exit statuses.
#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using testing::runCommand;
using testing::Zebtool;

TEST_F(Zebtool, InfoListsTheHeaderAndEveryKindThatHasObjects) {
  const std::string book = writeBook([](TZEBset& set) {
    set.header().setShortString(4, 161, "Caf\xE9 stories");
    set.header().setI32(1628, 1);
    zebmake::addPage(set, "One", "<Z S0 >1");
    zebmake::addPage(set, "Two", "<Z S0 >2").Release();
    zebmake::addObject(set, TOggettiHel::keyword).setName("word");
  });
  const auto result = zebtool({"info", book});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "title: Caf\xC3\xA9 stories\n"
            "version: 2\n"
            "revision: 2\n"
            "cover: 1\n"
            "summary: 0\n"
            "author: Brightfold\n"
            "pages: 2\n"
            "kind testoHtml: 2\n"
            "kind keyword: 1\n"
            "kind dbloc: 1\n"
            "kind stileParagrafo: 2\n");
}

TEST_F(Zebtool, PagesListsLivePagesInNumberOrder) {
  const std::string book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "Cover", "<Z S0 >");
    TZEBtesto& gone = zebmake::addPage(set, "Gone", "<Z S0 >");
    zebmake::addPage(set, "Na\xEFve", "<Z S0 >");
    gone.Release();
  });
  const auto result = zebtool({"pages", book});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "0\tCover\n2\tNa\xC3\xAFve\n");
}

TEST_F(Zebtool, BooksThatCannotBeLoadedExitWithOneAndTheirMessages) {
  const std::string missing = (folder.path() / "missing.zeb").string();
  auto result = zebtool({"info", missing});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Warning!: " + missing + " doesn't exist\n");

  const std::string wrong = folder.write("wrong.zeb", std::string(2000, 'x')).string();
  result = zebtool({"pages", wrong});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "Information: Unrecognized format.\nInformation: Error reading file: " + wrong + "\n");

  auto old = testing::bookBytes(nullptr, [] {
    zebmake::WriteOptions options;
    options.kindsInTable = 5;
    return options;
  }());
  testing::patchI16(old, 1621, 1);
  const std::string oldPath = folder.write("old.zeb", old).string();
  result = zebtool({"info", oldPath});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err,
            "Information: Attenzione: file salvato con una versione del programma\\nanteriore alla 0.98. "
            "Non pi\xC3\xB9 supportato. UNSUPPORTED\\n\nInformation: Error reading file: " + oldPath + "\n");
}

TEST_F(Zebtool, UsageErrorsExitWithTwo) {
  EXPECT_EQ(zebtool({}).exitStatus, 2);
  EXPECT_EQ(zebtool({"no-such-command"}).exitStatus, 2);
  const auto result = zebtool({"info"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("usage: zebtool info BOOK"), std::string::npos);
  EXPECT_EQ(zebtool({"pages", "a", "b"}).exitStatus, 2);
}

TEST_F(Zebtool, LinkPrintsTheFourPartsOfATarget) {
  const std::string book = writeBook([](TZEBset& set) { zebmake::addPage(set, "P", "<Z S0 >"); });
  auto result = zebtool({"link", book, "nexo:other.zeb|12"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "book-link: yes\npath: " + (folder.path() / "other.zeb").string() + "\nsame-book: no\nid: 12\n");
  result = zebtool({"link", book, "nexo:" + book + "|"});
  EXPECT_EQ(result.out, "book-link: yes\npath: " + book + "\nsame-book: yes\nid: -2\n");
  result = zebtool({"link", book, "http://example.org"});
  EXPECT_EQ(result.out, "book-link: no\npath: \nsame-book: no\nid: -1\n");
  EXPECT_EQ(zebtool({"link", book}).exitStatus, 2);
}

TEST_F(Zebtool, DescribeTakesDecimalOrHexadecimalIds) {
  const std::string book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "Caf\xE9", "<Z S0 >");
    zebmake::addObject(set, TOggettiHel::internetLink).setName("mailto:a@b.org");
  });
  EXPECT_EQ(zebtool({"describe", book, "0"}).out, "Caf\xC3\xA9|Link to: Caf\xC3\xA9\n");
  EXPECT_EQ(zebtool({"describe", book, "0x01000000"}).out, "a@b.org|Link to e-mail: a@b.org\n");
  EXPECT_EQ(zebtool({"describe", book, "16777216"}).out, "a@b.org|Link to e-mail: a@b.org\n");
  const auto missing = zebtool({"describe", book, "0x01000009"});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_NE(missing.err.find("no object 0x01000009"), std::string::npos);
  EXPECT_EQ(zebtool({"describe", book, "0xZZ"}).exitStatus, 2);
}

TEST_F(Zebtool, ExtractWritesTheFileIntoTheFolder) {
  const std::string book = writeBook([](TZEBset& set) {
    TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
    file.setName("..\\..\\notes.txt");
    const std::string text = "hello";
    file.setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    zebmake::addObject(set, TOggettiHel::genLink).setName("empty.txt");
  });
  const auto out = folder.path() / "out";
  std::filesystem::create_directories(out);
  auto result = zebtool({"extract", book, "0x03000000", out.string()});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, (out / "notes.txt").string() + "\n");
  EXPECT_EQ(testing::readBytes(out / "notes.txt"), (std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}));
  result = zebtool({"extract", book, "0x03000000", out.string()});
  EXPECT_TRUE(result.out.starts_with((out / "re").string())) << result.out;
  EXPECT_EQ(zebtool({"extract", book, "0x03000001", out.string()}).exitStatus, 1);
  result = zebtool({"extract", book, "0x03000000", (folder.path() / "no-such-folder").string()});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.err.find("Error!: HD space may be low! Error depacking file: "), std::string::npos);
}

TEST_F(Zebtool, SearchListsMatchingPagesAndTheirTerm) {
  const std::string book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "a", "<Z S0 >Caf\xE9 noir");
    zebmake::addPage(set, "b", "<Z S0 >the tea");
    zebmake::addPage(set, "c", "<Z S0 >CAF\xC9 <Y g1 >au<Y > lait");
  });
  EXPECT_EQ(zebtool({"search", book, "caf\xC3\xA9"}).out, "0\tcaf\xC3\xA9\n2\tcaf\xC3\xA9\n");
  EXPECT_EQ(zebtool({"search", book, "caf\xC3\xA9", "lait", "tea"}).out, "1\ttea\n2\tcaf\xC3\xA9\n");
  EXPECT_EQ(zebtool({"search", book, "--match-case", "CAF\xC3\x89"}).out, "2\tCAF\xC3\x89\n");
  EXPECT_EQ(zebtool({"search", book, "", "", "", "tea"}).out, "1\ttea\n");  // the fourth term alone
  EXPECT_EQ(zebtool({"search", book}).exitStatus, 2);
  EXPECT_EQ(zebtool({"search", book, "a", "b", "c", "d", "e"}).exitStatus, 2);
}

TEST_F(Zebtool, ZebmakeBuildsTheSampleAndASyntheticBook) {
  const std::string guide = (folder.path() / "guide.zeb").string();
  auto made = runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/guide.json", guide});
  ASSERT_EQ(made.exitStatus, 0) << made.err;
  const auto pages = zebtool({"pages", guide});
  EXPECT_EQ(pages.exitStatus, 0);
  EXPECT_TRUE(pages.out.starts_with("0\tWelcome\n")) << pages.out;

  const std::string synthetic = (folder.path() / "synthetic.zeb").string();
  made = runCommand(ZEBMAKE_PATH, {"--synthetic", "12", synthetic, "--page-bytes", "300"});
  ASSERT_EQ(made.exitStatus, 0) << made.err;
  const auto info = zebtool({"info", synthetic});
  EXPECT_NE(info.out.find("pages: 12\n"), std::string::npos);
  EXPECT_EQ(runCommand(ZEBMAKE_PATH, {"--synthetic", "x", synthetic}).exitStatus, 2);
  EXPECT_EQ(runCommand(ZEBMAKE_PATH, {(folder.path() / "none.json").string(), synthetic}).exitStatus, 1);
}

TEST_F(Zebtool, PresentationNamesTheModeABookAsksForAndItsWindowChanges) {
  const std::string plain = writeBook(nullptr, "plain.zeb");
  auto result = zebtool({"presentation", plain});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "borderless: no\nhide-bars: no\nmode: 0\nswitch: none\n");

  const std::string kiosk = writeBook(
      [](TZEBset& set) {
        set.header().setU8(1785, 1);
        set.header().setU8(1786, 1);
      },
      "kiosk.zeb");
  result = zebtool({"presentation", kiosk});
  EXPECT_EQ(result.out,
            "borderless: yes\nhide-bars: yes\nmode: 3\n"
            "switch: hide hideStatusBar hideToolbars removeMainMenu removeBorder systemMenuIconOnly maximise show\n");
  EXPECT_EQ(zebtool({"presentation"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"presentation", (folder.path() / "missing.zeb").string()}).exitStatus, 1);
}

}  // namespace
}  // namespace zeb
