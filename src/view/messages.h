// Every text the page presentation shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

inline constexpr std::string_view anchorNotFound = "Anchor not found: a";
inline constexpr std::string_view mapProblem = "Map problem.";
// A splitter refuses a target that is aligned to no side.
inline constexpr std::string_view targetAlignMustDiffer = "L'allineamento del target deve essere diverso!";
inline constexpr std::string_view targetAlignMustBeSide = "TargetControl's align must be left, right, top or bottom";

}  // namespace zeb::messages
