// Copying the selection of a box: the object stream, the converters and the clipboard.
#include "text/selection_copy.h"

#include <unordered_set>

#include "document/byte_reader.h"
#include "document/container.h"
#include "document/image_cache.h"
#include "document/page_object.h"
#include "platform/clipboard.h"
#include "text/box_surface.h"
#include "text/clipboard_converters.h"
#include "text/frame_set_link.h"
#include "text/markup_writer.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

constexpr std::uint32_t streamVersion = 1;
// A link action of this subtype goes to the object its target names.
constexpr std::uint8_t goToObjectAction = 1;
constexpr std::uint8_t objectReferencePanel = 13;

// Objects in the order first met, each once.
class ObjectList {
 public:
  void add(TZEBoggetto* object) {
    if (object != nullptr && seen_.insert(object).second) objects_.push_back(object);
  }
  bool contains(const TZEBoggetto* object) const { return seen_.contains(object); }
  const std::vector<TZEBoggetto*>& objects() const { return objects_; }

 private:
  std::vector<TZEBoggetto*> objects_;
  std::unordered_set<const TZEBoggetto*> seen_;
};

struct EmbeddedEntry {
  std::uint32_t reference;
  TZEBoggetto* object;
};

class SelectionObjects {
 public:
  explicit SelectionObjects(const TZEBbox& box) : box_(box) {}

  void collect() {
    const TextPos& start = box_.orderedStart();
    const TextPos& end = box_.orderedEnd();
    for (int p = start.paragraphIndex; p <= end.paragraphIndex; ++p) {
      const TZEBparag& paragraph = box_.paragraph(p);
      const int from = p == start.paragraphIndex ? start.charIndex : 0;
      const int to = p == end.paragraphIndex ? end.charIndex : paragraph.length();
      collectParagraph(box_, paragraph, from, to);
    }
  }

  ObjectList links;
  ObjectList records;
  std::vector<EmbeddedEntry> embedded;

 private:
  void collectParagraph(const TZEBbox& box, const TZEBparag& paragraph, int from, int to) {
    records.add(paragraph.Style.BaseStyle());
    const TZEBtesto* text = box.textOf(paragraph.Origin);
    for (int i = std::max(from, 0); i < to && i < paragraph.length(); ++i) {
      const CharCell& cell = paragraph.Cells[static_cast<std::size_t>(i)];
      if (cell.LinkCode != noLink && isLocalReference(static_cast<std::uint32_t>(cell.LinkCode)) && text != nullptr)
        addLink(text->localObject(static_cast<std::uint32_t>(cell.LinkCode)));
      if (cell.ObjectIndex >= 0 && cell.ObjectIndex < static_cast<std::int32_t>(paragraph.Objects.size()))
        collectObject(paragraph.Objects[static_cast<std::size_t>(cell.ObjectIndex)]);
    }
  }

  void collectObject(const EmbeddedRef& embeddedObject) {
    TZEBoggetto* object = embeddedObject.object;
    if (object == nullptr || embeddedSeen_.contains(object)) return;
    embeddedSeen_.insert(object);
    embedded.push_back({embeddedReferenceBase | (embeddedObject.number & 0xFFFFFFu), object});
    records.add(object->ReferencedPicture());
    for (const std::uint32_t reference : referencesOf(*object)) addReference(*object, reference);
    if (object->Kind() == TOggettiHel::tabellaHtml) addCellPictures(*object);
    TableCells* table = embeddedObject.visual != nullptr ? embeddedObject.visual->tableCells() : nullptr;
    if (table == nullptr) return;
    for (const auto& cell : table->cells()) {
      for (const auto& cellParagraph : cell->Paragraphs())
        collectParagraph(*cell, *cellParagraph, 0, cellParagraph->length());
    }
  }

  // The references an object's record holds to other objects, by its kind.
  static std::vector<std::uint32_t> referencesOf(const TZEBoggetto& object) {
    const ObjectRecord& record = object.record();
    std::vector<std::uint32_t> references;
    switch (object.Kind()) {
      case TOggettiHel::speclink:
        if (object.state() == goToObjectAction) references.push_back(record.u32(field::actionTarget));
        break;
      case TOggettiHel::shortObj:
        if (object.state() == objectReferencePanel) references.push_back(record.u32(field::panelReference));
        break;
      case TOggettiHel::immagineNew:
        for (int zone = 0; zone < field::zoneCount; ++zone)
          references.push_back(record.u32(field::placementZones + zone * field::zoneSize));
        break;
      case TOggettiHel::bottoneCGI: references.push_back(record.u32(field::buttonAction)); break;
      case TOggettiHel::multiMedia: references.push_back(record.u32(field::multimediaObject)); break;
      default: break;
    }
    return references;
  }

  void addReference(const TZEBoggetto& holder, std::uint32_t reference) {
    if (reference == 0xFFFFFFFFu || reference == 0) return;
    TZEBoggetto* target = holder.resolveReference(reference);
    if (target == nullptr) return;
    if (isLocalReference(reference))
      addLink(target);
    else
      records.add(target);
  }

  // A local link object and the local objects it chains to.
  void addLink(TZEBoggetto* link) {
    if (link == nullptr || links.contains(link)) return;
    links.add(link);
    for (const std::uint32_t reference : referencesOf(*link)) {
      if (isLocalReference(reference)) addLink(link->resolveReference(reference));
    }
  }

  // The pictures a table's cell colour codes name.
  void addCellPictures(TZEBoggetto& table) {
    std::vector<std::uint8_t> data;
    if (table.record().i32(field::tableHasPrimary) == 0 || !table.readPrimary(data)) return;
    for (const std::uint32_t code : cellColourCodes(data, static_cast<int>(data.size() / 4))) {
      const CellBackground background = cellBackgroundOf(code);
      if (background.kind == CellBackground::Kind::picture)
        records.add(box_.set().objectByKindAndIndex(kindNumber(TOggettiHel::immagine), background.pictureIndex));
    }
  }

  const TZEBbox& box_;
  std::unordered_set<const TZEBoggetto*> embeddedSeen_;
};

void writeRecord(ByteWriter& out, const TZEBoggetto& object) { out.writeBytes(object.record().bytes()); }

// The selection is one embedded picture placement and nothing else.
TZEBoggetto* singlePicture(const TZEBbox& box) {
  const TextPos& start = box.orderedStart();
  const TextPos& end = box.orderedEnd();
  if (start.paragraphIndex != end.paragraphIndex || end.charIndex != start.charIndex + 1) return nullptr;
  const TZEBparag& paragraph = box.paragraph(start.paragraphIndex);
  if (start.charIndex < 0 || start.charIndex >= paragraph.length()) return nullptr;
  const std::int32_t index = paragraph.Cells[static_cast<std::size_t>(start.charIndex)].ObjectIndex;
  if (index < 0 || index >= static_cast<std::int32_t>(paragraph.Objects.size())) return nullptr;
  TZEBoggetto* object = paragraph.Objects[static_cast<std::size_t>(index)].object;
  return object != nullptr && object->Kind() == TOggettiHel::immagineNew ? object : nullptr;
}

std::string withoutFinalZeros(std::string text) {
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Holds the box's update lock and the hourglass for a scope.
class BusyBox {
 public:
  explicit BusyBox(TZEBbox& box) : box_(box), cursor_(box.mouseCursor()) {
    box_.beginUpdate();
    if (box_.surface() != nullptr) box_.surface()->setMouseCursor(MouseCursor::wait);
  }
  ~BusyBox() {
    if (box_.surface() != nullptr) box_.surface()->setMouseCursor(cursor_);
    box_.endUpdate();
  }
  BusyBox(const BusyBox&) = delete;
  BusyBox& operator=(const BusyBox&) = delete;

 private:
  TZEBbox& box_;
  MouseCursor cursor_;
};

}  // namespace

std::string selectionMarkup(const TZEBbox& box) {
  std::string markup;
  if (box.paragraphCount() == 0) return markup;
  const TextPos& start = box.orderedStart();
  const TextPos& end = box.orderedEnd();
  for (int p = start.paragraphIndex; p <= end.paragraphIndex && p < box.paragraphCount(); ++p) {
    const int from = p == start.paragraphIndex ? start.charIndex : 0;
    const int to = p == end.paragraphIndex ? end.charIndex : -1;
    writeParagraph(box.paragraph(p), markup, from, to, WriteMode::withCellTexts);
  }
  return markup;
}

std::vector<std::uint8_t> selectionObjectStream(const TZEBbox& box) {
  ByteWriter out;
  out.writeU32(streamVersion);
  SelectionObjects objects(box);
  if (box.paragraphCount() > 0) objects.collect();
  out.writeU32(static_cast<std::uint32_t>(objects.links.objects().size()));
  for (const TZEBoggetto* link : objects.links.objects()) {
    out.writeI32(link->LocalNumber());
    writeRecord(out, *link);
  }
  out.writeU32(static_cast<std::uint32_t>(objects.records.objects().size()));
  for (const TZEBoggetto* object : objects.records.objects()) writeRecord(out, *object);
  out.writeU32(static_cast<std::uint32_t>(objects.embedded.size()));
  for (const EmbeddedEntry& entry : objects.embedded) {
    out.writeU32(entry.reference);
    writeRecord(out, *entry.object);
  }
  const int paragraphs =
      box.paragraphCount() > 0 ? box.orderedEnd().paragraphIndex - box.orderedStart().paragraphIndex + 1 : 0;
  out.writeI32(paragraphs);
  out.writeText(selectionMarkup(box));
  out.writeU8(0);
  return out.take();
}

void TZEBbox::CopySelection() {
  if (paragraphs_.empty() || !hasSelection_) return;
  {
    BusyBox busy(*this);
    const std::string markup = selectionMarkup(*this);
    const ConversionSource source{set_, TextObject()};
    const ClipboardConverters& converters = clipboardConverters();
    const FrameSetLink* frames = frameSet();
    const bool wrapper = frames != nullptr && frames->Wrapper();
    Clipboard& clipboard = *set().services().clipboard;
    clipboard.clear();
    if (!wrapper) {
      const std::vector<std::uint8_t> stream = selectionObjectStream(*this);
      clipboard.setFormat(objectsFormat, stream);
      if (converters.toRtf) {
        if (const std::optional<std::string> rtf = converters.toRtf(source, markup))
          clipboard.setRtf(bytesOf(withoutFinalZeros(*rtf)));
      }
      if (TZEBoggetto* picture = singlePicture(*this)) {
        if (const TZEBpicture* decoded = set().decodedPicture(*picture)) clipboard.setPicture(firstImageOf(*decoded));
      }
    }
    if (converters.toPlainText)
      clipboard.setPlainText(withoutFinalZeros(converters.toPlainText(source, markup)), codePage());
  }
  selectionChanged();
}

}  // namespace zeb
