// zebtool render: draws a page as the reader shows it into a PNG image, through Qt on the
// offscreen platform, so that a page can be looked at without a desktop.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text_measurer.h"
#include "text/measurement_cache.h"
#include "view/page_painting.h"
#include "view/page_view.h"

namespace zeb::tool {
namespace {

// Renderings are made at the resolution the books were designed for, whatever the screen.
constexpr int renderPixelsPerInch = 96;
constexpr int maxRenderSide = 8192;

int render(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() < 3 || arguments.size() % 2 == 0) return usageError;
  const auto pageIndex = parsePageNumber(arguments[1]);
  int width = 800;
  int height = 600;
  for (std::size_t i = 3; i + 1 < arguments.size(); i += 2) {
    const auto value = parseNumber(arguments[i + 1], 1, maxRenderSide);
    if (!value) return usageError;
    if (arguments[i] == "--width")
      width = *value;
    else if (arguments[i] == "--height")
      height = *value;
    else
      return usageError;
  }
  if (!pageIndex) return usageError;

  // Qt draws without a display when no platform is asked for.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "zebtool";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  QtTextMeasurer measurer(renderPixelsPerInch);
  PlatformServices withQt = services;
  withQt.measurer = &measurer;
  const auto set = loadBook(withQt, arguments[0]);
  if (!set) return failure;
  TZEBtesto* page = livePage(*set, *pageIndex);
  if (page == nullptr) return failure;

  MeasurementCache measures(measurer);
  PageOwner owner;  // no frame set: the page is only read
  TZEBpage view(*set, measures, owner);
  view.setReadOnly(true);
  view.setAnimated(true);
  view.setClientSize(width, height);
  view.ShowText(page);

  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, QRect(0, 0, width, height), renderPixelsPerInch);
    paintPage(view, canvas);
  }
  if (!image.save(QString::fromStdString(arguments[2]), "PNG")) {
    std::fprintf(stderr, "zebtool: cannot write %s\n", arguments[2].c_str());
    return failure;
  }
  return success;
}

}  // namespace

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> commands = {
      {"render", "render BOOK PAGE OUT.png [--width W] [--height H]", render},
  };
  return commands;
}

}  // namespace zeb::tool
