// The items of an object list: which objects of a kind are listed, their columns and icons,
// and the comparison the list sorts by.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/object_kinds.h"
#include "shell/item_icon.h"

namespace zeb {

class TZEBoggetto;
class TZEBset;

// The columns: "Title", "Size", "File name", "# page" and a fifth without a caption (the
// page number in hexadecimal).
inline constexpr int objectListColumns = 5;

struct ObjectListItem {
  std::string caption;                // the object's title
  std::vector<std::string> subItems;  // size, file name; for pages also the number, decimal and hexadecimal
  std::uint32_t identifier = 0;       // the object's ID
  ItemIcon icon;
  std::uint16_t codePage = 1252;  // of its texts: its page's, or its book's
};

// Decides per object whether it is listed; accept comes in with the list's own decision.
using ObjectFilter = std::function<void(TZEBoggetto& object, bool& accept)>;

// The item of one object.
ObjectListItem objectListItem(TZEBoggetto& object);
// The icon of an object in a list, by kind: pages ".txt"; hyperlinks by their target
// ("H..." ".htm", "M..." ".msg", "F..." the folder, an extension beginning ".htm" ".htm");
// linked files and pictures by their file name; keywords none; prototypes ".ini"; data sets
// ".dsn"; other kinds the folder.
ItemIcon objectIcon(const TZEBoggetto& object);

// A reload: the live objects of the kind in container order, without the book's own
// hyperlinks ("nexo:") and, for data sets, only those of variant 11; the filter may change
// the decision for each. Sorted by column 1 as every reload is.
std::vector<ObjectListItem> listObjectItems(TZEBset& set, TOggettiHel kind, const ObjectFilter& filter = {});

// Compares two items by a column: 0 the titles and 2 the file names in lower case (by the
// tables of the book's code page), 1 and 3 the numbers (an empty text is 0); an item lacking
// the column compares equal; a negative column reverses the result. Negative, zero or
// positive.
int compareObjectListItems(const ObjectListItem& left, const ObjectListItem& right, int column,
                           std::uint16_t codePage = 1252);
// Sorts by the column with that comparison; items that compare equal keep their order.
void sortObjectListItems(std::vector<ObjectListItem>& items, int column, std::uint16_t codePage = 1252);

}  // namespace zeb
