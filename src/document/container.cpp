// The document container: new books, loading a book file, the object lists and lookups.
#include "document/container.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <system_error>
#include <utility>

#include "document/book_file.h"
#include "document/byte_reader.h"
#include "document/file_names.h"
#include "document/messages.h"
#include "document/named_files.h"
#include "document/page_object.h"
#include "document/temporary_files.h"
#include "platform/environment.h"
#include "platform/code_pages.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

struct KindTableEntry {
  std::int32_t offset = 0;
  std::int32_t size = 0;
  std::int32_t count = 0;
};

// The kind table that follows the header, and the blob-area offset after it.
struct KindTable {
  std::vector<KindTableEntry> entries;
  std::int32_t blobAreaOffset = 0;
  std::int64_t recordAreaBase = 0;
};

KindTable readKindTable(const BookFile& file, int kinds) {
  const std::size_t length = static_cast<std::size_t>(kinds) * kindTableEntrySize + 4;
  std::vector<std::uint8_t> bytes(length);
  if (!file.readAt(headerSize, bytes)) throw FormatError("kind table outside the file");
  ByteReader reader(bytes);
  KindTable table;
  for (int k = 0; k < kinds; ++k) {
    KindTableEntry entry;
    entry.offset = reader.readI32();
    entry.size = reader.readI32();
    entry.count = reader.readI32();
    table.entries.push_back(entry);
  }
  table.blobAreaOffset = reader.readI32();
  table.recordAreaBase = headerSize + 4 + std::int64_t{kindTableEntrySize} * kinds;
  return table;
}

// Records are read this many bytes at a time.
constexpr std::int32_t recordSliceBytes = 1 << 20;

std::atomic<int> untitledCounter{0};
std::atomic<std::uint32_t> containerCounter{0};

// Writes all bytes to a new file that must not exist yet (never through a symbolic link).
class NewFile {
 public:
  explicit NewFile(const std::filesystem::path& path)
      : descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)) {}
  ~NewFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  bool isOpen() const { return descriptor_ >= 0; }
  bool write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
  }
  bool close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return ::close(descriptor) == 0;
  }

 private:
  int descriptor_;
};

}  // namespace

TZEBset::TZEBset(const PlatformServices& services)
    : services_(services),
      random_(std::random_device{}()),
      privateFolder_(std::make_unique<PrivateFolder>(services.environment->temporaryFolder(),
                                                     services.environment->processIdentifier(), ++containerCounter)) {
  New();
}

TZEBset::~TZEBset() {
  // Objects may refer to the container while they are freed.
  imageCache_.clear();
  for (auto& list : lists_) list.clear();
}

MessageBoxes& TZEBset::messages() const { return *services_.messages; }

int TZEBset::nextUntitledNumber() { return ++untitledCounter; }

std::string TZEBset::ExpPrefix() const { return header_.shortString(header::expPrefix, header::expPrefixMax); }

void TZEBset::setExpPrefix(std::string_view prefix) {
  header_.setShortString(header::expPrefix, header::expPrefixMax, prefix);
}

// --- Life cycle.

void TZEBset::Clear() {
  defaultStyles_ = {};
  imageCache_.clear();
  for (auto& list : lists_) list.clear();
  upgradedIds_.clear();
  file_.reset();
  fileName_.clear();
  recordAreaBase_ = 0;
  blobAreaBase_ = 0;
  privateFolder_->deleteFiles();
}

void TZEBset::New() {
  if (OnBeforeNew) OnBeforeNew();
  Clear();
  header_.setNewBookDefaults(services_.environment->userName());
  createDefaultStyles();
  if (OnAfterNew) OnAfterNew();
  ensureNamedFiles();
}

void TZEBset::createDefaultStyles() {
  for (int which = 0; which < 2; ++which) {
    auto style = makeObject(TOggettiHel::stileParagrafo);
    style->Release();
    style->Activate();
    style->setName(which == 0 ? messages::noStyle : messages::noStyleInTable);
    if (which == 1) {
      style->record().setI16(86, 0);
      style->record().setI16(88, 0);
    }
    defaultStyles_[static_cast<std::size_t>(which)] = &Register(std::move(style));
  }
}

void TZEBset::ensureNamedFiles() {
  TZEBoggetto& list = namedFileList();
  setNamedFile(list, messages::indexName, messages::indexFile);
  setNamedFile(list, messages::cartName, messages::cartFile);
}

TZEBoggetto& TZEBset::namedFileList() {
  TZEBoggetto* list = objectById(static_cast<std::uint32_t>(header_.i32(header::namedFileList)));
  if (list != nullptr && list->Kind() == TOggettiHel::dbloc) return *list;
  auto created = makeObject(TOggettiHel::dbloc);
  created->Release();
  created->record().setU8(field::dataSetVariant, 1);
  created->Activate();
  TZEBoggetto& registered = Register(std::move(created));
  header_.setI32(header::namedFileList, static_cast<std::int32_t>(registered.ID()));
  return registered;
}

namespace {

std::uint16_t readableCodePageOf(std::uint16_t languageId) {
  const std::uint16_t codePage = codePageOfLanguage(languageId);
  return isReadableCodePage(codePage) ? codePage : codePage::windows1252;
}

}  // namespace

std::uint16_t TZEBset::languageCodePage() const {
  return codePageOfLanguage(static_cast<std::uint16_t>(header_.i16(header::defaultLanguage)));
}

std::uint16_t TZEBset::codePage() const {
  if (codePageOverride_ != codePage::automatic && isReadableCodePage(codePageOverride_)) return codePageOverride_;
  // Asked for every page a search examines: the header's answer is kept while its language stays.
  const auto language = static_cast<std::uint16_t>(header_.i16(header::defaultLanguage));
  if (language != headerLanguage_) {
    headerLanguage_ = language;
    headerCodePage_ = readableCodePageOf(language);
  }
  return headerCodePage_;
}

std::uint16_t TZEBset::codePageOf(const TZEBoggetto& page) const {
  if (codePageOverride_ != codePage::automatic || page.Kind() != TOggettiHel::testoHtml) return codePage();
  const auto own = static_cast<std::uint16_t>(page.record().i16(field::pageLanguage));
  // 0 (neutral) and the 0xFFFF of an unwritten field name no language of their own.
  if (own == 0 || own == 0xFFFF || own == static_cast<std::uint16_t>(header_.i16(header::defaultLanguage)))
    return codePage();
  return readableCodePageOf(own);
}

FontMetrics TZEBset::textMetrics(std::string_view fontName) const {
  TMyFont font;
  font.Name = std::string(fontName);
  return services_.measurer->metrics(font);
}

TZEBoggetto& TZEBset::contentsHolder(int headerField) {
  TZEBoggetto* holder = nullptr;
  if (const std::int32_t id = header_.i32(headerField); id > 0) holder = objectById(static_cast<std::uint32_t>(id));
  // A damaged header may name an object of another kind: saving the tree must never replace
  // a page's text or a picture's bytes, so a new holder is made instead.
  if (holder != nullptr && holder->Kind() == TOggettiHel::shortObj) return *holder;
  auto created = makeObject(TOggettiHel::shortObj);
  created->Release();
  created->record().setU8(field::state, 10);
  created->Activate();
  created->record().setU8(field::state, 10);  // activation makes a panel element live; the holder keeps its subtype
  TZEBoggetto& registered = Register(std::move(created));
  header_.setI32(headerField, static_cast<std::int32_t>(registered.ID()));
  return registered;
}

TZEBoggetto& TZEBset::contentsHolderForPages() { return contentsHolder(header::pagesTreeHolder); }
TZEBoggetto& TZEBset::contentsHolderForPrototypes() { return contentsHolder(header::prototypesTreeHolder); }

std::filesystem::path TZEBset::temporaryFolder() { return privateFolder_->path(); }

std::filesystem::path TZEBset::temporaryFilePath(std::string_view storedName) {
  const std::filesystem::path& folder = privateFolder_->path();
  if (folder.empty()) return {};
  return uniqueFilePath(folder, storedName, random_, codePage());
}

bool TZEBset::writeObjectFile(TZEBoggetto& object, const std::filesystem::path& target) {
  NewFile file(target);
  if (!file.isOpen()) return false;
  const Blob& blob = object.primaryBlob();
  bool written = false;
  if (blob.isFileBacked()) {
    // Copied a piece at a time, so that a large embedded file never sits in memory whole.
    constexpr std::int64_t piece = 1 << 20;
    std::vector<std::uint8_t> buffer;
    written = file_ != nullptr && file_->contains(blob.position(), blob.size());
    for (std::int64_t done = 0; written && done < blob.size(); done += piece) {
      buffer.resize(static_cast<std::size_t>(std::min<std::int64_t>(piece, blob.size() - done)));
      written = file_->readAt(blob.position() + done, buffer) && file.write(buffer);
    }
  } else {
    written = file.write(object.primaryData());
  }
  return file.close() && written;
}

TZEBpicture* TZEBset::decodedPicture(TZEBoggetto& object) {
  if (object.Kind() == TOggettiHel::immagineNew) {
    TZEBoggetto* picture = object.ReferencedPicture();
    return picture != nullptr && picture != &object ? decodedPicture(*picture) : nullptr;
  }
  if (object.Kind() != TOggettiHel::immagine) return nullptr;
  if (TZEBpicture* cached = imageCache_.find(object)) return cached;
  const std::string file = extractFileOfObject(object);
  if (file.empty()) return nullptr;
  auto picture = std::make_unique<TZEBpicture>();
  picture->setImageNameL(file);
  object.record().setI16(field::pictureWidth, static_cast<std::int16_t>(picture->width()));
  object.record().setI16(field::pictureHeight, static_cast<std::int16_t>(picture->height()));
  return imageCache_.add(object, std::move(picture), maxCacheImg_, messages());
}

std::string TZEBset::writeFileOfObject(TZEBoggetto& object, const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path target =
      folder.empty() ? folder : uniqueFilePath(folder, object.FileName(), random_, codePage());
  if (!target.empty() && writeObjectFile(object, target)) return target.string();
  if (!target.empty()) std::filesystem::remove(target, error);
  messages().error(std::string(messages::depackError) + utf8ToWindows1252(target.string()));
  return {};
}

std::string TZEBset::extractFileOfObject(TZEBoggetto& object) {
  std::error_code error;
  const std::string& known = object.externalFileName();
  if (object.primaryBlob().empty() || (!known.empty() && std::filesystem::exists(known, error))) return known;
  const std::string written = writeFileOfObject(object, privateFolder_->path());
  if (written.empty()) return {};
  if (object.primaryBlob().isMemory()) object.setPrimaryBlob(Blob());
  object.setExternalFileName(written);
  return written;
}

bool TZEBset::setZEBFileName(const std::string& path) {
  if (OnBeforeNew) OnBeforeNew();
  return Load(path);
}

bool TZEBset::Load(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    messages().warning(utf8ToWindows1252(path) + std::string(messages::doesNotExist));
    return false;
  }
  Clear();

  bool loaded = false;
  try {
    file_ = BookFile::open(path);
    if (!file_) throw FormatError("cannot open the book file");
    fileName_ = std::filesystem::absolute(path).lexically_normal().string();
    switch (checkHeader(*file_, path)) {
      case HeaderCheck::emptyFile: {
        // An empty file is a new book bound to that path.
        New();
        setExpPrefix(exportPrefixOf(utf8ToWindows1252(std::filesystem::path(path).filename().string())));
        fileName_ = std::filesystem::absolute(path).lexically_normal().string();
        return true;
      }
      case HeaderCheck::failed:
        break;
      case HeaderCheck::passed:
        upgradedIds_.clear();
        readObjects(*file_);
        if (header_.version() == 1) upgradeVersionOne();
        if (count(kindNumber(TOggettiHel::stileParagrafo)) > 0) {
          // The first two style records are the default styles; a book must have both.
          defaultStyles_[0] = slot(TOggettiHel::stileParagrafo, 0);
          defaultStyles_[1] = slot(TOggettiHel::stileParagrafo, 1);
          if (defaultStyles_[0] == nullptr || defaultStyles_[1] == nullptr)
            throw FormatError("a book needs two style records");
        }
        if (OnAfterNew) OnAfterNew();
        loaded = true;
        break;
    }
  } catch (const std::exception&) {
    loaded = false;
  }

  if (!loaded) {
    New();
    messages().information(std::string(messages::errorReadingFile) + utf8ToWindows1252(path));
  }
  return loaded;
}

void TZEBset::takeBookFrom(TZEBset& other) {
  if (&other == this) return;
  if (OnBeforeNew) OnBeforeNew();
  Clear();
  header_ = other.header_;
  for (std::size_t kind = 0; kind < lists_.size(); ++kind) {
    lists_[kind] = std::move(other.lists_[kind]);
    other.lists_[kind].clear();
    for (const auto& object : lists_[kind])
      if (object != nullptr) object->setContainer(this);
  }
  upgradedIds_ = std::move(other.upgradedIds_);
  defaultStyles_ = std::exchange(other.defaultStyles_, {});
  file_ = std::move(other.file_);
  fileName_ = std::move(other.fileName_);
  recordAreaBase_ = other.recordAreaBase_;
  blobAreaBase_ = other.blobAreaBase_;
  // Pictures the other container decoded were of objects that are this container's now.
  other.imageCache_.clear();
  other.New();
  if (OnAfterNew) OnAfterNew();
}

TZEBset::HeaderCheck TZEBset::checkHeader(const BookFile& file, const std::string& path) {
  if (file.size() == 0) return HeaderCheck::emptyFile;
  if (file.size() < headerSize) return HeaderCheck::failed;
  if (!file.readAt(0, header_.bytes())) return HeaderCheck::failed;

  if (upperWindows1252(std::string(header_.bytes().begin(), header_.bytes().begin() + 4)) != "QUIR") {
    messages().information(messages::unrecognizedFormat);
    return HeaderCheck::failed;
  }
  const int version = header_.version();
  if (version == 1) {
    if (header_.u8(header::highestKind) < 8) {
      messages().information(messages::tooOldVersion);
      return HeaderCheck::failed;
    }
    header_.setShortString(header::author, header::textFieldMax, "");
    header_.setShortString(header::copyright, header::textFieldMax, "");
    header_.setShortString(header::company, header::textFieldMax, "");
    header_.setShortString(header::field1363, header::field1363Max, "");
    setExpPrefix(exportPrefixOf(utf8ToWindows1252(std::filesystem::path(path).filename().string())));
    header_.setI32(header::pagesTreeHolder, 0);
    header_.setNewPageDefaults();
  }
  if (version > 2) {
    messages().error(messages::unsupportedFile);
    return HeaderCheck::failed;
  }
  if (header_.u8(header::highestKind) > 26) {
    messages().information(messages::unsupportedFile);
    return HeaderCheck::failed;
  }
  return HeaderCheck::passed;
}

void TZEBset::readObjects(const BookFile& file) {
  const int kinds = header_.u8(header::highestKind) + 1;
  const KindTable table = readKindTable(file, kinds);
  recordAreaBase_ = table.recordAreaBase;
  blobAreaBase_ = table.recordAreaBase + table.blobAreaOffset;

  // A book without style records gets the two default styles before its objects.
  constexpr auto styles = static_cast<std::size_t>(TOggettiHel::stileParagrafo);
  if (table.entries.size() <= styles || table.entries[styles].count <= 0) createDefaultStyles();

  std::int64_t objects = 0;
  for (const KindTableEntry& entry : table.entries) {
    if (entry.count <= 0) continue;
    if (entry.size <= 0) throw FormatError("records without a size");
    const std::int64_t start = recordAreaBase_ + entry.offset;
    if (!file.contains(start, std::int64_t{entry.size} * entry.count)) throw FormatError("records outside the file");
    if (entry.count > maxObjectIndex + 1) throw FormatError("more records than indexes");
    objects += entry.count;
  }
  if (objects > limits::maxObjectsPerBook) throw FormatError("too many records");

  std::mt19937& randomSource = random_;
  FileNameRegistry fileNames(randomSource);
  RecordSource source;
  source.blobAreaBase = blobAreaBase_;
  source.fileSize = file.size();
  source.bookRevision = header_.revision();
  source.fileNames = &fileNames;

  // Records are read a slice of many records at a time: few reads, and memory that does
  // not grow with the book.
  std::vector<std::uint8_t> slice;
  for (int k = 0; k < std::min(kinds, kindCount); ++k) {
    const KindTableEntry& entry = table.entries[static_cast<std::size_t>(k)];
    if (entry.count <= 0) continue;
    const auto kind = kindOf(k);
    ObjectList& list = lists_[static_cast<std::size_t>(k)];
    list.reserve(list.size() + static_cast<std::size_t>(entry.count));
    const std::int64_t start = recordAreaBase_ + entry.offset;
    const auto stored = static_cast<std::size_t>(std::min(entry.size, recordSize));
    const std::int32_t perSlice = std::max<std::int32_t>(1, recordSliceBytes / entry.size);
    source.storedSize = entry.size;
    for (std::int32_t j = 0; j < entry.count; j += perSlice) {
      const std::int32_t inSlice = std::min(perSlice, entry.count - j);
      // Of the last record only its stored part is needed (records may be longer than 668).
      slice.resize(static_cast<std::size_t>(std::int64_t{inSlice - 1} * entry.size) + stored);
      if (!file.readAt(start + std::int64_t{j} * entry.size, slice)) throw FormatError("cannot read the records");
      for (std::int32_t r = 0; r < inSlice; ++r) {
        const auto at = static_cast<std::size_t>(std::int64_t{r} * entry.size);
        source.stored = std::span<const std::uint8_t>(slice).subspan(at, stored);
        auto object = createObject(kind);
        object->setContainer(this);
        object->setIndex(static_cast<std::int32_t>(list.size()));
        object->readFromBook(source);
        list.push_back(std::move(object));
      }
    }
  }
}

void TZEBset::upgradeVersionOne() {
  const std::int32_t previousRevision = header_.revision() - 1;
  auto moveAll = [&](TOggettiHel from, TOggettiHel to, bool markPicture) {
    ObjectList& list = lists_[static_cast<std::size_t>(from)];
    for (std::size_t i = 0; i < list.size(); ++i) {
      TZEBoggetto* object = list[i].get();
      if (object == nullptr || object->isReleased()) continue;
      const std::uint32_t oldId = object->ID();
      if (markPicture) {
        object->record().setI32(field::pictureOldIndex, object->Index());
        object->record().setU8(field::pictureZonesValid, 0);
        object->record().setI32(field::pictureRevision, previousRevision);
      }
      TZEBoggetto& moved = moveToKind(*object, to);
      upgradedIds_[oldId] = moved.ID();
    }
    list.clear();
  };
  moveAll(TOggettiHel::mappaClic, TOggettiHel::immagine, true);
  moveAll(TOggettiHel::zipLink, TOggettiHel::genLink, false);
}

// --- Objects.

int TZEBset::count(int kind) const {
  if (kind < 0 || kind > kindNumber(TOggettiHel::none)) return 0;
  return static_cast<int>(lists_[static_cast<std::size_t>(kind)].size());
}

TZEBoggetto* TZEBset::slot(TOggettiHel kind, std::int32_t index) const {
  const ObjectList& list = lists_[static_cast<std::size_t>(kind)];
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
  return list[static_cast<std::size_t>(index)].get();
}

TZEBoggetto* TZEBset::objectByKindAndIndex(int kind, std::int64_t index) const {
  if (index < 0 || index > maxObjectIndex || kind < 0 || kind >= kindNumber(TOggettiHel::none)) return nullptr;
  if ((kind == kindNumber(TOggettiHel::zipLink) || kind == kindNumber(TOggettiHel::mappaClic)) &&
      !upgradedIds_.empty()) {
    const auto moved = upgradedIds_.find(objectId(kindOf(kind), static_cast<std::int32_t>(index)));
    if (moved != upgradedIds_.end()) {
      kind = kindOfId(moved->second);
      index = indexOfId(moved->second);
    }
  }
  return slot(kindOf(kind), static_cast<std::int32_t>(index));
}

TZEBoggetto* TZEBset::objectById(std::uint32_t id) const {
  return objectByKindAndIndex(kindOfId(id), indexOfId(id));
}

std::unique_ptr<TZEBoggetto> TZEBset::makeObject(TOggettiHel kind) {
  auto object = createObject(kind);
  object->setContainer(this);
  return object;
}

TZEBoggetto& TZEBset::Register(std::unique_ptr<TZEBoggetto> object, std::int32_t preferredIndex) {
  ObjectList& list = lists_[static_cast<std::size_t>(object->Kind())];
  std::int64_t index = preferredIndex;
  if (index < 0 || index > maxObjectIndex) {
    const auto released = std::find_if(list.begin(), list.end(), [](const auto& slotObject) {
      return slotObject != nullptr && slotObject->isReleased();
    });
    index = released != list.end() ? released - list.begin() : static_cast<std::int64_t>(list.size());
  }
  object->setContainer(this);
  object->setRegistered(true);
  TZEBoggetto& registered = *object;
  if (static_cast<std::size_t>(index) < list.size()) {
    list[static_cast<std::size_t>(index)] = std::move(object);
  } else {
    index = static_cast<std::int64_t>(list.size());
    list.push_back(std::move(object));
  }
  registered.setIndex(static_cast<std::int32_t>(index));
  return registered;
}

TZEBoggetto& TZEBset::moveToKind(TZEBoggetto& object, TOggettiHel kind) {
  ObjectList& list = lists_[static_cast<std::size_t>(object.Kind())];
  const auto index = static_cast<std::size_t>(object.Index());
  if (!object.isRegistered() || object.Index() < 0 || index >= list.size() || list[index].get() != &object)
    throw std::logic_error("moveToKind needs an object registered in this container");
  forgetPicture(object);  // the decoded picture belonged to the old kind
  std::unique_ptr<TZEBoggetto> owned = std::move(list[index]);
  owned->setRegistered(false);
  owned->setKind(kind);
  return Register(std::move(owned));
}

TZEBoggetto* TZEBset::defaultStyle(int which) const {
  return which == 0 || which == 1 ? defaultStyles_[static_cast<std::size_t>(which)] : nullptr;
}

std::string TZEBset::PageNameFromFile(const std::filesystem::path& path, std::int64_t id) {
  if (id < 0 || id > 0xFFFFFFFFll) return {};
  const auto file = BookFile::open(path);
  if (!file) return {};
  BookHeader header;
  if (!file->readAt(0, header.bytes())) return {};
  const int kinds = header.u8(header::highestKind) + 1;
  if (header.version() > 2 || kinds > kindCount) return {};
  try {
    const KindTable table = readKindTable(*file, kinds);
    const int kind = kindOfId(static_cast<std::uint32_t>(id));
    const std::int32_t index = indexOfId(static_cast<std::uint32_t>(id));
    if (kind >= kinds) return {};
    const KindTableEntry& entry = table.entries[static_cast<std::size_t>(kind)];
    if (index >= entry.count || entry.size < 0) return {};
    ObjectRecord record;
    const std::int64_t at = table.recordAreaBase + entry.offset + std::int64_t{index} * entry.size;
    const auto length = static_cast<std::size_t>(std::min(entry.size, recordSize));
    if (!file->readAt(at, record.bytes().first(length))) return {};
    if (kind != kindNumber(TOggettiHel::testoHtml)) return {};
    return record.shortString(field::name, layoutOf(TOggettiHel::testoHtml).nameMaxLength);
  } catch (const FormatError&) {
    return {};
  }
}

}  // namespace zeb
