// TZEBTextAttributes and TZEBParaAttributes: what the rest of the program asks a box about
// the attributes at its caret or selection.
#pragma once

#include <cstdint>

#include "platform/font.h"

namespace zeb {

class TZEBbox;
class TZEBparag;
class UnitConverter;
enum class ParaLength : std::uint8_t;

// Which character the attributes are asked of.
enum class AttributeSelector : int {
  beforeCaret = 0,
  atCaret = 1,
  afterCaret = 2,
  beforeSelectionStart = 3,
  selectionStart = 4,
  selectionEnd = 5,
  beforeSelectionEnd = 6,
};

struct AttributesAt {
  TZEBparag* paragraph = nullptr;  // none when the box has no paragraphs
  std::int32_t linkCode = -1;      // -1 also when the position lies beyond the paragraph
};

class TZEBTextAttributes {
 public:
  explicit TZEBTextAttributes(TZEBbox& box) : box_(&box) {}

  // Fills the target from the paragraph's style, then from the run in force at the selected
  // character (found by walking back from it, clamped to the paragraph's last character).
  AttributesAt attributesAt(AttributeSelector selector, TMyFont& target) const;

 private:
  TZEBbox* box_;
};

// The attributes of the paragraph under the caret.
class TZEBParaAttributes {
 public:
  explicit TZEBParaAttributes(TZEBbox& box) : box_(&box) {}

  std::uint8_t Alignment() const;
  std::uint8_t Numbering() const;
  std::uint8_t MeasureUnit() const;
  // One of the six lengths in the paragraph's MeasureUnit.
  double length(ParaLength which, const UnitConverter& units) const;

 private:
  const TZEBparag* caretParagraph() const;
  TZEBbox* box_;
};

}  // namespace zeb
