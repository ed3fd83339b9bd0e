// zebtool render: draws a page as the reader shows it into a PNG image, through Qt on the
// offscreen platform (a page with a frame map in the reader's frame set, frames and splitters
// included); zebtool thumbnail, the book's cover for file managers; and the Qt session in
// which rendering and Qt metrics measure.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_text_measurer.h"
#include "view/qt/cover_picture.h"
#include "view/qt/frame_set.h"

namespace zeb::tool {

bool withQtMeasurer(const std::function<void(TextMeasurer&)>& work) {
  // Qt draws and measures without a display when no platform is asked for.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "zebtool";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QtTextMeasurer measurer(pagePixelsPerInch);
  work(measurer);
  return true;
}

namespace {

constexpr int maxRenderSide = 8192;

// A page that names a frame map is drawn as the reader's frame set shows it: its frames, each
// with its page, and the splitters between them (a map that cannot be read gives the warning
// and one frame).
QImage renderFrames(TZEBset& set, int pageNumber, int width, int height, bool night) {
  TInsiemeCornici frames;
  readOffscreen(frames, set, QSize(width, height));
  if (night) frames.setNightView({.on = true});
  frames.setMainPageNumber(pageNumber);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  frames.render(&image);
  return image;
}

int renderPage(const PlatformServices& services, TextMeasurer& measurer, const Arguments& arguments, int pageNumber,
               int width, int height, bool night) {
  PlatformServices measured = services;
  measured.measurer = &measurer;
  const auto set = loadBook(measured, arguments[0]);
  if (!set || livePage(*set, pageNumber) == nullptr) return failure;
  const QImage image = renderFrames(*set, pageNumber, width, height, night);
  if (!image.save(QString::fromStdString(arguments[2]), "PNG")) {
    std::fprintf(stderr, "zebtool: cannot write %s\n", arguments[2].c_str());
    return failure;
  }
  return success;
}

// Takes the flag out of the options after the output file; whether it was there.
bool takeFlag(Arguments& arguments, std::string_view flag) {
  const auto options = arguments.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(arguments.size(), 3));
  const auto kept = std::remove(options, arguments.end(), flag);
  const bool found = kept != arguments.end();
  arguments.erase(kept, arguments.end());
  return found;
}

QImage coverImage(const PlatformServices& services, TextMeasurer& measurer, const std::string& path, int side) {
  // Covers are drawn unattended (file managers, the library's scan): what the book says
  // goes nowhere.
  QuietPlatform quiet;
  PlatformServices measured = services;
  measured.measurer = &measurer;
  measured.messages = &quiet.messages;
  TZEBset set(measured);
  if (!set.Load(path)) return {};
  return drawCover(set, QSize(defaultPageWidth, defaultPageHeight), side);
}

int thumbnail(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 3) return usageError;
  const auto side = parseNumber(arguments[2], 1, maxRenderSide);
  if (!side) return usageError;
  int status = failure;
  withQtMeasurer([&](TextMeasurer& measurer) {
    const QImage image = coverImage(services, measurer, arguments[0], *side);
    if (image.isNull()) {
      std::fprintf(stderr, "zebtool: no cover to draw in %s\n", arguments[0].c_str());
      return;
    }
    if (!image.save(QString::fromStdString(arguments[1]), "PNG")) {
      std::fprintf(stderr, "zebtool: cannot write %s\n", arguments[1].c_str());
      return;
    }
    status = success;
  });
  return status;
}

int render(const PlatformServices& services, const Arguments& given) {
  Arguments arguments = given;
  const bool night = takeFlag(arguments, "--night");
  if (arguments.size() < 3 || arguments.size() % 2 == 0) return usageError;
  const auto pageIndex = parsePageNumber(arguments[1]);
  int width = defaultPageWidth;
  int height = defaultPageHeight;
  if (!parseSizeOptions(arguments, 3, maxRenderSide, width, height) || !pageIndex) return usageError;
  int status = failure;
  withQtMeasurer([&](TextMeasurer& measurer) {
    status = renderPage(services, measurer, arguments, *pageIndex, width, height, night);
  });
  return status;
}

}  // namespace

std::vector<std::uint8_t> coverPng(const PlatformServices& services, TextMeasurer& measurer, const std::string& path,
                                   int side) {
  const QImage image = coverImage(services, measurer, path, side);
  if (image.isNull()) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {};
  return {bytes.begin(), bytes.end()};
}

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> commands = {
      {"render", "render BOOK PAGE OUT.png [--width W] [--height H] [--night]", render},
      {"thumbnail", "thumbnail BOOK OUT.png SIZE", thumbnail},
  };
  return commands;
}

}  // namespace zeb::tool
