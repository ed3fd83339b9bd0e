// Copying objects in memory and telling equal ones apart.
#include <vector>

#include "document/book_object.h"
#include "document/container.h"
#include "document/messages.h"
#include "document/object_copy.h"
#include "platform/message_boxes.h"

namespace zeb {
namespace {

bool isPicture(TOggettiHel kind) { return kind == TOggettiHel::immagine || kind == TOggettiHel::mappaClic; }

// The placement record of a copied picture, over the picture's own record bytes.
void makePlacementOf(const TZEBoggetto& picture, ObjectRecord& record) {
  const ObjectRecord& source = picture.record();
  record.setI32(field::placementPicture, picture.Index());
  record.setU8(4, 1);
  record.setU8(13, source.u8(field::pictureDisplayOption));
  record.setU8(14, 0);
  record.setU8(23, 0);
  setPlacementSize(record, source);
  record.setI32(24, 0xFF0000);
  record.setShortString(28, 32, picture.Name());
  record.setI32(5, -1);
  record.setI32(9, -1);
  record.setI32(69, -1);
  const bool zonesValid = source.i32(field::pictureOldIndex) != -1 || source.u8(field::pictureZonesValid) != 0;
  const int zoneBytes = field::zoneCount * field::zoneSize;
  if (zonesValid) {
    for (int i = 0; i < zoneBytes; ++i) record.setU8(field::placementZones + i, source.u8(field::pictureZones + i));
  } else {
    record.fillRange(field::placementZones, zoneBytes, 0xFF);
  }
}

}  // namespace

void TZEBoggetto::CopyFrom(TZEBoggetto& source) {
  const bool becomesPlacement = isPicture(source.Kind());
  if (source.Kind() == TOggettiHel::mappaClic && source.Container() != nullptr)
    source.Container()->messages().error(messages::oldPictureMap);

  setKind(becomesPlacement ? TOggettiHel::immagineNew : source.Kind());
  primary_ = source.primary_.copy();
  secondary_ = source.secondary_.copy();
  index_ = source.index_;
  record_ = source.record_;
  container_ = source.container_;
  if (becomesPlacement) makePlacementOf(source, record_);
}

bool TZEBoggetto::Matches(TZEBoggetto& other) const {
  if (isReleased()) return false;
  switch (kind_) {
    case TOggettiHel::internetLink:
    case TOggettiHel::keyword:
      return other.Kind() == kind_ && Name() == other.Name();
    case TOggettiHel::immagine: {
      if (other.Kind() != TOggettiHel::immagine || record_.i32(174) != other.record().i32(174)) return false;
      // Either side's bytes may still lie in the book file.
      std::vector<std::uint8_t> mine, theirs;
      return readPrimary(mine) && other.readPrimary(theirs) && mine == theirs;
    }
    case TOggettiHel::stileParagrafo: {
      if (other.Kind() != kind_) return false;
      const bool defaultStyle = container_ != nullptr && (container_->defaultStyle(0) == this || container_->defaultStyle(1) == this);
      if (!defaultStyle && record_.shortString(field::styleFontName, 32) != other.record().shortString(field::styleFontName, 32))
        return false;
      for (int offset = 72; offset < 72 + 43; ++offset)
        if (record_.u8(offset) != other.record().u8(offset)) return false;
      return true;
    }
    default:
      return false;
  }
}

std::unique_ptr<TZEBoggetto> copyOf(TZEBoggetto& source) {
  auto copy = createObject(isPicture(source.Kind()) ? TOggettiHel::immagineNew : source.Kind());
  copy->CopyFrom(source);
  return copy;
}

TZEBoggetto* findEqual(const TZEBset& set, TZEBoggetto& object) {
  const auto kind = object.Kind();
  if (kindNumber(kind) >= kindNumber(TOggettiHel::none)) return nullptr;
  for (std::size_t i = 0; i < set.slotCount(kind); ++i) {
    TZEBoggetto* candidate = set.slot(kind, static_cast<std::int32_t>(i));
    if (candidate != nullptr && candidate != &object && candidate->Matches(object)) return candidate;
  }
  return nullptr;
}

}  // namespace zeb
