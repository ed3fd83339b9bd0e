// zebtool render: draws a page as the reader shows it into a PNG image, through Qt on the
// offscreen platform (a page with a frame map in the reader's frame set, frames and splitters
// included); zebtool thumbnail, the book's cover for file managers; and the Qt session in
// which rendering and Qt metrics measure.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_text_measurer.h"
#include "view/page_zoom.h"
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
// --scale: the device pixel ratio of a screen, from 1 to 4 in steps of a hundredth.
constexpr int minimumScaleHundredths = 100;
constexpr int maximumScaleHundredths = 400;

// How the reader is set: night colours, zoom and the screen's device pixel ratio.
struct ViewSettings {
  bool night = false;
  int zoomPercent = 100;
  double scale = 1;
};

// A page that names a frame map is drawn as the reader's frame set shows it: its frames, each
// with its page, and the splitters between them (a map that cannot be read gives the warning
// and one frame).
// The window is width by height pixels of the screen; at a device pixel ratio above 1 the
// image holds that many device pixels for each, drawn at the device's resolution.
QImage renderFrames(TZEBset& set, int pageNumber, int width, int height, const ViewSettings& view) {
  TInsiemeCornici frames;
  readOffscreen(frames, set, QSize(width, height));
  if (view.night) frames.setNightView({.on = true});
  frames.setZoom(PageZoom(view.zoomPercent));
  frames.setMainPageNumber(pageNumber);
  QImage image(static_cast<int>(std::ceil(width * view.scale)), static_cast<int>(std::ceil(height * view.scale)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(view.scale);
  image.fill(Qt::white);
  frames.render(&image);
  return image;
}

int renderPage(const PlatformServices& services, TextMeasurer& measurer, const Arguments& arguments, int pageNumber,
               int width, int height, const ViewSettings& view) {
  PlatformServices measured = services;
  measured.measurer = &measurer;
  const auto set = loadBook(measured, arguments[0]);
  if (!set || livePage(*set, pageNumber) == nullptr) return failure;
  const QImage image = renderFrames(*set, pageNumber, width, height, view);
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

// Takes "--name VALUE" out of the options after the output file: the value, empty when the
// option is not there; nothing when it lacks its value.
std::optional<std::string> takeOption(Arguments& arguments, std::string_view name) {
  for (std::size_t i = 3; i < arguments.size(); ++i) {
    if (arguments[i] != name) continue;
    if (i + 1 >= arguments.size()) return std::nullopt;
    std::string value = arguments[i + 1];
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                    arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    return value;
  }
  return std::string();
}

// A ratio such as "2" or "1.5", in hundredths.
std::optional<int> parseScale(std::string_view text) {
  const auto point = text.find('.');
  const auto whole = parseNumber(text.substr(0, point), 0, maximumScaleHundredths / 100);
  if (!whole) return std::nullopt;
  int hundredths = *whole * 100;
  if (point != std::string_view::npos) {
    const std::string_view fraction = text.substr(point + 1);
    if (fraction.empty() || fraction.size() > 2) return std::nullopt;
    const auto digits = parseNumber(fraction, 0, 99);
    if (!digits) return std::nullopt;
    hundredths += fraction.size() == 1 ? *digits * 10 : *digits;
  }
  if (hundredths < minimumScaleHundredths || hundredths > maximumScaleHundredths) return std::nullopt;
  return hundredths;
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
  ViewSettings view;
  view.night = takeFlag(arguments, "--night");
  const auto zoom = takeOption(arguments, "--zoom");
  const auto scale = takeOption(arguments, "--scale");
  if (!zoom || !scale) return usageError;
  if (!zoom->empty()) {
    const auto percent = parseNumber(*zoom, limits::minimumZoomPercent, limits::maximumZoomPercent);
    if (!percent) return usageError;
    view.zoomPercent = *percent;
  }
  if (!scale->empty()) {
    const auto hundredths = parseScale(*scale);
    if (!hundredths) return usageError;
    view.scale = *hundredths / 100.0;
  }
  if (arguments.size() < 3 || arguments.size() % 2 == 0) return usageError;
  const auto pageIndex = parsePageNumber(arguments[1]);
  int width = defaultPageWidth;
  int height = defaultPageHeight;
  if (!parseSizeOptions(arguments, 3, maxRenderSide, width, height) || !pageIndex) return usageError;
  int status = failure;
  withQtMeasurer([&](TextMeasurer& measurer) {
    status = renderPage(services, measurer, arguments, *pageIndex, width, height, view);
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
      {"render", "render BOOK PAGE OUT.png [--width W] [--height H] [--night] [--zoom PERCENT] [--scale DPR]", render},
      {"thumbnail", "thumbnail BOOK OUT.png SIZE", thumbnail},
  };
  return commands;
}

}  // namespace zeb::tool
