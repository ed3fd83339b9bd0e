// Damaged books: thousands of deterministic mutations of valid books must load or fail
// cleanly, never crash or read outside the file, and never leave half a book behind.
#include <gtest/gtest.h>

#include <random>

#include "document/container.h"
#include "document/messages.h"
#include "document/page_object.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

using testing::bookBytes;

// A book with an object of every kind that has data, a page with a secondary blob, and
// short records, so that mutations reach every reading path.
std::vector<std::uint8_t> richBook(int version) {
  zebmake::WriteOptions options;
  options.recordSizes[0] = 242;
  options.recordSizes[8] = 219;
  return bookBytes(
      [version](TZEBset& book) {
        const std::uint8_t data[] = {'d', 'a', 't', 'a', 0, 1, 2, 3};
        for (int k = 0; k < 25; ++k) {
          const auto kind = kindOf(k);
          if (kind == TOggettiHel::stileParagrafo) continue;
          TZEBoggetto& object = zebmake::addObject(book, kind);
          object.setName("object " + std::to_string(k));
          object.setFileName("file" + std::to_string(k) + ".bin");
          object.setPrimaryData(data);
          object.setSecondaryData(zebmake::attributeBlob("xy", "name=\"value\""));
        }
        zebmake::addPage(book, "Second page", "<Z S0 >Some <Y g1 >text<Y >.");
        if (version == 1) book.header().setI16(1621, 1);
      },
      options);
}

struct Mutation {
  std::string description;
  std::vector<std::uint8_t> bytes;
};

std::vector<Mutation> mutationsOf(const std::vector<std::uint8_t>& book, std::uint32_t seed, int randomCount) {
  std::vector<Mutation> mutations;
  std::mt19937 random(seed);
  const std::size_t records = 1978 + 12 * 27 + 4;

  // Truncations: inside the header, the kind table, the records and the blobs.
  for (std::size_t size = 0; size < book.size(); size += std::max<std::size_t>(1, book.size() / 300))
    mutations.push_back({"truncated to " + std::to_string(size), {book.begin(), book.begin() + static_cast<std::ptrdiff_t>(size)}});

  // Every kind-table field and the blob-area offset set to extreme values.
  const std::int32_t extremes[] = {0, -1, -668, 1, 667, 669, 0x7FFFFFFF, static_cast<std::int32_t>(0x80000000), 0x01000000, 1 << 20};
  for (std::size_t field = 1978; field + 4 <= records; field += 4) {
    for (const std::int32_t value : extremes) {
      auto bytes = book;
      testing::patchI32(bytes, field, value);
      mutations.push_back({"field " + std::to_string(field) + " = " + std::to_string(value), std::move(bytes)});
    }
  }

  // Blob positions and sizes inside records: negative, huge, overlapping.
  std::uniform_int_distribution<std::size_t> recordOffset(records, book.size() - 4);
  for (int i = 0; i < randomCount / 4; ++i) {
    auto bytes = book;
    const std::size_t at = recordOffset(random);
    testing::patchI32(bytes, at, extremes[static_cast<std::size_t>(i) % std::size(extremes)]);
    mutations.push_back({"record int at " + std::to_string(at), std::move(bytes)});
  }

  // Flipped bits anywhere, a few at a time.
  std::uniform_int_distribution<std::size_t> anywhere(0, book.size() - 1);
  std::uniform_int_distribution<int> bit(0, 7);
  std::uniform_int_distribution<int> flips(1, 8);
  for (int i = 0; i < randomCount; ++i) {
    auto bytes = book;
    for (int f = flips(random); f > 0; --f) bytes[anywhere(random)] ^= static_cast<std::uint8_t>(1 << bit(random));
    mutations.push_back({"flipped bits #" + std::to_string(i), std::move(bytes)});
  }

  // Header bytes that steer the check: version, kind count, magic.
  for (const int kinds : {0, 1, 7, 8, 25, 26, 27, 255}) {
    auto bytes = book;
    bytes[1620] = static_cast<std::uint8_t>(kinds);
    mutations.push_back({"kind byte " + std::to_string(kinds), std::move(bytes)});
  }
  for (const int version : {-1, 0, 1, 2, 3, 0x7FFF}) {
    auto bytes = book;
    testing::patchI16(bytes, 1621, static_cast<std::int16_t>(version));
    mutations.push_back({"version " + std::to_string(version), std::move(bytes)});
  }
  return mutations;
}

bool isKnownMessage(const ShownMessage& shown) {
  const std::string& text = shown.text;
  return text.starts_with(messages::errorReadingFile) || text == messages::unrecognizedFormat ||
         text == messages::tooOldVersion || text == messages::unsupportedFile ||
         text == messages::objectNotFree || text == messages::bugInAux;
}

// Reads everything a loaded book offers, the way the reader would use it.
void touchEverything(TZEBset& set) {
  std::vector<std::uint8_t> bytes;
  for (int k = 0; k < kindCount; ++k) {
    const auto kind = kindOf(k);
    for (std::size_t i = 0; i < set.slotCount(kind); ++i) {
      TZEBoggetto* object = set.slot(kind, static_cast<std::int32_t>(i));
      if (object == nullptr) continue;
      (void)object->Name();
      (void)object->Size();
      (void)object->ReferencedPicture();
      (void)object->attribute("allfields");
      (void)object->primaryData();
      (void)object->secondaryData();
      (void)object->readPrimary(bytes);
    }
  }
}

TEST(LoadMutation, DamagedBooksLoadOrFailCleanly) {
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  const std::string path = (folder.path() / "mutant.zeb").string();

  int loaded = 0;
  int failed = 0;
  std::uint32_t seed = 1;
  for (const int version : {2, 1}) {
    for (const Mutation& mutation : mutationsOf(richBook(version), seed++, 1500)) {
      SCOPED_TRACE(mutation.description);
      folder.write("mutant.zeb", mutation.bytes);
      platform.messages.clear();
      if (set.Load(path)) {
        ++loaded;
        EXPECT_EQ(set.ZEBFileName(), path);
        touchEverything(set);
      } else {
        ++failed;
        // A failed load always ends in the generic message and a new, empty book.
        ASSERT_FALSE(platform.messages.shown().empty());
        EXPECT_TRUE(platform.messages.shown().back().text.starts_with(messages::errorReadingFile));
        EXPECT_TRUE(set.ZEBFileName().empty());
        EXPECT_EQ(set.count(0), 0);
        EXPECT_EQ(set.bookFile(), nullptr);
      }
      for (const ShownMessage& shown : platform.messages.shown()) EXPECT_TRUE(isKnownMessage(shown)) << shown.text;
      (void)TZEBset::PageNameFromFile(path, 0);
      (void)TZEBset::PageNameFromFile(path, objectId(TOggettiHel::testoHtml, 1));
    }
  }
  // Both outcomes must really occur, or the mutations test nothing.
  EXPECT_GT(loaded, 500);
  EXPECT_GT(failed, 500);
}

}  // namespace
}  // namespace zeb
