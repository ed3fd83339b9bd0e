// zebtool layout: the layout of a page's whole text (header and footer included) in a text
// box of a given width, as the layout dump prints it, with fixed or Qt metrics.
#include <cstdio>

#include "app/zebtool/shown_page.h"
#include "app/zebtool/tool.h"
#include "platform/code_pages.h"
#include "platform/headless/fixed_metrics_measurer.h"
#include "text/layout_dump.h"
#include "text/line_layout.h"
#include "text/text_box.h"

namespace zeb::tool {
namespace {

int printLayout(const PlatformServices& services, TextMeasurer& measurer, const std::string& path, int pageNumber,
                int width) {
  const auto shown = showPage(services, measurer, path, pageNumber, width, defaultPageHeight);
  if (!shown) return failure;
  const TZEBbox& box = *shown->view->TextBox();
  const std::string dump = bookTextToUtf8(dumpLayout(box), box.codePage());
  std::fwrite(dump.data(), 1, dump.size(), stdout);
  return success;
}

int layout(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() < 2 || arguments.size() % 2 != 0) return usageError;
  const auto pageNumber = parsePageNumber(arguments[1]);
  if (!pageNumber) return usageError;
  int width = defaultPageWidth;
  bool qtMetrics = false;
  for (std::size_t i = 2; i + 1 < arguments.size(); i += 2) {
    const std::string& value = arguments[i + 1];
    if (arguments[i] == "--width") {
      const auto parsed = parseNumber(value, 1, limits::maxLength);
      if (!parsed) return usageError;
      width = *parsed;
    } else if (arguments[i] == "--metrics" && (value == "fixed" || value == "qt")) {
      qtMetrics = value == "qt";
    } else {
      return usageError;
    }
  }

  if (!qtMetrics) {
    FixedMetricsMeasurer fixed(pagePixelsPerInch);
    return printLayout(services, fixed, arguments[0], *pageNumber, width);
  }
  int status = failure;
  const bool ran = withQtMeasurer(
      [&](TextMeasurer& measurer) { status = printLayout(services, measurer, arguments[0], *pageNumber, width); });
  if (!ran) {
    std::fputs("zebtool: this build has no Qt front; use --metrics fixed\n", stderr);
    return usageError;
  }
  return status;
}

}  // namespace

const std::vector<Command>& layoutCommands() {
  static const std::vector<Command> commands = {
      {"layout", "layout BOOK PAGE [--width W] [--metrics fixed|qt]", layout},
  };
  return commands;
}

}  // namespace zeb::tool
