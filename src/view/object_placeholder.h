// The text a frame shows for an object that is not a page: one line with a link to it.
#pragma once

#include <string>

namespace zeb {

class TZEBoggetto;

// "Here an object will be shown. Click here to display:" followed by the object's name as a
// link to the object (by its ID), in text markup.
std::string objectPlaceholderText(const TZEBoggetto& object);

}  // namespace zeb
