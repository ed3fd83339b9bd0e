// The services installed into the main window as the reader installs them: link following
// through the link dispatch, the search dialog made on first use, and the print commands.
#include <QApplication>

#include "platform/headless/recording_printer.h"
#include "shell/qt/main_window_links.h"
#include "shell/qt/main_window_printing.h"
#include "shell/qt/main_window_search.h"
#include "shell/qt/search_dialog.h"
#include "tests/shell/qt/main_form_fixture.h"

namespace zeb::testing {
namespace {

class MainWindowServices : public MainFormTest {
 protected:
  // A book whose first page links to an address, to its third page, and to an object of no
  // link kind.
  std::string linkingBook() const {
    return folder
        .write("links.zeb", bookBytes([](TZEBset& set) {
                 for (int i = 0; i < 4; ++i) zebmake::addPage(set, "Page " + std::to_string(i), "<Z S0 >text");
                 zebmake::addObject(set, TOggettiHel::internetLink).setName("https://example.com/form");
                 zebmake::addObject(set, TOggettiHel::keyword).setName("words");
               }))
        .string();
  }
  LinkSource fromMainBox() const { return LinkSource{LinkSourceKind::textBox, window->Editor()->MainBox(), nullptr}; }
};

TEST_F(MainWindowServices, LinksFollowedThroughTheDispatchShowPagesOpenAddressesAndSayWhatTheyCannotDo) {
  start({linkingBook()});
  window->setLinkDispatcher(std::make_unique<shell::MainWindowLinks>(*window));
  TZEBset& set = window->mainZEBset();

  window->EditorDoLink(fromMainBox(), set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), 2));
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(historyItems().size(), 2u);

  platform.shell.succeeds = true;
  window->EditorDoLink(fromMainBox(), set.objectByKindAndIndex(kindNumber(TOggettiHel::internetLink), 0));
  EXPECT_EQ(platform.shell.openedDocuments, std::vector<std::string>{"https://example.com/form"});

  window->EditorDoLink(fromMainBox(), set.objectByKindAndIndex(kindNumber(TOggettiHel::keyword), 0));
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, "Undefined or unsupported."}}));
  EXPECT_TRUE(window->Editor()->isEnabled());
}

TEST_F(MainWindowServices, TheSearchDialogIsMadeOnFirstUseAndFollowsTheBooks) {
  start({linkingBook()});
  auto owned = std::make_unique<shell::MainWindowSearch>(*window);
  shell::MainWindowSearch& search = *owned;
  window->setSearchService(std::move(owned));
  EXPECT_EQ(search.dialog(), nullptr);
  // F4 before any search: the dialog on its word page.
  window->item("Ripetinellipertesto1")->trigger();
  ASSERT_NE(search.dialog(), nullptr);
  EXPECT_TRUE(search.dialog()->isVisible());
  EXPECT_EQ(search.dialog()->objectName(), "Fcerca");
  EXPECT_EQ(search.dialog()->windowTitle(), "Search:");

  window->readerShell().OpenEbook(book("other.zeb"));
  EXPECT_EQ(search.dialog()->keywordFilter(), -1);  // told of the book opened
  window->readerShell().NewBlank();
  EXPECT_FALSE(search.dialog()->searchRunning());
}

TEST_F(MainWindowServices, PrintCurrentPrintsThePageShown) {
  start({linkingBook()});
  RecordingPrinter* printer = nullptr;
  window->setPrintingService(std::make_unique<shell::MainWindowPrinting>(*window, [&printer] {
    auto made = std::make_unique<RecordingPrinter>();
    made->installed = {"Office"};
    made->preferred = "Office";
    printer = made.get();
    return made;
  }));
  window->Editor()->setMainPageNumber(3);
  EXPECT_EQ(printer, nullptr);  // nothing made before the first print
  window->item("Stampacorrente1")->trigger();
  ASSERT_NE(printer, nullptr);
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_TRUE(printer->jobs().front().ended);
  EXPECT_NE(printer->jobs().front().title.find("Page 3"), std::string::npos) << printer->jobs().front().title;
}

}  // namespace
}  // namespace zeb::testing
