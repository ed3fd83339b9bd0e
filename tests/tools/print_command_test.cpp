// zebtool print: pages printed into a PDF file whose sheets and text poppler reads back.
#include <fstream>
#include <sstream>

#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using testing::runCommand;
using testing::Zebtool;

class PrintCommand : public Zebtool {
 protected:
  // A long page of 50 lines of 40 screen pixels (about 250 printer pixels at 600 dots per
  // inch: 24 line tops on an A4 sheet inside 25 mm margins), and a short one.
  std::string book() {
    return writeBook([](TZEBset& set) {
      std::string text;
      for (int i = 10; i < 60; ++i) text += "<Z S0 L40 >Line " + std::to_string(i);
      zebmake::addPage(set, "Long", text);
      zebmake::addPage(set, "Short", "<Z S0 >Caf\xE9 na\xEFve");
    });
  }
  std::string pdf() const { return (folder.path() / "out.pdf").string(); }
  std::string pdfText() { return runCommand("/usr/bin/pdftotext", {pdf(), "-"}).out; }
  std::string pdfPages() {
    std::istringstream info(runCommand("/usr/bin/pdfinfo", {pdf()}).out);
    for (std::string line; std::getline(info, line);) {
      if (line.rfind("Pages:", 0) == 0) return line.substr(line.find_last_of(' ') + 1);
    }
    return "";
  }
};

TEST_F(PrintCommand, PrintsTheNamedPagesInTheirOrderAsSelectableText) {
  const auto result = zebtool({"print", book(), pdf(), "1", "0"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "pages: 2\nsheets: 4\n");
  EXPECT_EQ(pdfPages(), "4");
  const std::string text = pdfText();
  const auto shortPage = text.find("Caf\xC3\xA9 na\xC3\xAFve");
  const auto first = text.find("Line 10");
  const auto sheetEnd = text.find("Line 33");
  const auto nextSheet = text.find("Line 34");
  const auto last = text.find("Line 59");
  ASSERT_NE(shortPage, std::string::npos);
  ASSERT_NE(last, std::string::npos);
  EXPECT_LT(shortPage, first);
  EXPECT_LT(first, sheetEnd);
  // A form feed separates the sheets.
  EXPECT_NE(text.substr(sheetEnd, nextSheet - sheetEnd).find('\f'), std::string::npos);
  EXPECT_LT(nextSheet, last);
}

TEST_F(PrintCommand, AllPrintsEveryPageInTheBooksOrder) {
  const auto result = zebtool({"print", book(), pdf(), "--all"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "pages: 2\nsheets: 4\n");
  const std::string text = pdfText();
  EXPECT_LT(text.find("Line 59"), text.find("Caf\xC3\xA9"));
}

TEST_F(PrintCommand, AMissingPagePrintsNothing) {
  const std::string written = book();
  auto result = zebtool({"print", written, pdf(), "0", "7"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "zebtool: the book has no page 7\n");
  EXPECT_FALSE(std::ifstream(pdf()).good());
  EXPECT_EQ(zebtool({"print", written, pdf()}).exitStatus, 2);
  EXPECT_EQ(zebtool({"print", written, pdf(), "0", "--all"}).exitStatus, 2);
}

TEST_F(PrintCommand, AFileThatCannotBeWrittenIsAPrinterFailure) {
  const auto result = zebtool({"print", book(), (folder.path() / "missing" / "out.pdf").string(), "1"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("Error!: The printer could not print.\\nChoose another printer, or \"PDF file\" to print "
                            "into a file, in File > Printer settings... (the print job could not be started)\n"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace zeb
