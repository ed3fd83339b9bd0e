// The library window in the main window: a folder of three books is indexed with their
// covers, a search streams its results, and a result opens its book at its page with the
// word selected.
#include "shell/qt/library_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>

#include "document/book_header.h"
#include "tests/shell/qt/main_form_fixture.h"
#include "text/text_box.h"

namespace zeb::testing {
namespace {

class LibraryWindowTest : public MainFormTest {
 protected:
  LibraryWindowTest() { setenv("XDG_CACHE_HOME", (folder.path() / "cache").c_str(), 1); }
  ~LibraryWindowTest() override { unsetenv("XDG_CACHE_HOME"); }

  void writeBook(const std::string& name, const std::string& title, const std::vector<std::string>& texts) const {
    std::filesystem::create_directories(folder.path() / "books");
    folder.write("books/" + name, bookBytes([&](TZEBset& set) {
                   set.header().setShortString(header::title, header::titleMax, title);
                   for (std::size_t i = 0; i < texts.size(); ++i)
                     zebmake::addPage(set, "Page " + std::to_string(i), texts[i]);
                 }));
  }
};

TEST_F(LibraryWindowTest, IndexesAFolderSearchesAndOpensAResultAtItsPage) {
  writeBook("rivers.zeb", "Rivers",
            {"<Z S0 >The cover", "<Z S0 >Boats", "<Z S0 >A quiet <Y g1 >caf\xE9<Y > by the water"});
  writeBook("gardens.zeb", "Gardens", {"<Z S0 >Roses and tulips"});
  writeBook("towns.zeb", "Towns", {"<Z S0 >Streets", "<Z S0 >Markets"});
  start();
  window->item("Biblioteca1")->trigger();
  shell::LibraryWindow* library = window->libraryWindow();
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(library->isVisible());
  library->addFolder(QString::fromStdString((folder.path() / "books").string()));
  ASSERT_TRUE(settled([&] { return !library->busy(); }));

  auto* covers = library->findChild<QListView*>("LibraryCovers");
  const QAbstractItemModel& books = *covers->model();
  ASSERT_EQ(books.rowCount(), 3);
  EXPECT_EQ(books.index(0, 0).data().toString(), "Gardens");
  EXPECT_EQ(books.index(2, 0).data().toString(), "Towns");
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(books.index(row, 0).data(Qt::DecorationRole).value<QIcon>().actualSize(QSize(160, 120)), QSize(160, 120));
  library->findChild<QLineEdit*>("LibraryFilter")->setText("riv");
  EXPECT_EQ(books.rowCount(), 1);

  auto* results = library->findChild<QTreeWidget*>("LibraryResults");
  QTest::keyClicks(library->findChild<QLineEdit*>("LibrarySearch"), "CAFE water");
  ASSERT_TRUE(settled([&] { return results->topLevelItemCount() == 1 && !library->busy(); }));
  // Under a display, BRIGHTFOLD_LIBRARY_SCREENSHOT names a file for a picture of the window.
  if (const char* shot = std::getenv("BRIGHTFOLD_LIBRARY_SCREENSHOT")) {
    library->findChild<QLineEdit*>("LibraryFilter")->clear();
    library->grab().save(shot);
  }
  QTreeWidgetItem* hit = results->topLevelItem(0);
  EXPECT_EQ(hit->text(0), "Rivers");
  EXPECT_EQ(hit->text(1), "Page 2 (2)");

  emit results->itemActivated(hit, 0);
  EXPECT_EQ(openBook(), (folder.path() / "books" / "rivers.zeb").string());
  EXPECT_EQ(page(), 2);
  TZEBbox* box = window->Editor()->MainBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(hit->data(0, Qt::UserRole + 3).toString(), QString::fromUtf8("caf\xC3\xA9"));
  ASSERT_TRUE(settled([&] { return box->hasSelection(); }));
  box->CopySelection();
  EXPECT_EQ(platform.clipboard.plainText(), std::optional<std::string>("caf\xE9"));
}

}  // namespace
}  // namespace zeb::testing
