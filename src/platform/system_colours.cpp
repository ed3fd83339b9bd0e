// The classic scheme of the system colours the program uses.
#include "platform/system_colours.h"

namespace zeb {

Colour classicRgbOf(Colour colour) {
  if (!isSystemColour(colour)) return colour & 0x00FFFFFFu;
  switch (colour) {
    case systemColour::window: return 0xFFFFFF;
    case systemColour::windowText: return 0x000000;
    case systemColour::highlight: return 0x6A240A;  // dark blue
    case systemColour::highlightText: return 0xFFFFFF;
    case systemColour::buttonFace: return 0xC0C0C0;
    case systemColour::buttonShadow: return 0x808080;
    case systemColour::buttonHighlight: return 0xFFFFFF;
    default: return 0x000000;
  }
}

}  // namespace zeb
