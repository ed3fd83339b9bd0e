// The cost of an animated picture playing: a GIF of 20 frames of 50 ms (the guide's moving
// picture, 160 x 100) played for 10 seconds on the offscreen platform, twice: by the
// animation player alone on a Qt timer, each frame drawn into an 800 x 600 page image where
// the picture stands; then as the reader plays it, the picture's control on a page of a
// frame set of 800 x 600, repainting itself. Prints the frames shown (the control's paints)
// and the process's CPU time as a share of one core over the wall-clock time of each part.
//
//   build/bench/animation [--seconds S]
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/image_cache.h"
#include "document/page_object.h"
#include "document/picture.h"
#include "platform/headless/quiet_platform.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_event_queue.h"
#include "platform/qt/qt_text_measurer.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/visual_description.h"
#include "view/animation_player.h"
#include "view/qt/frame_set.h"
#include "view/qt/image_control.h"
#include "view/qt/page_controls.h"
#include "view/qt/page_widget.h"

namespace {

// Counts the paints of a widget.
class PaintCounter final : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct Cost {
  double cpu = 0;
  double wall = 0;
};

// Runs the event loop for the seconds given; the CPU time and wall-clock time it took.
Cost runFor(int seconds) {
  const double cpuBefore = zeb::bench::processorSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  QApplication::exec();
  return {zeb::bench::processorSeconds() - cpuBefore,
          std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count()};
}

// The picture on a page of the reader's frame set, playing for the seconds given.
void playInAPage(const std::vector<std::uint8_t>& gif, int seconds) {
  zeb::QtTextMeasurer measurer(96);
  zeb::QtEventQueue events;
  zeb::QuietPlatform platform;
  zeb::PlatformServices services = platform.services();
  services.measurer = &measurer;
  services.events = &events;
  zeb::TZEBset set(services);
  zeb::TZEBoggetto& picture = zeb::zebmake::addObject(set, zeb::TOggettiHel::immagine);
  auto decoded = std::make_unique<zeb::TZEBpicture>();
  decoded->loadFromBytes(gif, zeb::PictureFormat::gif);
  picture.record().setI16(zeb::field::pictureWidth, 160);
  picture.record().setI16(zeb::field::pictureHeight, 100);
  set.imageCache().add(picture, std::move(decoded), 20, set.messages());
  zeb::TZEBoggetto& placement = zeb::zebmake::addObject(set, zeb::TOggettiHel::immagineNew);
  placement.Release();
  placement.Activate();
  placement.record().setI32(zeb::field::placementPicture, picture.Index());
  placement.record().setI16(zeb::field::placementDisplayWidth, 160);
  placement.record().setI16(zeb::field::placementDisplayHeight, 100);
  placement.record().setI16(zeb::field::placementNaturalWidth, 160);
  placement.record().setI16(zeb::field::placementNaturalHeight, 100);
  char tag[16];
  std::snprintf(tag, sizeof tag, "<$%08x>", placement.ID());
  zeb::TZEBtesto& page =
      zeb::zebmake::addPage(set, "page", std::string("<Z S0 >A moving picture:<Z S0 A2 >") + tag + "<Z S0 >and text.");

  zeb::TInsiemeCornici frames;
  frames.resize(800, 600);
  frames.setReadOnly(true);
  frames.setAutoJump(false);
  frames.setAnimated(true);
  frames.setLinkedZEBset(&set);
  frames.show();
  frames.setMainPageNumber(page.Index());
  zeb::TMyyImage* image = nullptr;
  for (zeb::PageWidget* shown : frames.ShownPages())
    for (zeb::TMyyVisual* control : shown->controls()->controls())
      if (auto* found = dynamic_cast<zeb::TMyyImage*>(control)) image = found;
  if (image == nullptr || image->animation() == nullptr) {
    std::printf("the picture's control does not play\n");
    return;
  }
  PaintCounter counter;
  image->installEventFilter(&counter);
  const Cost cost = runFor(seconds);
  std::printf(
      "the picture's control on a page of a frame set, %d s: %d paints, frame %zu shown last, CPU %.3f s = %.2f %% of "
      "one core\n",
      seconds, counter.paints, image->animation()->frame(), cost.cpu, 100.0 * cost.cpu / cost.wall);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = 10;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::max(1, std::atoi(argv[i + 1]));
  zeb::bench::preferOffscreenPlatform();
  QApplication application(argc, argv);

  const std::vector<std::uint8_t> gif =
      zeb::zebmake::animatedBallGif({{"width", 160}, {"height", 100}, {"frames", 20}, {"delay", 5}, {"loop", 0}});
  zeb::TZEBpicture picture;
  picture.loadFromBytes(gif, zeb::PictureFormat::gif);

  QImage page(800, 600, QImage::Format_RGB32);
  page.fill(Qt::white);
  zeb::QtEventQueue events;
  zeb::AnimationPlayer player(picture.decoded(), events);
  int frames = 0;
  const zeb::CanvasRect area{320, 60, 480, 160};
  player.start([&] {
    ++frames;
    QPainter painter(&page);
    zeb::QtCanvas canvas(painter, QRect(area.left, area.top, area.width(), area.height()), 96);
    canvas.drawPicture(area, player.pixels());
  });

  const Cost cost = runFor(seconds);
  player.stop();
  std::printf("animated picture, 20 frames of 50 ms, %d s: %d frames shown, CPU %.3f s = %.2f %% of one core\n",
              seconds, frames, cost.cpu, 100.0 * cost.cpu / cost.wall);
  playInAPage(gif, seconds);
  std::printf("target: at most 5 %% of one core\n");
  return 0;
}
