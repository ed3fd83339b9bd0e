// The Qt printer writing PDF files under the offscreen platform, read back with poppler.
#include "platform/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <set>
#include <sstream>
#include <vector>

#include "platform/canvas.h"
#include "platform/text_measurer.h"
#include "tests/support/run_command.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

using testing::runCommand;

class QtPrinting : public ::testing::Test {
 protected:
  QtPrinting() {
    setup.device = pdfPrinterName;
    setup.port = (folder.path() / "out.pdf").string();
  }
  std::string info() { return runCommand("/usr/bin/pdfinfo", {setup.port}).out; }

  testing::TemporaryFolder folder;
  PageSetup setup;
  QtPrinter printer;
};

TEST_F(QtPrinting, PrintsSheetsOfThePaperAndOrientationAsText) {
  setup.paper = paperSize::a5;
  setup.orientation = PageOrientation::landscape;
  setup.printQuality = 300;
  ASSERT_TRUE(printer.beginDocument("Brightfold, pag: test", setup)) << printer.errorText();
  EXPECT_TRUE(printer.printing());
  const PrinterPage page = printer.page();
  // A5 is 210 by 148 mm, or 595 by 420 points; 300 dots per inch.
  EXPECT_NEAR(page.widthMillimetres, 210, 0.2);
  EXPECT_NEAR(page.heightMillimetres, 148, 0.2);
  EXPECT_EQ(page.widthPixels, 2479);
  EXPECT_EQ(page.heightPixels, 1750);
  EXPECT_EQ(printer.measurer().pixelsPerInch(), 300);
  printer.canvas().setFont(TMyFont{"Arial", 0, 0, 12, 0});
  printer.canvas().textOut(300, 300, "First sheet");
  ASSERT_TRUE(printer.newPage());
  printer.canvas().textOut(300, 300, "Second sheet");
  ASSERT_TRUE(printer.endDocument());
  EXPECT_FALSE(printer.printing());

  const std::string text = info();
  EXPECT_NE(text.find("Pages:           2"), std::string::npos) << text;
  EXPECT_NE(text.find("Page size:       595 x 420 pts (A5)"), std::string::npos) << text;
  const std::string printed = runCommand("/usr/bin/pdftotext", {setup.port, "-"}).out;
  EXPECT_EQ(printed, "First sheet\n\n\fSecond sheet\n\n\f");
}

TEST_F(QtPrinting, APictureDrawnOverAndOverIsHeldOnce) {
  ASSERT_TRUE(printer.beginDocument("pictures", setup));
  std::vector<std::uint8_t> rgba(8 * 8 * 4, 0x80);
  const PixelView pixels{8, 8, rgba.data()};
  for (int sheet = 0; sheet < 2; ++sheet) {
    if (sheet > 0) {
      ASSERT_TRUE(printer.newPage());
    }
    for (int i = 0; i < 20; ++i) printer.canvas().drawPicture({i * 100, 0, i * 100 + 80, 80}, pixels);
  }
  rgba[0] = 0;  // other pixels: another picture
  printer.canvas().drawPicture({0, 200, 80, 280}, pixels);
  ASSERT_TRUE(printer.endDocument());

  // pdfimages lists every picture drawn, and its see-through mask, with the number of the
  // object that holds it. Pictures are kept without loss.
  std::istringstream list(runCommand("/usr/bin/pdfimages", {"-list", setup.port}).out);
  std::string line;
  std::getline(list, line);
  std::getline(list, line);
  int drawn = 0;
  std::set<std::string> objects;
  while (std::getline(list, line)) {
    std::istringstream columns(line);
    std::vector<std::string> fields;
    for (std::string field; columns >> field;) fields.push_back(field);
    ASSERT_GE(fields.size(), 11u) << line;
    if (fields[2] != "image") continue;
    ++drawn;
    objects.insert(fields[10]);
    EXPECT_EQ(fields[8], "image") << line;
  }
  EXPECT_EQ(drawn, 41);
  EXPECT_EQ(objects.size(), 2u);
}

TEST_F(QtPrinting, APrinterThatCannotPrintSaysWhy) {
  setup.port.clear();
  EXPECT_FALSE(printer.beginDocument("x", setup));
  EXPECT_EQ(printer.errorText(), "no file is named for the PDF printer");
  setup.device = "no such printer";
  EXPECT_FALSE(printer.beginDocument("x", setup));
  EXPECT_EQ(printer.errorText(), "this printer is not available: no such printer");
  EXPECT_FALSE(printer.printing());
  EXPECT_FALSE(printer.newPage());
}

}  // namespace
}  // namespace zeb
