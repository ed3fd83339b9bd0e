// zebtool layout as a program: the layout dump of a page's whole text, and its arguments.
#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

class LayoutCommand : public testing::Zebtool {
 protected:
  // Page 0 has page 1 as its header. Style 0 is 12 points with side margins of 10 pixels.
  std::string book() {
    return writeBook([](TZEBset& set) {
      TZEBtesto& body = zebmake::addPage(set, "Body", "<Z S0 >one two three<Z S0 A3 ><Y g1 >ab<Y > cd ef gh \xE9t\xE9");
      zebmake::addPage(set, "Head", "<Z S0 >head");
      body.record().setI32(field::pageHeaderPage, 1);
      body.record().setI32(field::pageFooterPage, -1);
    });
  }
};

TEST_F(LayoutCommand, PrintsTheDumpOfTheWholePageWithFixedMetrics) {
  // A character is 12 pixels wide (13 in bold), a line 24 high with an ascent of 18; 80
  // pixels of each line are left between the margins. The header comes first, from y 8.
  const auto result = zebtool({"layout", book(), "0", "--width", "100"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "box layout=100 content=100 width=100 height=600 vrange=176 hrange=0 capped=0\n"
            "P0 origin=1 top=8 bottom=31 base=24\n"
            "  L0 first=0 count=4 top=0 height=24 ascent=18 indent=10 align=0 extent=48 |head|\n"
            "P1 origin=0 top=32 bottom=103 base=24\n"
            "  L0 first=0 count=4 top=0 height=24 ascent=18 indent=10 align=0 extent=48 |one |\n"
            "  L1 first=4 count=4 top=24 height=24 ascent=18 indent=10 align=0 extent=48 |two |\n"
            "  L2 first=8 count=5 top=48 height=24 ascent=18 indent=10 align=0 extent=60 |three|\n"
            "P2 origin=0 top=104 bottom=175 base=24\n"
            "  L0 first=0 count=6 top=0 height=24 ascent=18 indent=10 align=0 extent=80 |ab cd | "
            "draw=13,13,18,12,12,12\n"
            "  L1 first=6 count=6 top=24 height=24 ascent=18 indent=10 align=0 extent=80 |ef gh | "
            "draw=12,12,20,12,12,12\n"
            "  L2 first=12 count=3 top=48 height=24 ascent=18 indent=10 align=0 extent=36 |\xC3\xA9t\xC3\xA9|\n");

  // Without a width, the page is as wide as a rendering; "fixed" is the default.
  const auto wide = zebtool({"layout", book(), "0", "--metrics", "fixed"});
  EXPECT_TRUE(wide.out.starts_with("box layout=800 content=800 width=800 height=600 vrange=80 ")) << wide.out;
}

TEST_F(LayoutCommand, QtMetricsGiveTheSameLinesOfTheirOwnWidths) {
#ifdef BRIGHTFOLD_HAS_QT
  const auto result = zebtool({"layout", book(), "0", "--width", "100", "--metrics", "qt"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("box layout=100 content=100 width=100 height=600 ")) << result.out;
  EXPECT_NE(result.out.find("\nP2 origin=0 "), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("|head|\n"), std::string::npos) << result.out;
#else
  EXPECT_EQ(zebtool({"layout", book(), "0", "--metrics", "qt"}).exitStatus, 2);
#endif
}

TEST_F(LayoutCommand, MissingPagesFailAndMalformedArgumentsAreUsageErrors) {
  const std::string path = book();
  const auto missing = zebtool({"layout", path, "5"});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_EQ(missing.err, "zebtool: the book has no page 5\n");
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"layout", path},
                                             {"layout", path, "x"},
                                             {"layout", path, "0", "--width"},
                                             {"layout", path, "0", "--width", "0"},
                                             {"layout", path, "0", "--width", "-5"},
                                             {"layout", path, "0", "--metrics", "screen"},
                                             {"layout", path, "0", "--height", "100"}}) {
    EXPECT_EQ(zebtool(arguments).exitStatus, 2) << arguments.back();
  }
}

}  // namespace
}  // namespace zeb
