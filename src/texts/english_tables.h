// The English tables built into the reader, one per window.
#pragma once

#include <string>

namespace zeb {

enum class WindowTable { mainWindow, about, search, print, separatePage, fileLink, userData, email };

// The table of the window in its stored form (CR LF lines, key and value in pairs).
std::string englishTable(WindowTable window);

}  // namespace zeb
