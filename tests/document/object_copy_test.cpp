// Copies of objects, their stream form, the picture fragment, and equal objects.
#include <gtest/gtest.h>

#include "document/byte_reader.h"
#include "document/container.h"
#include "document/object_copy.h"
#include "document/object_stream.h"
#include "platform/clipboard.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

class ObjectCopies : public ::testing::Test {
 protected:
  TZEBoggetto& picture(std::string_view name, std::string_view bytes = "picture bytes") {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::immagine);
    object.setName(name);
    object.setFileName("p.gif");
    object.record().setI16(85, 120);
    object.record().setI16(87, 80);
    object.record().setU8(89, 5);
    object.setPrimaryData({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return object;
  }
  static std::vector<std::uint8_t> streamOf(const TZEBoggetto& object) {
    ByteWriter out;
    object.writeToStream(out);
    return out.take();
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(ObjectCopies, APictureIsCopiedAsAPlacementShowingIt) {
  TZEBoggetto& source = picture("Sunrise over the hills");
  auto copy = copyOf(source);
  EXPECT_EQ(copy->Kind(), TOggettiHel::immagineNew);
  EXPECT_FALSE(copy->isRegistered());
  const ObjectRecord& record = copy->record();
  EXPECT_EQ(record.i32(0), source.Index());
  EXPECT_EQ(record.u8(4), 1);
  EXPECT_EQ(record.u8(13), 5);
  EXPECT_EQ(record.i16(15), 120);
  EXPECT_EQ(record.i16(19), 120);
  EXPECT_EQ(record.i16(17), 80);
  EXPECT_EQ(record.i16(21), 80);
  EXPECT_EQ(record.i32(24), 0xFF0000);
  EXPECT_EQ(copy->Name(), "Sunrise over the hills");
  EXPECT_EQ(record.i32(5), -1);
  EXPECT_EQ(record.i32(69), -1);
  EXPECT_EQ(record.u8(73), 0xFF);  // no zones from a picture without a click map
  EXPECT_EQ(copy->primaryData().size(), 13u);
}

TEST_F(ObjectCopies, ZonesOfAnOldClickMapComeAlong) {
  TZEBoggetto& source = picture("Map");
  source.record().setI32(662, 4);
  source.record().setI32(182, 0x0A000001);
  EXPECT_EQ(copyOf(source)->record().i32(73), 0x0A000001);
}

TEST_F(ObjectCopies, OtherKindsStayThemselvesAndShareFileBackedData) {
  const auto bytes = testing::bookBytes([](TZEBset& book) {
    TZEBoggetto& file = zebmake::addObject(book, TOggettiHel::genLink);
    file.setName("a.zip");
    const std::uint8_t data[] = {1, 2, 3};
    file.setPrimaryData(data);
  });
  ASSERT_TRUE(set.Load(folder.write("book.zeb", bytes).string()));
  TZEBoggetto& source = *set.slot(TOggettiHel::genLink, 0);
  auto copy = copyOf(source);
  EXPECT_EQ(copy->Kind(), TOggettiHel::genLink);
  EXPECT_EQ(copy->Index(), 0);
  EXPECT_EQ(copy->Container(), &set);
  EXPECT_TRUE(copy->primaryBlob().isFileBacked());
  EXPECT_EQ(copy->primaryBlob().position(), source.primaryBlob().position());
}

TEST_F(ObjectCopies, StreamFormRoundTripHoldsFileBackedBytesInMemory) {
  const auto bytes = testing::bookBytes([](TZEBset& book) {
    TZEBoggetto& file = zebmake::addObject(book, TOggettiHel::genLink);
    file.setName("a.zip");
    const std::uint8_t data[] = {9, 8, 7, 6};
    file.setPrimaryData(data);
  });
  ASSERT_TRUE(set.Load(folder.write("book.zeb", bytes).string()));
  TZEBoggetto& source = *set.slot(TOggettiHel::genLink, 0);
  source.setExternalFileName("/somewhere/a.zip");
  const auto stream = streamOf(source);
  ASSERT_EQ(stream.size(), 4 + 1 + 668 + 4 + 16 + 4 + 4 + 4 + 4u);

  auto read = createObject(TOggettiHel::testoHtmlRtf);
  ByteReader in(stream);
  ASSERT_TRUE(read->readFromStream(in));
  EXPECT_EQ(read->Kind(), TOggettiHel::genLink);
  EXPECT_EQ(read->Index(), 0);
  EXPECT_EQ(read->record(), source.record());
  EXPECT_EQ(read->externalFileName(), "/somewhere/a.zip");
  EXPECT_EQ(read->primaryBlob().source(), Blob::Source::memory);
  EXPECT_EQ(std::vector<std::uint8_t>(read->primaryData().begin(), read->primaryData().end()),
            (std::vector<std::uint8_t>{9, 8, 7, 6}));
}

TEST_F(ObjectCopies, StreamFormTakesTheFileOnDiskForDataNoLongerHeld) {
  TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
  file.setExternalFileName(folder.write("extracted.bin", std::vector<std::uint8_t>{5, 6, 7}).string());
  TZEBoggetto& keyword = zebmake::addObject(set, TOggettiHel::keyword);
  keyword.setExternalFileName(file.externalFileName());  // only files, pictures and placements
  TZEBoggetto& missing = zebmake::addObject(set, TOggettiHel::genLink);
  missing.setExternalFileName((folder.path() / "gone.bin").string());
  const struct {
    const TZEBoggetto* object;
    std::vector<std::uint8_t> primary;
  } cases[] = {{&file, {5, 6, 7}}, {&keyword, {}}, {&missing, {}}};
  for (const auto& each : cases) {
    auto read = createObject(TOggettiHel::testoHtmlRtf);
    const auto stream = streamOf(*each.object);
    ByteReader in(stream);
    ASSERT_TRUE(read->readFromStream(in));
    EXPECT_EQ(std::vector<std::uint8_t>(read->primaryData().begin(), read->primaryData().end()), each.primary)
        << each.object->externalFileName();
  }
}

TEST_F(ObjectCopies, ARegisteredObjectTakesAnotherKindWithAnError) {
  TZEBoggetto& keyword = zebmake::addObject(set, TOggettiHel::keyword);
  keyword.setName("k");
  TZEBoggetto& target = zebmake::addObject(set, TOggettiHel::custom);
  const auto stream = streamOf(keyword);
  ByteReader in(stream);
  ASSERT_TRUE(target.readFromStream(in));
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0].text,
            "In un TZEBoggetto registrato si pu\xF2 caricare solo un TZEBoggetto dello stesso tipo!");
  EXPECT_EQ(target.Kind(), TOggettiHel::keyword);
  EXPECT_EQ(set.slot(TOggettiHel::keyword, target.Index()), &target);  // the lists stay consistent
  EXPECT_EQ(target.Index(), 1);
}

TEST_F(ObjectCopies, TruncatedStreamsLeaveBothBlobsEmpty) {
  TZEBoggetto& source = picture("P");
  source.setSecondaryData(zebmake::attributeBlob("", "a=\"1\""));
  const auto stream = streamOf(source);
  for (std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{600}, stream.size() - 12, stream.size() - 1}) {
    std::vector<std::uint8_t> part(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut));
    auto read = createObject(TOggettiHel::immagine);
    read->setPrimaryData(std::vector<std::uint8_t>{1});
    ByteReader in(part);
    EXPECT_FALSE(read->readFromStream(in)) << cut;
    EXPECT_TRUE(read->primaryBlob().empty());
    EXPECT_TRUE(read->secondaryBlob().empty());
  }
  std::vector<std::uint8_t> lying = stream;
  testing::patchI32(lying, 4 + 1 + 668 + 4, 0x7FFFFFFF);  // a primary size far beyond the data
  auto read = createObject(TOggettiHel::immagine);
  ByteReader in(lying);
  EXPECT_FALSE(read->readFromStream(in));
}

TEST_F(ObjectCopies, MatchesByKind) {
  TZEBoggetto& one = picture("A", "same bytes");
  TZEBoggetto& two = picture("B", "same bytes");
  TZEBoggetto& three = picture("C", "other byte");
  EXPECT_TRUE(one.Matches(two));
  EXPECT_FALSE(one.Matches(three));
  one.record().setI32(174, 1);
  EXPECT_FALSE(one.Matches(two));  // stored sizes differ

  TZEBoggetto& keyword = zebmake::addObject(set, TOggettiHel::keyword);
  keyword.setName("Word");
  TZEBoggetto& sameWord = zebmake::addObject(set, TOggettiHel::keyword);
  sameWord.setName("Word");
  TZEBoggetto& otherCase = zebmake::addObject(set, TOggettiHel::keyword);
  otherCase.setName("word");
  EXPECT_TRUE(keyword.Matches(sameWord));
  EXPECT_FALSE(keyword.Matches(otherCase));
  EXPECT_EQ(findEqual(set, sameWord), &keyword);

  TZEBoggetto& style = zebmake::addObject(set, TOggettiHel::stileParagrafo);
  TZEBoggetto& styleCopy = zebmake::addObject(set, TOggettiHel::stileParagrafo);
  style.setName("one");
  styleCopy.setName("two");  // names do not count
  EXPECT_TRUE(style.Matches(styleCopy));
  styleCopy.record().setShortString(39, 32, "Arial");
  EXPECT_FALSE(style.Matches(styleCopy));
  EXPECT_TRUE(set.defaultStyle(0)->Matches(styleCopy));  // a default style ignores the face
  styleCopy.record().setI16(72, 30);
  EXPECT_FALSE(set.defaultStyle(0)->Matches(styleCopy));

  sameWord.Release();
  EXPECT_FALSE(sameWord.Matches(keyword));
  EXPECT_FALSE(zebmake::addObject(set, TOggettiHel::genLink).Matches(keyword));
}

TEST_F(ObjectCopies, PicturesStillInTheBookFileMatchByTheirBytes) {
  const auto bytes = testing::bookBytes([](TZEBset& book) {
    for (const std::string_view data : {"same bytes", "same bytes", "other byte"}) {
      TZEBoggetto& picture = zebmake::addObject(book, TOggettiHel::immagine);
      picture.setFileName("p.gif");
      picture.setPrimaryData({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
    }
  });
  ASSERT_TRUE(set.Load(folder.write("book.zeb", bytes).string()));
  TZEBoggetto& one = *set.slot(TOggettiHel::immagine, 0);
  TZEBoggetto& two = *set.slot(TOggettiHel::immagine, 1);
  TZEBoggetto& other = *set.slot(TOggettiHel::immagine, 2);
  ASSERT_TRUE(two.primaryBlob().isFileBacked());
  EXPECT_TRUE(one.Matches(two));
  EXPECT_TRUE(two.Matches(one));
  EXPECT_FALSE(one.Matches(other));
  EXPECT_EQ(findEqual(set, two), &one);
  EXPECT_EQ(findEqual(set, other), nullptr);
}

TEST_F(ObjectCopies, PictureFragmentOfAPicture) {
  TZEBoggetto& source = picture("12345678901234567890123456789012");
  RgbaImage decoded{2, 1, {255, 0, 0, 255, 0, 255, 0, 255}};
  copyPictureToClipboard(set, source, decoded);
  const auto fragment = platform.clipboard.format(pictureFormat);
  ASSERT_TRUE(fragment.has_value());
  EXPECT_EQ(platform.clipboard.picture()->width, 2);

  ByteReader in(*fragment);
  EXPECT_EQ(in.readI32(), 3);
  EXPECT_EQ(in.readI32(), 0);  // no linked objects
  EXPECT_EQ(in.readI32(), 1);  // one picture
  EXPECT_EQ(in.readI32(), 5);
  auto picturePart = createObject(TOggettiHel::testoHtmlRtf);
  ASSERT_TRUE(picturePart->readFromStream(in));
  EXPECT_EQ(picturePart->Name(), source.Name());
  EXPECT_EQ(in.readI32(), 1);
  EXPECT_EQ(in.readI32(), 16);
  EXPECT_EQ(in.readI32(), 1);
  auto placement = createObject(TOggettiHel::testoHtmlRtf);
  ASSERT_TRUE(placement->readFromStream(in));
  EXPECT_EQ(placement->Kind(), TOggettiHel::immagineNew);
  EXPECT_EQ(placement->Name(), source.Name());  // the "=" falls past 32 characters
  EXPECT_EQ(placement->record().i32(0), source.Index());
  EXPECT_EQ(placement->record().i16(17), 80);
  EXPECT_EQ(in.readI32(), 1);
  const auto text = in.readBytes(in.remaining());
  EXPECT_EQ(std::string(text.begin(), text.end()), std::string("<Z S0 ><$FF000001>\0", 19));
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(ObjectCopies, PictureFragmentOfAPlacementBringsItsLinks) {
  TZEBoggetto& source = picture("P");
  TZEBtesto& page = zebmake::addPage(set, "Target", "<Z S0 >");
  TZEBoggetto& action = zebmake::addObject(set, TOggettiHel::speclink);
  action.record().setI32(13, static_cast<std::int32_t>(page.ID()));
  TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  link.setName("http://example.org");
  TZEBoggetto& placement = zebmake::addObject(set, TOggettiHel::immagineNew);
  placement.record().setI32(0, source.Index());
  placement.record().setI32(5, -1);
  placement.record().setI32(9, -1);
  placement.record().setI32(73, static_cast<std::int32_t>(action.ID()));
  placement.record().setI32(73 + 16, static_cast<std::int32_t>(link.ID()));
  placement.record().setI32(73 + 32, static_cast<std::int32_t>(action.ID()));  // taken once

  const auto fragment = pictureFragment(set, placement);
  ByteReader in(fragment);
  EXPECT_EQ(in.readI32(), 3);
  ASSERT_EQ(in.readI32(), 3);
  std::vector<int> kinds;
  for (int i = 0; i < 3; ++i) {
    kinds.push_back(in.readI32());
    in.readI32();
    auto linked = createObject(TOggettiHel::testoHtmlRtf);
    ASSERT_TRUE(linked->readFromStream(in));
  }
  EXPECT_EQ(kinds, (std::vector<int>{0, 10, 1}));  // the action's page comes before the action
  EXPECT_EQ(in.readI32(), 1);

  copyPictureToClipboard(set, page, {});
  EXPECT_EQ(platform.messages.shown().back().text, "Allowed only for immagine");
}

}  // namespace
}  // namespace zeb
