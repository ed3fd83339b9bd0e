// The frames of a page: single frames, the warning for maps that cannot be shown, and a
// three-frame map laid out in the frame set.
#include "view/frame_map.h"

#include <gtest/gtest.h>

#include "document/container.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_model.h"

namespace zeb {
namespace {

class PageFramesTest : public ::testing::Test {
 protected:
  PageFramesTest() {
    for (int i = 0; i < 4; ++i) zebmake::addPage(set, "page", "<Z S0 >text");
  }
  // A map of kind 9 with these records; the first page shows it.
  TZEBoggetto& mapOnFirstPage(const std::vector<FrameRecord>& records, std::int32_t length = frameRecordSize) {
    std::vector<std::uint8_t> bytes;
    for (const FrameRecord& r : records) {
      const auto full = frameRecordBytes(r);
      bytes.insert(bytes.end(), full.begin(), full.begin() + std::min(length, frameRecordSize));
    }
    TZEBoggetto& map = zebmake::addObject(set, TOggettiHel::mappaFrame);
    map.setPrimaryData(bytes);
    map.record().setI32(field::frameMapRecordLength, length);
    set.objectByKindAndIndex(0, 0)->record().setI32(field::pageFrameMap, map.Index());
    return map;
  }
  static FrameRecord frame(std::int32_t identity, std::int32_t parent, std::uint8_t kind, std::int32_t page) {
    FrameRecord r = newFrameRecord(identity);
    r.parentIdentity = parent;
    r.kind = kind;
    r.page = page;
    return r;
  }
  PageFrames build(bool showNested = true) {
    return buildPageFrames(set, PageFramesRequest{0, 800, 600, true, showNested});
  }
  std::vector<ShownMessage> warnings() const { return platform.messages.shown(); }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(PageFramesTest, APageWithoutAMapShowsItselfInOneFrame) {
  const PageFrames frames = build();
  EXPECT_FALSE(frames.fromMap);
  EXPECT_EQ(frames.root.record.name, "Pag0");
  EXPECT_EQ(frames.root.bounds, (FrameRect{0, 0, 800, 600}));
  EXPECT_EQ(shownPageOf(set, frames.root), 0);
  EXPECT_TRUE(warnings().empty());
}

TEST_F(PageFramesTest, AMapThatCannotBeShownGivesTheWarningAndOneFrame) {
  set.objectByKindAndIndex(0, 0)->record().setI32(field::pageFrameMap, 5);  // no such map
  PageFrames frames = build();
  EXPECT_TRUE(frames.mapProblem);
  EXPECT_TRUE(frames.root.isLeaf());
  EXPECT_EQ(shownPageOf(set, frames.root), 0);
  EXPECT_EQ(warnings(), (std::vector<ShownMessage>{{MessageKind::warning, "Map problem."}}));

  platform.messages.clear();
  mapOnFirstPage({frame(1, -1, 0, -1), frame(2, 1, 0, 1)}, 59);
  EXPECT_TRUE(build().mapProblem);
  EXPECT_EQ(warnings().size(), 1u);

  // With nested frames off the map is not read at all.
  platform.messages.clear();
  EXPECT_FALSE(build(false).mapProblem);
  EXPECT_TRUE(warnings().empty());
}

TEST_F(PageFramesTest, AThreeFrameMapIsLaidOutInTheFrameSet) {
  FrameRecord title = frame(2, 1, frameKind::top, 1);
  title.sizeMode = frameSizeMode::fixed;
  title.fixedSize = 60;
  FrameRecord contents = frame(4, 3, frameKind::left, 2);
  contents.percentShare = 30;
  FrameRecord rest = frame(5, 3, frameKind::fillRight, 9);  // a page the book lacks
  rest.percentShare = 70;
  mapOnFirstPage({frame(1, -1, 0, -1), title, frame(3, 1, frameKind::fillBelow, -1), contents, rest});

  const PageFrames frames = build();
  ASSERT_TRUE(frames.fromMap);
  EXPECT_TRUE(warnings().empty());
  const FrameNode& root = frames.root;
  EXPECT_EQ(shownPageOf(set, root), -1);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].bounds, (FrameRect{0, 0, 800, 60}));
  EXPECT_EQ(root.children[0].splitterBounds, (FrameRect{0, 60, 800, 3}));
  EXPECT_EQ(shownPageOf(set, root.children[0]), 1);
  const FrameNode& below = root.children[1];
  EXPECT_EQ(below.bounds, (FrameRect{0, 63, 800, 537}));
  ASSERT_EQ(below.children.size(), 2u);
  EXPECT_EQ(below.children[0].bounds, (FrameRect{0, 0, 239, 537}));  // 30% of 800 - 3
  EXPECT_EQ(below.children[1].bounds, (FrameRect{242, 0, 558, 537}));
  EXPECT_EQ(shownPageOf(set, below.children[1]), -1);
}

}  // namespace
}  // namespace zeb
