// Opening, laying out and painting a page as a frame does: pages of about 5,000 and
// 100,000 characters from a synthetic book, with the Qt measurer and the Qt canvas on the
// offscreen platform. Prints median times with a measurement cache that is warm (as in a
// reader that has shown pages before) and cold (the first page ever shown), and the time of
// a repaint of a 40-pixel band, which visits only the paragraphs that meet it.
//
//   build/bench/page_open [--runs N]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text_measurer.h"
#include "text/measurement_cache.h"
#include "text/paragraph.h"
#include "text/text_box.h"
#include "view/page_painting.h"
#include "view/page_view.h"

namespace {

constexpr int width = 800;
constexpr int height = 600;

void paint(zeb::TZEBpage& view, QImage& image, const QRect& area) {
  QPainter painter(&image);
  zeb::QtCanvas canvas(painter, area, 96);
  zeb::paintPage(view, canvas);
}

int characters(zeb::TZEBbox& box) {
  int count = 0;
  for (int i = 0; i < box.paragraphCount(); ++i) count += box.paragraph(i).length();
  return count;
}

void measure(const char* label, int pageBytes, int runs, zeb::QtTextMeasurer& measurer) {
  zeb::QuietPlatform platform;
  zeb::PlatformServices services = platform.services();
  services.measurer = &measurer;
  zeb::TZEBset set(services);
  if (!set.Load(zeb::bench::syntheticBook(3, pageBytes).string())) return;
  auto* page = static_cast<zeb::TZEBtesto*>(set.slot(zeb::TOggettiHel::testoHtml, 1));
  zeb::PageOwner owner;
  QImage image(width, height, QImage::Format_RGB32);

  zeb::MeasurementCache warm(measurer);
  int shown = 0;
  auto openAndPaint = [&](zeb::MeasurementCache& cache) {
    zeb::TZEBpage view(set, cache, owner);
    view.setReadOnly(true);
    view.setClientSize(width, height);
    view.ShowText(page);
    paint(view, image, QRect(0, 0, width, height));
    shown = characters(*view.TextBox());
  };
  openAndPaint(warm);
  const double warmTime = zeb::bench::medianSeconds(runs, [&] { openAndPaint(warm); });
  const double coldTime = zeb::bench::medianSeconds(runs, [&] {
    zeb::MeasurementCache cold(measurer);
    openAndPaint(cold);
  });

  zeb::TZEBpage view(set, warm, owner);
  view.setReadOnly(true);
  view.setClientSize(width, height);
  view.ShowText(page);
  const double fullPaint = zeb::bench::medianSeconds(runs, [&] { paint(view, image, QRect(0, 0, width, height)); });
  const double bandPaint = zeb::bench::medianSeconds(runs, [&] { paint(view, image, QRect(0, 300, width, 40)); });

  std::printf("%s page, %d characters in %d paragraphs:\n", label, shown, view.TextBox()->paragraphCount());
  std::printf("  open, lay out and paint: %.2f ms with a warm measurement cache, %.2f ms cold\n", warmTime * 1e3,
              coldTime * 1e3);
  std::printf("  paint the visible %dx%d area: %.3f ms; repaint a 40-pixel band: %.3f ms\n", width, height,
              fullPaint * 1e3, bandPaint * 1e3);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, 15);
  zeb::bench::preferOffscreenPlatform();
  QGuiApplication application(argc, argv);
  zeb::QtTextMeasurer measurer(96);
  measure("typical", 5900, runs, measurer);
  measure("long", 118000, runs, measurer);
  std::printf("target: a typical page opened, laid out and painted in under 5 ms\n");
  return 0;
}
