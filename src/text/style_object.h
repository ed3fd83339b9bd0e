// The attributes a paragraph style object (kind 17) holds in its record, read at their
// offsets; the values of a new style stand in when a paragraph has no style object.
#pragma once

#include <cstdint>
#include <string>

#include "platform/font.h"

namespace zeb {

class TZEBoggetto;
class TZEBset;

namespace styleField {
inline constexpr int fontName = 39;  // short string
inline constexpr int fontNameMax = 32;
inline constexpr int size = 72;  // int16
inline constexpr int color = 74;
inline constexpr int style = 78;
inline constexpr int linkSize = 79;  // int16
inline constexpr int linkColor = 81;
inline constexpr int linkStyle = 85;
inline constexpr int leftMargin = 86;  // int16 each, to firstLineIndent
inline constexpr int rightMargin = 88;
inline constexpr int topMargin = 90;
inline constexpr int bottomMargin = 92;
inline constexpr int lineHeight = 94;
inline constexpr int firstLineIndent = 96;
inline constexpr int measureUnit = 98;  // bytes from here on
inline constexpr int alignment = 99;
inline constexpr int numbering = 100;
inline constexpr int paraOption = 101;
inline constexpr int position = 102;
}  // namespace styleField

// Alignment and list values with a meaning.
namespace alignment {
inline constexpr std::uint8_t left = 0;
inline constexpr std::uint8_t right = 1;
inline constexpr std::uint8_t centred = 2;
inline constexpr std::uint8_t justified = 3;
}  // namespace alignment
namespace numbering {
inline constexpr std::uint8_t none = 0;
inline constexpr std::uint8_t numbered = 6;
inline constexpr std::uint8_t bulleted = 10;
}  // namespace numbering

// Reads one attribute of a style object; with no object, the value a new style has.
namespace styleOf {
std::string FontName(const TZEBoggetto* style);
std::int32_t Size(const TZEBoggetto* style);
Colour Color(const TZEBoggetto* style);
std::uint8_t Style(const TZEBoggetto* style);
std::int32_t LinkSize(const TZEBoggetto* style);
Colour LinkColor(const TZEBoggetto* style);
std::uint8_t LinkStyle(const TZEBoggetto* style);
std::int32_t LeftMargin(const TZEBoggetto* style);
std::int32_t RightMargin(const TZEBoggetto* style);
std::int32_t TopMargin(const TZEBoggetto* style);
std::int32_t BottomMargin(const TZEBoggetto* style);
std::int32_t LineHeight(const TZEBoggetto* style);
std::int32_t FirstLineIndent(const TZEBoggetto* style);
std::uint8_t MeasureUnit(const TZEBoggetto* style);
std::uint8_t Alignment(const TZEBoggetto* style);
std::uint8_t Numbering(const TZEBoggetto* style);
std::uint8_t ParaOption(const TZEBoggetto* style);
std::uint8_t Position(const TZEBoggetto* style);
}  // namespace styleOf

// The style object a paragraph names by number: kind 17 at that index, or number 0 when the
// container holds no such style; none only when the container has no style at all.
TZEBoggetto* findParagraphStyle(const TZEBset& set, std::int64_t number);

}  // namespace zeb
