// Choosing the boxes a frame set acts on.
#include "view/box_choice.h"

#include "view/page_view.h"

namespace zeb {

TZEBbox* chooseCurrentBox(const ShownBoxes& shown) {
  if (shown.currentControl != nullptr) return shown.currentControl;
  if (shown.rootPage != nullptr && shown.rootPage->TextBox() != nullptr) return shown.rootPage->TextBox();
  for (auto page = shown.registry.rbegin(); page != shown.registry.rend(); ++page) {
    if ((*page)->TextBox() != nullptr) return (*page)->TextBox();
  }
  return nullptr;
}

TZEBbox* chooseMainBox(const ShownBoxes& shown) {
  if (shown.rootPage != nullptr && shown.rootPage->TextBox() != nullptr) return shown.rootPage->TextBox();
  for (auto page = shown.registry.rbegin(); page != shown.registry.rend(); ++page) {
    if ((*page)->PageIndex() == shown.mainPageNumber && (*page)->TextBox() != nullptr) return (*page)->TextBox();
  }
  return nullptr;
}

TZEBpage* chooseAnchorPage(const ShownBoxes& shown) {
  for (TZEBpage* page : shown.registry) {
    if (page->PageIndex() == shown.mainPageNumber) return page;
  }
  return pageHolding(shown.registry, chooseCurrentBox(shown));
}

TZEBpage* pageHolding(std::span<TZEBpage* const> registry, const TZEBbox* box) {
  if (box == nullptr) return nullptr;
  for (TZEBpage* page : registry) {
    if (page->holdsBox(*box)) return page;
  }
  return nullptr;
}

}  // namespace zeb
