// The parts of a JSON book description that describe what pages show: the hot zones of a
// picture placement, the grid and colours of a table, and animated pictures.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

namespace zeb {
class TZEBoggetto;
}

namespace zeb::zebmake {

// "zones": [{"slot": 3, "link": ID, "left": x, "top": y, "width": w, "height": h}, ...]
// fills those slots of a placement (kind 16); the other slots keep no link.
void applyZones(TZEBoggetto& placement, const nlohmann::json& zones);

// "table": {"rows": R, "columns": [{"percent": 50} | {"pixels": 80} | {"rest": true}, ...],
// "width": pixels or "percent": share of the line, "spacing", "inset", "border",
// "colour": the table's colour code, "cells": [a colour code per cell, row by row]}.
void applyTable(TZEBoggetto& table, const nlohmann::json& description);

// {"animation": {"width": w, "height": h, "frames": n, "delay": hundredths, "loop": count}}:
// a GIF of a yellow ball crossing a blue sky above green ground, one frame per position;
// 160 x 100 pixels, 20 frames of 5 hundredths of a second unless told.
inline constexpr int animationWidth = 160;
inline constexpr int animationHeight = 100;
std::vector<std::uint8_t> animatedBallGif(const nlohmann::json& description);

}  // namespace zeb::zebmake
