// The attributes of paragraph tags ("<Z S3 A2 >") and run tags ("<Y c0000FF g1 >"), read
// in the fixed order the writer uses. The text reader and the RTF converter share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace zeb {

class MessageBoxes;
class TZEBFontStyle;
class TZEBParaStyle;

// What a run tag states. Attributes it does not state take the style object's values.
struct RunTag {
  std::optional<Colour> color;
  std::optional<std::string> fontName;
  std::optional<std::int32_t> size;
  std::optional<bool> italic;
  std::optional<bool> bold;
  std::optional<std::int32_t> styleBits;
  std::optional<std::uint8_t> position;

  // Bold or italic without "y": the style bits in force before the tag stay.
  bool keepsStyleBefore() const { return (italic || bold) && !styleBits; }
};

// Reads a tag's attributes from a text in memory, starting just after "<Z " or "<Y ". The
// text ends at a zero byte or at the end of the bytes; nothing is read past either. A value
// that the end of the text cuts off counts as absent and is reported as "Truncated line!"
// on the message boxes, when there are any.
class TagAttributeReader {
 public:
  TagAttributeReader(std::span<const std::uint8_t> text, std::size_t position, MessageBoxes* messages)
      : data_(text.data()), size_(text.size()), pos_(position), messages_(messages) {}

  std::size_t position() const { return pos_; }

  // The paragraph tag's style number ("S"); none when the tag has no "S".
  std::optional<std::int32_t> styleNumber();
  // The overrides of a paragraph tag, passed to the style's setters (which compare them
  // with its base style). The face is cut to 20 characters; "y" and "Y" replace the four
  // stored style bits.
  void readParagraphAttributes(TZEBParaStyle& style);
  RunTag readRunAttributes();
  // Moves past the tag's ">", or to the end of the text when it has none.
  void skipPastClose();

 private:
  std::uint8_t at(std::size_t index) const { return index < size_ ? data_[index] : 0; }
  bool letter(char expected);
  std::optional<std::string_view> value();
  std::optional<std::string> face();
  std::optional<std::int32_t> number();

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_;
  MessageBoxes* messages_;  // not owned; may be none
};

// Makes `run` (whose base style is set) the run the tag describes: its overrides are
// cleared and the stated attributes set. When the tag keeps the style before it, bold and
// italic change only their own bit of `styleBefore` (the style bits in force before the tag,
// read only then); otherwise "y" replaces the four stored bits of the style object's value.
void applyRunTag(const RunTag& tag, TZEBFontStyle& run, std::uint8_t styleBefore);

}  // namespace zeb
