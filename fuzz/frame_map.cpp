// Fuzzes frame maps: any bytes read as a map into a frame set's root and into a frame of
// another tree, laid out, written back and dragged. The first six bytes choose the record
// length (0 to 63, so that unreadable lengths come up), the frame set's size and the modes;
// the rest is the map. Frames must stay within the limits and never get negative sizes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "view/frame_layout.h"
#include "view/frame_tree.h"

namespace {

int countChecked(const zeb::FrameNode& frame, int depth) {
  if (depth > zeb::maxFrameDepth || frame.bounds.width < 0 || frame.bounds.height < 0) std::abort();
  int count = 1;
  for (const zeb::FrameNode& child : frame.children) count += countChecked(child, depth + 1);
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const int recordLength = data[0] % 64;
  const int width = (data[1] | (data[2] << 8)) % 4096;
  const int height = (data[3] | (data[4] << 8)) % 4096;
  const bool readOnly = (data[5] & 1) == 0;
  const bool showFramesOnly = (data[5] & 2) != 0;
  const int barWidth = data[5] >> 2;
  // An exactly sized copy, so that a read past the end is caught.
  const std::vector<std::uint8_t> map(data + 6, data + size);

  zeb::FrameNode root = zeb::newRootFrame(3, width, height);
  if (zeb::readFrameTree(root, map, recordLength, zeb::FrameReadPlace{true, 3}) == zeb::FrameMapReading::unreadable)
    return 0;
  zeb::layOutFrameTree(root, readOnly);
  if (countChecked(root, 0) > zeb::maxFramesPerMap) std::abort();

  const int thickness = zeb::effectiveSplitterThickness(root.record, readOnly);
  for (std::size_t i = 0; i < root.children.size(); ++i) {
    (void)zeb::splitterDraggable(root, i, readOnly);
    zeb::resizeChild(root, i, barWidth * 7, thickness);
    (void)zeb::afterSplitterDrag(root, i, barWidth, readOnly, showFramesOnly);
  }

  const std::vector<std::uint8_t> written = zeb::writeFrameTree(root);
  zeb::FrameNode again = zeb::newRootFrame(3, width, height);
  zeb::readFrameTree(again, written, zeb::frameRecordSize, zeb::FrameReadPlace{true, 3});
  if (countChecked(again, 0) != countChecked(root, 0)) std::abort();

  if (!root.children.empty()) {
    zeb::FrameNode& inner = root.children.front();
    zeb::readFrameTree(inner, map, recordLength, zeb::FrameReadPlace{false, -1, 1});
    zeb::layOutFrameTree(root, readOnly);
    countChecked(root, 0);
  }
  return 0;
}
