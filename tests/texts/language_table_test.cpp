// Language tables: decoding values, finding keys, and the translator's rules for which
// properties it collects and which it leaves alone.
#include "texts/language_table.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "texts/english_tables.h"
#include "texts/languager.h"

namespace zeb {
namespace {

TEST(LanguageTable, ValuesDecodeApostrophesLineBreaksAndTheEscapeByte) {
  EXPECT_EQ(decodeTableValue("Don''t stop"), "Don't stop");
  EXPECT_EQ(decodeTableValue("one\xA7!two"), "one\r\ntwo");
  EXPECT_EQ(decodeTableValue("\xA7\xA7 5"), "\xA7 5");
  EXPECT_EQ(decodeTableValue("\xA7\xA7!"), "\xA7!");  // the escaped byte is not an escape again
  EXPECT_EQ(decodeTableValue("end\xA7"), "end\xA7");
  EXPECT_EQ(decodeTableValue("'a' caf\xE9"), "'a' caf\xE9");
}

TEST(LanguageTable, AKeyGivesTheNextLineWithoutItsFirstCharacter) {
  const auto lines =
      tableLines("*_*FCerca_Caption\r\n Search:\r\n*_*fcerca_caption\r\n Second\n*_*b_hint\r\n\r\n*_*last_caption");
  EXPECT_EQ(lines.size(), 7u);
  EXPECT_EQ(tableKey("FCerca", "Caption"), "*_*fcerca_caption");
  EXPECT_EQ(findTableValue(lines, tableKey("fcerca", "caption")), "Search:");  // first match, any case
  EXPECT_EQ(findTableValue(lines, "*_*b_hint"), "");
  EXPECT_EQ(findTableValue(lines, "*_*last_caption"), std::nullopt);  // no line follows
  EXPECT_EQ(findTableValue(lines, "*_*missing_caption"), std::nullopt);
}

// A window of named components whose texts are kept in a map.
class FakeWindow final : public TranslatableWindow {
 public:
  std::vector<TextComponent> textComponents() const override {
    ++collections;
    return components;
  }
  void setText(std::string_view component, std::string_view property, std::string_view text) override {
    if (component == "Broken") throw std::runtime_error("cannot");
    texts[std::string(component) + "." + std::string(property)] = text;
  }
  std::vector<TextComponent> components = {
      {"FCerca", ComponentRole::window, {"caption", "hint", "items"}}, {"", ComponentRole::other, {"caption"}},
      {"N1", ComponentRole::menuItem, {"caption", "filter"}},          {"Broken", ComponentRole::other, {"caption"}},
      {"Combo", ComponentRole::other, {"Items", "Filter", "Color"}},   {"PopupMenu1", ComponentRole::other, {"items"}},
      {"Button", ComponentRole::other, {"caption", "items"}},
  };
  std::map<std::string, std::string> texts;
  mutable int collections = 0;
};

TEST(Languager, TheTableSetsTheCollectedPropertiesItNames) {
  FakeWindow window;
  TVoLanguager languager(window);
  languager.setLocalizationString(
      "*_*fcerca_caption\r\n Search:\r\n*_*n1_caption\r\n -\r\n*_*broken_caption\r\n x\r\n*_*button_caption\r\n "
      "&Go\r\n*_*combo_items\r\n a\xA7!b\r\n*_*popupmenu1_items\r\n PopupMenu1.\r\n*_*button_items\r\n "
      "Nowhere.\r\n*_*_caption\r\n unnamed\r\n*_*fcerca_items\r\n no");
  EXPECT_EQ(window.texts, (std::map<std::string, std::string>{{"FCerca.caption", "Search:"},
                                                              {"N1.caption", "-"},
                                                              {"Button.caption", "&Go"},
                                                              {"Combo.Items", "a\r\nb"},
                                                              {"Button.items", "Nowhere."}}));
  EXPECT_EQ(languager.PropertiesList(),
            (std::vector<std::string>{"FCerca.caption", "FCerca.hint", "N1.caption", "Broken.caption", "Combo.Items",
                                      "Combo.Filter", "PopupMenu1.items", "Button.caption", "Button.items"}));

  // The properties are collected once; a second table only sets texts.
  languager.setLocalizationString("*_*fcerca_caption\r\n Again");
  EXPECT_EQ(window.collections, 1);
  EXPECT_EQ(window.texts["FCerca.caption"], "Again");
  EXPECT_EQ(window.texts["Button.caption"], "&Go");  // missing from this table: unchanged
}

TEST(Languager, TheBuiltInTablesGiveTheirWindowsCaptions) {
  const auto captionOf = [](WindowTable table, std::string_view window) {
    return findTableValue(tableLines(englishTable(table)), tableKey(window, "caption"));
  };
  EXPECT_EQ(captionOf(WindowTable::mainWindow, "MainForm"), "Brightfold - loading");
  EXPECT_EQ(captionOf(WindowTable::search, "FCerca"), "Search:");
  EXPECT_EQ(captionOf(WindowTable::print, "FPrint"), "Print");
  EXPECT_EQ(captionOf(WindowTable::separatePage, "FSeparato"), std::nullopt);
  EXPECT_EQ(captionOf(WindowTable::fileLink, "FFiles"), "Link to file");
  EXPECT_EQ(captionOf(WindowTable::userData, "FAskName"), "User data");
  EXPECT_EQ(captionOf(WindowTable::email, "FEmail"), "Email configuration");
}

}  // namespace
}  // namespace zeb
