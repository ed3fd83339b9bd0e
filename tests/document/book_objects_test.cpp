// Book objects in a container: registration, release and activation, names, sizes,
// references and the attributes of the secondary blob.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/messages.h"
#include "document/page_object.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_model.h"

namespace zeb {
namespace {

using zebmake::addObject;

class BookObjects : public ::testing::Test {
 protected:
  TZEBoggetto& released(TOggettiHel kind) {
    auto object = set.makeObject(kind);
    object->Release();
    return set.Register(std::move(object));
  }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(BookObjects, RegisterTakesTheFirstReleasedSlotOrAppends) {
  // A keyword is a released slot while its name is "-", as a new one's is.
  TZEBoggetto& first = addObject(set, TOggettiHel::keyword);
  first.setName("one");
  TZEBoggetto& second = released(TOggettiHel::keyword);
  EXPECT_EQ(first.Index(), 0);
  EXPECT_EQ(second.Index(), 1);

  TZEBoggetto& reused = addObject(set, TOggettiHel::keyword);  // frees the released one
  reused.setName("reused");
  EXPECT_EQ(reused.Index(), 1);
  EXPECT_EQ(set.slot(TOggettiHel::keyword, 1), &reused);
  EXPECT_TRUE(reused.isRegistered());
  EXPECT_EQ(reused.ID(), objectId(TOggettiHel::keyword, 1));

  TZEBoggetto& appended = addObject(set, TOggettiHel::keyword);
  EXPECT_EQ(appended.Index(), 2);
  EXPECT_EQ(set.count(4), 3);
}

TEST_F(BookObjects, RegisterAtAnIndexReplacesOrAppends) {
  addObject(set, TOggettiHel::keyword).setName("a");
  TZEBoggetto& replacing = addObject(set, TOggettiHel::keyword, 0);
  replacing.setName("b");
  EXPECT_EQ(replacing.Index(), 0);
  EXPECT_EQ(set.count(4), 1);
  TZEBoggetto& appended = addObject(set, TOggettiHel::keyword, 99);
  appended.setName("c");
  EXPECT_EQ(appended.Index(), 1);
  TZEBoggetto& outOfRange = addObject(set, TOggettiHel::keyword, 0x1000000);
  EXPECT_EQ(outOfRange.Index(), 2);
}

TEST_F(BookObjects, MovingToAnotherKindEmptiesTheOldSlot) {
  TZEBoggetto& picture = addObject(set, TOggettiHel::mappaClic);
  TZEBoggetto& moved = set.moveToKind(picture, TOggettiHel::immagine);
  EXPECT_EQ(&moved, &picture);
  EXPECT_EQ(set.count(6), 1);
  EXPECT_EQ(set.slot(TOggettiHel::mappaClic, 0), nullptr);
  EXPECT_EQ(moved.Kind(), TOggettiHel::immagine);
  EXPECT_EQ(set.slot(TOggettiHel::immagine, 0), &moved);
}

TEST_F(BookObjects, LookupsRefuseOutOfRangeKindsAndIndexes) {
  addObject(set, TOggettiHel::none);
  EXPECT_EQ(set.objectByKindAndIndex(25, 0), nullptr);  // kinds 25 and 26 are never found
  EXPECT_EQ(set.objectByKindAndIndex(-1, 0), nullptr);
  EXPECT_EQ(set.objectByKindAndIndex(17, -1), nullptr);
  EXPECT_EQ(set.objectByKindAndIndex(17, 0x1000000), nullptr);
  EXPECT_EQ(set.objectById(0xFFFFFFFFu), nullptr);
  EXPECT_NE(set.objectById(objectId(TOggettiHel::stileParagrafo, 1)), nullptr);
  EXPECT_EQ(set.count(25), 1);
  EXPECT_EQ(set.count(26), 0);
}

TEST_F(BookObjects, ReleasedValuesOfEachKind) {
  set.header().setI32(1632, 7);
  TZEBoggetto& page = released(TOggettiHel::testoHtml);
  EXPECT_EQ(page.state(), 3);
  EXPECT_TRUE(page.Name().starts_with("Untitled "));
  EXPECT_EQ(page.record().i32(101), 0xC0C0C0);
  EXPECT_EQ(page.record().i32(93), 0xFF0000);
  EXPECT_EQ(page.record().i32(85), -1);
  EXPECT_EQ(page.record().u8(195), 2);
  EXPECT_EQ(page.record().i32(196), 7);
  EXPECT_EQ(page.record().i16(191), 1033);
  EXPECT_EQ(page.record().u8(189), 1);
  EXPECT_TRUE(page.isReleased());

  EXPECT_EQ(released(TOggettiHel::keyword).Name(), "-");
  EXPECT_TRUE(released(TOggettiHel::keyword).isReleased());
  EXPECT_EQ(released(TOggettiHel::mappaFrame).Name(), "Map");
  EXPECT_EQ(released(TOggettiHel::custom).Name(), "New prototype");
  TZEBoggetto& data = released(TOggettiHel::dbloc);
  EXPECT_EQ(data.Name(), "db");
  EXPECT_EQ(data.record().u8(46), 0);
  EXPECT_EQ(released(TOggettiHel::speclink).record().shortString(19, 19), "--");

  TZEBoggetto& table = released(TOggettiHel::tabellaHtml);
  EXPECT_EQ(table.state(), 0);
  EXPECT_EQ(table.record().u8(5), 1);
  EXPECT_EQ(table.record().u8(54), 1);
  EXPECT_EQ(table.record().u8(89), 100);
  EXPECT_EQ(table.record().u8(90), 2);
  EXPECT_EQ(table.record().u8(93), 1);
  EXPECT_EQ(table.record().u32(211), 0x80000014u);
  EXPECT_EQ(table.record().u8(219), 2);

  TZEBoggetto& style = released(TOggettiHel::stileParagrafo);
  EXPECT_EQ(style.record().shortString(39, 32), "Times New Roman");
  EXPECT_EQ(style.record().i16(72), 12);
  EXPECT_EQ(style.record().i16(79), -1);
  EXPECT_EQ(style.record().i32(81), 0xFF0000);
  EXPECT_EQ(style.record().i16(94), static_cast<std::int16_t>(0x8300));
  EXPECT_EQ(style.record().u8(98), 1);
  EXPECT_EQ(style.state(), 0);
}

TEST_F(BookObjects, ActivationMakesLiveWithTheBookRevision) {
  set.header().setI32(1632, 12);
  struct Case {
    TOggettiHel kind;
    int state;
    int revisionOffset;
  };
  for (const Case& c : {Case{TOggettiHel::testoHtml, 0, 196}, Case{TOggettiHel::genLink, 4, 89},
                        Case{TOggettiHel::immagine, 0, 77}, Case{TOggettiHel::tabellaHtml, 2, -1},
                        Case{TOggettiHel::mappaFrame, 2, -1}, Case{TOggettiHel::speclink, 1, -1},
                        Case{TOggettiHel::dbloc, 7, -1}, Case{TOggettiHel::multiMedia, 1, -1}}) {
    TZEBoggetto& object = addObject(set, c.kind);
    EXPECT_EQ(object.state(), c.state) << kindName(c.kind);
    EXPECT_FALSE(object.isReleased()) << kindName(c.kind);
    if (c.revisionOffset >= 0) {
      EXPECT_EQ(object.record().i32(c.revisionOffset), 12) << kindName(c.kind);
    }
  }
  auto& page = static_cast<TZEBtesto&>(addObject(set, TOggettiHel::testoHtml));
  EXPECT_EQ(page.textView(), std::string_view("<Z S0 >\0", 8));
  EXPECT_EQ(page.Size(), 8);
}

TEST_F(BookObjects, ReleasingAPlacementReleasesTheLinkActionsOfItsZones) {
  TZEBoggetto& action = addObject(set, TOggettiHel::speclink);
  TZEBoggetto& other = addObject(set, TOggettiHel::speclink);
  TZEBoggetto& keyword = addObject(set, TOggettiHel::keyword);
  keyword.setName("word");
  TZEBoggetto& placement = addObject(set, TOggettiHel::immagineNew);
  placement.record().setI32(73, static_cast<std::int32_t>(action.ID()));
  placement.record().setI32(73 + 16, static_cast<std::int32_t>(keyword.ID()));  // not an action: kept
  placement.Release();
  EXPECT_TRUE(action.isReleased());
  EXPECT_FALSE(other.isReleased());
  EXPECT_FALSE(keyword.isReleased());

  TZEBoggetto& button = addObject(set, TOggettiHel::bottoneCGI);
  button.record().setI32(181, static_cast<std::int32_t>(other.ID()));
  button.Release();
  EXPECT_TRUE(other.isReleased());
}

TEST_F(BookObjects, ReleaseDropsBlobsAndTheExternalFile) {
  TZEBoggetto& file = addObject(set, TOggettiHel::genLink);
  const std::uint8_t bytes[] = {1, 2, 3};
  file.setPrimaryData(bytes);
  file.setExternalFileName("/tmp/x");
  file.Release();
  EXPECT_TRUE(file.primaryBlob().empty());
  EXPECT_TRUE(file.externalFileName().empty());
  EXPECT_EQ(file.state(), 5);
}

TEST_F(BookObjects, LinkActionsAndPanelElementsBuildTheirNames) {
  TZEBtesto& page = zebmake::addPage(set, "Chapter one", "<Z S0 >");
  TZEBoggetto& goTo = addObject(set, TOggettiHel::speclink);
  goTo.record().setI32(13, static_cast<std::int32_t>(page.ID()));
  EXPECT_EQ(goTo.Name(), "Chapter one");
  goTo.record().setU8(18, 6);
  EXPECT_EQ(goTo.Name(), "--");

  TZEBoggetto& close = addObject(set, TOggettiHel::speclink);
  close.record().setU8(4, 2);
  close.record().setShortString(19, 19, "popup");
  EXPECT_EQ(close.Name(), "Close window: popup");

  TZEBoggetto& panel = addObject(set, TOggettiHel::shortObj);
  auto named = [&](int subtype, std::int32_t value) {
    panel.record().setU8(4, static_cast<std::uint8_t>(subtype));
    panel.record().setI32(5, value);
    return panel.Name();
  };
  const auto pageId = static_cast<std::int32_t>(page.ID());
  EXPECT_EQ(named(13, pageId), "Chapter one");
  EXPECT_EQ(named(14, 7), "Anchor: a7");
  EXPECT_EQ(named(21, pageId), "Image reference: Chapter one");
  EXPECT_EQ(named(23, pageId), "Put here the text of page #: Chapter one");
  EXPECT_EQ(named(25, 0), "X size");
  EXPECT_EQ(named(26, 0), "Y size");
  EXPECT_EQ(named(27, 3), "File #3");
  const std::string fileText = "readme.txt";
  panel.setPrimaryData({reinterpret_cast<const std::uint8_t*>(fileText.data()), fileText.size()});
  EXPECT_EQ(named(28, 3), "readme.txt");
  const std::string tree = "a0,-2,My contents\r\na1,5,x\r\n";
  panel.setPrimaryData({reinterpret_cast<const std::uint8_t*>(tree.data()), tree.size()});
  EXPECT_EQ(named(10, 0), "My contents");
}

TEST_F(BookObjects, NamesThatReferToThemselvesEndInsteadOfLooping) {
  TZEBoggetto& first = addObject(set, TOggettiHel::shortObj);
  TZEBoggetto& second = addObject(set, TOggettiHel::shortObj);
  first.record().setU8(4, 13);
  second.record().setU8(4, 13);
  first.record().setI32(5, static_cast<std::int32_t>(second.ID()));
  second.record().setI32(5, static_cast<std::int32_t>(first.ID()));
  EXPECT_EQ(first.Name(), "");
}

TEST_F(BookObjects, LocalReferencesResolveThroughTheOwningText) {
  TZEBtesto& page = zebmake::addPage(set, "Page", "<Z S0 >");
  auto link = set.makeObject(TOggettiHel::internetLink);
  link->Release();
  link->Activate();
  link->setName("http://example.org");
  const std::uint32_t number = page.registerLocal(std::move(link));
  EXPECT_EQ(number, 0x6F000000u);
  TZEBoggetto* local = page.localObject(number);
  ASSERT_NE(local, nullptr);
  EXPECT_EQ(local->LocalNumber(), 0x6F000000);
  EXPECT_EQ(local->owningText(), &page);
  EXPECT_EQ(local->resolveReference(0x6F000000u), local);
  EXPECT_EQ(local->resolveReference(0x6F000001u), nullptr);
  EXPECT_EQ(local->resolveReference(page.ID()), &page);
  EXPECT_EQ(local->resolveReference(0x08000000u), nullptr);
}

TEST_F(BookObjects, AttributesComeAfterTheLengthPrefixedBlock) {
  TZEBoggetto& placement = addObject(set, TOggettiHel::immagineNew);
  placement.setSecondaryData(zebmake::attributeBlob("XYZ", "Alt=\"A sunrise\"\r\nexternalfile=\"sun.gif\""));
  EXPECT_EQ(placement.attribute("alt"), "A sunrise");
  EXPECT_EQ(placement.attribute("ExternalFile"), "sun.gif");
  EXPECT_EQ(placement.attribute("missing"), "");
  EXPECT_EQ(placement.attribute("allfields"), "Alt=\"A sunrise\"\r\nexternalfile=\"sun.gif\"");

  std::vector<std::uint8_t> lying = zebmake::attributeBlob("", "a=\"1\"");
  lying[0] = 0x7F;  // a block length beyond the data
  placement.setSecondaryData(lying);
  EXPECT_EQ(placement.attribute("allfields"), "");
}

TEST_F(BookObjects, SizesByKind) {
  TZEBoggetto& file = addObject(set, TOggettiHel::genLink);
  file.record().setI32(85, 1234);
  EXPECT_EQ(file.Size(), 1234);
  TZEBoggetto& picture = addObject(set, TOggettiHel::immagine);
  picture.record().setI32(174, 99);
  EXPECT_EQ(picture.Size(), 99);
  const std::uint8_t bytes[] = {1, 2, 3, 4};
  picture.setPrimaryData(bytes);
  EXPECT_EQ(picture.Size(), 4);
  TZEBoggetto& prototype = addObject(set, TOggettiHel::custom);
  prototype.setPrimaryData(bytes);
  prototype.setSecondaryData(std::span<const std::uint8_t>(bytes, 2));
  EXPECT_EQ(prototype.Size(), 6);
  EXPECT_EQ(addObject(set, TOggettiHel::keyword).Size(), 0);
}

TEST_F(BookObjects, ReferencedPictures) {
  TZEBoggetto& picture = addObject(set, TOggettiHel::immagine);
  TZEBtesto& page = zebmake::addPage(set, "Page", "<Z S0 >");
  page.record().setI32(85, 0);
  EXPECT_EQ(page.ReferencedPicture(), &picture);
  page.record().setI32(85, -1);
  EXPECT_EQ(page.ReferencedPicture(), nullptr);

  TZEBoggetto& table = addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU32(207, 0x03000000u);
  EXPECT_EQ(table.ReferencedPicture(), &picture);
  table.record().setU32(207, 0x00FF0000u);
  EXPECT_EQ(table.ReferencedPicture(), nullptr);

  TZEBoggetto& placement = addObject(set, TOggettiHel::immagineNew);
  placement.record().setI32(0, 0);
  EXPECT_EQ(placement.ReferencedPicture(), &picture);

  TZEBoggetto& floating = addObject(set, TOggettiHel::inputStat);
  floating.record().setU8(4, 18);
  floating.record().setI32(108, page.Index());
  EXPECT_EQ(floating.ReferencedPicture(), &page);

  TZEBoggetto& media = addObject(set, TOggettiHel::multiMedia);
  media.record().setI32(17, 0);
  EXPECT_EQ(media.ReferencedPicture(), set.slot(TOggettiHel::testoHtml, 0));
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::information, "bug in aux"}}));
}

TEST_F(BookObjects, AttachingBlobsTwiceIsRefused) {
  TZEBoggetto& prototype = addObject(set, TOggettiHel::custom);
  const std::uint8_t bytes[] = {9};
  prototype.setPrimaryData(bytes);
  RecordSource source;
  std::vector<std::uint8_t> record(668, 0);
  record[4] = 1;
  record[13] = 1;  // a primary blob of one byte at position 0
  source.stored = record;
  source.storedSize = 668;
  source.fileSize = 10;
  prototype.readFromBook(source);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::error, "Errore, oggetto non risulta libero!"}}));
  EXPECT_EQ(prototype.primaryData()[0], 9);
}

}  // namespace
}  // namespace zeb
