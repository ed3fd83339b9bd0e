// Decoded pictures and the cache that keeps the most recent ones.
#include <gtest/gtest.h>

#include "document/byte_reader.h"
#include "document/container.h"
#include "document/image_cache.h"
#include "document/object_stream.h"
#include "platform/clipboard.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb {
namespace {

class ImageCacheTest : public ::testing::Test {
 protected:
  ImageCacheTest() {
    platform.environment.temporary = folder.path();
    set = std::make_unique<TZEBset>(platform.services());
  }
  TZEBoggetto& picture(int width, int height) {
    TZEBoggetto& object = zebmake::addObject(*set, TOggettiHel::immagine);
    object.setFileName("picture" + std::to_string(object.Index()) + ".bmp");
    object.setPrimaryData(zebmake::makeGradientBmp(width, height));
    return object;
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  std::unique_ptr<TZEBset> set;
};

TEST_F(ImageCacheTest, DecodingExtractsLoadsMeasuresAndCaches) {
  TZEBoggetto& object = picture(30, 20);
  TZEBpicture* decoded = set->decodedPicture(object);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->width(), 30);
  EXPECT_EQ(decoded->height(), 20);
  EXPECT_EQ(object.record().i16(85), 30);
  EXPECT_EQ(object.record().i16(87), 20);
  EXPECT_EQ(set->imageCache().find(object), decoded);
  EXPECT_EQ(set->decodedPicture(object), decoded);
  EXPECT_FALSE(object.externalFileName().empty());

  TZEBoggetto& placement = zebmake::addObject(*set, TOggettiHel::immagineNew);
  placement.record().setI32(0, object.Index());
  EXPECT_EQ(set->decodedPicture(placement), decoded);
  EXPECT_EQ(set->imageCache().find(placement), nullptr);  // only pictures are kept
  EXPECT_EQ(set->decodedPicture(zebmake::addObject(*set, TOggettiHel::keyword)), nullptr);
}

TEST_F(ImageCacheTest, TheOldestAddedGoesFirstEvenWhenItWasJustFound) {
  std::vector<TZEBoggetto*> pictures;
  for (int i = 0; i < 21; ++i) pictures.push_back(&picture(2, 2));
  for (int i = 0; i < 20; ++i) set->decodedPicture(*pictures[static_cast<std::size_t>(i)]);
  EXPECT_EQ(set->imageCache().size(), 20u);
  EXPECT_NE(set->imageCache().find(*pictures[0]), nullptr);  // found a moment ago: no younger
  set->decodedPicture(*pictures[20]);
  EXPECT_EQ(set->imageCache().size(), 20u);
  EXPECT_EQ(set->imageCache().find(*pictures[0]), nullptr);
  EXPECT_NE(set->imageCache().find(*pictures[1]), nullptr);
  EXPECT_NE(set->imageCache().find(*pictures[20]), nullptr);
}

TEST_F(ImageCacheTest, OnlyPicturesEnterAndReleasedPicturesLeave) {
  TZEBoggetto& keyword = zebmake::addObject(*set, TOggettiHel::keyword);
  EXPECT_EQ(set->imageCache().add(keyword, std::make_unique<TZEBpicture>(), 20, platform.messages), nullptr);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::error, "What happens? Image cache bug?"}}));
  EXPECT_EQ(set->imageCache().size(), 0u);

  TZEBoggetto& object = picture(4, 4);
  set->decodedPicture(object);
  object.Release();
  EXPECT_EQ(set->imageCache().size(), 0u);
  TZEBoggetto& another = picture(4, 4);
  set->decodedPicture(another);
  set->Clear();
  EXPECT_EQ(set->imageCache().size(), 0u);
}

TEST_F(ImageCacheTest, NewDataOrAnotherKindDropsTheDecodedPicture) {
  TZEBoggetto& object = picture(30, 20);
  ASSERT_EQ(set->decodedPicture(object)->width(), 30);
  ByteWriter stream;
  picture(4, 3).writeToStream(stream);
  const auto bytes = stream.take();
  ByteReader in(bytes);
  ASSERT_TRUE(object.readFromStream(in));
  const TZEBpicture* decoded = set->decodedPicture(object);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->width(), 4);
  EXPECT_EQ(decoded->height(), 3);

  set->moveToKind(object, TOggettiHel::genLink);
  EXPECT_EQ(set->imageCache().size(), 0u);  // no entry left for an object that is no picture
}

TEST_F(ImageCacheTest, TheClipboardGetsTheFirstImage) {
  TZEBoggetto& object = picture(3, 2);
  copyPictureToClipboard(*set, object, firstImageOf(*set->decodedPicture(object)));
  ASSERT_TRUE(platform.clipboard.picture().has_value());
  EXPECT_EQ(platform.clipboard.picture()->width, 3);
  EXPECT_EQ(platform.clipboard.picture()->pixels.size(), 3u * 2u * 4u);
  EXPECT_TRUE(platform.clipboard.format(pictureFormat).has_value());
}

}  // namespace
}  // namespace zeb
