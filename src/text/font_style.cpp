// Run attributes relative to their style object.
#include "text/font_style.h"

#include "text/paragraph_style.h"
#include "text/style_object.h"

namespace zeb {

Colour TZEBFontStyle::Color() const { return get(CharAttribute::color, color_, styleOf::Color(baseStyle_)); }
void TZEBFontStyle::setColor(Colour color) { put(CharAttribute::color, color_, color, styleOf::Color(baseStyle_)); }

std::string TZEBFontStyle::FontName() const {
  return isSet(CharAttribute::fontName) ? fontName_ : styleOf::FontName(baseStyle_);
}
void TZEBFontStyle::setFontName(std::string_view name) {
  const bool differs = name != styleOf::FontName(baseStyle_);
  mark(CharAttribute::fontName, differs);
  if (differs) fontName_ = name;
}

std::int32_t TZEBFontStyle::Size() const { return get(CharAttribute::size, size_, styleOf::Size(baseStyle_)); }
void TZEBFontStyle::setSize(std::int32_t size) { put(CharAttribute::size, size_, size, styleOf::Size(baseStyle_)); }

std::uint8_t TZEBFontStyle::Style() const { return get(CharAttribute::style, style_, styleOf::Style(baseStyle_)); }
void TZEBFontStyle::setStyle(std::uint8_t style) {
  put(CharAttribute::style, style_, style, styleOf::Style(baseStyle_));
}

std::uint8_t TZEBFontStyle::Position() const {
  return get(CharAttribute::position, position_, styleOf::Position(baseStyle_));
}
void TZEBFontStyle::setPosition(std::uint8_t position) {
  put(CharAttribute::position, position_, position, styleOf::Position(baseStyle_));
}

template <typename Source>
void TZEBFontStyle::assignStyle(const Source& source) {
  setBaseStyle(source.BaseStyle());
  setColor(source.Color());
  setFontName(source.FontName());
  setStyle(source.Style());
  setPosition(source.Position());
  setSize(source.Size());
}

void TZEBFontStyle::Assign(const TZEBFontStyle& source) {
  if (&source != this) assignStyle(source);
}

void TZEBFontStyle::Assign(const TZEBParaStyle& source) { assignStyle(source); }

void TZEBFontStyle::Assign(const TMyFont& source) {
  setColor(source.Color);
  setFontName(source.Name);
  setStyle(source.Style);
  setSize(source.Size);
  setPosition(source.Position);
}

void TZEBFontStyle::Assign(const SystemFont& source) {
  setColor(source.Color);
  setFontName(source.Name);
  setStyle(source.Style);
  setSize(source.Size);
}

void TZEBFontStyle::AssignTo(TMyFont& target) const {
  target.Name = FontName();
  target.Size = Size();
  target.Style = Style();
  target.Color = Color();
  target.Position = Position();
}

void TZEBFontStyle::AssignTo(SystemFont& target) const {
  target.Name = FontName();
  target.Size = Size();
  target.Style = Style();
  target.Color = Color();
}

}  // namespace zeb
