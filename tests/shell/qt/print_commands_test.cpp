// The print commands under the offscreen platform: the page shown printed with the stored
// page set-up, every page in the stored order, the printer and margin settings stored as
// confirmed (the PDF printer alone when nothing is installed), print-on-click from a link,
// a printer that cannot print, and a real PDF through Qt Print Support.
#include "shell/qt/print_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "shell/print/page_setup_store.h"
#include "shell/qt/print_dialog.h"
#include "shell/qt/printer_setup_dialogs.h"
#include "tests/shell/qt/print_qt_test_support.h"
#include "tests/support/run_command.h"
#include "tests/support/temporary_folder.h"
#include "view/qt/page_widget.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

constexpr std::string_view noPrinter =
    "The printer could not print.\rChoose another printer, or \"PDF file\" to print into a file, in File > Printer "
    "settings... (the printer is off)";

class PrintCommandsTest : public testing::PrintQtTest {
 protected:
  PrintCommandsTest() : first(addPage("First", "one")), second(addPage("Second", "two")) {}

  RecordingPrinter& printer() { return static_cast<RecordingPrinter&>(commands.printer()); }
  // A page whose first word is a link asking to print the page.
  TZEBtesto& pageWithPrintLink() {
    TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
    link.setName("nexo:|1");
    link.setSecondaryData(zebmake::attributeBlob("", "onclick=\"print(1)\""));
    return addPage("Printing", testing::objectTag(link.ID()) + "go<%> on");
  }
  void clickFirstWord() {
    QTest::mouseClick(editor.ShownPages()[0]->viewport(), Qt::LeftButton, {}, QPoint(5, 18));
    platform.events.runPending();
  }

  TZEBtesto& first;
  TZEBtesto& second;
  PrintCommands commands{{set, platform.settings, editor, nullptr, [] { return testing::makeRecordingPrinter(); }}};
};

TEST_F(PrintCommandsTest, PrintCurrentPrintsThePageShownWithTheStoredPageSetUp) {
  PageSetup stored;
  stored.device = "Lab";
  stored.paper = paperSize::letter;
  stored.leftMargin = 1000;
  savePageSetup(platform.settings, stored);
  editor.setMainPageNumber(second.Index());
  commands.printCurrent();
  ASSERT_EQ(printer().jobs().size(), 1u);
  EXPECT_EQ(printer().jobs()[0].title, "Brightfold, pag: Second");
  EXPECT_EQ(printer().jobs()[0].setup, stored);
  EXPECT_EQ(testing::sheetText(printer(), 0), "two");

  // Nothing shown: nothing to print.
  editor.setMainPageNumber(-1);
  commands.printCurrent();
  EXPECT_EQ(printer().jobs().size(), 1u);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, "Invalid use of TZEBpageP.Riempi"}}));
}

TEST_F(PrintCommandsTest, APageShownAtNightIsPrintedInItsOwnColours) {
  editor.setMainPageNumber(first.Index());
  commands.printCurrent();
  const std::string byDay = printer().sheets().at(0)->dump();
  editor.setNightView({.on = true, .dimPictures = true});
  commands.printCurrent();
  EXPECT_EQ(printer().sheets().at(0)->dump(), byDay);
}

TEST_F(PrintCommandsTest, PrintAllPrintsEveryPageInTheStoredOrderAsOneJob) {
  const std::string stream =
      "a0,-2,book\r\na1," + std::to_string(second.Index()) + ",x\r\na1," + std::to_string(first.Index()) + ",x\r\n";
  set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  commands.printAll();
  ASSERT_EQ(printer().jobs().size(), 1u);
  ASSERT_EQ(printer().sheets().size(), 2u);
  EXPECT_EQ(testing::sheetText(printer(), 0), "two");
  EXPECT_EQ(testing::sheetText(printer(), 1), "one");
  for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<TFprint*>(window), nullptr);
}

TEST_F(PrintCommandsTest, PrinterSettingsAreStoredWhenConfirmedAndShownAgain) {
  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) {
    QComboBox& names = *dialog.printerNames();
    ASSERT_EQ(names.count(), 3);
    EXPECT_EQ(names.itemText(2), "PDF file");
    EXPECT_EQ(names.currentText(), "Office");  // the system's default
    EXPECT_FALSE(dialog.pdfFile()->isEnabled());
    names.setCurrentIndex(2);
    // The PDF printer waits for its file.
    EXPECT_TRUE(dialog.pdfFile()->isEnabled());
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.pdfFile()->setText("/tmp/out.pdf");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.paperChoice()->landscape()->setChecked(true);
    dialog.copies()->setValue(2);
    dialog.colour()->setChecked(false);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  });
  EXPECT_TRUE(commands.printerSettings());
  PageSetup expected;
  expected.device = "PDF file";
  expected.port = "/tmp/out.pdf";
  expected.orientation = PageOrientation::landscape;
  expected.copies = 2;
  expected.colour = false;
  EXPECT_EQ(loadPageSetup(platform.settings), expected);
  EXPECT_EQ(commands.pageSetup(), expected);

  // Shown again as stored; cancelling keeps what was stored.
  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) {
    EXPECT_EQ(dialog.printerNames()->currentText(), "PDF file");
    EXPECT_EQ(dialog.pdfFile()->text(), "/tmp/out.pdf");
    EXPECT_TRUE(dialog.paperChoice()->landscape()->isChecked());
    dialog.printerNames()->setCurrentIndex(1);
    dialog.reject();
  });
  EXPECT_FALSE(commands.printerSettings());
  EXPECT_EQ(loadPageSetup(platform.settings), expected);

  // With no printer installed the PDF printer is the only one, and the one chosen.
  printer().installed.clear();
  printer().preferred.clear();
  savePageSetup(platform.settings, PageSetup{});
  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) {
    EXPECT_EQ(dialog.printerNames()->count(), 1);
    EXPECT_EQ(dialog.printerNames()->currentText(), "PDF file");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.reject();
  });
  EXPECT_FALSE(commands.printerSettings());
}

TEST_F(PrintCommandsTest, MarginSettingsAreKeptInHundredthsOfAMillimetre) {
  testing::answerModal<MarginSettingsDialog>([](MarginSettingsDialog& dialog) {
    EXPECT_DOUBLE_EQ(dialog.leftMargin()->value(), 25.0);
    EXPECT_EQ(dialog.leftMargin()->minimum(), 0.0);
    dialog.leftMargin()->setValue(12.34);
    dialog.topMargin()->setValue(0);
    dialog.paperChoice()->paper()->setCurrentIndex(dialog.paperChoice()->paper()->findText("A5"));
    dialog.accept();
  });
  EXPECT_TRUE(commands.marginSettings());
  const PageSetup stored = loadPageSetup(platform.settings);
  EXPECT_EQ(stored.leftMargin, 1234);
  EXPECT_EQ(stored.topMargin, 0);
  EXPECT_EQ(stored.rightMargin, 2500);
  EXPECT_EQ(stored.bottomMargin, 2500);
  EXPECT_EQ(stored.paper, paperSize::a5);

  // A paper of its own stays as it is.
  PageSetup own;
  own.paper = paperSize::custom;
  own.paperWidth = 1500;
  own.paperLength = 2000;
  savePageSetup(platform.settings, own);
  testing::answerModal<MarginSettingsDialog>([](MarginSettingsDialog& dialog) {
    EXPECT_EQ(dialog.paperChoice()->paper()->currentText(), "Own size");
    dialog.accept();
  });
  EXPECT_TRUE(commands.marginSettings());
  EXPECT_EQ(loadPageSetup(platform.settings), own);
}

TEST_F(PrintCommandsTest, ALinkAskingToPrintPrintsItsPageOnceThePrinterSettingsAreConfirmed) {
  commands.installPrintOnClick(editor);
  TZEBtesto& page = pageWithPrintLink();
  editor.setMainPageNumber(page.Index());

  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) { dialog.accept(); });
  clickFirstWord();
  ASSERT_EQ(printer().jobs().size(), 1u);
  EXPECT_EQ(printer().jobs()[0].title, "Brightfold, pag: Printing");
  EXPECT_EQ(printer().jobs()[0].setup.device, "Office");
  EXPECT_EQ(testing::sheetText(printer(), 0), "go on");
  EXPECT_EQ(loadPageSetup(platform.settings).device, "Office");

  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) { dialog.reject(); });
  clickFirstWord();
  EXPECT_EQ(printer().jobs().size(), 1u);
}

TEST_F(PrintCommandsTest, ALinkInATableCellPrintsThatCellAlone) {
  commands.installPrintOnClick(editor);
  TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  link.setName("nexo:|1");
  link.setSecondaryData(zebmake::attributeBlob("", "onclick=\"print(1)\""));
  TZEBoggetto& table = zebmake::addObject(set, TOggettiHel::tabellaHtml);
  table.record().setU8(field::tableRows, 1);
  table.record().setU8(field::tableColumns, 2);
  table.record().setU8(field::tableRelativeWidth, 1);
  table.record().setU8(field::tableWidthPercent, 100);
  const std::string cellText = plainTag() + testing::objectTag(link.ID()) + "go<%> left<T>";
  const TZEBtesto& page =
      addPage("Table", testing::objectTag(table.ID()) + cellText + plainTag() + "right<T>" + plainTag() + "after");
  editor.setMainPageNumber(page.Index());

  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) { dialog.accept(); });
  clickFirstWord();
  ASSERT_EQ(printer().jobs().size(), 1u);
  EXPECT_EQ(printer().jobs()[0].title, "Brightfold, pag: Table");
  EXPECT_EQ(testing::sheetText(printer(), 0), "go left");
}

TEST_F(PrintCommandsTest, WithNoPrinterInstalledThePdfPrinterAsksForItsFileWithTheBooksTitle) {
  printer().installed.clear();
  printer().preferred.clear();
  set.header().setShortString(header::title, header::titleMax, "Guide: part 1/2");
  std::vector<std::string> proposed;
  std::optional<std::string> answer = "/tmp/chosen.pdf";
  commands.choosePdfFile = [&](const std::string& path) {
    proposed.push_back(path);
    return answer;
  };
  editor.setMainPageNumber(first.Index());
  // In a home folder of the test's own: the file is proposed in its documents folder, or in
  // the home folder itself when there is none.
  QTemporaryDir home;
  const QByteArray realHome = qgetenv("HOME");
  qputenv("HOME", home.path().toUtf8());
  commands.printCurrent();
  const std::string documents = home.path().toStdString() + "/Documents";
  std::filesystem::create_directory(documents);
  testing::answerModal<TFprint>([](TFprint& dialog) { QTest::mouseClick(dialog.BOk(), Qt::LeftButton); });
  commands.printWithDialog();
  qputenv("HOME", realHome);
  EXPECT_EQ(proposed, (std::vector<std::string>{home.path().toStdString() + "/Guide: part 1_2.pdf",
                                                documents + "/Guide: part 1_2.pdf"}));
  ASSERT_EQ(printer().jobs().size(), 2u);
  EXPECT_EQ(printer().jobs()[1].setup.device, "PDF file");
  EXPECT_EQ(printer().jobs()[1].setup.port, "/tmp/chosen.pdf");
  EXPECT_TRUE(platform.messages.shown().empty());
  // The file is asked for each time; the settings stay as they were.
  EXPECT_EQ(loadPageSetup(platform.settings), PageSetup{});

  // No file chosen: nothing prints, and nothing is said.
  answer.reset();
  commands.printCurrent();
  EXPECT_EQ(proposed.size(), 3u);
  EXPECT_EQ(printer().jobs().size(), 2u);
  EXPECT_TRUE(platform.messages.shown().empty());

  // A file named in the settings is printed into without asking.
  PageSetup named;
  named.device = "PDF file";
  named.port = "/tmp/named.pdf";
  savePageSetup(platform.settings, named);
  commands.printCurrent();
  EXPECT_EQ(proposed.size(), 3u);
  ASSERT_EQ(printer().jobs().size(), 3u);
  EXPECT_EQ(printer().jobs()[2].setup.port, "/tmp/named.pdf");
}

TEST_F(PrintCommandsTest, APrinterThatCannotPrintShowsTheNoPrinterMessage) {
  printer().failure = "the printer is off";
  editor.setMainPageNumber(first.Index());
  commands.printCurrent();
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::error, std::string(noPrinter)}}));

  platform.messages.clear();
  commands.installPrintOnClick(editor);
  editor.setMainPageNumber(pageWithPrintLink().Index());
  testing::answerModal<PrinterSettingsDialog>([](PrinterSettingsDialog& dialog) { dialog.accept(); });
  clickFirstWord();
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::error, std::string(noPrinter)}}));
  EXPECT_TRUE(printer().jobs().empty());
}

TEST(PrintCommandsPdf, ThePageShownIsPrintedIntoAPdfThroughQtPrintSupport) {
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  const TZEBtesto& page = zebmake::addPage(set, "Cover", "<Z S0 >Printed through the print commands");
  TInsiemeCornici editor;
  readOffscreen(editor, set, QSize(400, 300));
  editor.setMainPageNumber(page.Index());
  PageSetup setup;
  setup.device = "PDF file";
  setup.port = (folder.path() / "page.pdf").string();
  savePageSetup(platform.settings, setup);

  PrintCommands commands({set, platform.settings, editor});
  commands.printCurrent();
  EXPECT_TRUE(platform.messages.shown().empty());
  ASSERT_TRUE(std::filesystem::exists(setup.port));
  const std::string info = testing::runCommand("/usr/bin/pdfinfo", {setup.port}).out;
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(testing::runCommand("/usr/bin/pdftotext", {setup.port, "-"}).out.find("Printed through the print commands"),
            std::string::npos);
}

}  // namespace
}  // namespace zeb
