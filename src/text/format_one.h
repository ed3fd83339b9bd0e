// Texts of the older format 1 and their conversion into the current markup.
#pragma once

#include <string>
#include <string_view>

#include "platform/font.h"

namespace zeb {

class TZEBtesto;

// The current markup for a format-1 text; textColour is the page's text colour (its first
// colour). The rules
// are listed with the implementation.
std::string convertFormatOneText(std::string_view text, Colour textColour);

// Converts the page's text when its text-format byte is 1 and sets the byte to 2; a text
// box never reads format 1 itself. The stored text keeps one closing zero byte.
void upgradeTextFormat(TZEBtesto& page);

}  // namespace zeb
