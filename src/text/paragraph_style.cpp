// Paragraph attributes relative to their style object.
#include "text/paragraph_style.h"

#include "text/length_units.h"
#include "text/style_object.h"

namespace zeb {
namespace {

constexpr ParaAttribute attributeOf(ParaLength which) {
  return static_cast<ParaAttribute>(static_cast<int>(ParaAttribute::lineHeight) + static_cast<int>(which));
}

std::int32_t baseLength(const TZEBoggetto* style, ParaLength which) {
  switch (which) {
    case ParaLength::lineHeight: return styleOf::LineHeight(style);
    case ParaLength::firstLineIndent: return styleOf::FirstLineIndent(style);
    case ParaLength::leftMargin: return styleOf::LeftMargin(style);
    case ParaLength::rightMargin: return styleOf::RightMargin(style);
    case ParaLength::topMargin: return styleOf::TopMargin(style);
    case ParaLength::bottomMargin: return styleOf::BottomMargin(style);
  }
  return 0;
}

}  // namespace

void TZEBParaStyle::setBaseStyle(TZEBoggetto* style) {
  baseStyle_ = style;
  fontStyle_.setBaseStyle(style);
}

Colour TZEBParaStyle::Color() const { return get(ParaAttribute::color, color_, styleOf::Color(baseStyle_)); }
void TZEBParaStyle::setColor(Colour value) { put(ParaAttribute::color, color_, value, styleOf::Color(baseStyle_)); }

std::string TZEBParaStyle::FontName() const {
  return isSet(ParaAttribute::fontName) ? fontName_ : styleOf::FontName(baseStyle_);
}
void TZEBParaStyle::setFontName(std::string_view value) {
  const bool differs = value != styleOf::FontName(baseStyle_);
  mark(ParaAttribute::fontName, differs);
  if (differs) fontName_ = value;
}

std::int32_t TZEBParaStyle::Size() const { return get(ParaAttribute::size, size_, styleOf::Size(baseStyle_)); }
void TZEBParaStyle::setSize(std::int32_t value) { put(ParaAttribute::size, size_, value, styleOf::Size(baseStyle_)); }

std::uint8_t TZEBParaStyle::Style() const { return get(ParaAttribute::style, style_, styleOf::Style(baseStyle_)); }
void TZEBParaStyle::setStyle(std::uint8_t value) {
  put(ParaAttribute::style, style_, value, styleOf::Style(baseStyle_));
}

std::uint8_t TZEBParaStyle::Position() const {
  return get(ParaAttribute::position, position_, styleOf::Position(baseStyle_));
}
void TZEBParaStyle::setPosition(std::uint8_t value) {
  put(ParaAttribute::position, position_, value, styleOf::Position(baseStyle_));
}

std::uint8_t TZEBParaStyle::Alignment() const {
  return get(ParaAttribute::alignment, alignment_, styleOf::Alignment(baseStyle_));
}
void TZEBParaStyle::setAlignment(std::uint8_t value) {
  put(ParaAttribute::alignment, alignment_, value, styleOf::Alignment(baseStyle_));
}

std::uint8_t TZEBParaStyle::ParaOption() const {
  return get(ParaAttribute::paraOption, paraOption_, styleOf::ParaOption(baseStyle_));
}
void TZEBParaStyle::setParaOption(std::uint8_t value) {
  put(ParaAttribute::paraOption, paraOption_, value, styleOf::ParaOption(baseStyle_));
}

std::uint8_t TZEBParaStyle::Numbering() const {
  return get(ParaAttribute::numbering, numbering_, styleOf::Numbering(baseStyle_));
}
void TZEBParaStyle::setNumbering(std::uint8_t value) {
  put(ParaAttribute::numbering, numbering_, value, styleOf::Numbering(baseStyle_));
}

std::uint8_t TZEBParaStyle::MeasureUnit() const {
  return get(ParaAttribute::measureUnit, measureUnit_, styleOf::MeasureUnit(baseStyle_));
}
void TZEBParaStyle::setMeasureUnit(std::uint8_t value) {
  put(ParaAttribute::measureUnit, measureUnit_, value, styleOf::MeasureUnit(baseStyle_));
}

std::uint8_t TZEBParaStyle::LinkStyle() const {
  return get(ParaAttribute::linkStyle, linkStyle_, styleOf::LinkStyle(baseStyle_));
}
void TZEBParaStyle::setLinkStyle(std::uint8_t value) {
  put(ParaAttribute::linkStyle, linkStyle_, value, styleOf::LinkStyle(baseStyle_));
}

Colour TZEBParaStyle::LinkColor() const {
  return get(ParaAttribute::linkColor, linkColor_, styleOf::LinkColor(baseStyle_));
}
void TZEBParaStyle::setLinkColor(Colour value) {
  put(ParaAttribute::linkColor, linkColor_, value, styleOf::LinkColor(baseStyle_));
}

std::int32_t TZEBParaStyle::LinkSize() const {
  return get(ParaAttribute::linkSize, linkSize_, styleOf::LinkSize(baseStyle_));
}
void TZEBParaStyle::setLinkSize(std::int32_t value) {
  put(ParaAttribute::linkSize, linkSize_, value, styleOf::LinkSize(baseStyle_));
}

std::int32_t TZEBParaStyle::length(ParaLength which) const {
  return get(attributeOf(which), lengths_[static_cast<int>(which)], baseLength(baseStyle_, which));
}
void TZEBParaStyle::setLength(ParaLength which, std::int32_t pixels) {
  put(attributeOf(which), lengths_[static_cast<int>(which)], pixels, baseLength(baseStyle_, which));
}

double TZEBParaStyle::lengthInUnit(ParaLength which, const UnitConverter& units) const {
  return units.fromPixels(length(which), lengthUnitOf(MeasureUnit()));
}
void TZEBParaStyle::setLengthInUnit(ParaLength which, double value, const UnitConverter& units) {
  setLength(which, units.roundedPixels(value, lengthUnitOf(MeasureUnit())));
}

void TZEBParaStyle::assignCharacterAttributes(Colour color, std::string_view face, std::uint8_t style,
                                              std::int32_t size) {
  setColor(color);
  setFontName(face);
  setStyle(style);
  setSize(size);
}

// Lengths are copied as pixels: going through the source's unit and back, as the fractional
// accessors would, returns the same whole pixels at any resolution.
void TZEBParaStyle::Assign(const TZEBParaStyle& source) {
  if (&source == this) return;
  setBaseStyle(source.BaseStyle());
  setMeasureUnit(source.MeasureUnit());
  assignCharacterAttributes(source.Color(), source.FontName(), source.Style(), source.Size());
  setPosition(source.Position());
  setAlignment(source.Alignment());
  setParaOption(source.ParaOption());
  setNumbering(source.Numbering());
  for (int which = 0; which < 6; ++which) {
    setLength(static_cast<ParaLength>(which), source.length(static_cast<ParaLength>(which)));
  }
  setLinkStyle(source.LinkStyle());
  setLinkColor(source.LinkColor());
  setLinkSize(source.LinkSize());
  fontStyle_.Assign(source);
}

void TZEBParaStyle::Assign(const TZEBFontStyle& source) {
  setBaseStyle(source.BaseStyle());
  assignCharacterAttributes(source.Color(), source.FontName(), source.Style(), source.Size());
  setPosition(source.Position());
  fontStyle_.Assign(source);
}

void TZEBParaStyle::Assign(const TMyFont& source) {
  assignCharacterAttributes(source.Color, source.Name, source.Style, source.Size);
  setPosition(source.Position);
  fontStyle_.Assign(source);
}

void TZEBParaStyle::Assign(const SystemFont& source) {
  assignCharacterAttributes(source.Color, source.Name, source.Style, source.Size);
  fontStyle_.Assign(source);
}

void TZEBParaStyle::AssignTo(TMyFont& target) const {
  target.Name = FontName();
  target.Size = Size();
  target.Style = Style();
  target.Color = Color();
  target.Position = Position();
}

void TZEBParaStyle::AssignTo(SystemFont& target) const {
  target.Name = FontName();
  target.Size = Size();
  target.Style = Style();
  target.Color = Color();
}

}  // namespace zeb
