// Showing a page for zebtool.
#include "app/zebtool/shown_page.h"

#include "app/zebtool/tool.h"
#include "document/page_object.h"
#include "platform/platform_services.h"

namespace zeb::tool {

std::unique_ptr<ShownPage> showPage(const PlatformServices& services, TextMeasurer& measurer, const std::string& path,
                                    int pageNumber, int width, int height) {
  auto shown = std::make_unique<ShownPage>();
  PlatformServices measured = services;
  measured.measurer = &measurer;
  shown->set = loadBook(measured, path);
  if (!shown->set) return nullptr;
  TZEBtesto* page = livePage(*shown->set, pageNumber);
  if (page == nullptr) return nullptr;
  shown->measures = std::make_unique<MeasurementCache>(measurer);
  shown->view = std::make_unique<TZEBpage>(*shown->set, *shown->measures, shown->owner);
  shown->view->setReadOnly(true);
  shown->view->setAnimated(true);
  shown->view->setClientSize(width, height);
  shown->view->ShowText(page);
  return shown;
}

}  // namespace zeb::tool
