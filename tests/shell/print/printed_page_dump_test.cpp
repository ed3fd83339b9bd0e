// A page with everything a printed page can hold, on a 254-dot printer (a screen pixel is
// 2.6458 printer pixels), compared call by call with the expected dump in print_dumps/; run
// with BRIGHTFOLD_REWRITE_DUMPS=1 to rewrite it after a deliberate change.
#include <filesystem>

#include "document/byte_reader.h"
#include "tests/shell/print/print_test_support.h"
#include "tests/support/expected_dump.h"

namespace zeb::testing {
namespace {

class PrintedPage : public PrintTest {
 protected:
  void expectDump(const std::string& name, const RecordingPrinter& printed) {
    std::string dump;
    for (std::size_t i = 0; i < printed.sheets().size(); ++i) {
      dump += "sheet " + std::to_string(i + 1) + "\n" + printed.sheets()[i]->dump();
    }
    expectSameAsDump(dump, std::filesystem::path(PRINT_DUMPS_DIR) / (name + ".txt"));
  }

  // A 2 x 2 table with borders, a first column of 60 pixels and a second that takes the rest,
  // the cells coloured by its data: red, none, blue, picture.
  std::string table(const TZEBoggetto& tile) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::tabellaHtml);
    ObjectRecord& record = object.record();
    record.setU8(field::tableRows, 2);
    record.setU8(field::tableColumns, 2);
    record.setU8(field::tableBorderWidth, 1);
    record.setU8(field::tableWidthPercent, 50);
    record.setU32(field::tableColour, 0xEEEEEE);
    record.setU8(field::tableColumnModes, 1);
    record.setI16(field::tableColumnValues, 60);
    record.setU8(field::tableColumnModes + 1, 2);
    ByteWriter codes;
    for (std::uint32_t code :
         {0x0000FFu, 0xFFFFFFFFu, 0xFF0000u, 0x3000000u | static_cast<std::uint32_t>(tile.Index())})
      codes.writeU32(code);
    object.setPrimaryData(codes.bytes());
    record.setI32(field::tableHasPrimary, 1);
    record.setI16(field::tablePrimarySize, 16);
    std::string text = idTag(object.ID());
    for (const char* cell : {"one", "two", "three four five six", "seven"}) text += paragraph() + cell + "<T>";
    return text;
  }
};

TEST_F(PrintedPage, HeaderRunsLinksListsTablePictureAndFooter) {
  TZEBtesto& header = addPage(paragraph("A2 ") + "Header", "header");
  TZEBtesto& footer = addPage(paragraph("A1 ") + "Footer", "footer");
  TZEBoggetto& tile = pictureObject(80, 12, 0x00AA00);
  TZEBoggetto& picture = pictureObject(40, 20);
  const std::string body =
      paragraph("t4 ") + "Plain <Y g1 >bold<Y > and " + idTag(header.ID()) + "linked<%> text" +
      paragraph("A3 l10 r10 ") +
      "Justified text, which the printed page shares out over two lines: the first line ends where the next word "
      "would not fit, and its blanks take what is left over, one pixel more each for the first "
      "ones; the last line is not justified." +
      paragraph("N10 l30 ") + "bullet" + paragraph("N6 I-20 l30 ") + "number" + paragraph() + table(tile) + " " +
      placementTag(picture, 40, 20);
  TZEBtesto& page = addPage(body, "everything");
  page.record().setI32(field::pageHeaderPage, header.Index());
  page.record().setI32(field::pageFooterPage, footer.Index());
  page.record().setU32(field::pageBackgroundColour, 0xF0F0F0);

  RecordingPrinter fine(254, 254, 127);
  TZEBpageP pagePrinter(set, fine);
  pagePrinter.setOptions({.background = true, .tableBackground = true});
  pagePrinter.PrintPage(&page, &setup);
  expectDump("everything", fine);
}

}  // namespace
}  // namespace zeb::testing
