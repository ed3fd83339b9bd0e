// The book writer and its JSON descriptions, read back by the container.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "document/container.h"
#include "document/page_object.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_description.h"
#include "tools/zebmake/book_stream.h"
#include "tools/zebmake/synthetic_book.h"

namespace zeb {
namespace {

class BookWriter : public ::testing::Test {
 protected:
  void load(const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(set.Load(folder.write("book.zeb", bytes).string()));
    ASSERT_TRUE(platform.messages.shown().empty());
  }
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(BookWriter, EveryKindComesBackWithItsRecordAndBlobs) {
  zebmake::BookModel model;
  TZEBset& source = model.set();
  for (int k = 0; k < 25; ++k) {
    TZEBoggetto& object = zebmake::addObject(source, kindOf(k));
    object.setFileName("file" + std::to_string(k));
    const std::string data = "primary of kind " + std::to_string(k);
    object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
    object.setSecondaryData(zebmake::attributeBlob("", "kind=\"" + std::to_string(k) + "\""));
  }
  load(zebmake::writeBook(source));

  for (int k = 0; k < 25; ++k) {
    SCOPED_TRACE(kindName(kindOf(k)));
    const auto kind = kindOf(k);
    TZEBoggetto* original = source.slot(kind, static_cast<std::int32_t>(source.slotCount(kind) - 1));
    TZEBoggetto* read = set.slot(kind, static_cast<std::int32_t>(set.slotCount(kind) - 1));
    ASSERT_NE(read, nullptr);
    const KindLayout& layout = layoutOf(kind);
    std::vector<std::uint8_t> expected;
    std::vector<std::uint8_t> actual;
    const bool hasPrimary = original->readPrimary(expected);
    EXPECT_EQ(read->readPrimary(actual), hasPrimary && layout.primaryPositionOffset >= 0);
    if (layout.primaryPositionOffset >= 0) {
      EXPECT_EQ(actual, expected);
    }
    if (layout.secondaryPositionOffset >= 0) {
      EXPECT_EQ(read->attribute("kind"), std::to_string(k));
    }
    // Apart from the blob fields the writer fills in, the records are equal.
    for (int offset = 0; offset < recordSize; ++offset) {
      const bool blobField = [&] {
        for (const int field : {layout.primaryPositionOffset, layout.primarySizeOffset, layout.secondaryPositionOffset,
                                layout.secondarySizeOffset, k == 8 ? 81 : -1})
          if (field >= 0 && offset >= field && offset < field + 4) return true;
        return false;
      }();
      if (!blobField) {
        EXPECT_EQ(read->record().u8(offset), original->record().u8(offset)) << "offset " << offset;
      }
    }
  }
}

TEST_F(BookWriter, SampleGuideDescriptionBuildsAReadableBook) {
  std::ifstream in(std::string(BRIGHTFOLD_SOURCE_DIR) + "/samples/guide.json");
  std::stringstream json;
  json << in.rdbuf();
  load(zebmake::buildBookFromJson(json.str(), BRIGHTFOLD_SOURCE_DIR "/samples"));
  EXPECT_EQ(set.header().title(), "A Guide to Brightfold");
  ASSERT_GE(set.count(0), 4);
  auto* cover = static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, 0));
  EXPECT_TRUE(cover->textView().starts_with("<Z S"));
  EXPECT_NE(cover->textView().find("caf\xE9"), std::string_view::npos);  // stored as Windows-1252
  EXPECT_EQ(cover->textView().back(), '\0');
  EXPECT_GE(set.count(kindNumber(TOggettiHel::keyword)), 1);
  EXPECT_GE(set.count(kindNumber(TOggettiHel::immagine)), 1);
}

TEST_F(BookWriter, DescriptionsGiveZonesTablesAndAnimations) {
  load(zebmake::buildBookFromJson(R"({"objects": [
      {"kind": "immagine", "file_name": "ball.gif", "data": {"animation": {"width": 40, "height": 30, "frames": 4}}},
      {"kind": "immagineNew", "zones": [{"slot": 2, "link": 16777216, "left": 1, "top": 2, "width": 3, "height": 4}]},
      {"kind": "tabellaHtml", "table": {"rows": 2, "columns": [{"percent": 40}, {"pixels": 80}, {"rest": true}],
                                        "width": 250, "spacing": 5, "cells": [255, 50331648]}}
    ]})", "."));
  TZEBoggetto& picture = *set.slot(TOggettiHel::immagine, 0);
  EXPECT_EQ(picture.record().i16(field::pictureWidth), 40);
  const TZEBpicture* decoded = set.decodedPicture(picture);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->frames().size(), 4u);
  EXPECT_EQ(decoded->frames()[1].delayCentiseconds, 5);

  const ObjectRecord& zones = set.slot(TOggettiHel::immagineNew, 0)->record();
  EXPECT_EQ(zones.i32(field::placementZones + 2 * field::zoneSize), 16777216);
  EXPECT_EQ(zones.i16(field::placementZones + 2 * field::zoneSize + 14), 4);
  EXPECT_EQ(zones.i32(field::placementZones), -1);

  TZEBoggetto& table = *set.slot(TOggettiHel::tabellaHtml, 0);
  const ObjectRecord& record = table.record();
  EXPECT_EQ(record.u8(field::tableRows), 2);
  EXPECT_EQ(record.u8(field::tableColumns), 3);
  EXPECT_EQ(record.u8(field::tableColumnModes + 1), 1);
  EXPECT_EQ(record.i16(field::tableColumnValues + 2), 80);
  EXPECT_EQ(record.u8(field::tableColumnModes + 2), 2);
  EXPECT_EQ(record.u8(field::tableRelativeWidth), 0);
  EXPECT_EQ(record.i16(field::tableWidth), 250);
  EXPECT_EQ(record.u8(field::tableCellSpacing), 5);
  std::vector<std::uint8_t> codes;
  ASSERT_TRUE(table.readPrimary(codes));
  EXPECT_EQ(codes, (std::vector<std::uint8_t>{255, 0, 0, 0, 0, 0, 0, 3}));
  EXPECT_THROW(zebmake::buildBookFromJson(R"({"objects": [{"kind": "immagineNew", "zones": [{"slot": 30, "link": 1}]}]})",
                                          "."),
               zebmake::DescriptionError);
}

TEST_F(BookWriter, DescriptionDamageAndShortRecords) {
  const auto bytes = zebmake::buildBookFromJson(R"({
      "record_sizes": {"testoHtml": 242},
      "objects": [{"name": "P", "text": "<Z S0 >x"}],
      "broken": {"patches": [{"offset": 0, "hex": "51554952"}, {"offset": 1632, "i32": 9}]}
    })", ".");
  load(bytes);
  EXPECT_EQ(set.slot(TOggettiHel::testoHtml, 0)->record().i32(196), 8);  // completed from revision 9
  EXPECT_THROW(zebmake::buildBookFromJson(R"({"objects": [{"kind": "nothing"}]})", "."), zebmake::DescriptionError);
  EXPECT_THROW(zebmake::buildBookFromJson("{", "."), zebmake::DescriptionError);
}

TEST_F(BookWriter, SyntheticBooksHoldTheirSearchWordsAtKnownRates) {
  zebmake::BookModel model;
  zebmake::fillSyntheticBook(model.set(), {.pages = 15, .pageBytes = 600, .seed = 3});
  load(zebmake::writeBook(model.set()));
  ASSERT_EQ(set.count(0), 15);
  int zephyrs = 0;
  for (int i = 0; i < 15; ++i) {
    auto* page = static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    EXPECT_GE(page->textView().size(), 600u);
    if (page->textView().find(zebmake::occasionalWord) != std::string_view::npos) ++zephyrs;
  }
  EXPECT_EQ(zephyrs, 3);  // pages 0, 7 and 14
}

TEST_F(BookWriter, SyntheticBookStreamedToAFileHasTheBytesOfTheOneBuiltInMemory) {
  for (const zebmake::SyntheticOptions options :
       {zebmake::SyntheticOptions{.pages = 1, .pageBytes = 0, .seed = 1},
        zebmake::SyntheticOptions{.pages = 40, .pageBytes = 700, .seed = 5}}) {
    SCOPED_TRACE(options.pages);
    zebmake::BookModel model;
    zebmake::fillSyntheticBook(model.set(), options);
    const std::filesystem::path streamed = folder.path() / "streamed.zeb";
    ASSERT_TRUE(zebmake::writeSyntheticBook(streamed, options));
    EXPECT_EQ(testing::readBytes(streamed), zebmake::writeBook(model.set()));
  }
  EXPECT_FALSE(zebmake::writeSyntheticBook(folder.path() / "missing" / "book.zeb", {.pages = 1}));
}

TEST_F(BookWriter, StreamWriterTakesEverySlotInKindOrderOrFails) {
  zebmake::BookModel model;
  TZEBoggetto& keyword = zebmake::addObject(model.set(), TOggettiHel::keyword);
  keyword.setName("word");
  auto page = zebmake::makePage(model.set(), "P", "<Z S0 >x");
  zebmake::KindCounts counts{};
  counts[0] = 1;
  counts[kindNumber(TOggettiHel::keyword)] = 1;

  auto written = [&](const std::function<void(zebmake::BookStreamWriter&)>& writes) {
    zebmake::MemorySink sink;
    zebmake::BookStreamWriter writer(sink, model.set().header(), counts);
    writes(writer);
    return writer.finish();
  };
  EXPECT_FALSE(written([&](auto& writer) { writer.write(TOggettiHel::testoHtml, page.get()); }));
  EXPECT_FALSE(written([&](auto& writer) {
    writer.write(TOggettiHel::keyword, &keyword);
    writer.write(TOggettiHel::testoHtml, page.get());
  }));
  EXPECT_FALSE(written([&](auto& writer) {
    writer.write(TOggettiHel::testoHtml, page.get());
    writer.write(TOggettiHel::testoHtml, page.get());
    writer.write(TOggettiHel::keyword, &keyword);
  }));

  zebmake::MemorySink sink;
  zebmake::BookStreamWriter writer(sink, model.set().header(), counts);
  writer.write(TOggettiHel::testoHtml, page.get());
  writer.write(TOggettiHel::keyword, &keyword);
  ASSERT_TRUE(writer.finish());
  load(sink.take());
  EXPECT_EQ(static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, 0))->textView(),
            std::string_view("<Z S0 >x\0", 9));
  EXPECT_EQ(set.slot(TOggettiHel::keyword, 0)->Name(), "word");
  EXPECT_EQ(set.count(kindNumber(TOggettiHel::stileParagrafo)), 2);  // no style records: the defaults
}

}  // namespace
}  // namespace zeb
