// The English wording of each window, as key and value pairs: the key is the component and
// property ("fcerca_caption"), the value is written as tables write it ("''" for an
// apostrophe, \xA7 "!" for a line break). Each window's own code adds its entries here.
#include "texts/english_tables.h"

#include "texts/language_table.h"
#include "texts/main_window_table.h"
#include "texts/table_writer.h"

namespace zeb {

std::string englishTable(WindowTable window) {
  switch (window) {
    case WindowTable::mainWindow: return mainWindowTable();
    case WindowTable::about: return aboutBoxTable();
    case WindowTable::search: return writeTable({{"fcerca_caption", "Search:"}});
    case WindowTable::print: return writeTable({{"fprint_caption", "Print"}});
    // The separate page window's caption is set by the window itself; its key alone leaves
    // the caption as it is.
    case WindowTable::separatePage: return std::string(tableKeyPrefix) + "fseparato_caption";
    case WindowTable::fileLink: return writeTable({{"ffiles_caption", "Link to file"}});
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
