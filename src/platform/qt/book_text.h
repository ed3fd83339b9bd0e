// Book texts (Windows-1252 bytes) to and from the QString of the Qt windows.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/windows1252.h"

namespace zeb {

inline QString fromBookText(std::string_view windows1252) {
  return QString::fromStdString(windows1252ToUtf8(windows1252));
}

// Characters Windows-1252 lacks become "?".
inline std::string toBookText(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

}  // namespace zeb
