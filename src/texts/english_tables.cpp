// The English wording of each window, as key and value pairs: the key is the component and
// property ("fcerca_caption"), the value is written as tables write it ("''" for an
// apostrophe, \xA7 "!" for a line break). Each window's own code adds its entries here.
#include "texts/english_tables.h"

#include "texts/main_window_table.h"
#include "texts/table_writer.h"

namespace zeb {
namespace {

// The search dialog: its keyword and word pages, and the replace page the reader keeps hidden.
// The button of the search in the e-book gets its text from the dialog itself.
std::string searchTable() {
  return writeTable({
      {"fcerca_caption", "Search:"},
      {"tskey_caption", "Page for keyword"},
      {"label1_caption", "Search by keyword:"},
      {"bcerca_hint", "Search"},
      {"label2_caption", "Available keywords:"},
      {"label3_caption", "Pages containing selected keyword:"},
      {"tsparola_caption", "Word"},
      {"label4_caption", "Search word (from cursor pos):"},
      {"label5_caption", "and:"},
      {"label6_caption", "Or:"},
      {"label7_caption", "and:"},
      {"speedbutton1_caption", "All pages that meet criteria"},
      {"speedbutton1_hint", "Search"},
      {"bcnellapagina_caption", "Search in &page..."},
      {"bcancel_caption", "<"},
      {"bcancel_hint", "Reset"},
      {"cbcaps1_caption", "ignore caps"},
      {"cbcomp1_caption", "whole word only"},
      {"tssost_caption", "Replace"},
      {"cbcaps_caption", "ignore caps"},
      {"cbcomp_caption", "whole word only"},
      {"cbconferma_caption", "confirm each replacement"},
      {"cbconft_caption", "confirm replace all"},
      {"rgparti_caption", "Start from:"},
      {"rbpage0_caption", "Page 0"},
      {"rbpresentpage_caption", "present page"},
      {"tsdove_caption", "Where"},
      {"tslista_caption", "Where"},
  });
}

}  // namespace

std::string englishTable(WindowTable window) {
  switch (window) {
    case WindowTable::mainWindow: return mainWindowTable();
    case WindowTable::about: return aboutBoxTable();
    case WindowTable::search: return searchTable();
    case WindowTable::print:
      return writeTable({
          {"fprint_caption", "Print"},
          {"pagecontrol1_tabs", "Print pages\xA7!Put in order hypertext\xA7!Options"},
          {"label1_caption", "Pages to print:"},
          {"pagscelte_columns", "Name"},
          {"baggiungipagina_caption", "Add page from right"},
          {"btutte_caption", "All, with default order"},
          {"bcorrente_caption", "Current"},
          {"bup_hint", "Move up"},
          {"bdown_hint", "Move down"},
          {"bdelpage_hint", "Delete selected"},
          {"cbsegna_caption", "Add pages in list when browsing"},
          {"cbprev_caption", "preview on list item click"},
          {"bscegli_caption", "Choose..."},
          {"btuttenum_caption", "All"},
          {"cbanteprima_caption", "preview on tree item click"},
          {"cbsfondo_caption", "background"},
          {"cbsfondotab_caption", "tables background"},
          {"label2_caption", "Images scale:"},
          {"bindietro_hint", "Back"},
          {"bcurpag_hint", "Page of the main window"},
          {"bsummary_hint", "Contents"},
          {"bcover_hint", "Cover"},
          {"nextslide1_caption", "Next slide..."},
          {"bok_caption", "&Print"},
          {"bannulla_caption", "&Cancel"},
      });
    case WindowTable::separatePage: return separateWindowTable();
    case WindowTable::fileLink:
      return writeTable({{"ffiles_caption", "Link to file"},
                         {"label1_caption", "The link you have followed points to file:"},
                         {"label2_caption", "Choose action:"},
                         {"besegui_caption", "&Execute"},
                         {"bsalva_caption", "&Save..."},
                         {"bavanzate_caption", "A&dvanced..."},
                         {"bannulla_caption", "&Cancel"}});
    case WindowTable::userData: return writeTable({{"faskname_caption", "User data"}});
    case WindowTable::email:
      return writeTable({{"femail_caption", "Email configuration"},
                         {"label1_caption", "Name of your outgoing mail (SMTP) server, for example smtp.example.com:"},
                         {"label2_caption", "Your e-mail address, for example jane.doe@example.com:"},
                         {"label3_caption",
                          "This is a one-time setup you should do for sending emails. You can change this later in "
                          "Tools >Email options."},
                         {"button1_caption", "&Ok"}});
  }
  return std::string();
}

}  // namespace zeb
