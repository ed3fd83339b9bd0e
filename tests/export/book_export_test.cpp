// The export of whole books: the stylesheet, the page documents (runs, tables, pictures with
// zones, links, forms, frames), the contents, safe names, and epubcheck on the samples.
#include "export/book/book_export.h"

#include <gtest/gtest.h>
#include <unzip.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/code_pages.h"
#include "export/book/archive_sink.h"
#include "export/book/book_documents.h"
#include "export/book/css_stylesheet.h"
#include "export/book/export_resources.h"
#include "export/book/safe_names.h"
#include "export/book/xhtml_page.h"
#include "export/book/xml_text.h"
#include "shell/contents_tree.h"
#include "shell/print/print_job.h"
#include "tests/support/run_command.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_description.h"

namespace zeb {
namespace {

using testing::TemporaryFolder;

class BookExport : public ::testing::Test {
 protected:
  // The book the description makes, loaded; its pages exported as EPUB documents.
  TZEBset& load(std::string_view json) {
    const auto path = folder.write("book.zeb", zebmake::buildBookFromJson(json, folder.path()));
    set = std::make_unique<TZEBset>(platform.services());
    EXPECT_TRUE(set->Load(path.string()));
    links = std::make_unique<BookLinks>(*set, BookExportFormat::epub,
                                        documentNames(pagesInStoredOrder(*set), 0, BookExportFormat::epub), resources);
    return *set;
  }

  std::string bodyOf(std::int32_t number) {
    auto* page = dynamic_cast<TZEBtesto*>(set->slot(TOggettiHel::testoHtml, number));
    if (page == nullptr) return "(no page)";
    std::string body;
    appendPageBody(*set, *links, *page, body, &looks);
    return body;
  }

  testing::TestPlatform platform;
  TemporaryFolder folder;
  std::unique_ptr<TZEBset> set;
  ExportResources resources;
  std::unique_ptr<BookLinks> links;
  XhtmlLooks looks;
};

TEST_F(BookExport, StylesheetHasTheStylesAttributesAndTheirLinkLook) {
  load(R"({"objects": [
    {"kind": "stileParagrafo", "name": "Heading",
     "fields": [{"offset": 39, "string": "Arial", "max": 32}, {"offset": 72, "i16": 18},
                {"offset": 74, "i32": 8388608}, {"offset": 78, "u8": 5}, {"offset": 90, "i16": 6},
                {"offset": 92, "i16": 10}, {"offset": 96, "i16": -20}, {"offset": 94, "i16": 24},
                {"offset": 99, "u8": 2}, {"offset": 100, "u8": 10}, {"offset": 81, "i32": 255},
                {"offset": 85, "u8": 4}]},
    {"name": "P", "text": "<Z S0 >x"}]})");
  EXPECT_EQ(
      styleRules(set->slot(TOggettiHel::stileParagrafo, 2), 2),
      "/* Heading */\n.s2 { font-family: 'Liberation Sans', 'Arial', sans-serif; font-size: 18pt; font-weight: bold; "
      "font-style: normal; text-decoration: underline; color: #000080; vertical-align: baseline; text-align: center; "
      "margin-top: 6px; margin-right: 10px; margin-bottom: 10px; margin-left: 10px; text-indent: -20px; line-height: "
      "24px; display: list-item; list-style-type: disc; counter-reset: none; }\n.s2 a { text-decoration: none; color: "
      "#ff0000; }\n");
  EXPECT_EQ(cssFontFamily("Courier New"), "'Liberation Mono', 'Courier New', monospace");
  EXPECT_EQ(cssFontFamily("My 'Own' Face"), "'My Own Face', serif");
}

TEST_F(BookExport, RunsAreSpansOnlyWhereTheyDifferAndParagraphsCarryTheirOverrides) {
  load(
      R"({"objects": [{"name": "P", "text": "<Z S0 A2 >plain <Y g1 >bold<Y > back <Y y0 >same<Z S0 >caf\u00e9 &lt;&amp;"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<p class="s0 l1">plain <span class="r1">bold</span> back same</p><p class="s0">caf)x"
      "\xC3\xA9"
      R"x( &lt;&amp;</p>)x");
  EXPECT_EQ(lookRules(looks), ".l1 { text-align: center; }\n.r1 { font-weight: bold; }\n");
}

// Long plain stretches are taken many bytes at a time: whatever stands where in them, each
// character needing more than a copy is found at its place.
TEST(XmlText, BookTextStopsAtMarkupAndEscapesWhereverTheCharactersStand) {
  const CodePage& codePage = CodePage::of(1252);
  const std::string plain = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (std::size_t at = 0; at < plain.size(); ++at) {
    for (const char odd : {'"', '>', '\xE9', '\x01'}) {
      std::string text = plain;
      text[at] = odd;
      std::string expected = plain.substr(0, at);
      expected += odd == '"' ? "&quot;" : odd == '>' ? "&gt;" : odd == '\x01' ? "" : "\xC3\xA9";
      expected += plain.substr(at + 1);
      std::string out;
      EXPECT_EQ(appendBookTextUpToMarkup(out, text + "<Z>", codePage), text.size()) << at;
      EXPECT_EQ(out, expected) << at << ' ' << int(odd);
    }
    std::string out;
    EXPECT_EQ(appendBookTextUpToMarkup(out, plain.substr(0, at) + "&amp;" + plain, codePage), at);
    EXPECT_EQ(out, plain.substr(0, at));
  }
}

TEST_F(BookExport, ATableOfTwoByTwoWithItsColumnsCellColoursAndBorders) {
  load(R"({"objects": [
    {"kind": "tabellaHtml",
     "table": {"rows": 2, "columns": [{"percent": 40}, {"pixels": 120}], "percent": 80, "spacing": 2, "inset": 3,
               "border": 1, "cells": [255, 4294967295, 65280, 4294967295]}},
    {"name": "T", "text": "<Z S0 >before<$08000000><Z S0 >a<T><Z S0 >b<T><Z S0 >c<T><Z S0 >d<T>after"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<p class="s0">before</p><table style="width: 80%; border-spacing: 2px; border: 1px outset;"><colgroup><col style="width: 40%;"/><col style="width: 120px;"/></colgroup><tbody><tr><td style="padding: 3px; border: 1px inset; background-color: #ff0000;"><p class="s0">a</p></td><td style="padding: 3px; border: 1px inset;"><p class="s0">b</p></td></tr><tr><td style="padding: 3px; border: 1px inset; background-color: #00ff00;"><p class="s0">c</p></td><td style="padding: 3px; border: 1px inset;"><p class="s0">d</p></td></tr></tbody></table><p class="s0">after</p>)x");
}

TEST_F(BookExport, APictureWithTwoHotZonesIsAnImageMapWithItsLinks) {
  load(R"({"objects": [
    {"kind": "internetLink", "name": "nexo:|1"},
    {"kind": "internetLink", "name": "http://example.org/"},
    {"kind": "immagine", "name": "Dot", "file_name": "dot.bmp", "data": {"bmp": {"width": 20, "height": 10}}},
    {"kind": "immagineNew", "name": "A dot",
     "fields": [{"offset": 0, "i32": 0}, {"offset": 15, "i16": 40}, {"offset": 17, "i16": 20}],
     "zones": [{"slot": 2, "link": 16777216, "left": 0, "top": 0, "width": 20, "height": 20},
               {"slot": 5, "link": 16777217, "left": 20, "top": 0, "width": 30, "height": 20}]},
    {"name": "Picture", "text": "<Z S0 ><$10000000>"},
    {"name": "Other", "text": "<Z S0 >x"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<p class="s0"><img src="res/dot.png" alt="A dot" width="40" height="20" usemap="#map1"/><map name="map1"><area shape="rect" coords="0,0,20,20" href="p1.xhtml" alt="A dot"/><area shape="rect" coords="20,0,40,20" href="http://example.org/" alt="A dot"/></map></p>)x");
  ASSERT_EQ(resources.all().size(), 1u);
  EXPECT_EQ(resources.all().begin()->first, "dot.png");
}

TEST_F(BookExport, LinksLeadToOtherPagesAndTheirAnchorsAndProgramsStayText) {
  load(R"({"objects": [
    {"kind": "speclink", "link_action": {"action": 1, "destination": 0, "target": 1, "anchor": 7}},
    {"kind": "speclink", "link_action": {"action": 1, "destination": 0, "target": 1, "anchor": 8}},
    {"kind": "internetLink", "name": "run:tools\\viewer.exe /page 3"},
    {"kind": "internetLink", "name": "mailto:reader@example.org"},
    {"kind": "internetLink", "name": "nexo:Other Book.zeb|"},
    {"kind": "shortObj", "state": 14, "fields": [{"offset": 5, "i32": 7}]},
    {"name": "From", "text": "<Z S0 ><$0A000000>anchored<%> <$0A000001>no such anchor<%> <$01000000>viewer<%> <$01000001>mail<%> <$01000002>other<%>"},
    {"name": "To", "text": "<Z S0 >top<Z S0 ><$0B000000>here"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<p class="s0"><a href="p1.xhtml#anchor-7">anchored</a> <a href="p1.xhtml">no such anchor</a> <a class="inactive" title="Starts a program in the reader; not followed here: run:tools\viewer.exe /page 3">viewer</a> <a href="mailto:reader@example.org">mail</a> <a class="inactive" title="Leads into another book, which an EPUB cannot link to: Other_Book.epub, Other Book.zeb">other</a></p>)x");
  EXPECT_EQ(bodyOf(1), R"x(<p class="s0">top</p><p class="s0"><span id="anchor-7"></span>here</p>)x");
}

TEST_F(BookExport, FormControlsAreDisabledAndShowTheirDefaults) {
  load(R"({"objects": [
    {"kind": "inputStat", "state": 1, "name": "who", "secondary": {"attributes": {"size": "10", "value": "Ann"}}},
    {"kind": "inputStat", "state": 7, "name": "gift", "secondary": {"attributes": {"value": "yes", "caption": "Wrap", "checked": "checked"}}},
    {"kind": "inputStat", "state": 9, "name": "way", "data": "Post\np\nn\nHand\nh\ny"},
    {"kind": "bottoneCGI", "name": "send", "fields": [{"offset": 185, "u8": 1}], "secondary": {"attributes": {"caption": "Send"}}},
    {"name": "Form", "text": "<Z S0 ><$14000000><$14000001><$14000002><$16000000>"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<p class="s0"><input type="text" name="who" value="Ann" size="10" disabled="disabled"/><label><input type="checkbox" name="gift" value="yes" checked="checked" disabled="disabled"/> Wrap</label><select name="way" disabled="disabled"><option value="p">Post</option><option value="h" selected="selected">Hand</option></select><input type="submit" name="send" value="Send" disabled="disabled"/></p>)x");
}

TEST_F(BookExport, AFramePageIsFlattenedIntoSectionsInTheOrderOfItsFrames) {
  load(R"({"objects": [
    {"kind": "mappaFrame", "name": "Frames", "record_length": 58,
     "frames": [{"identity": 1, "parent": -1, "name": "All"},
                {"identity": 2, "parent": 1, "name": "Top", "kind": 0, "size_mode": 1, "fixed": 40, "page": 1},
                {"identity": 3, "parent": 1, "name": "Main", "kind": 3, "page": 0}]},
    {"name": "Framed", "frame_map": 0, "text": "<Z S0 >main text"},
    {"name": "Title", "text": "<Z S0 >title text"}]})");
  EXPECT_EQ(
      bodyOf(0),
      R"x(<section class="frame" title="Top"><p class="s0">title text</p></section><section class="frame" title="Main"><p class="s0">main text</p></section>)x");
}

TEST_F(BookExport, TheContentsAreTheTreeWithItsChaptersThenThePagesItLeavesOut) {
  load(R"({"contents": ["a0,-2,Book", "a1,-3,First", "a2,1,x", "a1,-3,Second", "a2,0,x", "a1,-3,Empty"],
           "objects": [{"name": "Cover", "text": "<Z S0 >c"}, {"name": "One", "text": "<Z S0 >1"},
                       {"name": "Two & more", "text": "<Z S0 >2"}]})");
  ContentsTree tree(TOggettiHel::testoHtml);
  tree.setLinkedZEBset(set.get());
  tree.LoadContents();
  EXPECT_EQ(
      contentsBody(tree, {2}, *links, BookExportFormat::epub, {"p0.xhtml", ""}, "nav.xhtml"),
      R"x(<nav epub:type="toc" id="toc"><h1>Contents</h1><ol><li><span>First</span><ol><li><a href="p1.xhtml">One</a></li></ol></li><li><span>Second</span><ol><li><a href="p0.xhtml">Cover</a></li></ol></li><li><a href="p2.xhtml">Two &amp; more</a></li></ol></nav>)x"
      "\n"
      R"x(<nav epub:type="landmarks" hidden="hidden"><h2>Landmarks</h2><ol><li><a epub:type="cover" href="p0.xhtml">Cover</a></li><li><a epub:type="toc" href="nav.xhtml#toc">Contents</a></li></ol></nav>)x");
}

// Cancelled halfway, the archive's compressing threads stop and nothing is left behind.
TEST_F(BookExport, ACancelledExportLeavesNoFile) {
  std::string pages = R"({"objects": [)";
  for (int i = 0; i < 200; ++i) pages += std::string(i ? "," : "") + R"({"name": "P", "text": "<Z S0 >some text"})";
  TZEBset& book = load(pages + "]}");
  BookExportRequest request;
  request.target = folder.path() / "out.epub";
  request.onProgress = [](int done, int) { return done < 100; };
  EXPECT_EQ(exportBook(book, request).outcome, BookExportResult::Outcome::cancelled);
  EXPECT_FALSE(std::filesystem::exists(request.target));
  EXPECT_FALSE(std::filesystem::exists(request.target.string() + ".part"));
}

// Entries larger than what the archive's file gathers in memory, compressible or not, and
// small ones between them, read back as they went in: each header is filled in after its
// entry, wherever the entry's bytes are by then.
TEST(ZipSink, LargeAndSmallEntriesReadBackAsTheyWentIn) {
  TemporaryFolder folder;
  const std::filesystem::path path = folder.path() / "out.zip";
  std::vector<std::pair<std::string, std::string>> entries;
  std::uint32_t seed = 12345;
  std::string noise(6 << 20, '\0');
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
  entries.emplace_back("first.txt", "a small one");
  entries.emplace_back("noise.bin", noise);
  entries.emplace_back("between.txt", std::string(3000, 'x'));
  std::string words;
  while (words.size() < (5u << 20)) words += "some words " + std::to_string(words.size() % 977) + "\n";
  entries.emplace_back("words.txt", words);
  entries.emplace_back("empty.txt", "");
  {
    const auto sink = createZipSink(path);
    ASSERT_NE(sink, nullptr);
    for (const auto& [name, bytes] : entries) ASSERT_TRUE(sink->add(name, bytes));
    ASSERT_TRUE(sink->finish());
  }
  unzFile zip = unzOpen64(path.c_str());
  ASSERT_NE(zip, nullptr);
  for (const auto& [name, bytes] : entries) {
    ASSERT_EQ(unzLocateFile(zip, name.c_str(), 1), UNZ_OK) << name;
    ASSERT_EQ(unzOpenCurrentFile(zip), UNZ_OK) << name;
    std::string read(bytes.size() + 1, '\0');
    const int got = unzReadCurrentFile(zip, read.data(), static_cast<unsigned>(read.size()));
    EXPECT_EQ(unzCloseCurrentFile(zip), UNZ_OK) << name;  // checks the stored checksum
    read.resize(static_cast<std::size_t>(std::max(got, 0)));
    EXPECT_TRUE(read == bytes) << name << ": " << got << " bytes read";
  }
  unzClose(zip);
}

TEST(SafeNames, NamesLoseTheirFoldersAndEveryCharacterAFileSystemOrAnAddressRefuses) {
  EXPECT_EQ(safeFileName("..\\..\\escape.txt"), "escape.txt");
  EXPECT_EQ(safeFileName("/etc/passwd"), "passwd");
  EXPECT_EQ(safeFileName("C:Manual.PDF"), "Manual.PDF");
  EXPECT_EQ(safeFileName(".."), "file");
  EXPECT_EQ(safeFileName(".hidden"), "hidden");
  EXPECT_EQ(safeFileName("a b?c*d|e\"f<g>h.txt"), "a_b_c_d_e_f_g_h.txt");
  EXPECT_EQ(safeFileName("caf\xC3\xA9.gif"), "caf__.gif");
  EXPECT_EQ(safeFileName("con.txt"), "_con.txt");
  EXPECT_EQ(safeFileName("trailing..."), "trailing");
  EXPECT_EQ(safeFileName(std::string(300, 'x') + ".png").size(), limits::maxExportNameLength);
  std::set<std::string> taken;
  EXPECT_EQ(uniqueName("a.png", taken), "a.png");
  EXPECT_EQ(uniqueName("A.png", taken), "A-2.png");
  EXPECT_EQ(uniqueName("a.png", taken), "a-3.png");
}

// Every sample book's EPUB passes epubcheck without an error or a warning, and exporting it
// again gives the same bytes.
TEST(SampleEpubs, PassEpubcheckAndAreReproducible) {
  const char* jar = "/usr/share/java/epubcheck.jar";
  if (!std::filesystem::exists(jar)) GTEST_SKIP() << "epubcheck is not installed";
  TemporaryFolder folder;
  for (const char* book : {"guide", "links"}) {
    const std::string source = std::string(SAMPLES_DIR) + "/" + book + ".zeb";
    const std::string first = (folder.path() / (std::string(book) + ".epub")).string();
    const std::string second = (folder.path() / (std::string(book) + "-again.epub")).string();
    ASSERT_EQ(testing::runCommand(ZEBTOOL_PATH, {"epub", source, first}).exitStatus, 0) << book;
    ASSERT_EQ(testing::runCommand(ZEBTOOL_PATH, {"epub", source, second}).exitStatus, 0) << book;
    EXPECT_EQ(testing::readBytes(first), testing::readBytes(second)) << book;
    const auto checked = testing::runCommand("/usr/bin/java", {"-jar", jar, first});
    EXPECT_EQ(checked.exitStatus, 0) << checked.out << checked.err;
    EXPECT_NE(checked.out.find("No errors or warnings detected."), std::string::npos) << checked.out << checked.err;
    // The target exists now: it is never replaced.
    EXPECT_EQ(testing::runCommand(ZEBTOOL_PATH, {"epub", source, first}).exitStatus, 1) << book;
  }
}

}  // namespace
}  // namespace zeb
