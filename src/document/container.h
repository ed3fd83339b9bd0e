// TZEBset: the document container that opens a book file and owns every book object.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/book_header.h"
#include "document/book_object.h"
#include "document/image_cache.h"
#include "document/object_kinds.h"
#include "platform/platform_services.h"
#include "platform/text_measurer.h"

namespace zeb {

class BookFile;
class MessageBoxes;
class PrivateFolder;

// Limits on what a book file may claim, so that a damaged file cannot make the reader
// allocate without bound. Real books stay far below them.
namespace limits {
inline constexpr std::int64_t maxObjectsPerBook = 4'000'000;
}  // namespace limits

class TZEBset {
 public:
  // Create: builds the empty lists and performs New.
  explicit TZEBset(const PlatformServices& services);
  ~TZEBset();
  TZEBset(const TZEBset&) = delete;
  TZEBset& operator=(const TZEBset&) = delete;

  // --- Published properties.
  // The path of the open book, as the file system spells it (UTF-8 on Linux); messages
  // show it in Windows-1252 like every other text.
  const std::string& ZEBFileName() const { return fileName_; }
  // Open: fires OnBeforeNew, then loads the named file; true when the load succeeded.
  bool setZEBFileName(const std::string& path);
  std::function<void()> OnBeforeNew;
  std::function<void()> OnAfterNew;
  // The header's format version word.
  int Version() const { return header_.version(); }
  int MaxCacheImg() const { return maxCacheImg_; }
  void setMaxCacheImg(int count) { maxCacheImg_ = count; }
  int UndoDeep() const { return undoDeep_; }
  void setUndoDeep(int depth) { undoDeep_ = depth; }
  bool Visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  std::string ExpPrefix() const;
  void setExpPrefix(std::string_view prefix);
  TZEBset* WrapperSet() const { return wrapperSet_; }
  void setWrapperSet(TZEBset* set) { wrapperSet_ = set; }

  // --- Life cycle.
  // Leaves a valid empty book in memory: default header, styles and named-file list.
  void New();
  // Frees every object, closes the book file and forgets its name.
  void Clear();
  // Reads a book file; on failure the container holds a new empty book.
  bool Load(const std::string& path);
  // Takes the book another container has read (its header, objects and open file) in place
  // of this one's: OnBeforeNew, Clear, the book moves over, OnAfterNew. The other container
  // is left with a new empty book. Everything that refers to this container keeps referring
  // to it, so a book can be read aside and taken only once it has been read.
  void takeBookFrom(TZEBset& other);

  BookHeader& header() { return header_; }
  const BookHeader& header() const { return header_; }
  std::int32_t revision() const { return header_.revision(); }

  // --- Objects.
  // None when the index is outside 0..0xFFFFFF, the kind is 25 or above, or the slot does
  // not exist; kinds 2 and 6 of an upgraded book are found at their new place.
  TZEBoggetto* objectByKindAndIndex(int kind, std::int64_t index) const;
  TZEBoggetto* objectById(std::uint32_t id) const;
  // Number of slots of a kind (released and emptied ones included); 0 above kind 25.
  int count(int kind) const;
  // The slot itself, without the remapping of upgraded books.
  TZEBoggetto* slot(TOggettiHel kind, std::int32_t index) const;
  // Number of slots of any kind, 25 and 26 included.
  std::size_t slotCount(TOggettiHel kind) const { return lists_[static_cast<std::size_t>(kind)].size(); }

  // A new, unregistered object of the kind, bound to this container.
  std::unique_ptr<TZEBoggetto> makeObject(TOggettiHel kind);
  // Puts the object in its kind's list: at the first released slot for index -1 (or an
  // index outside 0..0xFFFFFF), else at the index, freeing an object already there.
  TZEBoggetto& Register(std::unique_ptr<TZEBoggetto> object, std::int32_t preferredIndex = -1);
  // Empties the object's slot and registers it under another kind (the first released
  // slot there, or appended).
  TZEBoggetto& moveToKind(TZEBoggetto& object, TOggettiHel kind);

  // The two default paragraph styles, "[no style]" and "[no style intab]".
  TZEBoggetto* defaultStyle(int which) const;

  // The named-file list (a kind-13 object), made when the header names none.
  TZEBoggetto& namedFileList();

  // --- Temporary files.
  // The container's private temporary folder, made on first use; empty when it cannot be made.
  std::filesystem::path temporaryFolder();
  // A path in the private folder for the stored file name that names no existing file.
  std::filesystem::path temporaryFilePath(std::string_view storedName);
  // A file on disk holding the object's data: extracted into the private folder the first
  // time, then the same file. Empty, after the error message, when extraction fails.
  std::string extractFileOfObject(TZEBoggetto& object);
  // Writes the object's data as a new file in the folder, named after the object's file
  // name (made safe and unique there). Empty, after the error message, when it fails.
  std::string writeFileOfObject(TZEBoggetto& object, const std::filesystem::path& folder);

  // --- Decoded pictures.
  ImageCache& imageCache() { return imageCache_; }
  // The decoded picture of a picture (from the cache, or else extracted, loaded, measured
  // into its record and cached) or of a placement (its picture's); none for other kinds.
  TZEBpicture* decodedPicture(TZEBoggetto& object);
  // Drops the cached picture of an object that is released or freed.
  void forgetPicture(const TZEBoggetto& object) { imageCache_.remove(object); }

  // --- Code page.
  // The code page the book's texts are in: the override when one is set, else the one of
  // the header's language identifier; a double-byte code page is read as 1252.
  std::uint16_t codePage() const;
  // The code page of a page's text: its own language identifier's when it stores one that
  // differs from the header's, else the book's; the override wins over both.
  std::uint16_t codePageOf(const TZEBoggetto& page) const;
  // The code page of the header's language as Windows gave it, double-byte ones included.
  std::uint16_t languageCodePage() const;
  // codePage::automatic (the default) lets the book's languages decide. A new book or
  // another book loaded keeps it: whoever loads decides what the next book is read in.
  std::uint16_t codePageOverride() const { return codePageOverride_; }
  void setCodePageOverride(std::uint16_t codePage) { codePageOverride_ = codePage; }

  // --- Text metrics.
  // The metrics of a face at the container's own font size (10 points), through the
  // platform's measurer.
  FontMetrics textMetrics(std::string_view fontName) const;

  // --- Contents trees.
  // The kind-11 holders of the contents trees of pages and of prototypes, made when the
  // header names none.
  TZEBoggetto& contentsHolderForPages();
  TZEBoggetto& contentsHolderForPrototypes();

  // The page name of a record read straight from a book file, without loading it;
  // empty when anything is missing or unreadable.
  static std::string PageNameFromFile(const std::filesystem::path& path, std::int64_t id);

  // --- For book objects.
  const BookFile* bookFile() const { return file_.get(); }
  const PlatformServices& services() const { return services_; }
  MessageBoxes& messages() const;
  // The random source for generated file names; tests seed it.
  std::mt19937& random() { return random_; }
  // Running number of untitled pages made by this program.
  static int nextUntitledNumber();

 private:
  enum class HeaderCheck { passed, emptyFile, failed };
  HeaderCheck checkHeader(const BookFile& file, const std::string& path);
  void readObjects(const BookFile& file);
  void upgradeVersionOne();
  void createDefaultStyles();
  void ensureNamedFiles();
  TZEBoggetto& contentsHolder(int headerField);
  bool writeObjectFile(TZEBoggetto& object, const std::filesystem::path& target);

  using ObjectList = std::vector<std::unique_ptr<TZEBoggetto>>;

  PlatformServices services_;
  BookHeader header_;
  std::array<ObjectList, kindCount> lists_;
  std::unordered_map<std::uint32_t, std::uint32_t> upgradedIds_;  // old ID -> new ID
  std::array<TZEBoggetto*, 2> defaultStyles_{};
  std::unique_ptr<BookFile> file_;
  std::string fileName_;
  // Kind table of the open book, as read.
  std::int64_t recordAreaBase_ = 0;
  std::int64_t blobAreaBase_ = 0;
  std::uint16_t codePageOverride_ = 0;
  // The header's language and its code page, as codePage() found them last.
  mutable std::uint16_t headerLanguage_ = 1252;
  mutable std::uint16_t headerCodePage_ = 1252;
  int maxCacheImg_ = 20;
  int undoDeep_ = 0;
  bool visible_ = false;
  TZEBset* wrapperSet_ = nullptr;
  std::mt19937 random_;
  std::unique_ptr<PrivateFolder> privateFolder_;
  ImageCache imageCache_;
};

}  // namespace zeb
