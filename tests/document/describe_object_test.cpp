// Describing objects in words, kind by kind.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/describe_object.h"
#include "document/page_object.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

class DescribeObject : public ::testing::Test {
 protected:
  TZEBoggetto& link(std::string_view target) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::internetLink);
    object.setName(target);
    return object;
  }
  TZEBoggetto& action(int subtype, std::string_view text = {}) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::speclink);
    object.record().setU8(4, static_cast<std::uint8_t>(subtype));
    if (!text.empty()) object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return object;
  }
  std::string describe(const TZEBoggetto& object) { return describeObject(set, object); }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(DescribeObject, PagesFilesPicturesAndPrototypes) {
  TZEBtesto& page = zebmake::addPage(set, "Chapter", "<Z S0 >");
  EXPECT_EQ(describe(page), "Chapter|Link to: Chapter");
  TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
  file.setName("C:\\data\\report.pdf");
  EXPECT_EQ(describe(file), "report.pdf|Link to file: report.pdf");
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  picture.setName("Sunset");
  EXPECT_EQ(describe(picture), "Sunset");
  TZEBoggetto& prototype = zebmake::addObject(set, TOggettiHel::custom);
  prototype.setName("Form");
  EXPECT_EQ(describe(prototype), "Form|Custom  Form");
  EXPECT_EQ(describe(zebmake::addObject(set, TOggettiHel::tabellaHtml)), "");

  page.Release();
  EXPECT_EQ(describe(page), "Undefined.");
}

TEST_F(DescribeObject, HyperlinksByTheirTargets) {
  zebmake::addPage(set, "Start", "<Z S0 >");
  zebmake::addPage(set, "Second", "<Z S0 >");
  EXPECT_EQ(describe(link("nexo:|1")), "Second|Link to: Second");
  EXPECT_EQ(describe(link("mailto:ann@example.org")), "ann@example.org|Link to e-mail: ann@example.org");
  EXPECT_EQ(describe(link("prog:notepad.exe")), "");
  EXPECT_EQ(describe(link("run:calc")), "");
  EXPECT_EQ(describe(link("http://example.org")), "http://example.org|Link to: http://example.org");

  // Into another book: its page name, read from its file, or the file name and the ID.
  const auto other = folder.write("other.zeb", testing::bookBytes([](TZEBset& b) {
    zebmake::addPage(b, "Elsewhere", "<Z S0 >");
  }));
  ASSERT_TRUE(set.Load(folder.write("main.zeb", testing::bookBytes(nullptr)).string()));
  EXPECT_EQ(describe(link("nexo:other.zeb|0")), "Elsewhere|Link to: Elsewhere");
  EXPECT_EQ(describe(link("nexo:other.zeb|7")), "other.zeb (7)|Link to: other.zeb (7)");
  (void)other;
}

TEST_F(DescribeObject, LinkActionsBySubtype) {
  TZEBtesto& page = zebmake::addPage(set, "Goal", "<Z S0 >");
  TZEBoggetto& goTo = action(1);
  goTo.record().setI32(13, static_cast<std::int32_t>(page.ID()));
  EXPECT_EQ(describe(goTo), "Goal|Link to: Goal");
  goTo.record().setU8(18, 6);
  EXPECT_EQ(describe(goTo), "");
  TZEBoggetto& missing = action(1);
  missing.record().setI32(13, 0x00FFFFFF);
  EXPECT_EQ(describe(missing), "");

  EXPECT_EQ(describe(action(3)), "Keywords|Link to: keywords window");
  EXPECT_EQ(describe(action(4)), "previous page|Link to: previous page");
  EXPECT_EQ(describe(action(5)), "next page|Link to: next page");
  EXPECT_EQ(describe(action(6)), "Auto import");
  EXPECT_EQ(describe(action(6, "data.txt")), "data.txt|Auto import:data.txt");
  EXPECT_EQ(describe(action(7)), "");
  EXPECT_EQ(describe(action(7, "Book")), "Add in shopping cart: Book|Add in shopping cart: Book");
}

TEST_F(DescribeObject, ActionsThatGoToEachOtherEndInsteadOfLooping) {
  TZEBoggetto& first = action(1);
  TZEBoggetto& second = action(1);
  first.record().setI32(13, static_cast<std::int32_t>(second.ID()));
  second.record().setI32(13, static_cast<std::int32_t>(first.ID()));
  EXPECT_EQ(describe(first), "");
}

}  // namespace
}  // namespace zeb
