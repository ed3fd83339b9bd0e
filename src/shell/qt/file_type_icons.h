// Icons of the desktop's theme for file types, looked up once per extension for the life of
// the program.
#pragma once

#include <QIcon>

#include "shell/item_icon.h"

namespace zeb {

// The theme's icon for the MIME type of a file name or extension (".txt"), the style's file
// icon when the theme has none. Windows-1252 names.
QIcon fileTypeIcon(std::string_view fileName);
// The generic folder icon.
QIcon folderIcon();
// The icon an item names; a null icon for none.
QIcon iconOf(const ItemIcon& icon);

}  // namespace zeb
