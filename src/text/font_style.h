// TZEBFontStyle: the character attributes of one run, stored only where they differ from
// the paragraph style object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"
#include "text/attribute_overrides.h"

namespace zeb {

class TZEBoggetto;
class TZEBParaStyle;

// The five character attributes, as flags.
enum class CharAttribute : std::uint8_t { color, fontName, size, style, position };

// Each attribute is stored only where it differs from the style object (AttributeOverrides).
class TZEBFontStyle : private AttributeOverrides<CharAttribute, std::uint8_t> {
 public:
  TZEBoggetto* BaseStyle() const { return baseStyle_; }
  void setBaseStyle(TZEBoggetto* style) { baseStyle_ = style; }

  Colour Color() const;
  void setColor(Colour color);
  std::string FontName() const;
  // Faces are compared exactly: a name differing only in letter case is an override.
  void setFontName(std::string_view name);
  std::int32_t Size() const;
  void setSize(std::int32_t size);
  std::uint8_t Style() const;
  void setStyle(std::uint8_t style);
  std::uint8_t Position() const;
  void setPosition(std::uint8_t position);

  using AttributeOverrides::isSet;
  bool hasOverrides() const { return anySet(); }
  void clearOverrides() { clearFlags(); }

  // From a run: its base style, then its effective values through the setters.
  void Assign(const TZEBFontStyle& source);
  // From a paragraph style: its base style, then its character attributes.
  void Assign(const TZEBParaStyle& source);
  void Assign(const TMyFont& source);
  void Assign(const SystemFont& source);
  void AssignTo(TMyFont& target) const;
  void AssignTo(SystemFont& target) const;

 private:
  // The base style, then the effective values of a run or a paragraph style.
  template <typename Source>
  void assignStyle(const Source& source);

  Colour color_ = 0;
  std::string fontName_;
  std::int32_t size_ = 0;
  std::uint8_t style_ = 0;
  std::uint8_t position_ = 0;
  TZEBoggetto* baseStyle_ = nullptr;  // not owned
};

}  // namespace zeb
