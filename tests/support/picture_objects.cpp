// Decoded picture objects.
#include "tests/support/picture_objects.h"

#include <memory>

#include "document/container.h"
#include "document/image_cache.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::testing {

TZEBoggetto& addDecodedPicture(TZEBset& set, int width, int height, std::uint32_t rgb) {
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  zebmake::BmpPicture bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(static_cast<std::size_t>(width * height), 0xFF000000u | rgb);
  auto decoded = std::make_unique<TZEBpicture>();
  decoded->loadFromBytes(zebmake::makeBmp(bitmap), PictureFormat::bitmap);
  picture.record().setI16(field::pictureWidth, static_cast<std::int16_t>(width));
  picture.record().setI16(field::pictureHeight, static_cast<std::int16_t>(height));
  set.imageCache().add(picture, std::move(decoded), 20, set.messages());
  return picture;
}

}  // namespace zeb::testing
