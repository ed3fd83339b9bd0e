// zebtool contents and keywords as programs.
#include "document/book_object.h"
#include "tests/support/test_platform.h"
#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using testing::Zebtool;

void setContents(TZEBset& set, std::string_view stream) {
  set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
}

TEST_F(Zebtool, ContentsPrintsTheTreeAsTheReaderLoadsIt) {
  const std::string book = writeBook([](TZEBset& set) {
    for (int i = 0; i < 8; ++i) zebmake::addPage(set, i == 5 ? "Caf\xE9" : "p" + std::to_string(i), "<Z S0 >");
    setContents(set, "a0,-2,book\r\na1,-3,Part one\r\na2,5,x\r\na1,-3,Part two\r\na2,7,stale\r\na2,9,x\r\n");
  });
  const auto result = zebtool({"contents", book});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "0\tbook\t-2\tbook\n"
            "1\tchapter\t-3\tPart one\n"
            "2\tobject\t5\tCaf\xC3\xA9\n"
            "1\tchapter\t-3\tPart two\n"
            "2\tobject\t7\tp7\n"
            "2\tnone\t-1\tx\n");
}

TEST_F(Zebtool, ContentsOfABookWithoutTreeIsTheDefaultTreeAndDamageIsReported) {
  std::string book = writeBook(
      [](TZEBset& set) {
        zebmake::addPage(set, "Cover", "<Z S0 >");
        zebmake::addPage(set, "End", "<Z S0 >");
      },
      "plain.zeb");
  auto result = zebtool({"contents", book});
  EXPECT_EQ(result.out, "0\tbook\t-2\tplain.zeb\n1\tobject\t0\tCover\n1\tobject\t1\tEnd\n");

  book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "Cover", "<Z S0 >");
    setContents(set, "a0,-2,b\r\nnot a line\r\na3,0,x\r\nAgain\r\na1,0,x\r\n");
  });
  result = zebtool({"contents", book});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "0\tbook\t-2\tb\n1\tobject\t0\tCover\n");
  EXPECT_EQ(result.err, "Error!: error decoding nodes\nError!: error loading nodes\n");
}

TEST_F(Zebtool, KeywordsPrintsTheListWithThePagesOfEachKeyword) {
  const std::string book = writeBook([](TZEBset& set) {
    for (const char* name : {"links", "Linking books", "pictures", "\xE9t\xE9"})
      zebmake::addObject(set, TOggettiHel::keyword).setName(name);
    zebmake::addPage(set, "a", "<Z S0 >").record().setI32(field::pageKeywords, 0);
    TZEBoggetto& second = zebmake::addPage(set, "b", "<Z S0 >");
    second.record().setI32(field::pageKeywords, 1);
    second.record().setI32(field::pageKeywords + 4, 0);
  });
  auto result = zebtool({"keywords", book});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "Linking books\t1\nlinks\t0,1\npictures\t\n\xC3\xA9t\xC3\xA9\t\n");
  EXPECT_EQ(zebtool({"keywords", book, "LIN"}).out, "Linking books\t1\nlinks\t0,1\n");
  EXPECT_EQ(zebtool({"keywords", book, "\xC3\x89T"}).out, "\xC3\xA9t\xC3\xA9\t\n");
  EXPECT_EQ(zebtool({"keywords", book, "x"}).out, "");
  EXPECT_EQ(zebtool({"keywords"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"keywords", book, "a", "b"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"contents", book, "x"}).exitStatus, 2);
}

TEST_F(Zebtool, KeywordPrefixesIgnoreCaseInTheBooksCodePage) {
  const std::string book = makeBook(R"({"language": 1032, "objects": [
      {"kind": "keyword", "name": "ΑΘΉΝΑ"}, {"kind": "keyword", "name": "αγορά"},
      {"name": "Σελίδα", "text": "<Z S0 >", "keywords": [0]}]})");
  EXPECT_EQ(zebtool({"keywords", book, "αθή"}).out, "ΑΘΉΝΑ\t0\n");
  EXPECT_EQ(zebtool({"keywords", book, "ΑΓ"}).out, "αγορά\t\n");
  EXPECT_EQ(zebtool({"keywords", book, "ж"}).out, "");
  EXPECT_EQ(zebtool({"keywords", book}).out, "αγορά\t\nΑΘΉΝΑ\t0\n");
}

TEST_F(Zebtool, ZebmakeStoresContentsStreamsAndTheSampleHasOne) {
  const auto description = folder.write("book.json", std::string(R"({
      "objects": [{"name": "Only", "text": "<Z S0 >"}, {"kind": "custom", "name": "Card"}],
      "contents": ["a0,-2,Caf\u00e9", "a1,0,x"],
      "prototype_contents": "a0,-2,p\na1,201326592,x"
    })"));
  const std::string book = (folder.path() / "made.zeb").string();
  ASSERT_EQ(testing::runCommand(ZEBMAKE_PATH, {description.string(), book}).exitStatus, 0);
  EXPECT_EQ(zebtool({"contents", book}).out, "0\tbook\t-2\tCaf\xC3\xA9\n1\tobject\t0\tOnly\n");
  testing::TestPlatform platform;
  const auto set = std::make_unique<TZEBset>(platform.services());
  ASSERT_TRUE(set->Load(book));
  const auto stream = set->contentsHolderForPrototypes().primaryData();
  EXPECT_EQ(std::string(stream.begin(), stream.end()), "a0,-2,p\na1,201326592,x");

  const std::string guide = (folder.path() / "guide.zeb").string();
  ASSERT_EQ(testing::runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/guide.json", guide}).exitStatus, 0);
  EXPECT_EQ(zebtool({"contents", guide}).out,
            "0\tbook\t-2\tA Guide to Brightfold\n1\tobject\t0\tWelcome\n1\tchapter\t-3\tFinding your way\n"
            "2\tobject\t1\tContents\n2\tobject\t2\tLinks\n1\tchapter\t-3\tWhat a page holds\n"
            "2\tobject\t3\tPictures\n");
  EXPECT_EQ(zebtool({"keywords", guide, "li"}).out, "Linking books\t2\nlinks\t2\n");
}

}  // namespace
}  // namespace zeb
