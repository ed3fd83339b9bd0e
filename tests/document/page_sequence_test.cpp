// Previous and next pages of a sequence group, and frame maps of pages.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/page_sequence.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_model.h"

namespace zeb {
namespace {

class PageSequence : public ::testing::Test {
 protected:
  std::int32_t page(std::int16_t group, std::int16_t number) {
    TZEBtesto& added = zebmake::addPage(set, "p", "<Z S0 >");
    added.record().setI16(77, group);
    added.record().setI16(79, number);
    return added.Index();
  }
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(PageSequence, StepsByNumberNotByPosition) {
  const auto one = page(1, 1);
  const auto three = page(1, 3);
  const auto two = page(1, 2);
  EXPECT_EQ(previousPage(set, three), two);
  EXPECT_EQ(nextPage(set, one), two);
  EXPECT_EQ(nextPage(set, two), three);
  EXPECT_EQ(previousPage(set, one), one);  // nothing before the first
  EXPECT_EQ(nextPage(set, three), three);
}

TEST_F(PageSequence, GapsOtherGroupsReleasedPagesAndNegativeNumbers) {
  const auto first = page(2, 10);
  const auto otherGroup = page(3, 15);
  const auto far = page(2, 40);
  const auto gone = page(2, 20);
  set.slot(TOggettiHel::testoHtml, gone)->Release();
  const auto outside = page(2, -1);
  (void)otherGroup;
  EXPECT_EQ(nextPage(set, first), far);
  EXPECT_EQ(previousPage(set, far), first);
  EXPECT_EQ(nextPage(set, outside), outside);
  EXPECT_EQ(previousPage(set, outside), outside);
  EXPECT_EQ(nextPage(set, 999), 999);
}

TEST_F(PageSequence, FrameMapOfAPage) {
  TZEBoggetto& map = zebmake::addObject(set, TOggettiHel::mappaFrame);
  const auto shown = page(1, 1);
  set.slot(TOggettiHel::testoHtml, shown)->record().setI32(81, map.Index());
  EXPECT_EQ(frameMapOfPage(set, shown), &map);
  set.slot(TOggettiHel::testoHtml, shown)->record().setI32(81, -1);
  EXPECT_EQ(frameMapOfPage(set, shown), nullptr);
  EXPECT_EQ(frameMapOfPage(set, -1), nullptr);
  EXPECT_EQ(frameMapOfPage(set, 0x1000000), nullptr);
}

}  // namespace
}  // namespace zeb
