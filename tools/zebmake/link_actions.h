// Link actions (kind 10) for books made for tests and samples: what they do, their target,
// the window they name and the window description at the start of their data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/container.h"

namespace zeb::zebmake {

// The 22 bytes of a separate window's description.
struct WindowDescriptionFields {
  std::int16_t left = -20000;
  std::int16_t top = 0;
  std::int16_t width = -20000;
  std::int16_t height = 0;
  bool maximised = false;
  bool historyToolbar = false;
  bool mainMenu = false;
  bool sizeable = true;
  bool statusBar = false;
  bool mainToolbar = false;
};
std::vector<std::uint8_t> windowDescriptionBytes(const WindowDescriptionFields& fields);

struct LinkActionFields {
  std::uint8_t action = 1;       // 1 show, 2 close, 3 keywords, 4 and 5 the page sequence
  std::uint8_t destination = 0;  // where "show" puts its target
  std::uint32_t target = 0;      // an object ID, or 0x6F000000 + n
  std::int32_t anchor = -1;
  std::uint8_t flag = 0;
  std::string window;  // Windows-1252
  std::optional<WindowDescriptionFields> description;
};

// Writes the fields into a live link action.
void setLinkAction(TZEBoggetto& action, const LinkActionFields& fields);
// A new live link action with the fields, registered at the next free index.
TZEBoggetto& addLinkAction(TZEBset& set, const LinkActionFields& fields);

}  // namespace zeb::zebmake
