// zebtool text and rtf as programs: the conversions of a stored page, and their errors.
#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using ExportCommands = testing::Zebtool;

TEST_F(ExportCommands, TextWritesThePageAsUtf8WithoutTheClosingZero) {
  const std::string book = writeBook(
      [](TZEBset& set) { zebmake::addPage(set, "Cover", "<Z S0 >Caf\xE9 &amp; cr\xE8me<Z S0 A2 ><Y g1 >second\x80"); });
  const auto result = zebtool({"text", book, "0"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "Caf\xC3\xA9 & cr\xC3\xA8me\r\nsecond\xE2\x82\xAC");
}

TEST_F(ExportCommands, StoredObjectIdsAndOlderTextsAreConverted) {
  const std::string book = writeBook([](TZEBset& set) {
    TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
    table.record().setU8(field::tableColumns, 2);
    zebmake::addPage(set, "Table", "<Z S0 >grid:<$08000000><Z S1 >a<T><Z S1 >b<T><Z S0 >end");
    TZEBtesto& old = zebmake::addPage(set, "Old", "<B>bold</B> text<P>next");
    old.record().setU8(field::pageTextFormat, 1);
  });
  EXPECT_EQ(zebtool({"text", book, "0"}).out, "grid:a\tb\r\n\r\nend");
  EXPECT_EQ(zebtool({"text", book, "1"}).out, "bold text\r\nnext");
}

TEST_F(ExportCommands, RtfWritesTheDocumentsBytes) {
  const std::string book = writeBook([](TZEBset& set) { zebmake::addPage(set, "Cover", "<Z S0 >caf\xE9"); });
  const auto result = zebtool({"rtf", book, "0"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(
      result.out,
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue0;}"
      "{\\stylesheet{\\s1 \\widctlpar \\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 "
      "[no style];}}\\paperw11905\\paperh16837\\margt1417\\margb1417\\margl1417\\margr1417 "
      "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 caf\\'e9"
      "\\par \r\n}");
}

TEST_F(ExportCommands, MissingPagesFailAndMalformedArgumentsAreUsageErrors) {
  const std::string book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "Cover", "<Z S0 >x");
    zebmake::addPage(set, "Gone", "<Z S0 >y").Release();
  });
  for (const std::string_view name : {"text", "rtf"}) {
    const std::string command(name);
    for (const char* page : {"1", "7", "99999999"}) {
      const auto result = zebtool({command, book, page});
      EXPECT_EQ(result.exitStatus, 1) << command << " " << page;
      EXPECT_EQ(result.out, "");
      EXPECT_EQ(result.err, "zebtool: the book has no page " + std::string(page) + "\n");
    }
    EXPECT_EQ(zebtool({command, (folder.path() / "missing.zeb").string(), "0"}).exitStatus, 1);
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{command, book},
                                                      {command, book, "-1"},
                                                      {command, book, "0x1"},
                                                      {command, book, "0", "1"}}) {
      const auto result = zebtool(arguments);
      EXPECT_EQ(result.exitStatus, 2);
      EXPECT_NE(result.err.find("usage: zebtool " + command + " BOOK PAGE"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace zeb
