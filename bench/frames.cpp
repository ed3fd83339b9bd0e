// Showing a page whose frame map has 16 leaf frames (a 4 × 4 grid, each frame showing a
// typical page of about 5,000 characters) in the reader's frame set, against showing those
// 16 pages alone in one frame each, in the same run, with the Qt measurer and painting on
// the offscreen platform. Each figure is the median over the runs of building the view and
// painting it; the measurement caches are warm, as in a reader that has shown pages before.
//
//   build/bench/frames [--runs N]
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <vector>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "platform/qt/qt_text_measurer.h"
#include "tools/zebmake/book_model.h"
#include "view/frame_record.h"
#include "view/qt/frame_set.h"

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr int side = 4;  // frames per row and rows
constexpr int leaves = side * side;

zeb::FrameRecord frame(std::int32_t identity, std::int32_t parent, std::uint8_t kind, std::int32_t page) {
  zeb::FrameRecord record = zeb::newFrameRecord(identity);
  record.parentIdentity = parent;
  record.kind = kind;
  record.page = page;
  record.percentShare = 100 / side;
  return record;
}

// A page showing pages 1 to 16 in four rows of four frames.
std::int32_t addGridPage(zeb::TZEBset& set) {
  std::vector<std::uint8_t> bytes;
  const auto add = [&bytes](const zeb::FrameRecord& record) {
    const zeb::FrameRecordBytes stored = zeb::frameRecordBytes(record);
    bytes.insert(bytes.end(), stored.begin(), stored.end());
  };
  zeb::FrameRecord root = frame(0, -1, zeb::frameKind::top, -1);
  root.hasChildren = 1;
  add(root);
  std::int32_t identity = 1;
  for (int row = 0; row < side; ++row) {
    const std::int32_t rowIdentity = identity++;
    zeb::FrameRecord rowFrame = frame(rowIdentity, 0, row + 1 < side ? zeb::frameKind::top : zeb::frameKind::fillBelow, -1);
    rowFrame.hasChildren = 1;
    add(rowFrame);
    for (int column = 0; column < side; ++column) {
      const std::uint8_t kind = column + 1 < side ? zeb::frameKind::left : zeb::frameKind::fillRight;
      add(frame(identity++, rowIdentity, kind, 1 + row * side + column));
    }
  }
  zeb::TZEBoggetto& map = zeb::zebmake::addObject(set, zeb::TOggettiHel::mappaFrame);
  map.setPrimaryData(bytes);
  map.record().setI32(zeb::field::frameMapRecordLength, zeb::frameRecordSize);
  zeb::TZEBtesto& page = zeb::zebmake::addPage(set, "grid", "<Z S0 >grid");
  page.record().setI32(zeb::field::pageFrameMap, map.Index());
  return page.Index();
}

// A frame set of the size, shown off screen, reading the book.
struct ShownFrameSet {
  explicit ShownFrameSet(zeb::TZEBset& set, int frameWidth, int frameHeight) : image(frameWidth, frameHeight, QImage::Format_RGB32) {
    zeb::readOffscreen(frames, set, QSize(frameWidth, frameHeight));
  }
  // Builds the view of the page and paints it; the view before is cleared outside the time.
  double show(std::int32_t page) {
    frames.setMainPageNumber(-1);
    const double start = zeb::bench::threadSeconds();
    frames.setMainPageNumber(page);
    frames.render(&image);
    return zeb::bench::threadSeconds() - start;
  }
  zeb::TInsiemeCornici frames;
  QImage image;
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, 15);
  zeb::bench::preferOffscreenPlatform();
  QApplication application(argc, argv);
  zeb::QtTextMeasurer measurer(96);
  zeb::QuietPlatform platform;
  zeb::PlatformServices services = platform.services();
  services.measurer = &measurer;
  zeb::TZEBset set(services);
  if (!set.Load(zeb::bench::syntheticBook(leaves + 1, 5900).string())) return 1;
  const std::int32_t grid = addGridPage(set);

  ShownFrameSet nested(set, width, height);
  ShownFrameSet single(set, width, height);
  ShownFrameSet small(set, width / side, height / side);
  // Warm the measurement caches.
  nested.show(grid);
  for (std::int32_t page = 1; page <= leaves; ++page) {
    single.show(page);
    small.show(page);
  }
  // The three figures are taken in turn in every run, so that whatever else the machine
  // does weighs on each alike.
  std::vector<double> gridTimes, singleSums, smallSums;
  const auto sumOfSingles = [&](ShownFrameSet& frames) {
    double sum = 0;
    for (std::int32_t page = 1; page <= leaves; ++page) sum += frames.show(page);
    return sum;
  };
  for (int run = 0; run < runs; ++run) {
    gridTimes.push_back(nested.show(grid));
    singleSums.push_back(sumOfSingles(single));
    smallSums.push_back(sumOfSingles(small));
  }
  const double gridTime = zeb::bench::median(gridTimes);
  const double singleSum = zeb::bench::median(singleSums);
  const double smallSum = zeb::bench::median(smallSums);

  std::printf("frame set %dx%d, %zu leaf frames showing pages of about 5,000 characters (median of %d runs):\n",
              width, height, nested.frames.ShownPages().size(), runs);
  std::printf("  the page of the map, in %d frames:          %8.2f ms\n", leaves, gridTime * 1e3);
  std::printf("  the %d pages alone, one frame each, summed: %8.2f ms  ratio %.2f\n", leaves, singleSum * 1e3,
              gridTime / singleSum);
  std::printf("  the same in a frame set of %dx%d, summed:   %8.2f ms  ratio %.2f\n", width / side, height / side,
              smallSum * 1e3, gridTime / smallSum);
  std::printf("target: the page of the map at most 1.5 x the sum of the pages alone\n");
  return 0;
}
