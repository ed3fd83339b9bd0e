// The main window's English texts: its menus, toolbars and popup menus; the separate page
// window's, which carries the same toolbar buttons; and the about box's.
#include "texts/main_window_table.h"

#include <initializer_list>
#include <string_view>

#include "platform/code_pages.h"
#include "platform/windows1252.h"
#include "texts/language_table.h"
#include "texts/table_writer.h"

namespace zeb {
namespace {

void add(std::vector<TableEntry>& entries, std::string_view component, std::string_view property,
         std::string_view value) {
  entries.push_back({lowerWindows1252(component) + "_" + std::string(property), std::string(value)});
}

struct ButtonTexts {
  std::string_view name;
  std::string_view text;
  std::string_view hint;
};

// The items of the popup menus are named by their kind and the number of their menu
// (Copia1 ... Copia11): each kind with its text and the menus that carry it.
struct PopupItemTexts {
  std::string_view kind;
  std::string_view text;
  std::initializer_list<int> menus;
};

// The buttons of the main toolbar; a separate page window carries them too.
constexpr ButtonTexts mainToolbarButtons[] = {
    {"BPrecedente", "Previous", "Previous page"},
    {"Bseguente", "Next", "Next page"},
    {"BFileOpen", "Open", "Open an ebook"},
    {"PrintButton", "Print", "Print"},
    {"CoverButton", "Cover", "Cover"},
    {"SummaryButton", "Contents", "Contents"},
    {"CercaKeyButton", "Search", "Search by keyword"},
    {"NestedButton", "Show frames", "Show frames"},
};

void addToolbars(std::vector<TableEntry>& entries) {
  add(entries, "ToolbarFile", "caption", "Main");
  for (const ButtonTexts& button : mainToolbarButtons) {
    add(entries, button.name, "caption", button.text);
    add(entries, button.name, "hint", button.hint);
  }
  add(entries, "ReadAloudButton", "caption", "Read aloud");
  add(entries, "ReadAloudButton", "hint", "Read the page aloud");
  add(entries, "ToolbarHistory", "caption", "Browsed pages");
  add(entries, "HistoryCombo", "hint", "URL");
}

constexpr int tableMenu = 1, childFrameMenu = 2, frameMenu = 3, specialLinkMenu = 4, zoneMenu = 5, imageMenu = 6,
              buttonMenu = 7, floatingMenu = 8, fileLinkMenu = 9, inactiveMenu = 10, mediaMenu = 11;

}  // namespace

std::string mainWindowTable() {
  std::vector<TableEntry> entries;
  const auto caption = [&entries](std::string_view component, std::string_view text) {
    add(entries, component, "caption", text);
  };
  const auto hint = [&entries](std::string_view component, std::string_view text) {
    add(entries, component, "hint", text);
  };
  caption("MainForm", "Brightfold - loading");

  caption("FileMenu", "&File");
  caption("FileOpenItem", "&Open...");
  hint("FileOpenItem", "Open|Open an ebook");
  caption("Impostastampante1", "Printer se&ttings...");
  caption("Impostamargini1", "&Margin settings...");
  caption("FilePrintItem", "&Print...");
  caption("Stampacorrente1", "Print &current");
  caption("Stampatutte1", "Print all");
  caption("Esporta1", "E&xport");
  caption("EsportaEpub1", "E&PUB...");
  caption("EsportaHtml1", "&HTML...");
  caption("FileExitItem", "&Exit");
  caption("Biblioteca1", "&Library...");

  caption("EditMenu", "C&opy");
  caption("EditCopyItem", "&Copy");
  caption("Selezionabrano1", "&Select all");

  caption("Cerca1", "&Search");
  caption("Cercasostituisci1", "&Search...");
  caption("Ripetiultimaricerca1", "&Search again in page");
  caption("Ripetinellipertesto1", "Search again in &hypertext");
  caption("Cercaperparolachiave1", "Search by keyword...");
  caption("Cercaconoperatori1", "&Boolean search...");

  caption("Ipertesto1", "Hyper&text");
  caption("Copertina1", "&Cover");
  caption("Sommario1", "&Contents");
  caption("Paginaprecedente1", "P&revious page");
  caption("Paginasuccessiva1", "&Next page");
  caption("Mostracornici1", "&Show frames");
  caption("Vaiapagina1", "&Go to page...");
  caption("Proprietaipertesto1", "&Current hypertext properties...");
  caption("Alberoindice1", "Contents &tree");
  caption("Vaiallapagina1", "&Go to page...");
  caption("Aggiungisegnalibro1", "Add &bookmark");
  caption("SegnalibriMenu", "Boo&kmarks");
  caption("Organizzasegnalibri1", "&Organize bookmarks...");

  caption("ViewMenu", "&View");
  caption("TextEncodingMenu", "Text &encoding");
  caption("TextEncoding0", "Automatic (from the book)");
  for (const std::uint16_t codePage : readableCodePages())
    caption("TextEncoding" + std::to_string(codePage), codePageTitle(codePage));
  caption("NightMode", "&Night mode");
  caption("DimPictures", "&Dim pictures at night");
  caption("ZoomIn", "Zoom &in");
  caption("ZoomOut", "Zoom &out");
  caption("ZoomNormal", "&Normal size");
  caption("ZoomFitWidth", "Fit &width");
  caption("Schermointero1", "&Full screen");
  caption("CaretBrowsing1", "&Caret browsing");
  hint("CaretBrowsing1", "Caret browsing|A caret in the page, moved by the arrow keys");
  caption("ReadAloud1", "Read &aloud");
  hint("ReadAloud1", "Read aloud|Read the page aloud from the caret");
  caption("PauseReading1", "&Pause reading");
  caption("StopReading1", "S&top reading");
  caption("ReadingVoiceMenu", "V&oice");
  caption("ReadingSpeedMenu", "Reading &speed");
  caption("ReadingSpeed0", "Very slow");
  caption("ReadingSpeed1", "Slow");
  caption("ReadingSpeed2", "Normal");
  caption("ReadingSpeed3", "Fast");
  caption("ReadingSpeed4", "Very fast");

  caption("Opzioni1", "&Tools");
  caption("Opzioniemail1", "&Email options...");
  caption("Opzioniprogramma1", "Program &options...");
  caption("Skin1", "&Skin");

  caption("HelpMenu", "&?");
  caption("HelpAboutItem", "&Info...");
  caption("HelpContentsItem", "&Summary");
  caption("HelpSearchItem", "&Search help on...");

  addToolbars(entries);
  caption("ContentsDock", "Contents");

  for (const PopupItemTexts& item : {
           PopupItemTexts{"Copia",
                          "&Copy",
                          {tableMenu, childFrameMenu, frameMenu, specialLinkMenu, zoneMenu, imageMenu, buttonMenu,
                           floatingMenu, fileLinkMenu, inactiveMenu, mediaMenu}},
           PopupItemTexts{
               "Selezionatesto", "&Select text in cell", {tableMenu, childFrameMenu, frameMenu, specialLinkMenu}},
           PopupItemTexts{"Selezionatutto", "&Select all", {tableMenu, childFrameMenu, frameMenu, specialLinkMenu}},
           PopupItemTexts{
               "CopiaSfondo", "Copy &background in clipboard", {tableMenu, childFrameMenu, frameMenu, specialLinkMenu}},
           PopupItemTexts{"SeguiCollZone", "&Follow link", {zoneMenu}},
           PopupItemTexts{"Segui", "&Follow link", {imageMenu}},
           PopupItemTexts{"SeguicollegamentoBtn", "&Follow link...", {buttonMenu}},
           PopupItemTexts{"Seguicollegamento", "Follo&w link", {specialLinkMenu}},
           PopupItemTexts{"PrecedenteFloat", "P&revious...", {floatingMenu}},
           PopupItemTexts{"Ridimensiona", "&Resize", {tableMenu, childFrameMenu, frameMenu, imageMenu, floatingMenu}},
           PopupItemTexts{"Esci", "E&xit", {tableMenu, childFrameMenu, frameMenu, imageMenu, floatingMenu}},
           PopupItemTexts{
               "Info", "&Info...", {tableMenu, childFrameMenu, frameMenu, specialLinkMenu, imageMenu, floatingMenu}},
           PopupItemTexts{"Brightfold",
                          "Brightfold",
                          {tableMenu, childFrameMenu, frameMenu, specialLinkMenu, imageMenu, floatingMenu}},
       }) {
    for (const int menu : item.menus) caption(std::string(item.kind) + std::to_string(menu), item.text);
  }
  return writeTable(entries);
}

std::string separateWindowTable() {
  std::vector<TableEntry> entries;
  add(entries, "FileMenu", "caption", "&File");
  add(entries, "FilePrintItem", "caption", "&Print...");
  add(entries, "Impostastampante1", "caption", "Printer se&ttings...");
  add(entries, "Impostamargini1", "caption", "&Margin settings...");
  // The item closes the window, not the reader.
  add(entries, "FileExitItem", "caption", "&Close");
  add(entries, "HelpMenu", "caption", "&?");
  add(entries, "HelpAboutItem", "caption", "&Info...");
  addToolbars(entries);
  // The window's caption is the name of the page it shows: its key alone leaves it as it is.
  return writeTable(entries) + std::string(tableKeyPrefix) + "fseparato_caption";
}

std::string aboutBoxTable() {
  std::vector<TableEntry> entries;
  add(entries, "Fabout", "caption", "About Brightfold");
  add(entries, "LProgramName", "caption", "Brightfold");
  add(entries, "LVersion", "caption", "Version " BRIGHTFOLD_VERSION);
  add(entries, "LDescription", "caption", "A reader for .zeb hypertext ebooks");
  add(entries, "LCopyright", "caption", "Free software, for reading ebooks on any desktop.");
  add(entries, "BOk", "caption", "OK");
  return writeTable(entries);
}

}  // namespace zeb
