// Frame records and frame trees: the stored form, short legacy records, which records
// become children, a map read into a frame of another tree, writing back, and damaged maps.
#include "view/frame_tree.h"

#include <gtest/gtest.h>

#include "platform/system_colours.h"

namespace zeb {
namespace {

FrameRecord record(std::int32_t identity, std::int32_t parent, std::uint8_t kind = frameKind::top) {
  FrameRecord r = newFrameRecord(identity);
  r.parentIdentity = parent;
  r.kind = kind;
  return r;
}

// The records as a map stores them, each cut to `length` bytes.
std::vector<std::uint8_t> mapOf(const std::vector<FrameRecord>& records, int length = frameRecordSize) {
  std::vector<std::uint8_t> bytes;
  for (const FrameRecord& r : records) {
    const FrameRecordBytes full = frameRecordBytes(r);
    bytes.insert(bytes.end(), full.begin(), full.begin() + length);
  }
  return bytes;
}

FrameNode readRoot(const std::vector<std::uint8_t>& map, std::int64_t length = frameRecordSize,
                   FrameMapReading expected = FrameMapReading::complete) {
  FrameNode root = newRootFrame(7, 800, 600);
  EXPECT_EQ(readFrameTree(root, map, length, FrameReadPlace{true, 7}), expected);
  return root;
}

int countFrames(const FrameNode& frame) {
  int count = 1;
  for (const FrameNode& child : frame.children) count += countFrames(child);
  return count;
}

int depthOf(const FrameNode& frame) {
  int deepest = 0;
  for (const FrameNode& child : frame.children) deepest = std::max(deepest, 1 + depthOf(child));
  return deepest;
}

TEST(FrameRecord, EveryFieldHasItsPlaceInTheFiftyEightBytes) {
  FrameRecord r;
  r.identity = 0x01020304;
  r.parentIdentity = -1;
  r.name = "Contents";
  r.kind = 5;
  r.legacyFlagA = 6;
  r.legacyFlagB = 7;
  r.scrollBars = 8;
  r.hasChildren = 9;
  r.draggableWhenReadOnly = 10;
  r.page = 0x0B0C0D0E;
  r.percentShare = 0x11121314;
  r.reserved42 = 0x15161718;
  r.splitterColour = 0x8000000F;
  r.reserved50 = 0x19;
  r.pageBorder = 1;
  r.fixedSize = -2;
  r.splitterThickness = 0x1A;
  r.sizeMode = 2;
  const FrameRecordBytes bytes = frameRecordBytes(r);
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[3], 0x01);
  EXPECT_EQ(bytes[4], 0xFF);
  EXPECT_EQ(bytes[8], 8);
  EXPECT_EQ(bytes[9], 'C');
  EXPECT_EQ(bytes[17], 0);  // unused name bytes are zero
  EXPECT_EQ(bytes[28], 5);
  EXPECT_EQ(bytes[33], 10);
  EXPECT_EQ(bytes[34], 0x0E);
  EXPECT_EQ(bytes[38], 0x14);
  EXPECT_EQ(bytes[42], 0x18);
  EXPECT_EQ(bytes[49], 0x80);
  EXPECT_EQ(bytes[50], 0x19);
  EXPECT_EQ(bytes[51], 1);
  EXPECT_EQ(bytes[52], 0xFE);
  EXPECT_EQ(bytes[55], 0xFF);
  EXPECT_EQ(bytes[56], 0x1A);
  EXPECT_EQ(bytes[57], 2);
  EXPECT_EQ(frameRecordFrom(bytes), r);

  FrameRecordBytes longName = bytes;
  longName[8] = 200;  // a length beyond the field reads as 19 characters
  EXPECT_EQ(frameRecordFrom(longName).name.size(), 19u);

  const FrameRecord fresh = newFrameRecord(0x1A2B);
  EXPECT_EQ(fresh.name, "Frame001a2b");
  EXPECT_EQ(fresh.parentIdentity, -1);
  EXPECT_EQ(fresh.page, -1);
  EXPECT_EQ(fresh.percentShare, 100);
  EXPECT_EQ(fresh.fixedSize, 20);
  EXPECT_EQ(fresh.scrollBars, 1);
  EXPECT_EQ(fresh.splitterThickness, 3);
  EXPECT_EQ(fresh.splitterColour, systemColour::buttonFace);
}

TEST(FrameTree, OlderShortRecordsResetTheNewerFieldsByTheirLegacyFlags) {
  FrameRecord stored = record(1, -1);
  stored.sizeMode = frameSizeMode::fixed;
  stored.fixedSize = 77;
  stored.splitterThickness = 9;
  stored.pageBorder = 1;
  stored.splitterColour = 0x123456;
  stored.legacyFlagA = 1;
  FrameNode flagged = readRoot(mapOf({stored}, 50), 50);
  EXPECT_EQ(flagged.record.sizeMode, frameSizeMode::percent);
  EXPECT_EQ(flagged.record.fixedSize, 20);
  EXPECT_EQ(flagged.record.splitterThickness, 3);
  EXPECT_EQ(flagged.record.pageBorder, 0);
  EXPECT_EQ(flagged.record.splitterColour, systemColour::buttonFace);
  EXPECT_EQ(flagged.record.legacyFlagA, 0);

  stored.legacyFlagA = 0;
  EXPECT_EQ(readRoot(mapOf({stored}, 50), 50).record.splitterThickness, 0);

  // A full record keeps every field, legacy flags included.
  stored.legacyFlagB = 4;
  const FrameNode current = readRoot(mapOf({stored}));
  EXPECT_EQ(current.record.fixedSize, 77);
  EXPECT_EQ(current.record.splitterThickness, 9);
  EXPECT_EQ(current.record.legacyFlagB, 4);

  // Bytes beyond a short record keep the frame's values, even inside a field: 40 bytes
  // give the low half of the percent share and keep the high half of the old 100.
  stored.percentShare = 0x7FFF0032;
  EXPECT_EQ(readRoot(mapOf({stored}, 40), 40).record.percentShare, 0x32);
}

TEST(FrameTree, ChildrenAreTheConsecutiveRecordsNamingTheFrameAsParent) {
  FrameRecord contents = record(2, 1, frameKind::left);
  contents.page = 3;
  const FrameNode root = readRoot(mapOf({record(1, -1), contents, record(3, 2, frameKind::top),
                                         record(4, 1, frameKind::fillRight), record(5, 9), record(6, 1)}));
  EXPECT_EQ(root.record.name, "Pag7");
  EXPECT_EQ(root.alignment, FrameAlignment::fill);
  ASSERT_EQ(root.children.size(), 2u);  // the record naming 9 ends the list; 6 is never read
  const FrameNode& first = root.children[0];
  EXPECT_EQ(first.record.identity, 2);
  EXPECT_EQ(first.record.page, 3);
  EXPECT_EQ(first.orientation, FrameOrientation::leftToRight);
  EXPECT_EQ(first.alignment, FrameAlignment::left);
  EXPECT_TRUE(first.hasSplitterAfter);
  ASSERT_EQ(first.children.size(), 1u);
  EXPECT_EQ(first.children[0].alignment, FrameAlignment::top);
  const FrameNode& second = root.children[1];
  EXPECT_EQ(second.record.identity, 4);
  EXPECT_EQ(second.alignment, FrameAlignment::fill);
  EXPECT_FALSE(second.hasSplitterAfter);
  EXPECT_EQ(second.bounds, (FrameRect{10, 10, 5, 5}));  // placed as the second child until laid out
}

TEST(FrameTree, AMapReadIntoAFrameOfAnotherTreeKeepsThatFramesPlace) {
  FrameNode side;
  side.record = record(40, 12, frameKind::left);
  side.record.name = "Side";
  side.record.percentShare = 30;
  side.record.splitterColour = 0x00FF00;
  side.alignment = FrameAlignment::left;
  side.orientation = FrameOrientation::leftToRight;
  side.children.emplace_back();  // replaced by the map's children

  FrameRecord top = record(1, -1, frameKind::fillBelow);
  top.name = "Other";
  top.percentShare = 90;
  top.page = 5;
  top.splitterThickness = 6;
  top.sizeMode = frameSizeMode::equal;
  top.hasChildren = 1;
  ASSERT_EQ(readFrameTree(side, mapOf({top, record(2, 1), record(3, 1, frameKind::fillBelow)}), frameRecordSize,
                          FrameReadPlace{false, 9}),
            FrameMapReading::complete);
  EXPECT_EQ(side.record.name, "Side");
  EXPECT_EQ(side.record.parentIdentity, 12);
  EXPECT_EQ(side.record.percentShare, 30);
  EXPECT_EQ(side.record.splitterColour, 0x00FF00u);
  EXPECT_EQ(side.alignment, FrameAlignment::left);
  EXPECT_EQ(side.record.identity, 1);
  EXPECT_EQ(side.record.kind, frameKind::fillBelow);
  EXPECT_EQ(side.record.page, 5);
  EXPECT_EQ(side.record.splitterThickness, 6);
  EXPECT_EQ(side.record.sizeMode, frameSizeMode::equal);
  EXPECT_EQ(side.children.size(), 2u);

  // The depth limit counts from the root of the tree the frame belongs to.
  FrameNode deep;
  EXPECT_EQ(readFrameTree(deep, mapOf({top, record(2, 1), record(3, 2)}), frameRecordSize,
                          FrameReadPlace{false, -1, maxFrameDepth - 1}),
            FrameMapReading::limited);
  EXPECT_EQ(depthOf(deep), 1);
}

TEST(FrameTree, WritingNumbersFramesInPreOrderAndReadsBackTheSameTree) {
  FrameRecord leaf = record(30, 20, frameKind::left);
  leaf.page = 4;
  FrameRecord inner = record(20, 10, frameKind::fillBelow);
  inner.page = 8;  // a frame with children shows no page
  FrameNode root = readRoot(mapOf({record(10, -1), record(11, 10), inner, leaf, record(31, 20, frameKind::fillRight)}));
  const std::vector<std::uint8_t> written = writeFrameTree(root);
  ASSERT_EQ(written.size(), 5u * frameRecordSize);
  EXPECT_EQ(root.record.identity, 0);
  EXPECT_EQ(root.record.hasChildren, 1);
  EXPECT_EQ(root.children[1].record.identity, 2);
  EXPECT_EQ(root.children[1].record.page, -1);
  EXPECT_EQ(root.children[1].children[0].record.parentIdentity, 2);
  EXPECT_EQ(root.children[1].children[0].record.hasChildren, 0);

  const FrameNode again = readRoot(written);
  ASSERT_EQ(again.children.size(), 2u);
  ASSERT_EQ(again.children[1].children.size(), 2u);
  EXPECT_EQ(again.children[1].children[0].record, root.children[1].children[0].record);
}

TEST(FrameTree, DamagedMapsStayWithinTheLimits) {
  // Record lengths that cannot be read, and no data, leave the frame as it was.
  const auto good = mapOf({record(1, -1), record(2, 1)});
  for (const std::int64_t length : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{59}, std::int64_t{1} << 40}) {
    const FrameNode frame = readRoot(good, length, FrameMapReading::unreadable);
    EXPECT_EQ(frame.record, newRootFrame(7, 1, 1).record) << length;
  }
  readRoot({}, frameRecordSize, FrameMapReading::unreadable);

  // Each record naming itself as parent makes a chain that stops at the depth limit.
  std::vector<FrameRecord> selfParents{record(1, -1)};
  for (int i = 0; i < 100; ++i) selfParents.push_back(record(1, 1));
  const FrameNode chain = readRoot(mapOf(selfParents), frameRecordSize, FrameMapReading::limited);
  EXPECT_EQ(depthOf(chain), maxFrameDepth);

  // A thousand children: the first frames up to the limit.
  std::vector<FrameRecord> crowd{record(1, -1)};
  for (int i = 0; i < 1000; ++i) crowd.push_back(record(i + 2, 1));
  const FrameNode crowded = readRoot(mapOf(crowd), frameRecordSize, FrameMapReading::limited);
  EXPECT_EQ(countFrames(crowded), maxFramesPerMap);

  // One-byte records: every byte a frame, still bounded.
  const FrameNode tiny = readRoot(std::vector<std::uint8_t>(5000, 0), 1, FrameMapReading::limited);
  EXPECT_LE(countFrames(tiny), maxFramesPerMap);

  // A record cut short by the end of the data is no child.
  auto cut = mapOf({record(1, -1), record(2, 1), record(3, 1)});
  cut.resize(cut.size() - 1);
  EXPECT_EQ(readRoot(cut).children.size(), 1u);
}

}  // namespace
}  // namespace zeb
