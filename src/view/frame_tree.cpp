// Reading a frame tree from a stored frame map, and writing it back.
#include "view/frame_tree.h"

#include <algorithm>

#include "document/byte_reader.h"
#include "platform/system_colours.h"

namespace zeb {
namespace {

constexpr bool takesSplitterAfter(std::uint8_t kind) {
  return kind == frameKind::top || kind == frameKind::left || kind == frameKind::topAlso || kind == frameKind::leftAlso;
}

void placeByKind(FrameNode& frame) {
  switch (frame.record.kind) {
    case frameKind::top:
    case frameKind::topAlso:
      frame.orientation = FrameOrientation::topToBottom;
      frame.alignment = FrameAlignment::top;
      break;
    case frameKind::fillBelow:
      frame.orientation = FrameOrientation::topToBottom;
      frame.alignment = FrameAlignment::fill;
      break;
    case frameKind::left:
    case frameKind::leftAlso:
      frame.orientation = FrameOrientation::leftToRight;
      frame.alignment = FrameAlignment::left;
      break;
    case frameKind::fillRight:
      frame.orientation = FrameOrientation::leftToRight;
      frame.alignment = FrameAlignment::fill;
      break;
    default: break;  // an unknown kind changes nothing
  }
}

// Older records lack the newer fields; their two legacy flags say whether the frame had a
// splitter and a border at all.
void resetNewerFields(FrameRecord& record) {
  record.sizeMode = frameSizeMode::percent;
  record.fixedSize = 20;
  record.pageBorder = frameBorder::none;
  record.splitterThickness = 3;
  record.splitterColour = systemColour::buttonFace;
  if (record.legacyFlagA == 0 && record.legacyFlagB == 0) {
    record.splitterThickness = 0;
    record.pageBorder = frameBorder::none;
  }
  record.legacyFlagA = 0;
  record.legacyFlagB = 0;
}

class TreeReader {
 public:
  TreeReader(std::span<const std::uint8_t> data, std::size_t recordLength) : data_(data), length_(recordLength) {}

  void read(FrameNode& frame, int depth, const FrameReadPlace& place) {
    const FrameRecord kept = frame.record;
    overlayFrameRecord(frame.record, next(std::min(length_, data_.size() - position_)));
    position_ += std::min(length_, data_.size() - position_);

    const bool nestedRoot = frame.record.parentIdentity == -1 && !place.frameSetRoot;
    if (nestedRoot) {
      const FrameRecord stored = frame.record;
      frame.record = kept;
      frame.record.identity = stored.identity;
      frame.record.kind = stored.kind;
      frame.record.hasChildren = stored.hasChildren;
      frame.record.page = stored.page;
      frame.record.splitterThickness = stored.splitterThickness;
      frame.record.sizeMode = stored.sizeMode;
    } else {
      placeByKind(frame);
    }
    if (length_ < frameRecordSize) resetNewerFields(frame.record);
    if (!nestedRoot && frame.record.parentIdentity == -1) {
      frame.alignment = FrameAlignment::fill;
      frame.record.name = rootFrameName(place.pageNumber);
    }
    readChildren(frame, depth);
  }

  bool limited() const { return limited_; }

 private:
  std::span<const std::uint8_t> next(std::size_t count) const { return data_.subspan(position_, count); }

  void readChildren(FrameNode& frame, int depth) {
    const FrameReadPlace childPlace{false, -1, depth + 1};
    for (int i = 0; !limited_ && data_.size() - position_ >= length_; ++i) {
      // A new frame attached to this one, and the next record read over it to see whose
      // child it is.
      FrameRecord fresh = newFrameRecord(framesMade_);
      fresh.parentIdentity = frame.record.identity;
      FrameRecord peek = fresh;
      overlayFrameRecord(peek, next(length_));
      if (peek.parentIdentity != frame.record.identity) return;
      if (depth + 1 > maxFrameDepth || framesMade_ >= maxFramesPerMap) {
        limited_ = true;
        return;
      }
      ++framesMade_;
      FrameNode& child = frame.children.emplace_back();
      child.record = fresh;
      child.bounds = FrameRect{10 * i, 10 * i, 5, 5};
      read(child, depth + 1, childPlace);
      child.hasSplitterAfter = takesSplitterAfter(child.record.kind);
    }
  }

  std::span<const std::uint8_t> data_;
  std::size_t length_;
  std::size_t position_ = 0;
  int framesMade_ = 1;  // the frame read into
  bool limited_ = false;
};

void numberInPreOrder(FrameNode& frame, std::int32_t parent, std::int32_t& next, ByteWriter& out) {
  frame.record.identity = next++;
  frame.record.parentIdentity = parent;
  frame.record.hasChildren = frame.children.empty() ? 0 : 1;
  if (!frame.children.empty()) frame.record.page = -1;
  out.writeBytes(frameRecordBytes(frame.record));
  for (FrameNode& child : frame.children) numberInPreOrder(child, frame.record.identity, next, out);
}

}  // namespace

std::string rootFrameName(std::int64_t page) { return ("Pag" + std::to_string(page)).substr(0, maxFrameNameLength); }

FrameNode newRootFrame(std::int32_t page, int width, int height) {
  FrameNode root;
  root.record = newFrameRecord(0);
  root.record.name = rootFrameName(page);
  root.alignment = FrameAlignment::fill;
  root.bounds = FrameRect{0, 0, std::max(0, width), std::max(0, height)};
  return root;
}

FrameMapReading readFrameTree(FrameNode& frame, std::span<const std::uint8_t> data, std::int64_t recordLength,
                              const FrameReadPlace& place) {
  if (data.empty() || !isReadableFrameRecordLength(recordLength)) return FrameMapReading::unreadable;
  frame.children.clear();
  TreeReader reader(data, static_cast<std::size_t>(recordLength));
  reader.read(frame, std::max(0, place.frameDepth), place);
  return reader.limited() ? FrameMapReading::limited : FrameMapReading::complete;
}

std::vector<std::uint8_t> writeFrameTree(FrameNode& root) {
  ByteWriter out;
  std::int32_t next = 0;
  numberInPreOrder(root, -1, next, out);
  return out.take();
}

}  // namespace zeb
