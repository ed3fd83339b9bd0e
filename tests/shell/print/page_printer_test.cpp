// Printing a page: its layout on the sheets of a recording printer, sheets and windows,
// list markers, pictures at the image scale, tables over several sheets, backgrounds.
#include "shell/messages.h"
#include "shell/print/print_job.h"
#include "tests/shell/print/print_test_support.h"
#include "tests/support/temporary_folder.h"
#include "tools/zebmake/picture_maker.h"
#include "view/visual_size.h"

namespace zeb::testing {
namespace {

using PagePrinter = PrintTest;
using ::testing::ElementsAre;

// The text calls of a sheet, blanks left out.
std::vector<std::string> words(const RecordingCanvas& sheet) {
  std::vector<std::string> found;
  for (const std::string& call : sheet.calls("text")) {
    if (call.find("\" \"") == std::string::npos) found.push_back(call);
  }
  return found;
}

TEST_F(PagePrinter, LaysTheTextOutInThePrintableArea) {
  print(addPage(paragraph("l20 ") + "Hello world" + paragraph("A2 ") + "Centre" + paragraph("A1 r8 ") + "Right"));
  ASSERT_EQ(printer.jobs().size(), 1u);
  EXPECT_EQ(printer.jobs()[0].title, "Brightfold, pag: page");
  EXPECT_TRUE(printer.jobs()[0].ended);
  ASSERT_EQ(printer.sheets().size(), 1u);
  // 768 pixels wide from x 96; 20-pixel lines from y 96.
  EXPECT_THAT(sheetCalls(0, "text"), ElementsAre("text 116,96 \"Hello\"", "text 166,96 \" \"", "text 176,96 \"world\"",
                                                 "text 450,116 \"Centre\"", "text 806,136 \"Right\""));
}

TEST_F(PagePrinter, ALongPageGoesOnOverASecondSheetWithTheBackgroundOnBoth) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += paragraph() + "p" + std::to_string(10 + i);
  TZEBtesto& page = addPage(text);
  page.record().setU32(field::pageBackgroundColour, 0x00FF00);
  print(page, {.background = true});

  ASSERT_EQ(printer.sheets().size(), 2u);
  for (const auto& sheet : printer.sheets()) EXPECT_EQ(sheet->calls().front(), "fill 96,96,864,384 #00FF00");
  // The 288-pixel window holds the tops of 15 lines; the line whose top lies at 280 prints
  // whole on the first sheet, and the second sheet starts at the next line.
  const auto first = words(*printer.sheets()[0]);
  ASSERT_EQ(first.size(), 15u);
  EXPECT_EQ(first.front(), "text 96,96 \"p10\"");
  EXPECT_EQ(first.back(), "text 96,376 \"p24\"");
  EXPECT_THAT(words(*printer.sheets()[1]),
              ElementsAre("text 96,108 \"p25\"", "text 96,128 \"p26\"", "text 96,148 \"p27\"", "text 96,168 \"p28\"",
                          "text 96,188 \"p29\""));
}

TEST_F(PagePrinter, SheetsHoldOnlyWhatIsPrinted) {
  // A top margin reaching over two sheets takes the paragraph to the sheet where its line
  // is, without empty sheets between; a bottom margin at the end starts no sheet.
  print(addPage(paragraph() + "a" + paragraph("t1000 b1000 ") + "b"));
  ASSERT_EQ(printer.sheets().size(), 2u);
  EXPECT_THAT(sheetCalls(0, "text"), ElementsAre("text 96,96 \"a\""));
  // The line's top is 1020; the window of the second sheet starts at 3 * 288.
  EXPECT_THAT(sheetCalls(1, "text"), ElementsAre("text 96,252 \"b\""));
}

TEST_F(PagePrinter, ConsecutiveNumberedParagraphsCountAndAPlainOneRestarts) {
  std::string text;
  for (const char* line : {"a", "a", "a"}) text += paragraph("N6 ") + line;
  text += paragraph() + "b";
  for (const char* line : {"c", "c"}) text += paragraph("N6 ") + line;
  print(addPage(text));
  // "1. " is 30 pixels wide, wider than the first-line indent: it stands left of the text.
  EXPECT_THAT(sheetCalls(0, "text"),
              ElementsAre("text 66,96 \"1. \"", "text 96,96 \"a\"", "text 66,116 \"2. \"", "text 96,116 \"a\"",
                          "text 66,136 \"3. \"", "text 96,136 \"a\"", "text 96,156 \"b\"", "text 66,176 \"1. \"",
                          "text 96,176 \"c\"", "text 66,196 \"2. \"", "text 96,196 \"c\""));
}

TEST_F(PagePrinter, ScreenLengthsBecomePrinterPixels) {
  // At 254 dots per inch a hundredth of a millimetre is 0.1 pixel: the margins are 254
  // pixels, and a screen pixel (1/96 inch) is 2.6458 printer pixels.
  RecordingPrinter fine(254, 254, 127);
  TZEBpageP pagePrinter(set, fine);
  pagePrinter.PrintPage(&addPage(paragraph("N10 l30 ") + "x" + paragraph("I-20 l30 t10 ") + "y"), &setup);
  const RecordingCanvas& sheet = *fine.sheets()[0];
  // The bullet stands 10 screen pixels (26 printer pixels) left of the 30-pixel indent (79).
  EXPECT_THAT(sheet.calls("font"), ::testing::Contains(::testing::HasSubstr("\"Wingdings\"")));
  EXPECT_THAT(sheet.calls("text"), ElementsAre("text 307,254 \"w\"", "text 333,254 \"x\"", "text 280,300 \"y\""));
}

TEST_F(PagePrinter, PicturesPrintAtTheImageScale) {
  // 254 dots per inch: 10 pixels a millimetre.
  RecordingPrinter fine(254, 254, 127);
  TZEBoggetto& picture = pictureObject(200, 100);
  TZEBtesto& page = addPage(paragraph() + placementTag(picture, 200, 100));
  TZEBpageP pagePrinter(set, fine);
  pagePrinter.PrintPage(&page, &setup);
  pagePrinter.setImageScale(5000);
  pagePrinter.PrintPage(&page, &setup);
  pagePrinter.setImageScale(1);
  EXPECT_EQ(pagePrinter.ImageScale(), PrintOptions::minimumImageScale);

  ASSERT_EQ(fine.jobs().size(), 2u);
  // 200 shown pixels: 50 mm at the default scale, 100 mm at 5000.
  EXPECT_THAT(fine.jobs()[0].sheets[0]->calls("picture"), ElementsAre("picture 254,254,754,504 from 200x100"));
  EXPECT_THAT(fine.jobs()[1].sheets[0]->calls("picture"), ElementsAre("picture 254,254,1254,754 from 200x100"));
}

TEST_F(PagePrinter, APlacementOfAPictureFileOutsideTheBookPrintsTheFile) {
  TemporaryFolder folder;
  zebmake::BmpPicture bitmap;
  bitmap.width = 40;
  bitmap.height = 20;
  bitmap.pixels.assign(40 * 20, 0xFF112233u);
  const std::string file = folder.write("outside.bmp", zebmake::makeBmp(bitmap)).string();
  std::string text = paragraph();
  for (const std::string& named : {file, file + ".missing"}) {
    TZEBoggetto& placement = zebmake::addObject(set, TOggettiHel::immagineNew);
    placement.record().setI32(field::placementPicture, -1);
    placement.setAttribute("externalfile", named);
    text += idTag(placement.ID());
  }
  RecordingPrinter fine(254, 254, 127);
  TZEBpageP(set, fine).PrintPage(&addPage(text), &setup);
  // The file's 40 x 20 pixels at the image scale; the missing file leaves the placement's
  // own size (100 x 100 shown pixels) empty; both stand on the baseline.
  EXPECT_THAT(fine.sheets()[0]->calls("picture"), ElementsAre("picture 254,454,354,504 from 40x20"));
}

TEST_F(PagePrinter, ControlsPrintAtTheirScreenSizeAsTheReaderShowsThem) {
  // 192 dots per inch: a screen pixel is two printer pixels, the margins are 192.
  RecordingPrinter fine(192, 254, 127);
  const ControlMetrics metrics = ControlMetrics::measuredWith(*set.services().measurer);
  TZEBoggetto& field = zebmake::addObject(set, TOggettiHel::inputStat);
  field.record().setU8(field::state, 1);
  field.setAttribute("size", "10");
  field.setAttribute("value", "abc");
  TZEBoggetto& marker = zebmake::addObject(set, TOggettiHel::inizioForm);
  const ObjectSize fieldSize = visualSizeOf(field, metrics, {});
  ASSERT_GT(fieldSize.width, 0);
  TZEBpageP pagePrinter(set, fine);
  pagePrinter.PrintPage(&addPage(paragraph() + idTag(marker.ID()) + idTag(field.ID()) + "x"), &setup);

  const RecordingCanvas& sheet = *fine.sheets()[0];
  // The marker is not drawn but keeps its 18 screen pixels; the field follows it at twice
  // its screen size, with its value written inside, and the text after it.
  const int left = 192 + 2 * controlSize::marker;
  const int right = left + 2 * fieldSize.width;
  bool framed = false;
  for (const std::string& call : sheet.calls("fill"))
    if (call.starts_with("fill " + std::to_string(left) + ",")) framed = true;
  EXPECT_TRUE(framed) << sheet.dump();
  EXPECT_THAT(words(sheet), ::testing::Contains(::testing::HasSubstr("\"abc\"")));
  EXPECT_THAT(words(sheet), ::testing::Contains(::testing::StartsWith("text " + std::to_string(right) + ",")));
}

TEST_F(PagePrinter, ATableTallerThanTheSheetGoesOnOverTheNextOne) {
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(field::tableRows, 20);
  table.record().setU8(field::tableColumns, 1);
  table.record().setU8(field::tableCellSpacing, 0);
  table.record().setU8(field::tableCellInset, 0);
  table.record().setU32(field::tableColour, 0x0000FF);
  table.record().setU8(field::tableColumnModes, 2);  // the column takes the whole width
  std::string text = paragraph() + idTag(table.ID());
  for (int row = 0; row < 20; ++row) text += paragraph() + "c" + std::to_string(10 + row) + "<T>";
  text += paragraph() + "after";
  print(addPage(text), {.tableBackground = true});

  ASSERT_EQ(printer.sheets().size(), 2u);
  // The table is as wide as the printable area and 20 rows of 20 pixels high: its
  // background is cut at the first sheet's window and goes on on the second.
  EXPECT_EQ(sheetCalls(0, "fill").front(), "fill 96,96,864,384 #FF0000");
  EXPECT_EQ(sheetCalls(1, "fill").front(), "fill 96,96,864,208 #FF0000");
  const auto first = words(*printer.sheets()[0]);
  ASSERT_EQ(first.size(), 15u);
  EXPECT_EQ(first.back(), "text 96,376 \"c24\"");
  // The paragraph after the table follows on the second sheet.
  EXPECT_THAT(words(*printer.sheets()[1]),
              ElementsAre("text 96,108 \"c25\"", "text 96,128 \"c26\"", "text 96,148 \"c27\"", "text 96,168 \"c28\"",
                          "text 96,188 \"c29\"", "text 96,208 \"after\""));
}

TEST_F(PagePrinter, TableColumnsTakeTheirWidthsByTheirRulesAsOnTheScreen) {
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(field::tableRows, 1);
  table.record().setU8(field::tableColumns, 2);
  table.record().setU8(field::tableCellSpacing, 0);
  table.record().setU8(field::tableCellInset, 0);
  table.record().setU8(field::tableRelativeWidth, 1);
  table.record().setU8(field::tableWidthPercent, 100);
  // A column of 100 pixels, and one that takes the rest.
  table.record().setU8(field::tableColumnModes, 1);
  table.record().setI16(field::tableColumnValues, 100);
  table.record().setU8(field::tableColumnModes + 1, 2);
  print(addPage(paragraph() + idTag(table.ID()) + paragraph() + "a<T>" + paragraph() + "b<T>"));
  EXPECT_THAT(words(*printer.sheets()[0]), ElementsAre("text 96,96 \"a\"", "text 196,96 \"b\""));
}

TEST_F(PagePrinter, NothingPrintsWithoutAPageSetUpAPageOrAPrinter) {
  TZEBtesto& page = addPage(paragraph() + "x");
  TZEBpageP pagePrinter(set, printer);
  EXPECT_EQ(pagePrinter.PrintPage(&page, nullptr), &page);
  EXPECT_EQ(pagePrinter.PrintPage(nullptr, &setup), nullptr);
  printer.failure = "offline";
  pagePrinter.PrintPage(&page, &setup);
  EXPECT_TRUE(printer.jobs().empty());
  EXPECT_THAT(platform.messages.shown(),
              ElementsAre(ShownMessage{MessageKind::error, "pagesetupdialog=NIL"},
                          ShownMessage{MessageKind::information, "Invalid use of TZEBpageP.Riempi"},
                          ShownMessage{MessageKind::error,
                                       "The printer could not print.\rChoose another printer, or \"PDF file\" to "
                                       "print into a file, in File > Printer settings... (offline)"}));
}

}  // namespace
}  // namespace zeb::testing
