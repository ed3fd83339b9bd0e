// Style object fields.
#include "text/style_object.h"

#include "document/container.h"
#include "document/messages.h"

namespace zeb::styleOf {
namespace {

// The values of a new style object (the record is zeroed, then these are set).
namespace fresh {
inline constexpr std::int32_t size = 12;
inline constexpr Colour color = 0;
inline constexpr std::int32_t linkSize = -1;
inline constexpr Colour linkColor = 0xFF0000;
inline constexpr std::uint8_t linkStyle = fontStyle::underline;
inline constexpr std::int32_t sideMargin = 10;
inline constexpr std::int32_t lineHeight = static_cast<std::int16_t>(0x8300);
inline constexpr std::uint8_t measureUnit = 1;
}  // namespace fresh

std::int32_t i16Or(const TZEBoggetto* style, int offset, std::int32_t otherwise) {
  return style != nullptr ? style->record().i16(offset) : otherwise;
}
std::uint8_t u8Or(const TZEBoggetto* style, int offset, std::uint8_t otherwise) {
  return style != nullptr ? style->record().u8(offset) : otherwise;
}
Colour u32Or(const TZEBoggetto* style, int offset, Colour otherwise) {
  return style != nullptr ? style->record().u32(offset) : otherwise;
}

}  // namespace

std::string FontName(const TZEBoggetto* style) {
  if (style == nullptr) return std::string(messages::styleFontName);
  return style->record().shortString(styleField::fontName, styleField::fontNameMax);
}
std::int32_t Size(const TZEBoggetto* style) { return i16Or(style, styleField::size, fresh::size); }
Colour Color(const TZEBoggetto* style) { return u32Or(style, styleField::color, fresh::color); }
std::uint8_t Style(const TZEBoggetto* style) { return u8Or(style, styleField::style, 0); }
std::int32_t LinkSize(const TZEBoggetto* style) { return i16Or(style, styleField::linkSize, fresh::linkSize); }
Colour LinkColor(const TZEBoggetto* style) { return u32Or(style, styleField::linkColor, fresh::linkColor); }
std::uint8_t LinkStyle(const TZEBoggetto* style) { return u8Or(style, styleField::linkStyle, fresh::linkStyle); }
std::int32_t LeftMargin(const TZEBoggetto* style) { return i16Or(style, styleField::leftMargin, fresh::sideMargin); }
std::int32_t RightMargin(const TZEBoggetto* style) { return i16Or(style, styleField::rightMargin, fresh::sideMargin); }
std::int32_t TopMargin(const TZEBoggetto* style) { return i16Or(style, styleField::topMargin, 0); }
std::int32_t BottomMargin(const TZEBoggetto* style) { return i16Or(style, styleField::bottomMargin, 0); }
std::int32_t LineHeight(const TZEBoggetto* style) { return i16Or(style, styleField::lineHeight, fresh::lineHeight); }
std::int32_t FirstLineIndent(const TZEBoggetto* style) { return i16Or(style, styleField::firstLineIndent, 0); }
std::uint8_t MeasureUnit(const TZEBoggetto* style) { return u8Or(style, styleField::measureUnit, fresh::measureUnit); }
std::uint8_t Alignment(const TZEBoggetto* style) { return u8Or(style, styleField::alignment, 0); }
std::uint8_t Numbering(const TZEBoggetto* style) { return u8Or(style, styleField::numbering, 0); }
std::uint8_t ParaOption(const TZEBoggetto* style) { return u8Or(style, styleField::paraOption, 0); }
std::uint8_t Position(const TZEBoggetto* style) { return u8Or(style, styleField::position, 0); }

}  // namespace zeb::styleOf

namespace zeb {

TZEBoggetto* findParagraphStyle(const TZEBset& set, std::int64_t number) {
  constexpr int styles = kindNumber(TOggettiHel::stileParagrafo);
  if (TZEBoggetto* style = set.objectByKindAndIndex(styles, number)) return style;
  return set.objectByKindAndIndex(styles, 0);
}

}  // namespace zeb
