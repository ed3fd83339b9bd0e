// TZEBsfondo: the background behind a page's text: a colour, and a picture tiled from the
// page's top-left corner.
#pragma once

#include <cstdint>

namespace zeb {

class TZEBoggetto;

class TZEBsfondo {
 public:
  std::uint32_t Colour() const { return colour_; }
  void setColour(std::uint32_t colour) { colour_ = colour; }
  // The picture object (kind 5) to tile, or none.
  TZEBoggetto* Picture() const { return picture_; }
  void setPicture(TZEBoggetto* picture) { picture_ = picture; }

 private:
  std::uint32_t colour_ = 0xC0C0C0;
  TZEBoggetto* picture_ = nullptr;
};

}  // namespace zeb
