// Language tables written from their entries.
#include "texts/table_writer.h"

#include "texts/language_table.h"

namespace zeb {

std::string writeTable(const std::vector<TableEntry>& entries) {
  std::string table;
  for (const TableEntry& entry : entries) {
    table += tableKeyPrefix;
    table += entry.key;
    table += "\r\n ";
    table += entry.value;
    table += "\r\n";
  }
  return table;
}

}  // namespace zeb
