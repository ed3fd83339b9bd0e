// TZEBoggetto: one book object, its 668-byte record and up to two data blobs.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/blob.h"
#include "document/object_kinds.h"
#include "document/object_record.h"

namespace zeb {

class TZEBset;
class TZEBtesto;
class BookFile;
class ByteReader;
class ByteWriter;
class FileNameRegistry;

// What an object needs to read its record and blobs from a book file.
struct RecordSource {
  std::span<const std::uint8_t> stored;  // the stored record bytes, at most 668 of them
  std::int32_t storedSize = 0;           // the kind's record size in the file
  std::int64_t blobAreaBase = 0;         // absolute position of the blob area
  std::int64_t fileSize = 0;
  std::int32_t bookRevision = 0;
  bool fileBackedData = true;            // false: kinds 2, 3, 5 and 6 get no primary blob
  FileNameRegistry* fileNames = nullptr;  // for making old file names unique
};

class TZEBoggetto {
 public:
  TZEBoggetto();
  virtual ~TZEBoggetto();
  TZEBoggetto(const TZEBoggetto&) = delete;
  TZEBoggetto& operator=(const TZEBoggetto&) = delete;

  // Kind and identity.
  TOggettiHel Kind() const { return kind_; }
  // Sets the kind of an object that is not registered; a registered object changes kind
  // through TZEBset::moveToKind, which empties its old slot first.
  void setKind(TOggettiHel kind);
  std::uint32_t ID() const { return objectId(kind_, index_); }
  std::int32_t Index() const { return index_; }
  void setIndex(std::int32_t index) { index_ = index; }
  std::int32_t LocalNumber() const { return localNumber_; }
  void setLocalNumber(std::int32_t number) { localNumber_ = number; }
  bool isRegistered() const { return registered_; }
  void setRegistered(bool registered) { registered_ = registered; }
  TZEBset* Container() const { return container_; }
  void setContainer(TZEBset* container) { container_ = container; }
  TZEBtesto* owningText() const;
  void setOwningText(TZEBtesto* text);

  ObjectRecord& record() { return record_; }
  const ObjectRecord& record() const { return record_; }
  // The state byte at offset 4; for most kinds also the subtype.
  std::uint8_t state() const { return record_.u8(field::state); }

  // Blobs.
  const Blob& primaryBlob() const { return primary_; }
  const Blob& secondaryBlob() const { return secondary_; }
  // The bytes of the primary blob when it is held in memory (read now if still pending);
  // empty for a file-backed blob or none.
  std::span<const std::uint8_t> primaryData();
  std::span<const std::uint8_t> secondaryData();
  // The primary bytes wherever they are; false when there are none or they cannot be read.
  bool readPrimary(std::vector<std::uint8_t>& out) const;
  void setPrimaryData(std::span<const std::uint8_t> bytes);
  void setSecondaryData(std::span<const std::uint8_t> bytes);
  void setPrimaryBlob(Blob blob) { primary_ = std::move(blob); }
  void setSecondaryBlob(Blob blob) { secondary_ = std::move(blob); }
  void freeBlobs();

  // Reads the record and attaches the blobs, completing records of older versions.
  void readFromBook(const RecordSource& source);

  // Returns the object to the released state of its kind, keeping its slot.
  virtual void Release();
  // Makes the object live, with the book's current revision.
  void Activate();
  bool isReleased() const;

  // The name of the table of kinds; kinds 10 and 11 build theirs from what they refer to.
  std::string Name() const;
  void setName(std::string_view name);
  // The file name of a linked file (kinds 2 and 3), a picture (5 and 6) or a program (7).
  std::string FileName() const;
  void setFileName(std::string_view name);
  std::int64_t Size() const;
  // The picture the object shows, or for some kinds the object it stands for.
  TZEBoggetto* ReferencedPicture() const;
  // The object a reference held in this object's record names: 0x6F000000 + n for the n-th
  // local object of the text that owns this object, anything else an object ID.
  TZEBoggetto* resolveReference(std::uint32_t reference) const;

  // Attributes of the secondary blob: "allfields" gives the whole attribute text, any
  // other name the value of that attribute (names compared in lower case).
  std::string attribute(std::string_view name) const;
  // Sets an attribute of the secondary blob, keeping its length-prefixed block.
  void setAttribute(std::string_view name, std::string_view value);

  const std::string& externalFileName() const;
  void setExternalFileName(std::string_view path);

  // --- Copies (object_copy.cpp, object_stream.cpp).
  // Becomes a copy of the source: its index, record, container and blobs (memory bytes
  // copied, a file-backed blob shared). A picture becomes a placement that shows it.
  void CopyFrom(TZEBoggetto& source);
  // The self-contained stream form: index, kind, record, external file name, primary and
  // secondary data.
  void writeToStream(ByteWriter& out) const;
  // Reads the stream form; false, with both blobs empty, when the data ends too early.
  bool readFromStream(ByteReader& in);
  // Whether the other object holds the same thing, so that it can be reused instead of
  // adding a duplicate: hyperlinks and keywords by name, pictures by their bytes, styles by
  // their attributes. Released slots and other kinds never match.
  bool Matches(TZEBoggetto& other) const;

 protected:
  const BookFile* bookFile() const;

 private:
  std::string nameAtDepth(int depth) const;
  void completeOlderRecord(const RecordSource& source);
  void attachBlobs(const RecordSource& source);
  void releaseLinkedActions();
  void setReleasedValues();

  struct Extras;
  Extras& extras();

  ObjectRecord record_;
  Blob primary_;
  Blob secondary_;
  TZEBset* container_ = nullptr;
  // Rarely used fields, made on demand: books hold tens of thousands of objects, and an
  // open book should cost little more than its records.
  std::unique_ptr<Extras> extras_;
  std::int32_t localNumber_ = -1;
  std::int32_t index_ = 0;
  TOggettiHel kind_ = TOggettiHel::testoHtmlRtf;
  bool registered_ = false;
};

// Creates the object class a kind needs: a TZEBtesto for pages, a TZEBoggetto otherwise.
std::unique_ptr<TZEBoggetto> createObject(TOggettiHel kind);

}  // namespace zeb
