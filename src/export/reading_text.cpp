// The reading text of a box.
#include "export/reading_text.h"

#include <algorithm>

#include "export/export_objects.h"
#include "export/messages.h"
#include "text/markup_stream.h"
#include "text/markup_values.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "text/word_boundaries.h"

namespace zeb {
namespace {

bool separates(std::uint8_t character) { return character < 32 || isWordSeparator(character); }

}  // namespace

ReadingText::ReadingText(const TZEBbox& box) : box_(&box) { appendBox(box, 0); }

void ReadingText::appendBox(const TZEBbox& box, int depth) {
  for (int i = 0; i < box.paragraphCount(); ++i) {
    if (i > 0) text_.push_back('\n');
    appendParagraph(box, i, depth);
  }
}

void ReadingText::appendParagraph(const TZEBbox& box, int index, int depth) {
  const TZEBparag& paragraph = box.paragraph(index);
  const std::size_t slot = paragraphs_.size();
  paragraphs_.push_back({length(), length(), {&box, index, 0}});
  // Every paragraph has a run, so that an empty one has an offset too.
  runs_.push_back({length(), 0, {&box, index, 0}, false});
  runsOf_[{&box, index}].push_back(runs_.size() - 1);
  for (int c = 0; c < paragraph.length(); ++c) {
    const CharCell& cell = paragraph.Cells[static_cast<std::size_t>(c)];
    const ReadingPlace place{&box, index, c};
    if (cell.ObjectIndex >= 0 && cell.ObjectIndex < static_cast<std::int32_t>(paragraph.Objects.size())) {
      const EmbeddedRef& ref = paragraph.Objects[static_cast<std::size_t>(cell.ObjectIndex)];
      TableCells* table = ref.visual != nullptr ? ref.visual->tableCells() : nullptr;
      if (table != nullptr && !table->cells().empty() && depth < limits::maxTableNesting) {
        objects_.push_back({length(), place, ref.visual});
        const int columns = std::max(table->columns(), 1);
        for (std::size_t k = 0; k < table->cells().size(); ++k) {
          if (table->cells()[k]) appendBox(*table->cells()[k], depth + 1);
          text_.push_back(static_cast<int>(k % static_cast<std::size_t>(columns)) == columns - 1 ? '\n' : '\t');
        }
        continue;
      }
      const ExportObjectKind kind = ref.object != nullptr ? exportKindOf(*ref.object) : ExportObjectKind::nothing;
      if (kind == ExportObjectKind::field) {
        std::string marker(fieldMarker(*ref.object));
        appendHex(marker, fieldValue(*ref.object), 8, LetterCase::upper);
        appendText(place, marker, true);
      } else if (kind == ExportObjectKind::storedTextField) {
        appendText(place,
                   std::string(messages::storedTextField) + std::string(objectText(*ref.object)) +
                       std::string(messages::storedTextFieldEnd),
                   true);
      } else if (kind == ExportObjectKind::nothing && ref.visual != nullptr) {
        objects_.push_back({length(), place, ref.visual});
      }
      continue;
    }
    ReadingRun* run = &runs_.back();
    if (run->marker || run->place.box != &box || run->place.paragraph != index ||
        run->offset + run->length != length() || run->place.character + run->length != c) {
      runs_.push_back({length(), 0, place, false});
      runsOf_[{&box, index}].push_back(runs_.size() - 1);
      run = &runs_.back();
    }
    ++run->length;
    text_.push_back(paragraph.Text[static_cast<std::size_t>(c)]);
    if (cell.LinkCode == noLink) continue;
    ReadingLink* last = links_.empty() ? nullptr : &links_.back();
    if (last != nullptr && last->code == cell.LinkCode && last->end == length() - 1 && last->place.box == &box &&
        last->place.paragraph == index)
      ++last->end;
    else
      links_.push_back({length() - 1, length(), place, cell.LinkCode});
  }
  paragraphs_[slot].end = length();
}

void ReadingText::appendText(const ReadingPlace& place, const std::string& text, bool marker) {
  runs_.push_back({length(), static_cast<int>(text.size()), place, marker});
  runsOf_[{place.box, place.paragraph}].push_back(runs_.size() - 1);
  text_ += text;
}

std::optional<int> ReadingText::offsetOf(const TZEBbox& box, int paragraph, int character) const {
  const auto found = runsOf_.find({&box, paragraph});
  if (found == runsOf_.end()) return std::nullopt;
  for (const std::size_t index : found->second) {
    const ReadingRun& run = runs_[index];
    if (character < run.place.character) return run.offset;
    if (run.marker) {
      if (character == run.place.character) return run.offset;
    } else if (character <= run.place.character + run.length) {
      return run.offset + (character - run.place.character);
    }
  }
  const ReadingRun& last = runs_[found->second.back()];
  return last.offset + last.length;
}

ReadingPlace ReadingText::placeOf(int offset) const {
  if (runs_.empty()) return {box_, 0, 0};
  const auto after = std::upper_bound(runs_.begin(), runs_.end(), offset,
                                      [](int value, const ReadingRun& run) { return value < run.offset; });
  const ReadingRun& run = after == runs_.begin() ? runs_.front() : *std::prev(after);
  ReadingPlace place = run.place;
  if (offset < run.offset + run.length)
    place.character += run.marker ? 0 : offset - run.offset;
  else
    place.character += run.marker ? 1 : run.length;
  return place;
}

std::pair<int, int> ReadingText::wordAt(int offset) const {
  const int total = length();
  const int at = std::clamp(offset, 0, total);
  const auto separator = [this](int i) {
    return separates(static_cast<std::uint8_t>(text_[static_cast<std::size_t>(i)]));
  };
  int start = at;
  if (at == total || separator(at))
    while (start > 0 && separator(start - 1)) --start;
  while (start > 0 && !separator(start - 1)) --start;
  int end = at;
  while (end < total && !separator(end)) ++end;
  while (end < total && separator(end)) ++end;
  return {start, end};
}

std::pair<int, int> ReadingText::paragraphAt(int offset) const {
  const ReadingParagraph* innermost = nullptr;
  for (const ReadingParagraph& paragraph : paragraphs_) {
    if (offset < paragraph.start || offset > paragraph.end) continue;
    if (innermost == nullptr || paragraph.end - paragraph.start <= innermost->end - innermost->start)
      innermost = &paragraph;
  }
  if (innermost == nullptr) return {0, 0};
  return {innermost->start, std::min(innermost->end + 1, length())};
}

std::pair<int, int> ReadingText::lineAt(int offset) const {
  const ReadingPlace place = placeOf(offset);
  if (place.box == nullptr || place.paragraph >= place.box->paragraphCount()) return paragraphAt(offset);
  const TZEBparag& paragraph = place.box->paragraph(place.paragraph);
  if (paragraph.Lines.empty()) return paragraphAt(offset);
  std::size_t line = 0;
  while (line + 1 < paragraph.Lines.size() && paragraph.Lines[line + 1].FirstChar <= place.character) ++line;
  const TZEBline& found = paragraph.Lines[line];
  const bool last = line + 1 == paragraph.Lines.size();
  return spanOf(place, found.FirstChar, last ? paragraph.length() + 1 : found.FirstChar + found.CharCount);
}

std::pair<int, int> ReadingText::spanOf(const ReadingPlace& place, int firstCharacter, int endCharacter) const {
  const int start = offsetOf(*place.box, place.paragraph, firstCharacter).value_or(0);
  const TZEBparag& paragraph = place.box->paragraph(place.paragraph);
  if (endCharacter > paragraph.length()) {
    // The paragraph's last line takes the line feed after it.
    const int end = offsetOf(*place.box, place.paragraph, paragraph.length()).value_or(start);
    return {start, std::min(end + 1, length())};
  }
  return {start, std::max(start, offsetOf(*place.box, place.paragraph, endCharacter).value_or(start))};
}

}  // namespace zeb
