// Applying a table to a Qt window: captions, hints and lists reach the widgets by name;
// menus keep their items, unnamed widgets and other windows keep their texts.
#include "texts/qt/window_texts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace zeb {
namespace {

TEST(WindowTexts, TheTableReachesTheWindowAndTheComponentsItOwns) {
  QWidget window;
  window.setObjectName("FCerca");
  auto* button = new QPushButton("&Cerca", &window);
  button->setObjectName("BCerca");
  auto* group = new QGroupBox(&window);
  group->setObjectName("GroupBox1");
  auto* unnamed = new QLabel("Parola", group);
  auto* combo = new QComboBox(group);
  combo->setObjectName("Scelta");
  combo->addItems({"uno", "due"});
  combo->setCurrentIndex(1);
  auto* menu = new QMenu(&window);
  menu->setObjectName("PopupMenu1");
  auto* item = menu->addAction("Copia");
  item->setObjectName("Copia1");
  auto* separator = menu->addSeparator();
  separator->setObjectName("N1");
  auto* other = new QDialog(&window);
  other->setObjectName("FPrint");
  auto* inOther = new QLabel("Stampa", other);
  inOther->setObjectName("BCerca");

  const std::string table =
      "*_*fcerca_caption\r\n Search:\r\n"
      "*_*bcerca_caption\r\n &Search\r\n"
      "*_*bcerca_hint\r\n Search|Search the whole book\r\n"
      "*_*groupbox1_caption\r\n Words\r\n"
      "*_*scelta_items\r\n one\xA7!two\r\n"
      "*_*popupmenu1_items\r\n PopupMenu1.\r\n"
      "*_*copia1_caption\r\n &Copy\r\n"
      "*_*n1_caption\r\n -\r\n"
      "*_*fprint_caption\r\n Print\r\n";
  QtWindowTexts texts(window);
  TVoLanguager languager(texts);
  languager.setLocalizationString(table);

  EXPECT_EQ(window.windowTitle(), "Search:");
  EXPECT_EQ(button->text(), "&Search");
  EXPECT_EQ(button->toolTip(), "Search");
  EXPECT_EQ(button->statusTip(), "Search the whole book");
  EXPECT_EQ(group->title(), "Words");
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), "one");
  EXPECT_EQ(combo->currentText(), "two");
  EXPECT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(item->text(), "&Copy");
  EXPECT_TRUE(separator->isSeparator());
  EXPECT_EQ(unnamed->text(), "Parola");
  EXPECT_EQ(other->windowTitle(), "");
  EXPECT_EQ(inOther->text(), "Stampa");
}

TEST(WindowTexts, TheBuiltInTableCaptionsTheWindowInEnglish) {
  QWidget window;
  window.setObjectName("FEmail");
  window.setWindowTitle("Configurazione email");
  applyEnglishTable(window, WindowTable::email);
  EXPECT_EQ(window.windowTitle(), "Email configuration");
}

}  // namespace
}  // namespace zeb
