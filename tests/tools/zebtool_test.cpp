// zebtool and zebmake as programs: output, messages on stderr and exit statuses.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

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
            "Non pi\xC3\xB9 supportato. UNSUPPORTED\\n\nInformation: Error reading file: " +
                oldPath + "\n");
}

TEST_F(Zebtool, UsageErrorsExitWithTwo) {
  EXPECT_EQ(zebtool({}).exitStatus, 2);
  EXPECT_EQ(zebtool({"no-such-command"}).exitStatus, 2);
  const auto result = zebtool({"info"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("usage: zebtool info BOOK"), std::string::npos);
  EXPECT_EQ(zebtool({"pages", "a", "b"}).exitStatus, 2);
}

// The usage lines the manual page gives its entries: the first line after each ".TP" that
// names zebtool, without the fonts and escapes of roff.
std::set<std::string> manualPageUsages(const std::filesystem::path& page) {
  std::ifstream in(page);
  std::set<std::string> usages;
  bool entryStarts = false;
  for (std::string line; std::getline(in, line);) {
    if (entryStarts && line.starts_with("\\fBzebtool ")) {
      std::string plain;
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\f") == 0 && i + 2 < line.size()) {
          i += 2;
        } else if (line.compare(i, 2, "\\-") == 0) {
          plain += '-';
          ++i;
        } else {
          plain += line[i];
        }
      }
      usages.insert(plain);
    }
    entryStarts = line == ".TP";
  }
  return usages;
}

TEST_F(Zebtool, HelpListsEveryCommandOfTheManualPageAndTheReverse) {
  const auto help = zebtool({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.err, "");
  std::set<std::string> helpUsages;
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("  zebtool ")) helpUsages.insert(line.substr(2));
  EXPECT_GE(helpUsages.size(), 20u);
  EXPECT_EQ(manualPageUsages(BRIGHTFOLD_SOURCE_DIR "/packaging/man/zebtool.1.in"), helpUsages);

  const auto version = zebtool({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out, "zebtool " BRIGHTFOLD_VERSION "\n");
}

TEST_F(Zebtool, LinkPrintsTheFourPartsOfATarget) {
  const std::string book = writeBook([](TZEBset& set) { zebmake::addPage(set, "P", "<Z S0 >"); });
  auto result = zebtool({"link", book, "nexo:other.zeb|12"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out,
            "book-link: yes\npath: " + (folder.path() / "other.zeb").string() + "\nsame-book: no\nid: 12\n");
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

  // As the search dialog lists the pages, and as its search in the e-book goes on from a page.
  EXPECT_EQ(zebtool({"search", book, "--snippets", "lait"}).out, "2\tlait\tCAF\xC3\x89 au lait\n");
  EXPECT_EQ(zebtool({"search", book, "--after", "0", "caf\xC3\xA9"}).out, "2\tcaf\xC3\xA9\n");
  EXPECT_EQ(zebtool({"search", book, "--first", "--after", "-1", "caf\xC3\xA9"}).out, "0\tcaf\xC3\xA9\n");
  EXPECT_EQ(zebtool({"search", book, "--after", "2", "--first", "caf\xC3\xA9"}).out, "");
  EXPECT_EQ(zebtool({"search", book, "--after", "x", "tea"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"search", book, "--after"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"search", book, "--colour", "tea"}).exitStatus, 2);
}

// Terms are typed in Unicode and searched in each page's code page, lower-cased by its own
// letters; a letter the code page lacks is in none of its pages.
TEST_F(Zebtool, SearchConvertsTermsIntoTheCodePageOfEachPage) {
  const std::string book = makeBook(R"({"language": 1049, "objects": [
      {"name": "ru", "text": "<Z S0 >ПРИВЕТ, МИР?"},
      {"name": "el", "language": 1032, "text": "<Z S0 >ΣΟΦΟΣ ΚΑΙ ΣΟΦΌΣ"}]})");
  EXPECT_EQ(zebtool({"search", book, "привет"}).out, "0\tпривет\n");
  EXPECT_EQ(zebtool({"search", book, "--snippets", "мир"}).out, "0\tмир\tПРИВЕТ, МИР?\n");
  EXPECT_EQ(zebtool({"search", book, "σοφος"}).out, "1\tσοφοσ\n");  // the final sigma meets the capital
  EXPECT_EQ(zebtool({"search", book, "σοφός"}).out, "1\tσοφόσ\n");
  EXPECT_EQ(zebtool({"search", book, "中"}).out, "");
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

TEST_F(Zebtool, FollowPrintsWhatALinkWouldDoWithoutDoingIt) {
  const std::string links = (folder.path() / "links.zeb").string();
  const auto made = runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/links.json", links});
  ASSERT_EQ(made.exitStatus, 0) << made.err;
  auto follow = [&](const std::string& id) { return zebtool({"follow", links, "1", id}).out; };

  EXPECT_EQ(follow("0x01000003"),
            "action: run-target\ntarget: run:tools\\viewer.exe /page 3\n"
            "command: tools\\viewer.exe /page 3\nstart: windows-program\nprogram: " +
                (folder.path() / "tools" / "viewer.exe").string() +
                "\nargument: /page\nargument: 3\nconfirmation: asked\n");
  EXPECT_EQ(follow("0x01000006"),
            "action: run-target\ntarget: prog:notes.doc\nparameters: PRIVATE/params.doc\nstart: file\n"
            "open: PRIVATE/params.doc\nconfirmation: asked\n");
  EXPECT_EQ(follow("0x01000001"),
            "action: open-outside\ntarget: http://example.org/brightfold\nstart: address\n"
            "open: http://example.org/brightfold\nconfirmation: none\n");
  EXPECT_EQ(follow("0x0A000004"),
            "action: show-in-popup-window\ntarget: 0x00000003 testoHtml Notes\nanchor: -1\nflag: 0\n"
            "window: <<<pop\ndescription: left -20000 top 0 width 320 height 200 maximised no history-toolbar no "
            "menu no sizeable yes status-bar no main-toolbar no\n");
  EXPECT_EQ(follow("0x0A000005"), "action: show-page\nthrough: plain link\npage: 2\nframe: main page\nanchor: 1\n");
  EXPECT_EQ(follow("0x0A000007"), "action: hide-main-window\n");
  EXPECT_EQ(follow("0x0B000000"), "action: go-to-anchor\nanchor: 1\n");
  EXPECT_EQ(follow("0x05000000"), "action: unsupported\nmessage: Information: Undefined or unsupported.\n");
  EXPECT_EQ(follow("0x02000000"), "action: nothing\nreason: a linked file of the first format does nothing\n");

  EXPECT_EQ(zebtool({"follow", links, "1"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"follow", links, "9", "0"}).exitStatus, 1);
  EXPECT_EQ(zebtool({"follow", links, "1", "0x0F000000"}).exitStatus, 1);
}

}  // namespace
}  // namespace zeb
