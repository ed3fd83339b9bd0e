// Opening books: the header check and its messages, empty files, version-1 upgrades,
// style records, and the state a failed load leaves behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/book_file.h"
#include "document/container.h"
#include "document/messages.h"
#include "document/named_files.h"
#include "document/page_object.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

using testing::bookBytes;
using testing::patchI16;

class ContainerLoad : public ::testing::Test {
 protected:
  std::string write(const std::vector<std::uint8_t>& bytes, std::string_view name = "book.zeb") {
    return folder.write(name, bytes).string();
  }
  std::vector<ShownMessage> messages() const { return platform.messages.shown(); }
  ShownMessage errorReading(const std::string& path) const {
    return {MessageKind::information, std::string(messages::errorReadingFile) + path};
  }
  void expectEmptyBook() const {
    EXPECT_TRUE(set.ZEBFileName().empty());
    EXPECT_EQ(set.count(0), 0);
    EXPECT_EQ(set.header().title(), "Untitled");
    EXPECT_EQ(set.bookFile(), nullptr);
    ASSERT_NE(set.defaultStyle(0), nullptr);
    EXPECT_EQ(set.defaultStyle(0)->Name(), "[no style]");
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set{platform.services()};
};

TEST_F(ContainerLoad, NewBookHasEveryHeaderDefault) {
  const BookHeader& header = set.header();
  EXPECT_EQ(std::string(header.bytes().begin(), header.bytes().begin() + 4), "QUIR");
  EXPECT_EQ(header.title(), "Untitled");
  EXPECT_EQ(header.u8(1620), 26);
  EXPECT_EQ(set.Version(), 2);
  EXPECT_EQ(header.revision(), 2);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(header.u8(1636 + i), (std::array<int, 6>{0, 0, 0, 1, 0, 1}[i]));
  EXPECT_EQ(header.shortString(1642, 39), "Courier New");
  EXPECT_EQ(header.shortString(1682, 39), "Times New Roman");
  EXPECT_EQ(header.i32(1724), -1);
  EXPECT_EQ(header.i32(1728), -1);
  EXPECT_EQ(header.i32(1736), 0xC0C0C0);
  EXPECT_EQ(header.i32(1740), -1);
  EXPECT_EQ(header.i16(1744), 1033);
  EXPECT_EQ(header.i32(1750), 0xFF0000);
  EXPECT_EQ(header.i32(1754), 0x0000FF);
  EXPECT_EQ(header.u8(1762), 1);
  EXPECT_EQ(header.u8(1784), 1);
  EXPECT_EQ(header.shortString(1540, 79), "tester");
  EXPECT_EQ(set.MaxCacheImg(), 20);

  ASSERT_EQ(set.count(kindNumber(TOggettiHel::stileParagrafo)), 2);
  EXPECT_EQ(set.defaultStyle(1)->Name(), "[no style intab]");
  EXPECT_EQ(set.defaultStyle(1)->record().i16(86), 0);
  EXPECT_EQ(set.defaultStyle(0)->record().i16(86), 10);
  EXPECT_EQ(set.defaultStyle(0)->state(), 1);

  TZEBoggetto& names = set.namedFileList();
  EXPECT_EQ(names.ID(), static_cast<std::uint32_t>(header.i32(1758)));
  EXPECT_EQ(names.record().u8(46), 1);
  EXPECT_EQ(namedFileValue(names, "INDEX"), "index.htm");
  EXPECT_EQ(namedFileValue(names, "cart"), "js.js");
}

TEST_F(ContainerLoad, NewFiresBothEventsAroundTheDefaults) {
  std::vector<std::string> events;
  set.OnBeforeNew = [&] { events.push_back("before"); };
  set.OnAfterNew = [&] { events.push_back("after:" + std::to_string(set.count(17))); };
  set.New();
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after:2"}));
}

TEST_F(ContainerLoad, MissingFileWarnsAndKeepsTheBookShown) {
  const std::string good = write(bookBytes([](TZEBset& book) { zebmake::addPage(book, "One", "<Z S0 >x"); }));
  ASSERT_TRUE(set.Load(good));
  platform.messages.clear();
  const std::string missing = (folder.path() / "nowhere.zeb").string();
  EXPECT_FALSE(set.Load(missing));
  EXPECT_EQ(messages(), (std::vector<ShownMessage>{{MessageKind::warning, missing + " doesn't exist"}}));
  EXPECT_EQ(set.ZEBFileName(), good);
  EXPECT_EQ(set.count(0), 1);
}

TEST_F(ContainerLoad, FileShorterThanTheHeaderFailsWithTheGenericMessageOnly) {
  for (const std::size_t size : {std::size_t{1}, std::size_t{100}, std::size_t{1977}}) {
    platform.messages.clear();
    auto bytes = bookBytes(nullptr);
    bytes.resize(size);
    const std::string path = write(bytes);
    EXPECT_FALSE(set.Load(path));
    EXPECT_EQ(messages(), std::vector<ShownMessage>{errorReading(path)}) << size;
    expectEmptyBook();
  }
}

TEST_F(ContainerLoad, EmptyFileOpensAsANewBookBoundToItsPath) {
  const std::string path = write({}, "My Book.zeb");
  EXPECT_TRUE(set.Load(path));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(set.ZEBFileName(), path);
  EXPECT_EQ(set.count(0), 0);
  EXPECT_EQ(set.ExpPrefix(), "my_book");
}

TEST_F(ContainerLoad, MagicIsComparedAfterUpperCasing) {
  auto bytes = bookBytes([](TZEBset& book) { zebmake::addPage(book, "Only", "<Z S0 >x"); });
  std::copy_n("quIr", 4, bytes.begin());
  EXPECT_TRUE(set.Load(write(bytes)));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(set.count(0), 1);
}

TEST_F(ContainerLoad, WrongMagicIsUnrecognizedThenAnErrorReading) {
  auto bytes = bookBytes(nullptr);
  std::copy_n("QUIZ", 4, bytes.begin());
  const std::string path = write(bytes);
  EXPECT_FALSE(set.Load(path));
  EXPECT_EQ(messages(), (std::vector<ShownMessage>{{MessageKind::information, "Unrecognized format."},
                                                    errorReading(path)}));
  expectEmptyBook();
}

TEST_F(ContainerLoad, NewerVersionIsRefusedWithAnErrorBox) {
  auto bytes = bookBytes(nullptr);
  patchI16(bytes, 1621, 3);
  const std::string path = write(bytes);
  EXPECT_FALSE(set.Load(path));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].kind, MessageKind::error);
  EXPECT_TRUE(messages()[0].text.starts_with("Unsupported file.\r"));
  EXPECT_EQ(messages()[1], errorReading(path));
}

TEST_F(ContainerLoad, TooManyKindsIsRefusedWithAnInformationBox) {
  auto bytes = bookBytes(nullptr);
  bytes[1620] = 27;
  const std::string path = write(bytes);
  EXPECT_FALSE(set.Load(path));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0], (ShownMessage{MessageKind::information, std::string(messages::unsupportedFile)}));
}

TEST_F(ContainerLoad, VersionOneBeforeKindEightIsRefusedInItalian) {
  auto bytes = bookBytes(nullptr, [] {
    zebmake::WriteOptions options;
    options.kindsInTable = 8;  // byte 1620 = 7
    return options;
  }());
  patchI16(bytes, 1621, 1);
  const std::string path = write(bytes);
  EXPECT_FALSE(set.Load(path));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].text,
            "Attenzione: file salvato con una versione del programma\r"
            "anteriore alla 0.98. Non pi\xF9 supportato. UNSUPPORTED\r");
  EXPECT_EQ(messages()[1], errorReading(path));
}

TEST_F(ContainerLoad, VersionOneIsUpgradedHeaderAndObjects) {
  auto bytes = bookBytes([](TZEBset& book) {
    book.header().setShortString(1380, 79, "Company");
    book.header().setShortString(1460, 79, "(c)");
    book.header().setI32(1342, 77);
    book.header().setI32(1736, 0x123456);
    zebmake::addPage(book, "Page", "<Z S0 >x");
    zebmake::addObject(book, TOggettiHel::immagine).setName("new picture");
    for (const char* name : {"first map", "second map"}) {
      TZEBoggetto& old = zebmake::addObject(book, TOggettiHel::mappaClic);
      old.record().setShortString(5, 71, name);
      old.setFileName(std::string(name) + ".gif");
    }
    zebmake::addObject(book, TOggettiHel::zipLink).setName("old.zip");
    book.header().setI16(1621, 1);
    book.header().setI32(1632, 9);
  });
  const std::string path = write(bytes, "Old-Book.ZEB");
  ASSERT_TRUE(set.Load(path));
  EXPECT_TRUE(messages().empty());

  EXPECT_EQ(set.header().shortString(1540, 79), "");
  EXPECT_EQ(set.header().shortString(1380, 79), "");
  EXPECT_EQ(set.header().shortString(1460, 79), "");
  EXPECT_EQ(set.header().i32(1342), 0);
  EXPECT_EQ(set.header().i32(1736), 0xC0C0C0);
  EXPECT_EQ(set.ExpPrefix(), "old-book");

  EXPECT_EQ(set.count(kindNumber(TOggettiHel::mappaClic)), 0);
  EXPECT_EQ(set.count(kindNumber(TOggettiHel::zipLink)), 0);
  ASSERT_EQ(set.count(kindNumber(TOggettiHel::immagine)), 3);
  TZEBoggetto* moved = set.objectById(objectId(TOggettiHel::mappaClic, 1));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->Kind(), TOggettiHel::immagine);
  EXPECT_EQ(moved->Index(), 2);
  EXPECT_EQ(moved->record().i32(662), 1);
  EXPECT_EQ(moved->record().u8(666), 0);
  EXPECT_EQ(moved->record().i32(77), 8);
  EXPECT_EQ(set.objectByKindAndIndex(6, 0)->record().shortString(5, 71), "first map");
  TZEBoggetto* file = set.objectById(objectId(TOggettiHel::zipLink, 0));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Kind(), TOggettiHel::genLink);
  EXPECT_EQ(file->Name(), "old.zip");
}

TEST_F(ContainerLoad, UpgradedPictureTakesTheFirstReleasedSlot) {
  auto bytes = bookBytes([](TZEBset& book) {
    zebmake::addObject(book, TOggettiHel::immagine).setName("kept");
    auto released = book.makeObject(TOggettiHel::immagine);
    released->Release();
    book.Register(std::move(released));
    zebmake::addObject(book, TOggettiHel::mappaClic).setName("old");
    book.header().setI16(1621, 1);
  });
  ASSERT_TRUE(set.Load(write(bytes)));
  ASSERT_EQ(set.count(5), 2);
  EXPECT_EQ(set.objectById(objectId(TOggettiHel::mappaClic, 0)), set.slot(TOggettiHel::immagine, 1));
}

TEST_F(ContainerLoad, KindWithoutRecordsHasAnEmptyList) {
  ASSERT_TRUE(set.Load(write(bookBytes([](TZEBset& book) { zebmake::addPage(book, "P", "<Z S0 >"); }))));
  EXPECT_EQ(set.count(kindNumber(TOggettiHel::tabellaHtml)), 0);
  EXPECT_EQ(set.objectByKindAndIndex(8, 0), nullptr);
  EXPECT_EQ(set.count(26), 0);
}

TEST_F(ContainerLoad, RecordsSpanningManyReadsAreAllRead) {
  // 3,500 records of 668 bytes take two reads and part of a third; records longer than a
  // read are each read alone, only their first 668 bytes.
  constexpr int keywords = 3500;
  auto fill = [](TZEBset& book) {
    for (int i = 0; i < keywords; ++i) zebmake::addObject(book, TOggettiHel::keyword).setName("k" + std::to_string(i));
  };
  ASSERT_TRUE(set.Load(write(bookBytes(fill), "many.zeb")));
  ASSERT_EQ(set.count(kindNumber(TOggettiHel::keyword)), keywords);
  for (const int i : {0, 1568, 1569, 3137, 3138, keywords - 1})
    EXPECT_EQ(set.objectByKindAndIndex(kindNumber(TOggettiHel::keyword), i)->Name(), "k" + std::to_string(i));

  zebmake::WriteOptions longRecords;
  longRecords.recordSizes[kindNumber(TOggettiHel::keyword)] = (1 << 20) + 4;
  auto fillLong = [](TZEBset& book) {
    for (int i = 0; i < 3; ++i) zebmake::addObject(book, TOggettiHel::keyword).setName("long" + std::to_string(i));
  };
  ASSERT_TRUE(set.Load(write(bookBytes(fillLong, longRecords), "long.zeb")));
  ASSERT_EQ(set.count(kindNumber(TOggettiHel::keyword)), 3);
  EXPECT_EQ(set.objectByKindAndIndex(kindNumber(TOggettiHel::keyword), 2)->Name(), "long2");
  EXPECT_TRUE(messages().empty());
}

TEST_F(ContainerLoad, AFifoIsNoBookAndIsNotWaitedOn) {
  // A link can name any path; opening a FIFO that nobody writes to would wait for ever.
  const std::filesystem::path fifo = folder.path() / "pipe.zeb";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(TZEBset::PageNameFromFile(fifo, 0), "");
  EXPECT_FALSE(set.Load(fifo.string()));
  EXPECT_EQ(messages(), std::vector<ShownMessage>{errorReading(fifo.string())});
}

TEST_F(ContainerLoad, BookWithOneStyleRecordFailsAndWithNoneGetsTheDefaults) {
  auto bytes = bookBytes(nullptr);
  const std::size_t styles = testing::kindTableEntry(17);
  testing::patchI32(bytes, styles + 8, 1);
  const std::string one = write(bytes, "one.zeb");
  EXPECT_FALSE(set.Load(one));
  EXPECT_EQ(messages(), std::vector<ShownMessage>{errorReading(one)});

  platform.messages.clear();
  testing::patchI32(bytes, styles + 8, 0);
  ASSERT_TRUE(set.Load(write(bytes, "none.zeb")));
  EXPECT_EQ(set.count(17), 2);
  EXPECT_EQ(set.defaultStyle(0)->Name(), "[no style]");
  EXPECT_EQ(set.defaultStyle(1)->Name(), "[no style intab]");
}

TEST_F(ContainerLoad, LoadedBookKeepsItsFileOpenForFileBackedBlobs) {
  auto bytes = bookBytes([](TZEBset& book) {
    TZEBoggetto& file = zebmake::addObject(book, TOggettiHel::genLink);
    file.setName("notes.txt");
    const std::string text = "stored without any coding";
    file.setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  });
  const std::string path = write(bytes);
  ASSERT_TRUE(set.Load(path));
  EXPECT_EQ(set.ZEBFileName(), path);
  ASSERT_NE(set.bookFile(), nullptr);
  TZEBoggetto* file = set.objectByKindAndIndex(3, 0);
  ASSERT_TRUE(file->primaryBlob().isFileBacked());
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(file->readPrimary(data));
  EXPECT_EQ(std::string(data.begin(), data.end()), "stored without any coding");
  set.Clear();
  EXPECT_EQ(set.bookFile(), nullptr);
  EXPECT_TRUE(set.ZEBFileName().empty());
}

TEST_F(ContainerLoad, OpeningThroughTheFileNameFiresBeforeNewFirst) {
  const std::string path = write(bookBytes([](TZEBset& book) { zebmake::addPage(book, "P", "<Z S0 >"); }));
  int before = 0;
  int after = 0;
  set.OnBeforeNew = [&] { ++before; };
  set.OnAfterNew = [&] { ++after; };
  EXPECT_TRUE(set.setZEBFileName(path));
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(set.ZEBFileName(), path);
}

TEST_F(ContainerLoad, ABookReadAsideIsTakenWithItsObjectsAndItsFile) {
  const std::string path = write(bookBytes([](TZEBset& book) {
    zebmake::addPage(book, "Taken", "<Z S0 >text");
    zebmake::addObject(book, TOggettiHel::genLink).setPrimaryData(std::vector<std::uint8_t>{'o', 'k'});
  }));
  std::string events;
  set.OnBeforeNew = [&] { events += "before " + std::to_string(set.count(0)) + ";"; };
  set.OnAfterNew = [&] { events += "after " + std::to_string(set.count(0)) + ";"; };
  zebmake::addPage(set, "Shown before", "<Z S0 >");
  zebmake::addPage(set, "And another", "<Z S0 >");
  {
    TZEBset aside(platform.services());
    ASSERT_TRUE(aside.Load(path));
    set.takeBookFrom(aside);
    EXPECT_TRUE(aside.ZEBFileName().empty());
    EXPECT_EQ(aside.count(0), 0);
    EXPECT_NE(aside.defaultStyle(0), nullptr);
  }
  EXPECT_EQ(events, "before 2;after 1;");
  EXPECT_EQ(set.ZEBFileName(), path);
  TZEBoggetto* page = set.objectByKindAndIndex(0, 0);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Container(), &set);
  EXPECT_EQ(page->Name(), "Taken");
  EXPECT_EQ(set.defaultStyle(0)->Container(), &set);
  // The blobs are read from the file the other container opened, after it has gone.
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(set.objectByKindAndIndex(3, 0)->readPrimary(data));
  EXPECT_EQ(std::string(data.begin(), data.end()), "ok");
}

TEST_F(ContainerLoad, PageNameIsReadStraightFromAFile) {
  const std::string path = write(bookBytes([](TZEBset& book) {
    zebmake::addPage(book, "First", "<Z S0 >");
    zebmake::addPage(book, "Second", "<Z S0 >");
    zebmake::addObject(book, TOggettiHel::keyword).setName("word");
    // Its record follows the pages' and holds a name where a page's name lies.
    zebmake::addObject(book, TOggettiHel::internetLink).setName("Hyperlink");
  }));
  EXPECT_EQ(TZEBset::PageNameFromFile(path, 1), "Second");
  EXPECT_EQ(TZEBset::PageNameFromFile(path, 2), "");  // one past the last page
  EXPECT_EQ(TZEBset::PageNameFromFile(path, -1), "");
  EXPECT_EQ(TZEBset::PageNameFromFile(path, objectId(TOggettiHel::keyword, 0)), "");
  EXPECT_EQ(TZEBset::PageNameFromFile(folder.path() / "missing.zeb", 0), "");

  auto newer = testing::readBytes(path);
  patchI16(newer, 1621, 3);
  EXPECT_EQ(TZEBset::PageNameFromFile(write(newer, "newer.zeb"), 0), "");
}

}  // namespace
}  // namespace zeb
