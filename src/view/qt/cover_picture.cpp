// Drawing a book's cover page offscreen.
#include "view/qt/cover_picture.h"

#include "document/book_header.h"
#include "document/container.h"
#include "view/qt/frame_set.h"

namespace zeb {

int coverPageOf(TZEBset& set) {
  auto live = [&](std::int32_t number) {
    const TZEBoggetto* page = set.slot(TOggettiHel::testoHtml, number);
    return page != nullptr && !page->isReleased();
  };
  const std::int32_t cover = set.header().i32(header::coverPage);
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  if (cover >= 0 && cover < count && live(cover)) return cover;
  for (std::int32_t i = 0; i < count; ++i)
    if (live(i)) return i;
  return -1;
}

QImage drawCover(TZEBset& set, QSize pageSize, int side) {
  const int page = coverPageOf(set);
  if (page < 0 || side <= 0 || pageSize.isEmpty()) return {};
  TInsiemeCornici frames;
  readOffscreen(frames, set, pageSize);
  frames.setMainPageNumber(page);
  QImage image(pageSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  frames.render(&image);
  return image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace zeb
