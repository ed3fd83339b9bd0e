// A page of a book shown as the reader shows it, for the zebtool commands that look at a
// page's layout or pixels.
#pragma once

#include <memory>
#include <string>

#include "document/container.h"
#include "text/measurement_cache.h"
#include "view/page_view.h"

namespace zeb::tool {

// The book, measured with the measurer, and its page in a read-only page view with live
// links, laid out to a client area of the size.
struct ShownPage {
  std::unique_ptr<TZEBset> set;
  std::unique_ptr<MeasurementCache> measures;
  PageOwner owner;  // no frame set: the page is only read
  std::unique_ptr<TZEBpage> view;
};

// Nothing, after saying why on stderr, when the book cannot be loaded or has no such page.
std::unique_ptr<ShownPage> showPage(const PlatformServices& services, TextMeasurer& measurer, const std::string& path,
                                    int pageNumber, int width, int height);

}  // namespace zeb::tool
