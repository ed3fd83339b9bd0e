// Attributes at the caret and the selection.
#include "text/text_attributes.h"

#include <algorithm>

#include "text/length_units.h"
#include "text/paragraph.h"
#include "text/text_box.h"

namespace zeb {

AttributesAt TZEBTextAttributes::attributesAt(AttributeSelector selector, TMyFont& target) const {
  const TextPos* position = &box_->Caret();
  int offset = 0;
  switch (selector) {
    case AttributeSelector::beforeCaret: offset = -1; break;
    case AttributeSelector::atCaret: break;
    case AttributeSelector::afterCaret: offset = 1; break;
    case AttributeSelector::beforeSelectionStart:
      position = &box_->SelStart();
      offset = -1;
      break;
    case AttributeSelector::selectionStart: position = &box_->SelStart(); break;
    case AttributeSelector::selectionEnd: position = &box_->SelEnd(); break;
    case AttributeSelector::beforeSelectionEnd:
      position = &box_->SelEnd();
      offset = -1;
      break;
  }
  AttributesAt result;
  if (box_->paragraphCount() == 0) return result;
  TZEBparag& paragraph = box_->paragraph(std::clamp(position->paragraphIndex, 0, box_->paragraphCount() - 1));
  const int index = position->charIndex + offset;
  result.paragraph = &paragraph;
  paragraph.Style.AssignTo(target);
  if (const TZEBFontStyle* run = paragraph.runAt(std::min(index, paragraph.length() - 1))) run->AssignTo(target);
  if (index >= 0 && index < paragraph.length())
    result.linkCode = paragraph.Cells[static_cast<std::size_t>(index)].LinkCode;
  return result;
}

const TZEBparag* TZEBParaAttributes::caretParagraph() const {
  if (box_->paragraphCount() == 0) return nullptr;
  return &box_->paragraph(std::clamp(box_->Caret().paragraphIndex, 0, box_->paragraphCount() - 1));
}

std::uint8_t TZEBParaAttributes::Alignment() const {
  const TZEBparag* paragraph = caretParagraph();
  return paragraph != nullptr ? paragraph->Style.Alignment() : 0;
}

std::uint8_t TZEBParaAttributes::Numbering() const {
  const TZEBparag* paragraph = caretParagraph();
  return paragraph != nullptr ? paragraph->Style.Numbering() : 0;
}

std::uint8_t TZEBParaAttributes::MeasureUnit() const {
  const TZEBparag* paragraph = caretParagraph();
  return paragraph != nullptr ? paragraph->Style.MeasureUnit() : 0;
}

double TZEBParaAttributes::length(ParaLength which, const UnitConverter& units) const {
  const TZEBparag* paragraph = caretParagraph();
  return paragraph != nullptr ? paragraph->Style.lengthInUnit(which, units) : 0.0;
}

}  // namespace zeb
