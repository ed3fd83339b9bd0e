// The English wording of each window, as key and value pairs: the key is the component and
// property ("fcerca_caption"), the value is written as tables write it ("''" for an
// apostrophe, \xA7 "!" for a line break). Each window's own code adds its entries here.
#include "texts/english_tables.h"

#include <initializer_list>
#include <string_view>

#include "texts/language_table.h"

namespace zeb {
namespace {

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::string tableOf(std::initializer_list<Entry> entries) {
  std::string table;
  for (const Entry& entry : entries) {
    table += std::string(tableKeyPrefix) + std::string(entry.key) + "\r\n";
    table += " " + std::string(entry.value) + "\r\n";
  }
  return table;
}

}  // namespace

std::string englishTable(WindowTable window) {
  switch (window) {
    case WindowTable::mainWindow: return tableOf({{"mainform_caption", "Brightfold - loading"}});
    case WindowTable::search: return tableOf({{"fcerca_caption", "Search:"}});
    case WindowTable::print: return tableOf({{"fprint_caption", "Print"}});
    // The separate page window's caption is set by the window itself; its key alone leaves
    // the caption as it is.
    case WindowTable::separatePage: return std::string(tableKeyPrefix) + "fseparato_caption";
    case WindowTable::fileLink: return tableOf({{"ffiles_caption", "Link to file"}});
    case WindowTable::userData: return tableOf({{"faskname_caption", "User data"}});
    case WindowTable::email: return tableOf({{"femail_caption", "Email configuration"}});
  }
  return std::string();
}

}  // namespace zeb
