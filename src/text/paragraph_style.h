// TZEBParaStyle: the attributes of one paragraph, stored only where they differ from the
// paragraph style object, with the paragraph's character defaults as a TZEBFontStyle.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"
#include "text/attribute_overrides.h"
#include "text/font_style.h"

namespace zeb {

class TZEBoggetto;
class UnitConverter;

// The eighteen attributes, in the order of the fields.
enum class ParaAttribute : std::uint8_t {
  color,
  fontName,
  size,
  style,
  position,
  alignment,
  paraOption,
  numbering,
  measureUnit,
  lineHeight,
  firstLineIndent,
  leftMargin,
  rightMargin,
  topMargin,
  bottomMargin,
  linkStyle,
  linkColor,
  linkSize,
};
inline constexpr int paraAttributeCount = 18;

// The six lengths, all in whole screen pixels.
enum class ParaLength : std::uint8_t { lineHeight, firstLineIndent, leftMargin, rightMargin, topMargin, bottomMargin };

class TZEBParaStyle : private AttributeOverrides<ParaAttribute, std::uint32_t> {
 public:
  TZEBoggetto* BaseStyle() const { return baseStyle_; }
  // Also the base of the paragraph's own font style.
  void setBaseStyle(TZEBoggetto* style);

  Colour Color() const;
  void setColor(Colour value);
  std::string FontName() const;
  void setFontName(std::string_view value);  // compared exactly, letter case included
  std::int32_t Size() const;
  void setSize(std::int32_t value);
  std::uint8_t Style() const;
  void setStyle(std::uint8_t value);
  std::uint8_t Position() const;
  void setPosition(std::uint8_t value);
  std::uint8_t Alignment() const;
  void setAlignment(std::uint8_t value);
  std::uint8_t ParaOption() const;
  void setParaOption(std::uint8_t value);
  std::uint8_t Numbering() const;
  void setNumbering(std::uint8_t value);
  std::uint8_t MeasureUnit() const;
  void setMeasureUnit(std::uint8_t value);
  std::int32_t LineHeight() const { return length(ParaLength::lineHeight); }
  void setLineHeight(std::int32_t value) { setLength(ParaLength::lineHeight, value); }
  std::int32_t FirstLineIndent() const { return length(ParaLength::firstLineIndent); }
  void setFirstLineIndent(std::int32_t value) { setLength(ParaLength::firstLineIndent, value); }
  std::int32_t LeftMargin() const { return length(ParaLength::leftMargin); }
  void setLeftMargin(std::int32_t value) { setLength(ParaLength::leftMargin, value); }
  std::int32_t RightMargin() const { return length(ParaLength::rightMargin); }
  void setRightMargin(std::int32_t value) { setLength(ParaLength::rightMargin, value); }
  std::int32_t TopMargin() const { return length(ParaLength::topMargin); }
  void setTopMargin(std::int32_t value) { setLength(ParaLength::topMargin, value); }
  std::int32_t BottomMargin() const { return length(ParaLength::bottomMargin); }
  void setBottomMargin(std::int32_t value) { setLength(ParaLength::bottomMargin, value); }
  std::uint8_t LinkStyle() const;
  void setLinkStyle(std::uint8_t value);
  Colour LinkColor() const;
  void setLinkColor(Colour value);
  std::int32_t LinkSize() const;
  void setLinkSize(std::int32_t value);

  std::int32_t length(ParaLength which) const;
  void setLength(ParaLength which, std::int32_t pixels);
  // The fractional accessors: a length in the paragraph's MeasureUnit; the setter rounds
  // to the nearest pixel.
  double lengthInUnit(ParaLength which, const UnitConverter& units) const;
  void setLengthInUnit(ParaLength which, double value, const UnitConverter& units);

  using AttributeOverrides::isSet;
  // Resets all eighteen flags; the stored values stay but are no longer in force.
  void clearOverrides() { clearFlags(); }

  // The paragraph's character defaults; the text reader also assembles runs in it.
  TZEBFontStyle& FontStyle() { return fontStyle_; }
  const TZEBFontStyle& FontStyle() const { return fontStyle_; }

  // Every Assign ends by assigning the own font style from the same source.
  void Assign(const TZEBParaStyle& source);
  void Assign(const TZEBFontStyle& source);
  void Assign(const TMyFont& source);
  void Assign(const SystemFont& source);
  void AssignTo(TMyFont& target) const;
  void AssignTo(SystemFont& target) const;

 private:
  void assignCharacterAttributes(Colour color, std::string_view face, std::uint8_t style, std::int32_t size);

  Colour color_ = 0;
  std::string fontName_;
  std::int32_t size_ = 0;
  std::uint8_t style_ = 0;
  std::uint8_t position_ = 0;
  std::uint8_t alignment_ = 0;
  std::uint8_t paraOption_ = 0;
  std::uint8_t numbering_ = 0;
  std::uint8_t measureUnit_ = 0;
  std::int32_t lengths_[6] = {};
  std::uint8_t linkStyle_ = 0;
  Colour linkColor_ = 0;
  std::int32_t linkSize_ = 0;
  TZEBoggetto* baseStyle_ = nullptr;  // not owned
  TZEBFontStyle fontStyle_;
};

}  // namespace zeb
