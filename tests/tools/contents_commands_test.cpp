// zebtool contents and keywords as programs.
#include "document/book_object.h"
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
  std::string book = writeBook([](TZEBset& set) {
    zebmake::addPage(set, "Cover", "<Z S0 >");
    zebmake::addPage(set, "End", "<Z S0 >");
  }, "plain.zeb");
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

}  // namespace
}  // namespace zeb
