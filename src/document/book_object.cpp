// Book objects: reading records and blobs, completing old records, release and activation.
#include "document/book_object.h"

#include <algorithm>
#include <array>

#include "document/book_file.h"
#include "document/byte_reader.h"
#include "document/container.h"
#include "document/file_names.h"
#include "document/messages.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"

namespace zeb {

struct TZEBoggetto::Extras {
  std::string externalFileName;
  TZEBtesto* owningText = nullptr;  // the text in whose local list the object is registered
};

namespace {

// Names built from other objects follow references; a chain that loops ends here.
constexpr int maxNameDepth = 8;

bool startsWith(std::string_view text, std::string_view prefix) { return text.starts_with(prefix); }

std::string textOf(std::span<const std::uint8_t> bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Revision field of a kind, or -1 when it has none.
int revisionOffsetOf(TOggettiHel kind) {
  switch (kind) {
    case TOggettiHel::testoHtml: return field::pageRevision;
    case TOggettiHel::zipLink:
    case TOggettiHel::genLink: return field::linkedFileRevision;
    case TOggettiHel::immagine:
    case TOggettiHel::mappaClic: return field::pictureRevision;
    default: return -1;
  }
}

// Offset and maximum length of a kind's file name, or -1.
std::pair<int, int> fileNameFieldOf(TOggettiHel kind) {
  switch (kind) {
    case TOggettiHel::zipLink:
    case TOggettiHel::genLink: return {field::name, field::linkedFileNameMax};
    case TOggettiHel::immagine:
    case TOggettiHel::mappaClic: return {field::pictureFileName, field::pictureFileNameMax};
    case TOggettiHel::programma: return {field::programFileName, 79};
    default: return {-1, 0};
  }
}

// The first line of a contents-tree stream is "a0,-2,Title": the holder is named after it.
std::string treeTitleOf(const std::string& stream) {
  const std::string firstLine = stream.substr(0, stream.find_first_of("\r\n"));
  const auto firstComma = firstLine.find(',');
  if (firstComma == std::string::npos) return {};
  const auto secondComma = firstLine.find(',', firstComma + 1);
  if (secondComma == std::string::npos) return {};
  return firstLine.substr(secondComma + 1);
}

}  // namespace

TZEBoggetto::TZEBoggetto() = default;

TZEBoggetto::~TZEBoggetto() {
  if (kind_ == TOggettiHel::immagine && container_ != nullptr) container_->forgetPicture(*this);
}

std::unique_ptr<TZEBoggetto> createObject(TOggettiHel kind) {
  std::unique_ptr<TZEBoggetto> object;
  if (kind == TOggettiHel::testoHtml)
    object = std::make_unique<TZEBtesto>();
  else
    object = std::make_unique<TZEBoggetto>();
  object->setKind(kind);
  return object;
}

TZEBoggetto::Extras& TZEBoggetto::extras() {
  if (!extras_) extras_ = std::make_unique<Extras>();
  return *extras_;
}

void TZEBoggetto::setKind(TOggettiHel kind) { kind_ = kind; }

const BookFile* TZEBoggetto::bookFile() const {
  return container_ != nullptr ? container_->bookFile() : nullptr;
}

std::span<const std::uint8_t> TZEBoggetto::primaryData() {
  primary_.materialise(bookFile());
  return primary_.bytes();
}

std::span<const std::uint8_t> TZEBoggetto::secondaryData() {
  secondary_.materialise(bookFile());
  return secondary_.bytes();
}

bool TZEBoggetto::readPrimary(std::vector<std::uint8_t>& out) const {
  return primary_.readInto(bookFile(), out);
}

void TZEBoggetto::setPrimaryData(std::span<const std::uint8_t> bytes) { primary_ = Blob::inMemory(bytes); }
void TZEBoggetto::setSecondaryData(std::span<const std::uint8_t> bytes) { secondary_ = Blob::inMemory(bytes); }

void TZEBoggetto::freeBlobs() {
  primary_ = Blob();
  secondary_ = Blob();
}

TZEBtesto* TZEBoggetto::owningText() const { return extras_ ? extras_->owningText : nullptr; }

void TZEBoggetto::setOwningText(TZEBtesto* text) {
  if (text == nullptr && !extras_) return;
  extras().owningText = text;
}

const std::string& TZEBoggetto::externalFileName() const {
  static const std::string none;
  return extras_ ? extras_->externalFileName : none;
}

void TZEBoggetto::setExternalFileName(std::string_view path) {
  if (path.empty() && !extras_) return;
  extras().externalFileName = std::string(path);
}

// --- Reading from a book file.

void TZEBoggetto::readFromBook(const RecordSource& source) {
  record_.fill(0xFF);
  const std::size_t stored = std::min<std::size_t>(source.stored.size(), recordSize);
  std::copy_n(source.stored.begin(), stored, record_.bytes().begin());
  completeOlderRecord(source);
  attachBlobs(source);
  registered_ = true;
}

void TZEBoggetto::completeOlderRecord(const RecordSource& source) {
  const std::int32_t size = source.storedSize;
  const std::int32_t previousRevision = source.bookRevision - 1;
  auto makeFileNameUnique = [&](int offset, int maxLength) {
    if (source.fileNames == nullptr) return;
    const std::string unique = source.fileNames->makeUnique(record_.shortString(offset, maxLength));
    record_.setShortString(offset, maxLength, unique);
  };

  switch (kind_) {
    case TOggettiHel::testoHtml:
      if (size <= 242) {
        record_.setI16(field::pageLanguage, 1033);
        record_.setU8(field::pageTextFormat, markupFormat::older);
        record_.setI32(field::pageRevision, previousRevision);
        record_.setU8(field::pageByte200, 0);
        record_.setI16(field::pageTimedLinkDelay, 5);
        record_.setI32(field::pageTimedLinkTarget, -1);
        record_.setI32(field::pageHeaderPage, -1);
        record_.setI32(field::pageFooterPage, -1);
        record_.setI32(field::pageInt223, -1);
        record_.setU8(field::pageByte194, 0);
      }
      break;
    case TOggettiHel::internetLink: {
      const std::uint8_t state = record_.u8(field::state);
      if (state < 5 || state > 8) {
        const std::string target = record_.shortString(field::name, 127);
        if (startsWith(target, "nexo:")) record_.setU8(field::state, 6);
        else if (startsWith(target, "http:")) record_.setU8(field::state, 7);
        else if (startsWith(target, "mailto:")) record_.setU8(field::state, 8);
      }
      break;
    }
    case TOggettiHel::zipLink:
    case TOggettiHel::genLink:
      if (size <= 92) {
        record_.setI32(field::linkedFileRevision, previousRevision);
        makeFileNameUnique(field::name, field::linkedFileNameMax);
      }
      break;
    case TOggettiHel::immagine:
      if (size <= 666) {
        makeFileNameUnique(field::pictureFileName, field::pictureFileNameMax);
        record_.setI32(field::pictureOldIndex, -1);
        record_.setU8(field::pictureZonesValid, 0);
        record_.setI32(field::pictureRevision, previousRevision);
      }
      break;
    case TOggettiHel::mappaClic:
      makeFileNameUnique(field::pictureFileName, field::pictureFileNameMax);
      break;
    case TOggettiHel::tabellaHtml:
      if (size <= 219) {
        record_.setU8(field::tableByte219, 1);
        record_.setI16(field::tableWidth, 300);
        record_.fillRange(field::tableColumnModes, 50, 0);
        // Old records hold one byte per column from 97 on; they become int16 values.
        std::array<std::uint8_t, 50> columns{};
        for (int i = 0; i < 50; ++i) columns[static_cast<std::size_t>(i)] = record_.u8(field::tableColumnValues + i);
        for (int i = 0; i < 50; ++i)
          record_.setI16(field::tableColumnValues + 2 * i, columns[static_cast<std::size_t>(i)]);
        record_.setU8(field::tableRelativeWidth, 1);
      }
      break;
    case TOggettiHel::bottoneCGI:
      if (size < 195) record_.setI16(field::buttonInt186, -1);
      break;
    case TOggettiHel::multiMedia: {
      const std::uint8_t state = record_.u8(field::state);
      const std::int32_t reference = record_.i32(field::multimediaObject);
      if (state != 5 && state != 6 && reference != -1)
        record_.setI32(field::multimediaObject, reference | 0x03000000);
      break;
    }
    default:
      break;
  }

  if (source.fileNames != nullptr) {
    if (const auto [offset, maxLength] = fileNameFieldOf(kind_); offset >= 0 && kind_ != TOggettiHel::programma)
      source.fileNames->add(record_.shortString(offset, maxLength));
  }
}

void TZEBoggetto::attachBlobs(const RecordSource& source) {
  if (!primary_.empty()) {
    if (container_ != nullptr) container_->messages().error(messages::objectNotFree);
    return;
  }
  if (isReleased()) return;
  const KindLayout& layout = layoutOf(kind_);

  auto absolute = [&](std::int32_t position) { return source.blobAreaBase + position; };
  auto inFile = [&](std::int64_t position) { return position >= 0 && position < source.fileSize; };

  if (layout.primaryPositionOffset >= 0) {
    std::int32_t position = record_.i32(layout.primaryPositionOffset);
    std::int32_t size = record_.i32(layout.primarySizeOffset);
    if (kind_ == TOggettiHel::tabellaHtml)
      size = record_.i32(field::tableHasPrimary) == 0 ? 0 : record_.i16(field::tablePrimarySize);
    if (kind_ == TOggettiHel::multiMedia) {
      if (position == -1) position = 0;
      if (size == -1) size = 0;
    }
    if (size > 0) {
      const std::int64_t at = absolute(position);
      const auto length = static_cast<std::uint32_t>(size);
      if (isFileBackedKind(kind_)) {
        if (source.fileBackedData) primary_ = Blob::inBookFile(at, length);
      } else if (inFile(at)) {
        primary_ = Blob::pendingRead(at, length);
      }
    }
  }

  if (layout.secondaryPositionOffset >= 0) {
    const std::int32_t position = record_.i32(layout.secondaryPositionOffset);
    const std::int32_t size = record_.i32(layout.secondarySizeOffset);
    if (position >= 0 && size > 0 && inFile(absolute(position)))
      secondary_ = Blob::pendingRead(absolute(position), static_cast<std::uint32_t>(size));
  }
}

// --- Release and activation.

bool TZEBoggetto::isReleased() const {
  if (kind_ == TOggettiHel::keyword) return record_.shortString(0, 79) == messages::releasedKeyword;
  const int released = layoutOf(kind_).releasedState;
  return released >= 0 && record_.u8(field::state) == released;
}

void TZEBoggetto::releaseLinkedActions() {
  if (container_ == nullptr) return;
  std::vector<std::int32_t> ids;
  switch (kind_) {
    case TOggettiHel::shortObj:
      if (state() == 13) ids.push_back(record_.i32(field::panelReference));
      break;
    case TOggettiHel::dbloc:
      for (int i = 0; i < 4; ++i) ids.push_back(record_.i32(field::dataSetActions + 4 * i));
      break;
    case TOggettiHel::immagineNew:
      for (int i = 0; i < field::zoneCount; ++i)
        ids.push_back(record_.i32(field::placementZones + field::zoneSize * i));
      break;
    case TOggettiHel::bottoneCGI:
      ids.push_back(record_.i32(field::buttonAction));
      break;
    default:
      return;
  }
  for (const std::int32_t id : ids) {
    const auto unsignedId = static_cast<std::uint32_t>(id);
    if (kindOfId(unsignedId) != kindNumber(TOggettiHel::speclink)) continue;
    if (TZEBoggetto* action = container_->objectById(unsignedId); action != nullptr && action != this)
      action->Release();
  }
}

void TZEBoggetto::Release() {
  if (kind_ == TOggettiHel::immagine && container_ != nullptr) container_->forgetPicture(*this);
  releaseLinkedActions();
  record_.fill(0xFF);
  setExternalFileName({});
  setReleasedValues();
  freeBlobs();
}

void TZEBoggetto::setReleasedValues() {
  const std::int32_t revision = container_ != nullptr ? container_->revision() : 0;
  const KindLayout& layout = layoutOf(kind_);
  auto setState = [&](int value) { record_.setU8(field::state, static_cast<std::uint8_t>(value)); };

  switch (kind_) {
    case TOggettiHel::testoHtml: {
      setState(3);
      record_.setShortString(field::name, layout.nameMaxLength,
                             std::string(messages::untitledPagePrefix) + std::to_string(TZEBset::nextUntitledNumber()));
      if (container_ != nullptr) {
        const BookHeader& header = container_->header();
        record_.setI32(field::pageColour1, header.i32(header::pageDefaultColour1));
        record_.setI32(field::pageColour2, header.i32(header::pageDefaultColour2));
        record_.setI32(field::pageColour3, header.i32(header::pageDefaultColour3));
        record_.setI32(field::pageBackgroundColour, header.i32(header::defaultBackgroundColour));
        record_.setI32(field::pageBackgroundPicture, header.i32(header::defaultBackgroundPicture));
      } else {
        record_.setI32(field::pageBackgroundColour, 0xC0C0C0);
        record_.setI32(field::pageColour1, 0);
        record_.setI32(field::pageColour2, 0xFF0000);
        record_.setI32(field::pageColour3, 0x0000FF);
      }
      record_.setU8(field::pageByte200, 0);
      record_.setU8(field::pageTextFormat, markupFormat::current);
      record_.setI32(field::pageRevision, revision);
      record_.setI16(field::pageLanguage, 1033);
      record_.setU8(field::pageByte189, 1);
      break;
    }
    case TOggettiHel::internetLink:
      setState(5);
      break;
    case TOggettiHel::genLink:
      setState(5);
      record_.setI32(field::linkedFileRevision, revision);
      break;
    case TOggettiHel::keyword:
      record_.setShortString(0, 79, messages::releasedKeyword);
      break;
    case TOggettiHel::immagine:
      setState(3);
      record_.setU8(field::pictureZonesValid, 0);
      record_.setI32(field::pictureRevision, revision);
      break;
    case TOggettiHel::programma:
      setState(1);
      break;
    case TOggettiHel::tabellaHtml:
      setState(0);
      record_.fillRange(field::tableColumnModes, 50, 1);
      record_.setU8(field::tableRelativeWidth, 1);
      record_.setI16(field::tableWidth, 300);
      record_.setI32(field::tableHasPrimary, 0);
      record_.setI16(field::tablePrimarySize, 0);
      record_.setU8(field::tableByte88, 100);
      record_.setU8(field::tableWidthPercent, 100);
      record_.setU8(field::tableCellInset, 2);
      record_.setU8(field::tableCellSpacing, 2);
      record_.setU8(field::tableBorderWidth, 0);
      record_.setU8(field::tableRows, 1);
      record_.setU8(field::tableColumns, 1);
      record_.setU8(field::tableMode, 0);
      record_.setU8(96, 0);
      record_.fillRange(field::tableColumnValues, 100, 0);
      record_.setI32(197, 0);
      record_.setI32(201, 0);
      record_.setI16(205, 0);
      record_.setI32(field::tableColour, -1);  // transparent
      record_.setU32(field::tableHighlightColour, 0x80000014u);
      record_.setU32(field::tableShadowColour, 0x80000010u);
      record_.setU8(field::tableByte219, 2);
      break;
    case TOggettiHel::mappaFrame:
      setState(1);
      record_.setShortString(field::name, layout.nameMaxLength, messages::releasedFrameMap);
      break;
    case TOggettiHel::speclink:
      setState(0);
      record_.setShortString(field::actionWindowName, 19, messages::releasedActionWindow);
      break;
    case TOggettiHel::custom:
      setState(0);
      record_.setShortString(layout.nameOffset, layout.nameMaxLength, messages::newPrototype);
      break;
    case TOggettiHel::dbloc:
      setState(0);
      record_.setU8(field::dataSetVariant, 0);
      record_.setShortString(layout.nameOffset, layout.nameMaxLength, messages::newDataSet);
      break;
    case TOggettiHel::stileParagrafo:
      record_.fill(0);
      record_.setShortString(field::styleFontName, 32, messages::styleFontName);
      record_.setI16(72, 12);
      record_.setI32(74, 0);
      record_.setU8(78, 0);
      record_.setI16(79, -1);
      record_.setI32(81, 0xFF0000);
      record_.setU8(85, 4);
      record_.setI16(86, 10);
      record_.setI16(88, 10);
      record_.setI16(94, static_cast<std::int16_t>(0x8300));
      record_.setU8(98, 1);
      break;
    case TOggettiHel::shortObj:
    case TOggettiHel::immagineNew:
    case TOggettiHel::formato:
    case TOggettiHel::inputStat:
    case TOggettiHel::inputDin:
    case TOggettiHel::bottoneCGI:
    case TOggettiHel::inizioForm:
    case TOggettiHel::multiMedia:
      setState(0);
      break;
    default:
      break;
  }
}

void TZEBoggetto::Activate() {
  const int live = layoutOf(kind_).liveState;
  if (live >= 0 && kind_ != TOggettiHel::programma) record_.setU8(field::state, static_cast<std::uint8_t>(live));
  if (kind_ == TOggettiHel::testoHtml) {
    std::string text(messages::emptyPageText);
    text.push_back('\0');
    setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  }
  if (const int offset = revisionOffsetOf(kind_); offset >= 0 && container_ != nullptr)
    record_.setI32(offset, container_->revision());
}

// --- Names, sizes and references.

TZEBoggetto* TZEBoggetto::resolveReference(std::uint32_t reference) const {
  if (isLocalReference(reference)) {
    const TZEBtesto* text = owningText();
    return text != nullptr ? text->localObject(reference) : nullptr;
  }
  return container_ != nullptr ? container_->objectById(reference) : nullptr;
}

std::string TZEBoggetto::Name() const { return nameAtDepth(0); }

std::string TZEBoggetto::nameAtDepth(int depth) const {
  auto nameOfReference = [&](int offset) -> std::string {
    if (depth >= maxNameDepth) return {};
    const TZEBoggetto* target = resolveReference(record_.u32(offset));
    return target != nullptr && target != this ? target->nameAtDepth(depth + 1) : std::string();
  };

  if (kind_ == TOggettiHel::speclink) {
    switch (state()) {
      case 1:
        if (record_.u8(field::actionByte18) == 6) return std::string(messages::hiddenAction);
        return nameOfReference(field::actionTarget);
      case 2:
        return std::string(messages::closeWindow) + record_.shortString(field::actionWindowName, 19);
      default:
        return {};
    }
  }

  if (kind_ == TOggettiHel::shortObj) {
    const std::uint8_t subtype = state();
    switch (subtype) {
      case 10: {
        std::vector<std::uint8_t> stream;
        return readPrimary(stream) ? treeTitleOf(textOf(stream)) : std::string();
      }
      case 11:
      case 12:
        return attribute("allfields").substr(0, 400);
      case 13:
        return nameOfReference(field::panelReference);
      case 14:
        return std::string(messages::anchorPrefix) + std::to_string(record_.i32(field::panelReference));
      case 21:
      case 22:
      case 23:
      case 24: {
        static constexpr std::array<std::string_view, 4> captions = {
            messages::imageReference, messages::pageOrLinkReference, messages::pageTextReference,
            messages::masterReference};
        return std::string(captions[subtype - 21u]) + " " + nameOfReference(field::panelReference);
      }
      case 25: return std::string(messages::xSize);
      case 26: return std::string(messages::ySize);
      case 27:
      case 28: {
        std::vector<std::uint8_t> text;
        if (readPrimary(text) && !text.empty()) return textOf(text);
        return std::string(messages::filePrefix) + std::to_string(record_.i32(field::panelReference));
      }
      default:
        return {};
    }
  }

  const KindLayout& layout = layoutOf(kind_);
  return layout.nameOffset >= 0 ? record_.shortString(layout.nameOffset, layout.nameMaxLength) : std::string();
}

void TZEBoggetto::setName(std::string_view name) {
  const KindLayout& layout = layoutOf(kind_);
  if (layout.nameOffset >= 0) record_.setShortString(layout.nameOffset, layout.nameMaxLength, name);
}

std::string TZEBoggetto::FileName() const {
  const auto [offset, maxLength] = fileNameFieldOf(kind_);
  return offset >= 0 ? record_.shortString(offset, maxLength) : std::string();
}

void TZEBoggetto::setFileName(std::string_view name) {
  const auto [offset, maxLength] = fileNameFieldOf(kind_);
  if (offset >= 0) record_.setShortString(offset, maxLength, name);
}

std::int64_t TZEBoggetto::Size() const {
  switch (kind_) {
    case TOggettiHel::testoHtml:
      return primary_.size();
    case TOggettiHel::zipLink:
    case TOggettiHel::genLink:
      return record_.i32(85);
    case TOggettiHel::immagine:
      return primary_.isMemory() ? primary_.size() : record_.i32(174);
    case TOggettiHel::custom:
    case TOggettiHel::dbloc:
      return std::int64_t(primary_.size()) + secondary_.size();
    default:
      return 0;
  }
}

TZEBoggetto* TZEBoggetto::ReferencedPicture() const {
  if (container_ == nullptr) return nullptr;
  auto picture = [&](std::int32_t index) -> TZEBoggetto* {
    return index == -1 ? nullptr : container_->objectByKindAndIndex(kindNumber(TOggettiHel::immagine), index);
  };
  switch (kind_) {
    case TOggettiHel::testoHtml:
      return picture(record_.i32(field::pageBackgroundPicture));
    case TOggettiHel::tabellaHtml: {
      const std::uint32_t code = record_.u32(field::tableColour);
      return (code >> 24) == 3 ? picture(static_cast<std::int32_t>(code & 0xFFFFFF)) : nullptr;
    }
    case TOggettiHel::immagineNew:
      return picture(record_.i32(field::placementPicture));
    case TOggettiHel::bottoneCGI:
      return picture(record_.i32(field::buttonPicture));
    case TOggettiHel::inputStat: {
      if (state() != 18) return nullptr;
      const std::int32_t page = record_.i32(field::floatingPage);
      if (page == -1 || page > maxObjectIndex) return nullptr;
      return container_->objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page);
    }
    case TOggettiHel::multiMedia: {
      const std::uint32_t id = record_.u32(field::multimediaObject);
      if (id < 0x01000000u) container_->messages().information(messages::bugInAux);
      return container_->objectById(id);
    }
    default:
      return nullptr;
  }
}

namespace {

// The secondary blob: an int32 length, that block, then name="value" lines split by CR LF.
struct AttributeBlob {
  std::string block;
  std::string text;
  std::vector<std::string> lines;
};

std::optional<AttributeBlob> splitAttributeBlob(std::span<const std::uint8_t> data) {
  try {
    ByteReader reader(data);
    const std::int32_t length = reader.readI32();
    if (length < 0) return std::nullopt;
    AttributeBlob blob;
    blob.block = textOf(reader.readBytes(static_cast<std::size_t>(length)));
    blob.text = textOf(reader.readBytes(reader.remaining()));
    const std::string& text = blob.text;
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      blob.lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return blob;
  } catch (const FormatError&) {
    return std::nullopt;
  }
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

// Whether an attribute line names the attribute (names compared in lower case).
bool namesAttribute(std::string_view line, const std::string& lowerName) {
  const auto equals = line.find('=');
  return equals != std::string_view::npos && lowerWindows1252(line.substr(0, equals)) == lowerName;
}

}  // namespace

std::string TZEBoggetto::attribute(std::string_view name) const {
  std::vector<std::uint8_t> data;
  if (!secondary_.readInto(bookFile(), data)) return {};
  const auto blob = splitAttributeBlob(data);
  if (!blob) return {};
  const std::string wanted = lowerWindows1252(name);
  if (wanted == "allfields") return blob->text;
  for (const std::string& line : blob->lines) {
    if (!namesAttribute(line, wanted)) continue;
    std::string_view value = std::string_view(line).substr(line.find('=') + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return std::string(value);
  }
  return {};
}

void TZEBoggetto::setAttribute(std::string_view name, std::string_view value) {
  std::vector<std::uint8_t> data;
  AttributeBlob blob;
  if (secondary_.readInto(bookFile(), data)) blob = splitAttributeBlob(data).value_or(AttributeBlob{});
  const std::string wanted = lowerWindows1252(name);
  const std::string line = std::string(name) + "=\"" + std::string(value) + "\"";
  const auto found = std::find_if(blob.lines.begin(), blob.lines.end(),
                                  [&](const std::string& each) { return namesAttribute(each, wanted); });
  if (found != blob.lines.end())
    *found = line;
  else
    blob.lines.push_back(line);
  ByteWriter out;
  out.writeI32(static_cast<std::int32_t>(blob.block.size()));
  out.writeText(blob.block);
  out.writeText(joinLines(blob.lines));
  secondary_ = Blob::inMemory(out.bytes());
}

}  // namespace zeb
