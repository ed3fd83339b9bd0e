// The decoded pictures of a book, kept for the pictures most recently shown.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "document/picture.h"

namespace zeb {

class TZEBoggetto;
class MessageBoxes;

// Entries keep the order they were added in; finding one does not make it younger, so the
// oldest added is the first to go when the cache is full.
class ImageCache {
 public:
  // The cached picture of that very object: pictures (kind 5) and placements (kind 16)
  // only; none for any other kind.
  TZEBpicture* find(const TZEBoggetto& object) const;
  // Keeps the picture of a picture object (kind 5), dropping the oldest entry when more
  // than maxEntries are kept; an object already present keeps its picture. Any other kind
  // is a program error: it shows "What happens? Image cache bug?" and keeps nothing.
  TZEBpicture* add(const TZEBoggetto& object, std::unique_ptr<TZEBpicture> picture, int maxEntries,
                   MessageBoxes& messages);
  void remove(const TZEBoggetto& object);
  void clear() { entries_.clear(); }
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<std::pair<const TZEBoggetto*, std::unique_ptr<TZEBpicture>>> entries_;
};

// The first image of a picture as plain pixels (an animation's first canvas), for the
// clipboard and for painting; empty for an empty picture. The picture keeps it, so it lasts
// as long as the picture stays as it is.
const RgbaImage& firstImageOf(const TZEBpicture& picture);

}  // namespace zeb
