// The image cache.
#include "document/image_cache.h"

#include <algorithm>

#include "document/book_object.h"
#include "document/messages.h"
#include "platform/message_boxes.h"

namespace zeb {

TZEBpicture* ImageCache::find(const TZEBoggetto& object) const {
  if (object.Kind() != TOggettiHel::immagine && object.Kind() != TOggettiHel::immagineNew) return nullptr;
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) { return entry.first == &object; });
  return found != entries_.end() ? found->second.get() : nullptr;
}

TZEBpicture* ImageCache::add(const TZEBoggetto& object, std::unique_ptr<TZEBpicture> picture, int maxEntries,
                             MessageBoxes& messages) {
  if (object.Kind() != TOggettiHel::immagine) {
    messages.error(messages::imageCacheBug);
    return nullptr;
  }
  if (TZEBpicture* present = find(object)) return present;
  entries_.emplace_back(&object, std::move(picture));
  TZEBpicture* added = entries_.back().second.get();
  // The entry just added always stays, even with a limit below one.
  while (entries_.size() > static_cast<std::size_t>(std::max(maxEntries, 1))) entries_.erase(entries_.begin());
  return added;
}

void ImageCache::remove(const TZEBoggetto& object) {
  std::erase_if(entries_, [&](const auto& entry) { return entry.first == &object; });
}

const RgbaImage& firstImageOf(const TZEBpicture& picture) { return picture.firstImage(); }

}  // namespace zeb
