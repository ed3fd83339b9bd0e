// Frame layout arithmetic: shares, alignment, frame settings and the after-drag steps.
#include "view/frame_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeb {
namespace {

using Wide = std::int64_t;

int toInt(Wide value) {
  return static_cast<int>(std::clamp<Wide>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

Wide fixedOf(const FrameRecord& record) { return std::max<Wide>(0, record.fixedSize); }
Wide shareOf(const FrameRecord& record) { return std::max<Wide>(0, record.percentShare); }

// The room children share: the frame's side along the first child's orientation, less the
// splitters between them; 100 when the first child stacks neither way.
Wide roomOf(const FrameNode& frame, int thickness) {
  const Wide gaps = Wide{thickness} * (static_cast<Wide>(frame.children.size()) - 1);
  switch (frame.children.front().orientation) {
    case FrameOrientation::leftToRight: return frame.bounds.width - gaps;
    case FrameOrientation::topToBottom: return frame.bounds.height - gaps;
    case FrameOrientation::none: break;
  }
  return 100;
}

void setSize(FrameNode& child, Wide size) {
  if (child.orientation == FrameOrientation::leftToRight)
    child.bounds.width = toInt(size);
  else if (child.orientation == FrameOrientation::topToBottom)
    child.bounds.height = toInt(size);
}

}  // namespace

std::int32_t roundHalfToEven(double value) {
  if (std::isnan(value)) return 0;
  value = std::clamp(value, double(std::numeric_limits<std::int32_t>::min()),
                     double(std::numeric_limits<std::int32_t>::max()));
  const double below = std::floor(value);
  const double fraction = value - below;
  auto result = static_cast<std::int64_t>(below);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return static_cast<std::int32_t>(std::min<std::int64_t>(result, std::numeric_limits<std::int32_t>::max()));
}

int effectiveSplitterThickness(const FrameRecord& record, bool readOnly) {
  return readOnly ? record.splitterThickness : std::max<int>(3, record.splitterThickness);
}

int frameScrollBarMode(const FrameRecord& record) { return record.scrollBars != 0 ? 3 : 0; }

bool framePageHasBorder(const FrameRecord& record, bool showFramesOnly) {
  return showFramesOnly || record.pageBorder == frameBorder::singleLine;
}

std::string frameCaption(const FrameRecord& record) {
  return record.parentIdentity == -1 ? std::string() : record.name;
}

bool splitterDraggable(const FrameNode& frame, std::size_t index, bool readOnly) {
  if (!readOnly) return true;
  if (index >= frame.children.size() || frame.children[index].record.draggableWhenReadOnly == 0) return false;
  return index + 1 == frame.children.size() || frame.children[index + 1].record.draggableWhenReadOnly != 0;
}

void shareOutChildren(FrameNode& frame, int thickness) {
  if (frame.children.empty()) return;
  const Wide room = roomOf(frame, thickness);

  Wide demand = 0;
  for (const FrameNode& child : frame.children) {
    const std::uint8_t mode = child.record.sizeMode;
    if (mode == frameSizeMode::percent || mode == frameSizeMode::equal)
      demand += 5;
    else if (mode == frameSizeMode::fixed)
      demand += fixedOf(child.record);
  }
  // Fixed frames asking for more than the room get their share of it for this layout only:
  // their records keep the stored sizes, which they take again once there is room.
  const auto fixedSizeOf = [&](const FrameRecord& record) {
    const Wide stored = fixedOf(record);
    return demand > room && demand > 0 ? std::max<Wide>(0, stored * room / demand) : stored;
  };

  Wide remaining = room;
  double percentTotal = 0;
  int equalCount = 0;
  int percentCount = 0;
  for (FrameNode& child : frame.children) {
    switch (child.record.sizeMode) {
      case frameSizeMode::percent:
        percentTotal += static_cast<double>(shareOf(child.record));
        ++percentCount;
        break;
      case frameSizeMode::fixed: {
        const Wide fixed = fixedSizeOf(child.record);
        if (room > 0) child.record.percentShare = toInt(fixed * 100 / room);
        remaining -= fixed;
        setSize(child, std::clamp<Wide>(fixed, 0, std::max<Wide>(0, room)));
        break;
      }
      case frameSizeMode::equal: ++equalCount; break;
      default: break;
    }
  }
  const double roomValue = static_cast<double>(room);
  if (room > 0 && (equalCount + percentTotal) * 0.01 * roomValue > static_cast<double>(remaining))
    percentTotal = static_cast<double>(remaining) / roomValue * 100 - equalCount;

  Wide equalSize = 0;
  if (equalCount > 0) {
    equalSize = roundHalfToEven(static_cast<double>(remaining) - 0.01 * percentTotal * roomValue) / equalCount;
    remaining -= equalSize * equalCount;
  }
  for (FrameNode& child : frame.children) {
    Wide size = 0;
    if (child.record.sizeMode == frameSizeMode::percent) {
      // Shares adding up to nothing (or squeezed out by equal frames) split what is left.
      size = percentTotal > 0
                 ? roundHalfToEven(static_cast<double>(shareOf(child.record)) / percentTotal * double(remaining))
                 : roundHalfToEven(static_cast<double>(remaining) / percentCount);
    } else if (child.record.sizeMode == frameSizeMode::equal) {
      size = equalSize;
    } else {
      continue;
    }
    setSize(child, std::clamp<Wide>(size, 0, std::max<Wide>(0, room)));
  }
}

void alignChildren(FrameNode& frame, int thickness) {
  Wide left = 0;
  Wide top = 0;
  Wide width = frame.bounds.width;
  Wide height = frame.bounds.height;
  const auto place = [](Wide x, Wide y, Wide w, Wide h) {
    return FrameRect{toInt(x), toInt(y), toInt(std::max<Wide>(0, w)), toInt(std::max<Wide>(0, h))};
  };
  for (FrameNode& child : frame.children) {
    if (child.alignment != FrameAlignment::top && child.alignment != FrameAlignment::left)
      child.splitterBounds = FrameRect{};
    if (child.alignment != FrameAlignment::top) continue;
    child.bounds = place(left, top, width, child.bounds.height);
    top += child.bounds.height;
    height -= child.bounds.height;
    if (!child.hasSplitterAfter) continue;
    child.splitterBounds = place(left, top, width, thickness);
    top += thickness;
    height -= thickness;
  }
  for (FrameNode& child : frame.children) {
    if (child.alignment != FrameAlignment::left) continue;
    child.bounds = place(left, top, child.bounds.width, height);
    left += child.bounds.width;
    width -= child.bounds.width;
    if (!child.hasSplitterAfter) continue;
    child.splitterBounds = place(left, top, thickness, height);
    left += thickness;
    width -= thickness;
  }
  for (FrameNode& child : frame.children)
    if (child.alignment == FrameAlignment::fill) child.bounds = place(left, top, width, height);
}

void layOutFrameTree(FrameNode& frame, bool readOnly) {
  const int thickness = effectiveSplitterThickness(frame.record, readOnly);
  shareOutChildren(frame, thickness);
  alignChildren(frame, thickness);
  for (FrameNode& child : frame.children) layOutFrameTree(child, readOnly);
}

void resizeChild(FrameNode& frame, std::size_t index, int size, int thickness) {
  if (index >= frame.children.size()) return;
  FrameNode& child = frame.children[index];
  if (child.alignment == FrameAlignment::left)
    child.bounds.width = std::max(0, size);
  else if (child.alignment == FrameAlignment::top)
    child.bounds.height = std::max(0, size);
  alignChildren(frame, thickness);
}

AfterDrag afterSplitterDrag(FrameNode& frame, std::size_t target, int barWidth, bool readOnly, bool showFramesOnly) {
  AfterDrag outcome;
  auto& children = frame.children;
  if (target >= children.size()) {
    outcome.ignored = true;
    return outcome;
  }
  const FrameRect& dragged = children[target].bounds;
  if (dragged.width < barWidth || dragged.height < barWidth) {
    if (!readOnly || showFramesOnly)
      outcome.deleteTarget = true;
    else
      outcome.ignored = true;
    return outcome;
  }

  const int thickness = effectiveSplitterThickness(frame.record, readOnly);
  if (children.back().bounds.width < 20) {
    for (std::size_t i = children.size() - 1; i-- > 0;) {
      if (children[i].bounds.width <= 50) continue;
      children[i].bounds.width -= 30;
      outcome.donor = static_cast<int>(i);
      alignChildren(frame, thickness);
      break;
    }
  }

  const Wide gaps = Wide{thickness} * (static_cast<Wide>(children.size()) - 1);
  for (FrameNode& child : children) {
    Wide size = 0;
    Wide room = 0;
    if (child.orientation == FrameOrientation::leftToRight) {
      size = child.bounds.width;
      room = frame.bounds.width - gaps;
    } else if (child.orientation == FrameOrientation::topToBottom) {
      size = child.bounds.height;
      room = frame.bounds.height - gaps;
    } else {
      child.record.percentShare = 100;
      continue;
    }
    child.record.fixedSize = toInt(size);
    if (room > 0) child.record.percentShare = toInt(size * 100 / room);
  }
  return outcome;
}

}  // namespace zeb
