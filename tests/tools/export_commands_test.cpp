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

// A book written on a Windows in another language holds its text in that system's code page,
// which its language identifiers name.
TEST_F(ExportCommands, TextIsReadInTheCodePageOfTheBooksLanguages) {
  const struct {
    int language;
    std::string text;
  } samples[] = {{1032, "Καλημέρα κόσμε"},     {1049, "Съешь же ещё этих булок"},
                 {1045, "Zażółć gęślą jaźń"},  {1055, "Pijamalı hasta yağız şoföre"},
                 {1037, "שלום עולם, זהו ספר"}, {1054, "สวัสดีครับ"}};
  for (const auto& sample : samples) {
    const std::string book = makeBook(R"({"language": )" + std::to_string(sample.language) +
                                      R"(, "objects": [{"name": "p", "text": "<Z S0 >)" + sample.text + R"("}]})");
    EXPECT_EQ(zebtool({"text", book, "0"}).out, sample.text) << sample.language;
  }
  // A page's own language wins over the book's; --codepage over both.
  const std::string mixed = makeBook(R"({"language": 1049, "objects": [{"name": "Мир", "text": "<Z S0 >Мир"},
      {"name": "Κόσμος", "language": 1032, "text": "<Z S0 >Κόσμος"}]})");
  EXPECT_EQ(zebtool({"text", mixed, "0"}).out, "Мир");
  EXPECT_EQ(zebtool({"text", mixed, "1"}).out, "Κόσμος");
  EXPECT_EQ(zebtool({"pages", mixed}).out, "0\tМир\n1\tΚόσμος\n");
  EXPECT_EQ(zebtool({"text", mixed, "1", "--codepage", "1251"}).out, "Кьумпт");  // the Greek bytes as Cyrillic
  EXPECT_EQ(zebtool({"text", "--codepage", "auto", mixed, "1"}).out, "Κόσμος");
  for (const char* codePage : {"932", "x", "1252x"})
    EXPECT_EQ(zebtool({"text", mixed, "0", "--codepage", codePage}).exitStatus, 2);
  EXPECT_EQ(zebtool({"text", mixed, "0", "--codepage"}).exitStatus, 2);
}

// RTF names the code page of the document and of each font, so that a word processor reads
// the "\'xx" bytes as the letters they are.
TEST_F(ExportCommands, RtfOfAnotherCodePageSaysWhichAndReadsBackAsTheSameText) {
  const std::string book =
      makeBook(R"({"language": 1049, "objects": [{"name": "p", "text": "<Z S0 >Привет, мир<Y F\"Symbol\" >a"}]})");
  const std::string rtf = zebtool({"rtf", book, "0"}).out;
  EXPECT_TRUE(
      rtf.starts_with("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New Roman;}"))
      << rtf;
  EXPECT_NE(rtf.find("\\fcharset2\\fprq2 Symbol;}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0"), std::string::npos) << rtf;

  // LibreOffice, where it is installed, reads the document back as the same words.
  if (testing::runCommand("/bin/sh", {"-c", "command -v soffice"}).exitStatus != 0)
    GTEST_SKIP() << "LibreOffice is not installed";
  folder.write("page.rtf", rtf);
  const std::string convert = "cd '" + folder.path().string() +
                              "' && soffice --headless --convert-to txt:Text page.rtf >/dev/null 2>&1 && cat page.txt";
  EXPECT_NE(testing::runCommand("/bin/sh", {"-c", convert}).out.find("Привет, мир"), std::string::npos);
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
