// TZEBFontStyle: the character attributes of one run, stored only where they differ from
// the paragraph style object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace zeb {

class TZEBoggetto;
class TZEBParaStyle;

// The five character attributes, as flags.
enum class CharAttribute : std::uint8_t { color, fontName, size, style, position };

// Reading an attribute gives the override when its flag is set and the style object's value
// otherwise; writing one sets the flag only when the value differs from the style object's,
// so a run equal to its style stores nothing and follows later edits of the style.
class TZEBFontStyle {
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

  bool isSet(CharAttribute attribute) const { return (flags_ & bit(attribute)) != 0; }
  bool hasOverrides() const { return flags_ != 0; }
  void clearOverrides() { flags_ = 0; }

  // From a run: its base style, then its effective values through the setters.
  void Assign(const TZEBFontStyle& source);
  // From a paragraph style: its base style, then its character attributes.
  void Assign(const TZEBParaStyle& source);
  void Assign(const TMyFont& source);
  void Assign(const SystemFont& source);
  void AssignTo(TMyFont& target) const;
  void AssignTo(SystemFont& target) const;

 private:
  static constexpr std::uint8_t bit(CharAttribute attribute) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(attribute));
  }
  void mark(CharAttribute attribute, bool differs) {
    flags_ = static_cast<std::uint8_t>(differs ? flags_ | bit(attribute) : flags_ & ~bit(attribute));
  }
  template <typename T>
  void put(CharAttribute attribute, T& field, T value, T baseValue) {
    mark(attribute, value != baseValue);
    if (value != baseValue) field = value;
  }
  template <typename T>
  T get(CharAttribute attribute, const T& field, T baseValue) const {
    return isSet(attribute) ? field : baseValue;
  }

  Colour color_ = 0;
  std::string fontName_;
  std::int32_t size_ = 0;
  std::uint8_t style_ = 0;
  std::uint8_t position_ = 0;
  TZEBoggetto* baseStyle_ = nullptr;  // not owned
  std::uint8_t flags_ = 0;
};

}  // namespace zeb
