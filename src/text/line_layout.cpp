// Greedy line filling. A character fits only when more than 0 pixels remain after it. A line
// breaks after its last blank that fitted; the characters after that blank move to the next
// line. A word with no blank before it on the line overflows the line instead, and widens
// the box's ContentWidth.
#include "text/line_layout.h"

#include <algorithm>

#include "text/embedded_object.h"
#include "text/style_object.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// The height of an empty line when the paragraph's font has no height.
constexpr int fallbackLineHeight = 20;

class LineFiller {
 public:
  LineFiller(TZEBbox& box, TZEBparag& paragraph)
      : box_(box),
        paragraph_(paragraph),
        cells_(paragraph.Cells),
        text_(paragraph.Text),
        indents_(indentsOf(box, paragraph)),
        layoutWidth_(std::clamp(box.LayoutWidth(), 0, limits::maxCoordinate)),
        fixedLineHeight_(clampedLength(paragraph.Style.LineHeight())),
        alignment_(paragraph.Style.Alignment()),
        emptyLineHeight_(paragraph.BaseHeight > 0 ? paragraph.BaseHeight : fallbackLineHeight) {
    // The new lines go into the storage of the old ones, which are dropped.
    lines_.swap(paragraph.Lines);
    lines_.clear();
  }

  void fill();
  std::vector<TZEBline>& lines() { return lines_; }

 private:
  CharCell& cell(int index) { return cells_[static_cast<std::size_t>(index)]; }
  void startLine(int firstChar, int indent, std::int64_t available);
  void add(int index, bool fitted);
  void noteOverflow() {
    if (remaining_ < 0) box_.setContentWidth(std::max(box_.ContentWidth(), saturated(layoutWidth_ - remaining_)));
  }
  void sizeObject(int index);
  void finishLine(bool lastOfParagraph);
  void justify();

  TZEBbox& box_;
  TZEBparag& paragraph_;
  std::vector<CharCell>& cells_;
  const std::string& text_;
  ParagraphIndents indents_;
  int layoutWidth_;
  int fixedLineHeight_;
  std::uint8_t alignment_;
  int emptyLineHeight_;

  std::vector<TZEBline> lines_;
  TZEBline line_;
  // Widths left on a line can run far below 0 on an overflowing line of a long paragraph.
  std::int64_t available_ = 0;
  std::int64_t remaining_ = 0;
  int breakPoint_ = -1;  // first character after the last blank that fitted
  std::int64_t remainingAtBreak_ = 0;
  int lineAscentAtBreak_ = 0;
  int ascentSinceBreak_ = 0;
};

void LineFiller::startLine(int firstChar, int indent, std::int64_t available) {
  line_ = TZEBline{};
  line_.Paragraph = &paragraph_;
  line_.FirstChar = firstChar;
  line_.Indent = indent;
  if (!lines_.empty()) line_.LineTop = saturated(std::int64_t{lines_.back().LineTop} + lines_.back().LineHeight);
  available_ = available;
  remaining_ = available;
  breakPoint_ = -1;
  ascentSinceBreak_ = 0;
}

void LineFiller::add(int index, bool fitted) {
  const CharCell& added = cell(index);
  remaining_ -= added.Advance;
  line_.LineAscent = std::max(line_.LineAscent, added.Ascent);
  ascentSinceBreak_ = std::max(ascentSinceBreak_, added.Ascent);
  ++line_.CharCount;
  noteOverflow();
  if (fitted && text_[static_cast<std::size_t>(index)] == ' ') {
    breakPoint_ = index + 1;
    remainingAtBreak_ = remaining_;
    lineAscentAtBreak_ = line_.LineAscent;
    ascentSinceBreak_ = 0;
  }
}

void LineFiller::sizeObject(int index) {
  CharCell& objectCell = cell(index);
  EmbeddedObject* visual = paragraph_.Objects[static_cast<std::size_t>(objectCell.ObjectIndex)].visual;
  if (visual == nullptr) return;
  visual->fitWidth(static_cast<int>(std::clamp<std::int64_t>(available_, 0, limits::maxCoordinate)));
  objectCell.Advance = objectCell.DrawWidth = visual->width();
  objectCell.Height = visual->height();
  objectCell.Ascent = visual->ascent();
  visual->moveOutOfSight();
  visual->setLaidOut(paragraph_, index);
}

// Shares what is left over among the blanks of the line, its last character not counted:
// each gets the same share and the first ones one pixel of the remainder each.
void LineFiller::justify() {
  const int end = line_.FirstChar + line_.CharCount - 1;
  int blanks = 0;
  for (int i = line_.FirstChar; i < end; ++i) {
    if (text_[static_cast<std::size_t>(i)] == ' ' && cell(i).ObjectIndex < 0) ++blanks;
  }
  if (blanks == 0 || remaining_ <= 0) return;
  const auto share = static_cast<int>(remaining_ / blanks);
  auto extra = static_cast<int>(remaining_ % blanks);
  for (int i = line_.FirstChar; i < end; ++i) {
    if (text_[static_cast<std::size_t>(i)] != ' ' || cell(i).ObjectIndex >= 0) continue;
    cell(i).DrawWidth = cell(i).Advance + share + (extra > 0 ? 1 : 0);
    if (extra > 0) --extra;
  }
  remaining_ = 0;
}

void LineFiller::finishLine(bool lastOfParagraph) {
  int height = 0;
  for (int i = line_.FirstChar; i < line_.FirstChar + line_.CharCount; ++i) {
    height = std::max(height, line_.LineAscent + cell(i).Height - cell(i).Ascent);
  }
  if (height == 0) height = emptyLineHeight_;
  if (fixedLineHeight_ > 0) height = fixedLineHeight_;
  line_.LineHeight = height;

  // An overflowing line has nothing left over to align with: it starts at its indent.
  const auto leftOver = static_cast<int>(std::max<std::int64_t>(remaining_, 0));
  switch (alignment_) {
    case alignment::right: line_.AlignOffset = leftOver; break;
    case alignment::centred: line_.AlignOffset = leftOver / 2; break;
    case alignment::justified:
      if (!lastOfParagraph) justify();
      break;
    default: break;
  }
  line_.Extent = saturated(available_ - remaining_);
  lines_.push_back(line_);
}

void LineFiller::fill() {
  const int n = paragraph_.length();
  const std::int64_t fullWidth = std::int64_t{layoutWidth_} - indents_.left - indents_.right;
  startLine(0, indents_.left + indents_.firstLine, fullWidth - indents_.firstLine);
  int i = 0;
  while (i < n) {
    CharCell& current = cell(i);
    if (current.ObjectIndex >= 0) sizeObject(i);
    // Undo a widening by an earlier justification; written only when needed, so that a long
    // text is not dirtied cell by cell.
    else if (current.DrawWidth != current.Advance)
      current.DrawWidth = current.Advance;

    if (remaining_ - current.Advance > 0) {
      add(i++, true);
      continue;
    }
    if (line_.CharCount > 0) {
      if (breakPoint_ < 0 && i > 0 && text_[static_cast<std::size_t>(i - 1)] == ' ') {
        breakPoint_ = i;
        remainingAtBreak_ = remaining_;
        lineAscentAtBreak_ = line_.LineAscent;
        ascentSinceBreak_ = 0;
      }
      if (breakPoint_ < 0) {
        add(i++, false);  // no place to break: the line overflows
        continue;
      }
      // Break: the line keeps what precedes the break point; the rest starts the next line,
      // and character i is tried again there.
      const int carriedFrom = breakPoint_;
      const int carriedAscent = ascentSinceBreak_;
      line_.CharCount = breakPoint_ - line_.FirstChar;
      line_.LineAscent = lineAscentAtBreak_;
      remaining_ = remainingAtBreak_;
      finishLine(false);
      startLine(carriedFrom, indents_.left, fullWidth);
      for (int carried = carriedFrom; carried < i; ++carried) remaining_ -= cell(carried).Advance;
      line_.CharCount = i - carriedFrom;
      line_.LineAscent = carriedAscent;
      ascentSinceBreak_ = carriedAscent;
      noteOverflow();
      continue;
    }
    // Alone and still too wide: the character gets a line of its own.
    add(i++, false);
    remaining_ = 0;
    if (i < n) {
      finishLine(false);
      startLine(i, indents_.left, fullWidth);
    }
  }
  finishLine(true);
}

}  // namespace

ParagraphIndents indentsOf(const TZEBbox& box, const TZEBparag& paragraph) {
  const TZEBParaStyle& style = paragraph.Style;
  ParagraphIndents indents;
  const int inset = clampedLength(box.isHosted() ? box.HostInset() : 0);
  indents.left = clampedLength(style.LeftMargin()) + inset;
  indents.right = clampedLength(style.RightMargin()) + inset;
  indents.firstLine = clampedLength(style.FirstLineIndent());
  if (style.Numbering() != numbering::none && indents.firstLine < 0) indents.firstLine = 0;
  return indents;
}

int contentTop(const TZEBparag& paragraph) {
  return saturated(std::int64_t{paragraph.Top} + clampedLength(paragraph.Style.TopMargin()));
}

int layoutParagraph(TZEBbox& box, TZEBparag& paragraph, int y) {
  paragraph.Top = paragraph.Bottom = y;
  paragraph.LayoutWidth = box.LayoutWidth();
  LineFiller filler(box, paragraph);
  filler.fill();
  paragraph.Lines = std::move(filler.lines());
  const TZEBline& last = paragraph.Lines.back();
  const int next = saturated(std::int64_t{y} + clampedLength(paragraph.Style.TopMargin()) + last.LineTop +
                             last.LineHeight + clampedLength(paragraph.Style.BottomMargin()));
  paragraph.Bottom = next - 1;
  return next;
}

}  // namespace zeb
