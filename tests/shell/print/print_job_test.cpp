// Print commands: the pages they print, one job for all of them, the printable area's
// arithmetic, and the stored page set-up.
#include "shell/print/print_job.h"

#include "platform/headless/memory_settings_store.h"
#include "shell/print/page_setup_store.h"
#include "tests/shell/print/print_test_support.h"

namespace zeb::testing {
namespace {

using PrintJobs = PrintTest;
using ::testing::ElementsAre;
using ::testing::Pair;

TEST_F(PrintJobs, TheListPrintsItsPagesOrThePreviewPageWhenEmpty) {
  EXPECT_THAT(pagesToPrint({}, 7), ElementsAre(7));
  EXPECT_THAT(pagesToPrint({}, -1), ElementsAre());
  EXPECT_THAT(pagesToPrint({4, 16777216, 2, 0x08000003}, 7), ElementsAre(4, 2));
}

TEST_F(PrintJobs, PagesPrintAsOneJobInTheirOrderPassingOverMissingOnes) {
  TZEBtesto& first = addPage(paragraph() + "a", "first");
  TZEBtesto& gone = addPage(paragraph() + "b", "gone");
  TZEBtesto& last = addPage(paragraph() + "c", "last");
  gone.Release();

  std::vector<std::pair<int, int>> progress;
  PrintRequest request{{last.Index(), gone.Index(), first.Index(), 999}, setup, {}, {}};
  request.onPagePrinted = [&](int printed, int total) { progress.emplace_back(printed, total); };
  EXPECT_EQ(printPages(set, printer, request), 2);

  ASSERT_EQ(printer.jobs().size(), 1u);
  EXPECT_EQ(printer.jobs()[0].title, "Brightfold, pag: last");
  EXPECT_TRUE(printer.jobs()[0].ended);
  EXPECT_THAT(sheetCalls(0, "text"), ElementsAre("text 96,96 \"c\""));
  EXPECT_THAT(sheetCalls(1, "text"), ElementsAre("text 96,96 \"a\""));
  EXPECT_THAT(progress, ElementsAre(Pair(1, 2), Pair(2, 2)));
}

TEST_F(PrintJobs, AllPagesAreThoseOfTheContentsTreeInItsOrderThenThoseItLeavesOut) {
  const int cover = addPage(paragraph(), "cover").Index();
  const int middle = addPage(paragraph(), "middle").Index();
  const int last = addPage(paragraph(), "last").Index();
  const int loose = addPage(paragraph(), "loose").Index();
  // Without a stored tree: every live page in number order.
  const std::vector<std::int32_t> all = pagesInStoredOrder(set);
  ASSERT_GE(all.size(), 4u);
  EXPECT_THAT(std::vector<std::int32_t>(all.end() - 4, all.end()), ElementsAre(cover, middle, last, loose));

  const std::string stream = "a0,-2,book\r\na1,-3,Part\r\na2," + std::to_string(last) + ",x\r\na2," +
                             std::to_string(cover) + ",x\r\na1," + std::to_string(middle) + ",x\r\n";
  set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  set.slot(TOggettiHel::testoHtml, middle)->Release();
  // The released page is gone; the pages the tree does not hold follow in number order.
  std::vector<std::int32_t> expected{last, cover};
  for (const std::int32_t page : all)
    if (page != last && page != cover && page != middle) expected.push_back(page);
  EXPECT_EQ(expected.back(), loose);
  EXPECT_EQ(pagesInStoredOrder(set), expected);
}

TEST(PrintScale, MarginsOf25MillimetresOnA600DotPrinterLeave1181PixelsLess) {
  RecordingPrinter printer(600);  // A4: 4961 x 7016 pixels
  const PrintScale scale(printer.page(), PageSetup{}, PrintOptions::defaultImageScale, 96);
  EXPECT_EQ(scale.printableWidth(), 4961 - 1181);
  EXPECT_EQ(scale.printableHeight(), 7016 - 1181);
  EXPECT_EQ(scale.leftMargin(), 591);  // 2500 * 4961 / 21000 = 590.6
  EXPECT_EQ(scale.topMargin(), 591);
  // A screen inch is a printed inch; a shown pixel is 0.25 mm at the default image scale.
  EXPECT_EQ(scale.horizontal(96), 600);
  EXPECT_EQ(scale.vertical(-96), -600);
  EXPECT_EQ(scale.horizontalImageFactor(), 591);
  EXPECT_EQ(scale.pictureWidth(200), 1182);  // 50.04 mm
}

TEST(PrintScale, APrinterOf600By300DotsScalesEachDirectionByItsOwnResolution) {
  const PrinterPage page{4961, 3508, 210, 297};  // A4 at 600 dots across and 300 down
  const PrintScale scale(page, PageSetup{}, PrintOptions::defaultImageScale, 96);
  EXPECT_EQ(scale.leftMargin(), 591);  // 2500 * 4961 / 21000 = 590.6
  EXPECT_EQ(scale.topMargin(), 295);   // 2500 * 3508 / 29700 = 295.3
  EXPECT_EQ(scale.printableWidth(), 4961 - 1181);
  EXPECT_EQ(scale.printableHeight(), 3508 - 591);
  EXPECT_EQ(scale.horizontal(96), 600);
  EXPECT_EQ(scale.vertical(96), 300);
  EXPECT_EQ(scale.horizontalImageFactor(), 591);
  EXPECT_EQ(scale.pictureWidth(200), 1182);
  EXPECT_EQ(scale.pictureHeight(200), 590);
}

TEST(PrintScale, MarginsWiderThanTheSheetLeaveATenthOfIt) {
  RecordingPrinter printer(96, 254, 127);  // 960 x 480 pixels
  PageSetup setup;
  setup.leftMargin = 30000;
  setup.rightMargin = 20000;
  setup.topMargin = -500;
  setup.bottomMargin = 0;
  const PrintScale scale(printer.page(), setup, 0, 96);
  EXPECT_EQ(scale.printableWidth(), 96);
  EXPECT_EQ(scale.leftMargin(), 864);
  EXPECT_EQ(scale.printableHeight(), 480);
  EXPECT_EQ(scale.topMargin(), 0);
  EXPECT_EQ(scale.horizontalImageFactor(), 1);  // the image scale is at least 20
}

TEST(PageSetupStore, KeepsThePageSetUpInItsSectionWithDefaultsForWhatIsMissing) {
  MemorySettingsStore settings;
  EXPECT_EQ(loadPageSetup(settings), PageSetup{});
  EXPECT_EQ(PageSetup{}.leftMargin, 2500);

  PageSetup setup;
  setup.device = "Office laser";
  setup.paper = paperSize::letter;
  setup.orientation = PageOrientation::landscape;
  setup.colour = false;
  setup.duplex = DuplexMode::longEdge;
  setup.leftMargin = 1000;
  setup.bottomMargin = 0;
  savePageSetup(settings, setup);
  const std::string key = "\\Software\\KX\\printerProfiles\\PrnSettings_PrinterSettings1";
  EXPECT_EQ(settings.readString(key, "dmOrientation"), "2");
  EXPECT_EQ(settings.readString(key, "dmColor"), "1");
  EXPECT_EQ(settings.readString(key, "Left"), "1000");
  EXPECT_EQ(settings.readString(key, "PrnParsSaved"), "1");
  EXPECT_EQ(loadPageSetup(settings), setup);

  settings.writeString(key, "Top", "-5");
  settings.writeString(key, "dmCopies", "2x");
  settings.writeString(key, "dmOrientation", "3");
  const PageSetup damaged = loadPageSetup(settings);
  EXPECT_EQ(damaged.topMargin, PageSetup::defaultMargin);
  EXPECT_EQ(damaged.copies, 1);
  EXPECT_EQ(damaged.orientation, PageOrientation::portrait);
  EXPECT_EQ(damaged.leftMargin, 1000);
}

TEST(PrinterChoice, OffersTheInstalledPrintersAndThePdfPrinter) {
  RecordingPrinter printer;
  PageSetup setup;
  PrinterChoice choice = printerChoice(printer, setup);
  EXPECT_THAT(choice.names, ElementsAre("PDF file"));
  EXPECT_EQ(choice.chosen, 0u);

  printer.installed = {"laser", "inkjet"};
  printer.preferred = "inkjet";
  EXPECT_EQ(printerChoice(printer, setup).chosen, 1u);
  setup.device = "laser";
  EXPECT_EQ(printerChoice(printer, setup).chosen, 0u);
  setup.device = "removed";
  choice = printerChoice(printer, setup);
  EXPECT_THAT(choice.names, ElementsAre("laser", "inkjet", "PDF file"));
  EXPECT_EQ(choice.chosen, 1u);
}

}  // namespace
}  // namespace zeb::testing
