// Texts to and from the QString of the Qt windows: a book's texts in its code page, the
// program's own texts (and those of the settings) in Windows-1252.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/code_pages.h"
#include "platform/windows1252.h"

namespace zeb {

inline QString fromBookText(std::string_view text, std::uint16_t codePage) {
  return QString::fromStdString(bookTextToUtf8(text, codePage));
}
// Characters the code page lacks become "?".
inline std::string toBookText(const QString& text, std::uint16_t codePage) {
  return utf8ToBookText(text.toStdString(), codePage);
}

// The program's own texts, in Windows-1252.
inline QString fromBookText(std::string_view windows1252) {
  return QString::fromStdString(windows1252ToUtf8(windows1252));
}
inline std::string toBookText(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

}  // namespace zeb
