// A book's cover as a picture: its cover page (the first live page when the header names
// none) drawn as the reader's frame set shows it, scaled down. The library's grid of covers
// and zebtool thumbnail draw it; no window appears.
#pragma once

#include <QImage>
#include <QSize>

namespace zeb {

class TZEBset;

// The page the cover shows; -1 when the book has no live page.
int coverPageOf(TZEBset& set);

// The page drawn into an area of pageSize and scaled so that its longer side is `side`
// pixels; a null image when the book has no page to show.
QImage drawCover(TZEBset& set, QSize pageSize, int side);

}  // namespace zeb
