// The print dialog under the offscreen platform: its English texts, editing the list (pages
// the book holds, moving, two selected items deleted with the Delete key), printing the
// preview's page when the list is empty, every page in the book's stored order, the preview
// following list clicks, links and slides, and the settings kept when it closes.
#include "shell/qt/print_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/qt/qt_dialog_units.h"
#include "platform/window_placement.h"
#include "shell/settings_keys.h"
#include "tests/shell/qt/print_qt_test_support.h"
#include "view/qt/page_widget.h"

namespace zeb {
namespace {

using Items = std::vector<std::int64_t>;

class PrintDialogTest : public testing::PrintQtTest {
 protected:
  PrintDialogTest()
      : first(addPage("First", "one")), second(addPage("Second", "two")), third(addPage("Third", "three")) {}

  std::unique_ptr<TFprint> open(const PageSetup* pageSetup) {
    auto dialog =
        std::make_unique<TFprint>(PrintDialogServices{set, platform.settings, &editor, pageSetup, printer.get()});
    dialog->show();
    return dialog;
  }
  std::unique_ptr<TFprint> open() { return open(&setup); }

  static std::vector<std::string> listedNames(const TFprint& dialog) {
    std::vector<std::string> names;
    for (int row = 0; row < dialog.PagScelte()->topLevelItemCount(); ++row)
      names.push_back(dialog.PagScelte()->topLevelItem(row)->text(0).toStdString());
    return names;
  }
  static void clickItem(TFprint& dialog, int row) {
    QTreeWidget* list = dialog.PagScelte();
    const QRect place = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
  }
  static TZEBbox& previewBox(const TFprint& dialog) { return *dialog.Preview()->ShownPages().at(0)->page().TextBox(); }
  // The stored order: the third page, the first, then the second.
  void storeOrder() {
    const std::string stream = "a0,-2,book\r\na1,-3,Part\r\na2," + std::to_string(third.Index()) + ",x\r\na2," +
                               std::to_string(first.Index()) + ",x\r\na1," + std::to_string(second.Index()) + ",x\r\n";
    set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  }
  Items pages(std::initializer_list<const TZEBtesto*> listed) const {
    Items items;
    for (const TZEBtesto* page : listed) items.push_back(page->Index());
    return items;
  }

  TZEBtesto& first;
  TZEBtesto& second;
  TZEBtesto& third;
  PageSetup setup;
  std::unique_ptr<RecordingPrinter> printer = testing::makeRecordingPrinter();
};

TEST_F(PrintDialogTest, ItsEnglishTableReachesEveryControl) {
  const auto dialog = open();
  EXPECT_EQ(dialog->windowTitle(), "Print");
  // 400 by 400 pixels of the design font.
  EXPECT_EQ(dialog->minimumSize(), scaledSize(designScaleOf(dialog->font()), 400, 400));
  const QTabWidget& tabs = *dialog->PageControl1();
  EXPECT_EQ(tabs.tabText(TFprint::pagesTab), "Print pages");
  EXPECT_EQ(tabs.tabText(TFprint::orderTab), "Put in order hypertext");
  EXPECT_EQ(tabs.tabText(TFprint::optionsTab), "Options");
  EXPECT_FALSE(tabs.isTabVisible(TFprint::orderTab));
  EXPECT_EQ(dialog->PagScelte()->headerItem()->text(0), "Name");
  EXPECT_EQ(dialog->PagScelte()->selectionMode(), QAbstractItemView::ExtendedSelection);

  const std::vector<std::pair<QAbstractButton*, const char*>> captions = {
      {dialog->BAggiungiPagina(), "Add page from right"},
      {dialog->Btutte(), "All, with default order"},
      {dialog->BCorrente(), "Current"},
      {dialog->CBsegna(), "Add pages in list when browsing"},
      {dialog->CBprev(), "preview on list item click"},
      {dialog->CBsfondo(), "background"},
      {dialog->CBsfondoTab(), "tables background"},
      {dialog->BOk(), "&Print"},
      {dialog->BAnnulla(), "&Cancel"}};
  for (const auto& [button, text] : captions) EXPECT_EQ(button->text(), text);
  const std::vector<std::pair<QAbstractButton*, const char*>> hints = {{dialog->Bup(), "Move up"},
                                                                       {dialog->Bdown(), "Move down"},
                                                                       {dialog->BdelPage(), "Delete selected"},
                                                                       {dialog->BIndietro(), "Back"},
                                                                       {dialog->BSummary(), "Contents"},
                                                                       {dialog->BCover(), "Cover"},
                                                                       {dialog->BCurPag(), "Page of the main window"}};
  for (const auto& [button, hint] : hints) {
    EXPECT_EQ(button->toolTip(), hint);
    // Buttons that show only an icon are named by their hints.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), hint);
  }
  EXPECT_EQ(dialog->Nextslide1()->text(), "Next slide...");
  EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->text(), "Images scale:");

  EXPECT_TRUE(dialog->BOk()->isDefault());
  EXPECT_TRUE(dialog->CBsegna()->isChecked());
  EXPECT_EQ(dialog->Escale()->minimum(), 20);
  EXPECT_EQ(dialog->Escale()->maximum(), 20000);
  EXPECT_EQ(dialog->Escale()->value(), 2500);
}

TEST_F(PrintDialogTest, TheListTakesPagesTheBookHoldsMovesThemAndDeletesTwoSelectedWithTheDeleteKey) {
  editor.setMainPageNumber(second.Index());
  const auto dialog = open();
  // The preview starts on the main window's page.
  EXPECT_EQ(dialog->Preview()->MainPageNumber(), second.Index());
  dialog->Preview()->setMainPageNumber(third.Index());
  QTest::mouseClick(dialog->BAggiungiPagina(), Qt::LeftButton);
  QTest::mouseClick(dialog->BCorrente(), Qt::LeftButton);
  dialog->Preview()->setMainPageNumber(first.Index());
  QTest::mouseClick(dialog->BAggiungiPagina(), Qt::LeftButton);
  // A page the book no longer holds is not added, nor is the main window's page when it
  // shows none.
  TZEBtesto& gone = addPage("Gone", "gone");
  dialog->Preview()->setMainPageNumber(gone.Index());
  gone.Release();
  QTest::mouseClick(dialog->BAggiungiPagina(), Qt::LeftButton);
  editor.setMainPageNumber(-1);
  QTest::mouseClick(dialog->BCorrente(), Qt::LeftButton);
  EXPECT_EQ(dialog->listedItems(), pages({&third, &second, &first}));
  EXPECT_EQ(listedNames(*dialog), (std::vector<std::string>{"Third", "Second", "First"}));

  // The item moved stays the one selected; nothing moves past either end.
  QTreeWidget& list = *dialog->PagScelte();
  clickItem(*dialog, 2);
  QTest::mouseClick(dialog->Bup(), Qt::LeftButton);
  QTest::mouseClick(dialog->Bup(), Qt::LeftButton);
  QTest::mouseClick(dialog->Bup(), Qt::LeftButton);
  EXPECT_EQ(dialog->listedItems(), pages({&first, &third, &second}));
  QTest::mouseClick(dialog->Bdown(), Qt::LeftButton);
  EXPECT_EQ(dialog->listedItems(), pages({&third, &first, &second}));
  ASSERT_EQ(list.selectedItems().size(), 1);
  EXPECT_EQ(list.indexOfTopLevelItem(list.selectedItems()[0]), 1);

  clickItem(*dialog, 0);
  const QRect last = list.visualItemRect(list.topLevelItem(2));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
  ASSERT_EQ(list.selectedItems().size(), 2);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(dialog->listedItems(), pages({&first}));
}

TEST_F(PrintDialogTest, AnEmptyListPrintsThePagePreviewedAndTheDialogCloses) {
  const auto dialog = open();
  dialog->Preview()->setMainPageNumber(third.Index());
  QTest::mouseClick(dialog->BOk(), Qt::LeftButton);

  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->listedItems(), pages({&third}));
  ASSERT_EQ(printer->jobs().size(), 1u);
  const RecordingPrinter::Job& job = printer->jobs()[0];
  EXPECT_EQ(job.title, "Brightfold, pag: Third");
  EXPECT_EQ(job.setup, setup);
  EXPECT_TRUE(job.ended);
  ASSERT_EQ(job.sheets.size(), 1u);
  EXPECT_EQ(testing::sheetText(*printer, 0), "three");
  EXPECT_EQ(dialog->printedSheets(), 1);
  // The bar went twice round for the page, and is hidden again.
  EXPECT_EQ(dialog->ProgressBar1()->maximum(), 2);
  EXPECT_EQ(dialog->ProgressBar1()->value(), 2);
  EXPECT_FALSE(dialog->ProgressBar1()->isVisible());
  EXPECT_TRUE(dialog->BOk()->isEnabled());
}

TEST_F(PrintDialogTest, TheOptionsGoToThePrinterAndNoPageSetUpPrintsNothing) {
  third.record().setU32(field::pageBackgroundColour, 0x00FF00);
  const auto plain = open();
  plain->Preview()->setMainPageNumber(third.Index());
  plain->BOkClick();
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_TRUE(printer->sheets()[0]->calls("fill").empty());

  const auto withBackground = open();
  withBackground->Preview()->setMainPageNumber(third.Index());
  withBackground->CBsfondo()->setChecked(true);
  withBackground->BOkClick();
  ASSERT_EQ(printer->jobs().size(), 2u);
  const std::vector<std::string> fills = printer->sheets()[0]->calls("fill");
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0], "fill 94,94,865,385 #00FF00");

  const auto withoutSetUp = open(nullptr);
  withoutSetUp->Preview()->setMainPageNumber(third.Index());
  withoutSetUp->BOkClick();
  EXPECT_EQ(printer->jobs().size(), 2u);
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::error, "pagesetupdialog=NIL"}}));
  EXPECT_EQ(withoutSetUp->result(), QDialog::Accepted);
}

TEST_F(PrintDialogTest, AllWithDefaultOrderFollowsTheStoredOrderThenThePagesItLeavesOutAndPrintsThemAsOneJob) {
  storeOrder();
  const TZEBtesto& loose = addPage("Loose", "four");  // not in the stored order
  editor.setMainPageNumber(second.Index());
  const auto dialog = open();
  dialog->BCorrenteClick();
  QTest::mouseClick(dialog->Btutte(), Qt::LeftButton);
  EXPECT_EQ(dialog->listedItems(), pages({&third, &first, &second, &loose}));
  // The list is emptied first.
  QTest::mouseClick(dialog->Btutte(), Qt::LeftButton);
  EXPECT_EQ(dialog->listedItems(), pages({&third, &first, &second, &loose}));

  dialog->BOkClick();
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_EQ(printer->jobs()[0].title, "Brightfold, pag: Third");
  ASSERT_EQ(printer->sheets().size(), 4u);
  EXPECT_EQ(testing::sheetText(*printer, 0), "three");
  EXPECT_EQ(testing::sheetText(*printer, 1), "one");
  EXPECT_EQ(testing::sheetText(*printer, 2), "two");
  EXPECT_EQ(testing::sheetText(*printer, 3), "four");
  EXPECT_EQ(dialog->ProgressBar1()->value(), 8);
}

TEST_F(PrintDialogTest, ThePreviewShowsClickedItemsAndNextSlidesAndListsThePagesItsLinksReach) {
  first.record().setI16(77, 1);
  first.record().setI16(79, 1);
  second.record().setI16(77, 1);
  second.record().setI16(79, 2);
  const auto dialog = open();
  TInsiemeCornici& preview = *dialog->Preview();
  dialog->BtutteClick();
  ASSERT_EQ(dialog->listedItems(), pages({&first, &second, &third}));

  dialog->CBprev()->setChecked(true);
  clickItem(*dialog, 2);
  EXPECT_EQ(preview.MainPageNumber(), third.Index());
  QTest::keyClick(dialog->PagScelte(), Qt::Key_Up);
  EXPECT_EQ(preview.MainPageNumber(), second.Index());
  dialog->CBprev()->setChecked(false);
  clickItem(*dialog, 0);
  EXPECT_EQ(preview.MainPageNumber(), second.Index());

  preview.setMainPageNumber(first.Index());
  dialog->Nextslide1()->trigger();
  EXPECT_EQ(preview.MainPageNumber(), second.Index());
  // The last page of its sequence names no next slide.
  dialog->Nextslide1()->trigger();
  EXPECT_EQ(preview.MainPageNumber(), second.Index());

  // Links followed in the preview add the page reached, while "Add pages" is ticked.
  dialog->PagScelte()->clear();
  preview.FollowLink(previewBox(*dialog), third);
  EXPECT_EQ(preview.MainPageNumber(), third.Index());
  EXPECT_EQ(dialog->listedItems(), pages({&third}));
  QTest::mouseClick(dialog->BIndietro(), Qt::LeftButton);
  EXPECT_EQ(preview.MainPageNumber(), second.Index());
  dialog->CBsegna()->setChecked(false);
  preview.FollowLink(previewBox(*dialog), first);
  EXPECT_EQ(preview.MainPageNumber(), first.Index());
  EXPECT_EQ(dialog->listedItems(), pages({&third}));

  editor.setMainPageNumber(third.Index());
  QTest::mouseClick(dialog->BCurPag(), Qt::LeftButton);
  EXPECT_EQ(preview.MainPageNumber(), third.Index());
}

TEST_F(PrintDialogTest, ThePreviewSwitchesAndThePlacementAreStoredOnClosingAndReadOnOpening) {
  QSize chosen;
  {
    const auto dialog = open();
    // Nothing stored: both switches on.
    EXPECT_TRUE(dialog->CBprev()->isChecked());
    EXPECT_TRUE(dialog->CBanteprima()->isChecked());
    dialog->CBprev()->setChecked(false);
    chosen = dialog->minimumSize() + QSize(40, 30);
    dialog->resize(chosen);
    QTest::mouseClick(dialog->BAnnulla(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
  }
  EXPECT_TRUE(printer->jobs().empty());
  const SettingsStore& settings = platform.settings;
  EXPECT_EQ(settings.readString(shell::settings::optionsKey, "clicprintprev"), "0");
  EXPECT_EQ(settings.readString(shell::settings::optionsKey, "anteprintprev"), "1");
  const auto placement = readPlacement(settings, shell::settings::formsKey, "Fprint");
  ASSERT_TRUE(placement.has_value());
  EXPECT_EQ(placement->width, chosen.width());
  EXPECT_EQ(placement->height, chosen.height());

  const auto again = open();
  EXPECT_FALSE(again->CBprev()->isChecked());
  EXPECT_TRUE(again->CBanteprima()->isChecked());
  EXPECT_EQ(again->size(), chosen);
}

}  // namespace
}  // namespace zeb
