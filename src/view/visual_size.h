// How large each control is on its line: the size rules of the visual objects, from the
// object, the metrics of the program's standard controls and the room the line offers.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/font.h"
#include "platform/system_colours.h"

namespace zeb {

class TextMeasurer;
class TZEBoggetto;

// The metrics of the program's standard controls, measured once for the whole program: the
// Qt front takes them from its style, the tools and tests from the control font.
struct ControlMetrics {
  int averageCharWidth = 0;
  int lineHeight = 0;       // a line of a memo or list box
  int editHeight = 0;       // a one-line edit field
  int comboHeight = 0;      // a drop-down list
  int listWidth = 0;        // a list box or a drop-down list without a width of its own
  int checkTextHeight = 0;  // the text height of "(_" in a check control's font

  // From the control font, 8-point "MS Sans Serif", as the measurer measures it.
  static ControlMetrics measuredWith(TextMeasurer& measurer);
};

// What the box offers the object: the available width of its line, and the height of the
// page's client area (of the cell inside a table), which relative sizes are percents of.
struct SizeOffer {
  int width = 0;
  int height = 0;
};

struct ObjectSize {
  int width = 0;
  int height = 0;
  bool operator==(const ObjectSize&) const = default;
};

namespace controlSize {
inline constexpr int marker = 18;    // markers and icons are this square
inline constexpr int checkBox = 13;  // a check control before it is painted
inline constexpr int buttonMinimumWidth = 70;
inline constexpr int playerWidth = 141;  // the media player's bar
inline constexpr int playerHeight = 30;
inline constexpr int imageWithoutSize = 100;  // a picture side not known or stored as 0
// A check control's drawn box, and where its caption starts (after the box for a check box).
inline constexpr int checkBoxSide = 12;
inline constexpr int checkCaptionOffset = 14;
}  // namespace controlSize

// The font of the standard controls, 8-point "MS Sans Serif", in the colour and size.
TMyFont controlFont(Colour colour = systemColour::windowText, int size = 8);

// The subtypes of media objects: audio (1, 2) and video (3, 4) with a player, 5 a plain area,
// custom objects (6, 7).
namespace mediaSubtype {
inline constexpr std::uint8_t audioLast = 2;
inline constexpr std::uint8_t videoLast = 4;
inline constexpr std::uint8_t customFirst = 6;
inline constexpr std::uint8_t customLast = 7;
}  // namespace mediaSubtype

// The size of the control of an object. Tables and images size themselves in the text
// engine (TableCells, PicturePlacement); they and objects without a control are 0 x 0 here.
ObjectSize visualSizeOf(const TZEBoggetto& object, const ControlMetrics& metrics, const SizeOffer& offer);

// The width of a button without a picture whose caption has that many characters.
int buttonWidth(int captionLength, const ControlMetrics& metrics);

}  // namespace zeb
