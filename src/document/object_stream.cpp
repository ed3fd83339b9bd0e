// The stream form of objects, and the picture fragment built from it.
#include "document/object_stream.h"

#include "document/book_file.h"
#include "document/byte_reader.h"
#include "document/container.h"
#include "document/messages.h"
#include "document/object_copy.h"
#include "platform/clipboard.h"
#include "platform/message_boxes.h"

namespace zeb {
namespace {

// The primary data an object carries into its stream form.
std::vector<std::uint8_t> streamedPrimary(const TZEBoggetto& object) {
  std::vector<std::uint8_t> data;
  if (object.readPrimary(data)) return data;
  data.clear();
  const auto kind = object.Kind();
  const std::string& external = object.externalFileName();
  if (object.primaryBlob().empty() && !external.empty() &&
      (kind == TOggettiHel::genLink || kind == TOggettiHel::immagine || kind == TOggettiHel::immagineNew)) {
    if (auto whole = readWholeFile(external)) data = std::move(*whole);
  }
  return data;
}

void writeLinkedObject(ByteWriter& out, const TZEBoggetto& object, std::int32_t localNumber) {
  out.writeI32(kindNumber(object.Kind()));
  out.writeI32(localNumber);
  object.writeToStream(out);
}

}  // namespace

void TZEBoggetto::writeToStream(ByteWriter& out) const {
  out.writeI32(index_);
  out.writeU8(static_cast<std::uint8_t>(kind_));
  out.writeBytes(record_.bytes());
  const std::string& external = externalFileName();
  out.writeI32(static_cast<std::int32_t>(external.size()));
  out.writeText(external);
  const std::vector<std::uint8_t> primary = streamedPrimary(*this);
  out.writeI32(static_cast<std::int32_t>(primary.size()));
  out.writeI32(0);
  out.writeBytes(primary);
  std::vector<std::uint8_t> secondary;
  secondary_.readInto(bookFile(), secondary);
  out.writeI32(static_cast<std::int32_t>(secondary.size()));
  out.writeBytes(secondary);
}

bool TZEBoggetto::readFromStream(ByteReader& in) {
  // Whatever is read, a picture decoded from the old data no longer shows this object.
  if (container_ != nullptr) container_->forgetPicture(*this);
  try {
    const std::int32_t index = in.readI32();
    const std::uint8_t kindByte = in.readU8();
    if (!isKindNumber(kindByte)) throw FormatError("no such kind");
    const auto kind = kindOf(kindByte);
    if (!registered_) index_ = index;
    if (registered_ && kind != kind_) {
      if (container_ != nullptr) container_->messages().error(messages::registeredKindMismatch);
      // The kind is replaced all the same; the container moves the object to that kind's
      // list, so that every list holds only objects of its own kind.
      if (container_ != nullptr) container_->moveToKind(*this, kind);
      else kind_ = kind;
    } else {
      kind_ = kind;
    }
    const auto record = in.readBytes(recordSize);
    std::copy(record.begin(), record.end(), record_.bytes().begin());
    const std::int32_t nameLength = in.readI32();
    if (nameLength < 0) throw FormatError("negative length");
    const auto name = in.readBytes(static_cast<std::size_t>(nameLength));
    setExternalFileName(std::string(name.begin(), name.end()));

    const std::int32_t primarySize = in.readI32();
    if (primarySize < 0) throw FormatError("negative size");
    in.readI32();  // always 0
    const auto primary = in.readBytes(static_cast<std::size_t>(primarySize));
    if (primarySize > 0) primary_ = Blob::inMemory(primary);
    const std::int32_t secondarySize = in.readI32();
    if (secondarySize < 0) throw FormatError("negative size");
    const auto secondary = in.readBytes(static_cast<std::size_t>(secondarySize));
    if (secondarySize > 0) secondary_ = Blob::inMemory(secondary);
    return true;
  } catch (const FormatError&) {
    freeBlobs();
    return false;
  }
}

std::vector<std::uint8_t> pictureFragment(TZEBset& set, TZEBoggetto& object) {
  ByteWriter out;
  out.writeI32(3);

  if (object.Kind() == TOggettiHel::immagineNew) {
    // Linked objects: what the zones' link actions and hyperlinks lead to, each once; an
    // action that goes to an object brings that object first.
    std::vector<const TZEBoggetto*> linked;
    auto addOnce = [&](const TZEBoggetto* candidate) {
      if (candidate != nullptr && std::find(linked.begin(), linked.end(), candidate) == linked.end())
        linked.push_back(candidate);
    };
    for (int zone = 0; zone < field::zoneCount; ++zone) {
      const TZEBoggetto* target =
          object.resolveReference(object.record().u32(field::placementZones + field::zoneSize * zone));
      if (target == nullptr) continue;
      if (target->Kind() == TOggettiHel::speclink) {
        if (target->state() == 1) addOnce(target->resolveReference(target->record().u32(field::actionTarget)));
        addOnce(target);
      } else if (target->Kind() == TOggettiHel::internetLink) {
        addOnce(target);
      }
    }
    out.writeI32(static_cast<std::int32_t>(linked.size()));
    for (const TZEBoggetto* each : linked) writeLinkedObject(out, *each, each->LocalNumber());

    std::vector<const TZEBoggetto*> pictures;
    for (const int offset : {0, 5, 9}) {
      const std::int32_t index = object.record().i32(offset);
      if (const TZEBoggetto* picture = index < 0 ? nullptr : set.objectByKindAndIndex(kindNumber(TOggettiHel::immagine), index))
        pictures.push_back(picture);
    }
    out.writeI32(static_cast<std::int32_t>(pictures.size()));
    for (const TZEBoggetto* picture : pictures) {
      out.writeI32(kindNumber(TOggettiHel::immagine));
      picture->writeToStream(out);
    }
    out.writeI32(1);
    out.writeI32(kindNumber(TOggettiHel::immagineNew));
    out.writeI32(1);
    if (object.record().i32(field::placementPicture) == -1 && !object.externalFileName().empty()) {
      // A placement of a picture from a file outside the book names that file instead.
      const auto named = copyOf(object);
      named->setAttribute("externalfile", object.externalFileName());
      named->writeToStream(out);
    } else {
      object.writeToStream(out);
    }
  } else {
    out.writeI32(0);
    out.writeI32(1);
    out.writeI32(kindNumber(TOggettiHel::immagine));
    object.writeToStream(out);

    auto placement = set.makeObject(TOggettiHel::immagineNew);
    placement->Release();
    placement->record().setU8(field::state, 1);
    placement->record().setI32(field::placementPicture, object.Index());
    placement->setName(object.Name() + "=");
    setPlacementSize(placement->record(), object.record());
    out.writeI32(1);
    out.writeI32(kindNumber(TOggettiHel::immagineNew));
    out.writeI32(1);
    placement->writeToStream(out);
  }

  out.writeI32(1);
  out.writeText("<Z S0 ><$FF000001>");
  out.writeU8(0);
  return out.take();
}

void copyPictureToClipboard(TZEBset& set, TZEBoggetto& object, const RgbaImage& decoded) {
  if (object.Kind() != TOggettiHel::immagine && object.Kind() != TOggettiHel::immagineNew)
    set.messages().error(messages::onlyForPictures);
  const std::vector<std::uint8_t> fragment = pictureFragment(set, object);
  Clipboard& clipboard = *set.services().clipboard;
  clipboard.clear();
  clipboard.setFormat(pictureFormat, fragment);
  if (!decoded.empty()) clipboard.setPicture(decoded);
}

}  // namespace zeb
