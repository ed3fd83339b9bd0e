// Copying a selection: the "Nexo30 objects" stream with the objects the selection uses, the
// converters for RTF and plain text, the Wrapper rule and a single picture.
#include "text/selection_copy.h"

#include <gtest/gtest.h>

#include "document/byte_reader.h"
#include "platform/clipboard.h"
#include "tests/text/box_test_support.h"
#include "text/clipboard_converters.h"

namespace zeb {
namespace {

using testing::BoxTest;

struct ParsedStream {
  std::uint32_t version = 0;
  std::vector<std::int32_t> localNumbers;
  std::vector<std::vector<std::uint8_t>> linkRecords;
  std::vector<std::vector<std::uint8_t>> records;
  std::vector<std::uint32_t> embeddedReferences;
  std::int32_t paragraphs = 0;
  std::string markup;
};

ParsedStream parse(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes);
  ParsedStream parsed;
  parsed.version = in.readU32();
  for (std::uint32_t n = in.readU32(); n > 0; --n) {
    parsed.localNumbers.push_back(in.readI32());
    parsed.linkRecords.push_back(in.readVector(recordSize));
  }
  for (std::uint32_t n = in.readU32(); n > 0; --n) parsed.records.push_back(in.readVector(recordSize));
  for (std::uint32_t n = in.readU32(); n > 0; --n) {
    parsed.embeddedReferences.push_back(in.readU32());
    in.skip(recordSize);
  }
  parsed.paragraphs = in.readI32();
  const auto rest = in.readBytes(in.remaining());
  EXPECT_FALSE(rest.empty());
  EXPECT_EQ(rest.back(), 0);
  parsed.markup.assign(rest.begin(), rest.end() - 1);
  return parsed;
}

std::vector<std::uint8_t> recordOf(const TZEBoggetto& object) {
  return {object.record().bytes().begin(), object.record().bytes().end()};
}

class SelectionCopy : public BoxTest {
 protected:
  // "abcd" with "cd" linked to a hyperlink, then "ef" linked to a link action that goes to a
  // third hyperlink, a picture, and "gh".
  void showLinkedPage() {
    const std::string first = localLink("nexo:|1");
    auto target = set.makeObject(TOggettiHel::internetLink);
    target->Activate();
    const std::uint32_t third = page->registerLocal(std::move(target));
    auto action = set.makeObject(TOggettiHel::speclink);
    action->Activate();
    action->record().setU32(field::actionTarget, third);
    const std::uint32_t second = page->registerLocal(std::move(action));
    picture = &pictureObject(4, 4, 0x0000FF);
    show(tag("") + "ab" + first + "cd<%>" + tag("N6 ") + linkTag(second) + "ef<%>" + embeddedPicture(*picture, 4, 4) +
         "gh");
  }
  TZEBoggetto* picture = nullptr;
};

TEST_F(SelectionCopy, TheObjectStreamCarriesTheObjectsTheSelectionUses) {
  showLinkedPage();
  box->SelectRange(0, 1, 1, 5);
  const ParsedStream stream = parse(selectionObjectStream(*box));
  EXPECT_EQ(stream.version, 1u);
  // The link action brings the hyperlink it goes to.
  EXPECT_EQ(stream.localNumbers, (std::vector<std::int32_t>{0x6F000000, 0x6F000002, 0x6F000001}));
  EXPECT_EQ(stream.linkRecords[1], recordOf(*page->localObject(0x6F000002)));
  ASSERT_EQ(stream.records.size(), 2u);
  EXPECT_EQ(stream.records[0], recordOf(*set.slot(TOggettiHel::stileParagrafo, plainStyle)));
  EXPECT_EQ(stream.records[1], recordOf(*picture));
  EXPECT_EQ(stream.embeddedReferences, (std::vector<std::uint32_t>{0xFF000000u}));
  EXPECT_EQ(stream.paragraphs, 2);
  EXPECT_EQ(stream.markup, selectionMarkup(*box));
  EXPECT_EQ(stream.markup.substr(0, tag("").size()), tag(""));
  EXPECT_NE(stream.markup.find("<$FF000000>"), std::string::npos);
}

TEST_F(SelectionCopy, ACopyPutsTheStreamRtfAndPlainTextOnTheClipboard) {
  showLinkedPage();
  box->SelectRange(0, 1, 1, 5);
  ClipboardConverters& converters = clipboardConverters();
  const ClipboardConverters saved = converters;
  std::string convertedMarkup;
  converters.toRtf = [&](const ConversionSource& source, std::string_view markup) {
    EXPECT_EQ(source.text, page.get());
    convertedMarkup = markup;
    return std::optional<std::string>(std::string("{\\rtf1 x}") + '\0');
  };
  const int notified = frames.currentControlCalls;
  box->CopySelection();
  converters = saved;

  EXPECT_EQ(platform.clipboard.format(objectsFormat), selectionObjectStream(*box));
  const std::string rtf = "{\\rtf1 x}";
  EXPECT_EQ(platform.clipboard.rtf(), std::vector<std::uint8_t>(rtf.begin(), rtf.end()));
  EXPECT_EQ(convertedMarkup, selectionMarkup(*box));
  EXPECT_EQ(platform.clipboard.plainText(), "bcd\r\nefgh");
  EXPECT_FALSE(platform.clipboard.picture());
  EXPECT_EQ(frames.currentControlCalls, notified + 1);
  EXPECT_EQ(box->UpdateLock(), 0);
}

TEST_F(SelectionCopy, AWrapperGetsOnlyPlainTextAndASinglePictureIsCopiedAsAPicture) {
  showLinkedPage();
  box->SelectRange(1, 2, 1, 3);
  box->CopySelection();
  ASSERT_TRUE(platform.clipboard.picture());
  EXPECT_EQ(platform.clipboard.picture()->width, 4);
  EXPECT_EQ(platform.clipboard.plainText(), "");

  frames.wrapper = true;
  box->SelectRange(0, 0, 0, 4);
  box->CopySelection();
  EXPECT_FALSE(platform.clipboard.format(objectsFormat));
  EXPECT_FALSE(platform.clipboard.picture());
  EXPECT_EQ(platform.clipboard.plainText(), "abcd");

  // Nothing selected: the clipboard keeps what it has.
  box->ClearSelection();
  box->CopySelection();
  EXPECT_EQ(platform.clipboard.plainText(), "abcd");
}

TEST(PlainTextStandIn, KeepsTheCharactersWithLineBreaksBetweenParagraphs) {
  EXPECT_EQ(plainTextOfMarkup("<Z S0 >a &lt; b<Y s12 >&amp;<Z S1 A2 >c<Dskip<d>d"), "a < b&\r\ncd");
  EXPECT_EQ(plainTextOfMarkup("no tags"), "no tags");
  EXPECT_EQ(plainTextOfMarkup(std::string_view("<Z S0 >x\0y", 10)), "x");
  EXPECT_EQ(plainTextOfMarkup("<Z S0 >open<Y"), "open");
}

}  // namespace
}  // namespace zeb
