// The boxes a frame set acts on: the current box (copying, finding, focusing), the main box
// of the page shown, and the page an anchor is looked for on.
#pragma once

#include <cstdint>
#include <span>

namespace zeb {

class TZEBbox;
class TZEBpage;

// What the frame set shows, as the choice sees it.
struct ShownBoxes {
  // The box of the current control (the control itself, or the box holding it), or none.
  TZEBbox* currentControl = nullptr;
  // The page of the root frame when the root frame is a leaf, or none.
  TZEBpage* rootPage = nullptr;
  // The pages in the order they registered while loading.
  std::span<TZEBpage* const> registry;
  std::int32_t mainPageNumber = -1;
};

// The current control's box; else the root page's box; else the box of the latest
// registered page that has loaded a text.
TZEBbox* chooseCurrentBox(const ShownBoxes& shown);

// The root page's box; else the box of the latest registered page showing MainPageNumber.
TZEBbox* chooseMainBox(const ShownBoxes& shown);

// The first registered page showing MainPageNumber; else the page holding the current box.
TZEBpage* chooseAnchorPage(const ShownBoxes& shown);

// The registered page whose boxes (its own and those of its table cells) include the box.
TZEBpage* pageHolding(std::span<TZEBpage* const> registry, const TZEBbox* box);

}  // namespace zeb
