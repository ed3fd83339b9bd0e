// Every text the page presentation shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

inline constexpr std::string_view anchorNotFound = "Anchor not found: a";
inline constexpr std::string_view mapProblem = "Map problem.";

}  // namespace zeb::messages
