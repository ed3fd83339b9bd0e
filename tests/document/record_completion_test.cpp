// Reading records and blobs from book files: short records of older versions completed
// kind by kind, unique file names, and blobs that are dropped.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/page_object.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

using testing::bookBytes;

class RecordCompletion : public ::testing::Test {
 protected:
  // Writes the book with the kind's records cut to the size, and loads it.
  void load(const testing::BookFiller& fill, TOggettiHel kind, std::int32_t size) {
    zebmake::WriteOptions options;
    options.recordSizes[static_cast<std::size_t>(kind)] = size;
    loadBytes(bookBytes(fill, options));
  }
  void loadBytes(const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(set.Load(folder.write("book.zeb", bytes).string()));
  }
  TZEBoggetto& object(TOggettiHel kind, int index = 0) {
    TZEBoggetto* found = set.slot(kind, index);
    EXPECT_NE(found, nullptr);
    return *found;
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(RecordCompletion, OldPageGetsTheDefaultsOfItsMissingFields) {
  load(
      [](TZEBset& book) {
        book.header().setI32(1632, 5);
        zebmake::addPage(book, "Old page", "<Z S0 >x");
      },
      TOggettiHel::testoHtml, 242);
  const ObjectRecord& record = object(TOggettiHel::testoHtml).record();
  EXPECT_EQ(record.shortString(5, 71), "Old page");
  EXPECT_EQ(record.u8(242), 0xFF);  // past the stored record, not completed
  EXPECT_EQ(record.i16(191), 1033);
  EXPECT_EQ(record.u8(195), 1);
  EXPECT_EQ(record.i32(196), 4);
  EXPECT_EQ(record.u8(200), 0);
  EXPECT_EQ(record.i16(221), 5);
  EXPECT_EQ(record.i32(223), -1);
  EXPECT_EQ(record.i32(227), -1);
  EXPECT_EQ(record.i32(231), -1);
  EXPECT_EQ(record.i32(235), -1);
  EXPECT_EQ(record.u8(194), 0);
}

TEST_F(RecordCompletion, CurrentPageIsNotCompleted) {
  load([](TZEBset& book) { zebmake::addPage(book, "New page", "<Z S0 >x").record().setI16(221, 9); },
       TOggettiHel::testoHtml, 243);
  EXPECT_EQ(object(TOggettiHel::testoHtml).record().i16(221), 9);
  EXPECT_EQ(object(TOggettiHel::testoHtml).record().u8(195), 2);
}

TEST_F(RecordCompletion, OldHyperlinkStateFollowsItsTarget) {
  loadBytes(bookBytes([](TZEBset& book) {
    for (const char* target : {"mailto:someone@example.org", "nexo:other.zeb|3", "http://example.org", "ftp://x"}) {
      TZEBoggetto& link = zebmake::addObject(book, TOggettiHel::internetLink);
      link.setName(target);
      link.record().setU8(4, 0);
    }
    TZEBoggetto& current = zebmake::addObject(book, TOggettiHel::internetLink);
    current.setName("mailto:kept@example.org");
    current.record().setU8(4, 7);
  }));
  EXPECT_EQ(object(TOggettiHel::internetLink, 0).state(), 8);
  EXPECT_EQ(object(TOggettiHel::internetLink, 1).state(), 6);
  EXPECT_EQ(object(TOggettiHel::internetLink, 2).state(), 7);
  EXPECT_EQ(object(TOggettiHel::internetLink, 3).state(), 0);
  EXPECT_EQ(object(TOggettiHel::internetLink, 4).state(), 7);
}

TEST_F(RecordCompletion, OldPicturesWithTheSameNameInAnotherCaseGetNewNames) {
  load(
      [](TZEBset& book) {
        book.header().setI32(1632, 3);
        for (const char* name : {"Photo.GIF", "photo.gif", "other.jpg", "PHOTO.GIF"})
          zebmake::addObject(book, TOggettiHel::immagine).setFileName(name);
      },
      TOggettiHel::immagine, 600);
  EXPECT_EQ(object(TOggettiHel::immagine, 0).FileName(), "Photo.GIF");
  const std::string renamed = object(TOggettiHel::immagine, 1).FileName();
  ASSERT_EQ(renamed.size(), 12u) << renamed;
  EXPECT_TRUE(renamed.starts_with("ed"));
  EXPECT_EQ(renamed.find_first_not_of("0123456789abcdef", 2), 8u);
  EXPECT_TRUE(renamed.ends_with(".gif"));
  EXPECT_EQ(object(TOggettiHel::immagine, 2).FileName(), "other.jpg");
  // A later name in capitals is compared in lower case too, and keeps its own extension.
  const std::string capitals = object(TOggettiHel::immagine, 3).FileName();
  EXPECT_TRUE(capitals.starts_with("ed") && capitals.ends_with(".GIF")) << capitals;
  EXPECT_NE(capitals, renamed);
  const ObjectRecord& record = object(TOggettiHel::immagine, 1).record();
  EXPECT_EQ(record.i32(662), -1);
  EXPECT_EQ(record.u8(666), 0);
  EXPECT_EQ(record.i32(77), 2);
}

TEST_F(RecordCompletion, OldLinkedFilesAreRenamedAgainstEarlierPicturesAndFiles) {
  // Kind 3 is read before kind 5, so the short kind-3 record is compared with the kind-2
  // record read before it.
  zebmake::WriteOptions options;
  options.recordSizes[kindNumber(TOggettiHel::genLink)] = 92;
  loadBytes(bookBytes(
      [](TZEBset& book) {
        zebmake::addObject(book, TOggettiHel::zipLink).setName("DATA.ZIP");
        zebmake::addObject(book, TOggettiHel::genLink).setName("data.zip");
        zebmake::addObject(book, TOggettiHel::genLink).setName("unique.zip");
      },
      options));
  EXPECT_NE(object(TOggettiHel::genLink, 0).Name(), "data.zip");
  EXPECT_TRUE(object(TOggettiHel::genLink, 0).Name().ends_with(".zip"));
  EXPECT_EQ(object(TOggettiHel::genLink, 1).Name(), "unique.zip");
}

TEST_F(RecordCompletion, OldTableColumnsAreWidenedToSixteenBits) {
  load(
      [](TZEBset& book) {
        TZEBoggetto& table = zebmake::addObject(book, TOggettiHel::tabellaHtml);
        for (int i = 0; i < 50; ++i) table.record().setU8(97 + i, static_cast<std::uint8_t>(200 + i % 50));
        table.record().setU8(5, 7);
      },
      TOggettiHel::tabellaHtml, 219);
  const ObjectRecord& record = object(TOggettiHel::tabellaHtml).record();
  EXPECT_EQ(record.i16(97), 200);
  EXPECT_EQ(record.i16(99), 201);
  EXPECT_EQ(record.i16(97 + 2 * 49), 249);
  EXPECT_EQ(record.u8(5), 0);
  EXPECT_EQ(record.u8(55), 1);
  EXPECT_EQ(record.i16(56), 300);
  EXPECT_EQ(record.u8(219), 1);
}

TEST_F(RecordCompletion, OldButtonsAndMultimediaReferences) {
  load([](TZEBset& book) { zebmake::addObject(book, TOggettiHel::bottoneCGI).record().setI16(186, 4); },
       TOggettiHel::bottoneCGI, 194);
  EXPECT_EQ(object(TOggettiHel::bottoneCGI).record().i16(186), -1);

  loadBytes(bookBytes([](TZEBset& book) {
    zebmake::addObject(book, TOggettiHel::multiMedia).record().setI32(17, 4);
    zebmake::addObject(book, TOggettiHel::multiMedia).record().setI32(17, -1);
  }));
  EXPECT_EQ(object(TOggettiHel::multiMedia, 0).record().u32(17), 0x03000004u);
  EXPECT_EQ(object(TOggettiHel::multiMedia, 1).record().i32(17), -1);
}

TEST_F(RecordCompletion, MultimediaWithoutDataHasNoPrimaryBlob) {
  auto bytes = bookBytes([](TZEBset& book) { zebmake::addObject(book, TOggettiHel::multiMedia); });
  const std::size_t records = testing::readI32(bytes, testing::kindTableEntry(24)) + 1978 + 12 * 27 + 4;
  testing::patchI32(bytes, records + 0, -1);
  testing::patchI32(bytes, records + 13, -1);
  loadBytes(bytes);
  EXPECT_TRUE(object(TOggettiHel::multiMedia).primaryBlob().empty());
}

TEST_F(RecordCompletion, BlobsPastTheEndOfTheFileAreDroppedAndTheRecordKept) {
  auto bytes = bookBytes([](TZEBset& book) {
    zebmake::addPage(book, "Kept", "<Z S0 >first");
    zebmake::addPage(book, "Cut", "<Z S0 >second");
  });
  // Cut the file in the middle of the second page's text, and point the first page's text
  // past the end.
  const std::size_t records = 1978 + 12 * 27 + 4;
  const std::size_t blobArea = records + static_cast<std::size_t>(testing::readI32(bytes, records - 4));
  bytes.resize(blobArea + static_cast<std::size_t>(testing::readI32(bytes, records + 668)) + 3);
  testing::patchI32(bytes, records + 0, 0x7FFFFFF0);
  loadBytes(bytes);
  auto& first = static_cast<TZEBtesto&>(object(TOggettiHel::testoHtml, 0));
  auto& second = static_cast<TZEBtesto&>(object(TOggettiHel::testoHtml, 1));
  EXPECT_EQ(first.Name(), "Kept");
  EXPECT_TRUE(first.primaryBlob().empty());
  EXPECT_TRUE(first.text().empty());
  EXPECT_EQ(second.Name(), "Cut");
  EXPECT_TRUE(second.text().empty());  // its bytes ran past the end: a read error
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(RecordCompletion, ReleasedSlotsAndNegativeSecondaryFieldsGetNoBlobs) {
  auto bytes = bookBytes([](TZEBset& book) {
    TZEBoggetto& prototype = zebmake::addObject(book, TOggettiHel::custom);
    prototype.setSecondaryData(zebmake::attributeBlob("", "a=\"1\""));
    const std::uint8_t data[] = {1, 2, 3};
    prototype.setPrimaryData(data);
    TZEBoggetto& releasedLink = zebmake::addObject(book, TOggettiHel::genLink);
    releasedLink.setPrimaryData(data);
  });
  const std::size_t records = 1978 + 12 * 27 + 4;
  const std::size_t prototype = records + testing::readI32(bytes, testing::kindTableEntry(12));
  testing::patchI32(bytes, prototype + 76, -5);
  const std::size_t file = records + testing::readI32(bytes, testing::kindTableEntry(3));
  bytes[file + 4] = 5;  // released
  loadBytes(bytes);
  EXPECT_TRUE(object(TOggettiHel::custom).secondaryBlob().empty());
  EXPECT_EQ(object(TOggettiHel::custom).primaryData().size(), 3u);
  EXPECT_TRUE(object(TOggettiHel::genLink).primaryBlob().empty());
}

TEST_F(RecordCompletion, TablePrimarySizeIsAnInt16CountedOnlyWhenFlagged) {
  auto bytes = bookBytes([](TZEBset& book) {
    TZEBoggetto& table = zebmake::addObject(book, TOggettiHel::tabellaHtml);
    const std::uint8_t colours[] = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0};
    table.setPrimaryData(colours);
    zebmake::addObject(book, TOggettiHel::tabellaHtml).setPrimaryData(colours);
  });
  const std::size_t tables = 1978 + 12 * 27 + 4 + testing::readI32(bytes, testing::kindTableEntry(8));
  testing::patchI32(bytes, tables + 668 + 81, 0);
  loadBytes(bytes);
  EXPECT_EQ(object(TOggettiHel::tabellaHtml, 0).primaryData().size(), 8u);
  EXPECT_TRUE(object(TOggettiHel::tabellaHtml, 1).primaryBlob().empty());
}

}  // namespace
}  // namespace zeb
