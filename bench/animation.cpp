// The cost of an animated picture playing: a GIF of 20 frames of 50 ms (the guide's moving
// picture, 160 x 100) is played for 10 seconds by the animation player on a Qt timer, each
// frame drawn into an 800 x 600 page image where the picture stands, as a window repaints it,
// on the offscreen platform. Prints the frames shown and the process's CPU time as a share of
// one core over the wall-clock time.
//
//   build/bench/animation [--seconds S]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "document/picture.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_event_queue.h"
#include "tools/zebmake/visual_description.h"
#include "view/animation_player.h"

namespace {

double processCpuSeconds() {
  timespec time{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = 10;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::max(1, std::atoi(argv[i + 1]));
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);

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

  const double cpuBefore = processCpuSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  QTimer::singleShot(seconds * 1000, &application, &QCoreApplication::quit);
  QGuiApplication::exec();
  const double cpu = processCpuSeconds() - cpuBefore;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
  std::printf("animated picture, 20 frames of 50 ms, %d s: %d frames shown, CPU %.3f s = %.2f %% of one core\n",
              seconds, frames, cpu, 100.0 * cpu / wall);
  return 0;
}
