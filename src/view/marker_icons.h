// The icons of markers and custom objects: 18 x 18 pictures the program draws itself, made
// once on first use and shared by every marker.
#pragma once

#include <span>
#include <string_view>

#include "platform/clipboard.h"

namespace zeb {

inline constexpr int markerIconSide = 18;

// The icon of that resource name ("notepad", "ancora", "dbdb", ...); none for another name.
const RgbaImage* markerIcon(std::string_view name);

// Every name an icon exists for.
std::span<const std::string_view> markerIconNames();

}  // namespace zeb
