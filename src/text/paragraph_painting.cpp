// Painting a paragraph: hatching of header and footer text, the list marker, and its lines
// with runs, links, the selection and embedded objects. Characters of one font, link and
// selection state are drawn with one text output as long as the canvas agrees with their
// stored widths; where it does not, they are drawn one by one and the widths corrected.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "platform/code_pages.h"
#include "platform/system_colours.h"
#include "text/effective_font.h"
#include "text/line_layout.h"
#include "text/measurement_cache.h"
#include "text/object_placement.h"
#include "text/paint_context.h"
#include "text/style_object.h"
#include "text/text_box.h"
#include "text/text_direction.h"

namespace zeb {
namespace {

// A batch is drawn with one text output when the canvas's width of it differs from the sum
// of the stored widths by at most this much.
constexpr int batchTolerance = 4;
// Header and footer hatching reaches this far above and below a paragraph.
constexpr int hatchAbove = 2;
constexpr int hatchBelow = 1;
// The bullet of a bulleted paragraph, and the room it takes when there is no indent for it.
constexpr std::string_view bulletFace = "Wingdings";
constexpr std::string_view bulletCharacter = "w";

class ParagraphPainter {
 public:
  ParagraphPainter(PaintContext& context, TZEBparag& paragraph, int index)
      : context_(context),
        canvas_(context.canvas),
        paragraph_(paragraph),
        index_(index),
        codePage_(context.box.codePage()) {}

  void paint();

 private:
  int baselineOf(const TZEBline& line) const {
    return saturated(std::int64_t{contentTop(paragraph_)} + line.LineTop + line.LineAscent);
  }
  const CharCell& cell(int i) const { return paragraph_.Cells[static_cast<std::size_t>(i)]; }

  void hatchHeaderOrFooter();
  void drawMarker();
  void startAt(int index);
  void apply(int i);
  void useFont(const TMyFont& font);
  void prepare(bool selected);
  void highlightLine(const TZEBline& line);
  void paintLine(const TZEBline& line);
  void paintLineInVisualOrder(const TZEBline& line);
  bool joinsBatch(int i, bool selected) const;
  void drawBatch(int from, int to, std::int64_t stored, std::int64_t x, int top);
  int widthOnCanvas(const TMyFont& font, std::string_view text);

  PaintContext& context_;
  Canvas& canvas_;
  TZEBparag& paragraph_;
  int index_;
  std::uint16_t codePage_;  // of the paragraph's characters
  // The direction levels of its characters; empty when all run left to right.
  std::vector<std::uint8_t> levels_;
  // The state in force: the font the characters are drawn in, how far they are moved down
  // (subscript), the link, and the run (none before the paragraph's first run).
  TMyFont font_;
  int offset_ = 0;
  std::int32_t link_ = noLink;
  const TZEBFontStyle* run_ = nullptr;
  // What the canvas was last given.
  std::optional<TMyFont> canvasFont_;
  bool clearBackground_ = false;
};

void ParagraphPainter::useFont(const TMyFont& font) {
  font_ = font;
  font_.CodePage = codePage_;
  offset_ = 0;
  if (font.Position == fontPosition::subscript) {
    offset_ = context_.box.measures().select(font_).metrics().height / 2;
  }
}

void ParagraphPainter::prepare(bool selected) {
  TMyFont wanted = font_;
  if (selected) wanted.Color = systemColour::highlightText;
  if (!canvasFont_ || *canvasFont_ != wanted) {
    canvas_.setFont(wanted);
    canvasFont_ = wanted;
  }
  if (!clearBackground_) {
    canvas_.setTextBackground(TextBackground::clear, systemColour::highlight);
    clearBackground_ = true;
  }
}

// The highlight goes behind the whole line before any text is drawn: drawn with each piece
// of text, it would cover the overhang of the text before it wherever the canvas's widths
// differ a little from the stored ones.
void ParagraphPainter::highlightLine(const TZEBline& line) {
  const int end = std::min(line.FirstChar + line.CharCount, paragraph_.length());
  if (index_ < context_.start.paragraphIndex || index_ > context_.end.paragraphIndex) return;
  const int top = saturated(std::int64_t{contentTop(paragraph_)} + line.LineTop);
  const int bottom = saturated(std::int64_t{top} + line.LineHeight);
  std::int64_t x = std::int64_t{line.AlignOffset} + line.Indent;
  std::int64_t spanStart = -1;
  for (int i = line.FirstChar; i <= end; ++i) {
    const bool selected = i < end && context_.selected(index_, i);
    if (selected && spanStart < 0) spanStart = x;
    if (!selected && spanStart >= 0) {
      canvas_.fillRect({saturated(spanStart), top, saturated(x), bottom}, systemColour::highlight);
      spanStart = -1;
    }
    if (i < end) x += cell(i).DrawWidth;
  }
}

int ParagraphPainter::widthOnCanvas(const TMyFont& font, std::string_view text) {
  if (canvas_.measuresText()) return canvas_.textWidth(text);
  return context_.box.measures().measurer().extent(font, text);
}

void ParagraphPainter::hatchHeaderOrFooter() {
  const TZEBbox& box = context_.box;
  if (box.Animated() || box.isHosted() || paragraph_.Origin == paragraphOrigin::body) return;
  const CanvasRect area{0, paragraph_.Top - hatchAbove, box.paintWidth(), paragraph_.Bottom + hatchBelow + 1};
  canvas_.hatchRect(area, Hatch::forwardDiagonal, systemColour::buttonHighlight);
  canvas_.hatchRect(area, Hatch::backwardDiagonal, systemColour::buttonShadow);
}

void ParagraphPainter::drawMarker() {
  const std::uint8_t kind = paragraph_.Style.Numbering();
  if ((kind != numbering::numbered && kind != numbering::bulleted) || paragraph_.Lines.empty()) return;
  const int left = indentsOf(context_.box, paragraph_).left;
  const int firstLine = clampedLength(paragraph_.Style.FirstLineIndent());
  TMyFont font = runFont(paragraph_.Style, nullptr);
  font.CodePage = codePage_;
  std::string text;
  int x = left;
  if (kind == numbering::numbered) {
    text = std::to_string(paragraph_.ListNumber) + ". ";
    canvas_.setFont(font);
    const int width = widthOnCanvas(font, text);
    if (firstLine < 0)
      x = left + firstLine;
    else if (firstLine < width)
      x = left - width;
  } else {
    font.Name = bulletFace;
    text = bulletCharacter;
    canvas_.setFont(font);
    if (firstLine < 0)
      x = left + firstLine;
    else if (firstLine < context_.bulletRoom)
      x = left - context_.bulletRoom;
  }
  canvasFont_ = font;
  if (!clearBackground_) {
    canvas_.setTextBackground(TextBackground::clear, systemColour::highlight);
    clearBackground_ = true;
  }
  // On the first line's baseline, moved like the paragraph's own characters.
  const int offset =
      font.Position == fontPosition::subscript ? context_.box.measures().select(font).metrics().height / 2 : 0;
  const int ascent = context_.box.measures().select(font).metrics().ascent;
  canvas_.textOut(x, baselineOf(paragraph_.Lines.front()) + offset - ascent, text);
}

// The state before character `index`: outside a link it follows from the run in force;
// inside one it is found by going over the link from its start.
void ParagraphPainter::startAt(int index) {
  int start = index;
  while (start > 0 && cell(start - 1).LinkCode != noLink) --start;
  run_ = start > 0 ? paragraph_.runAt(start - 1) : nullptr;
  useFont(runFont(paragraph_.Style, run_));
  link_ = noLink;
  for (int i = start; i < index; ++i) apply(i);
}

// A run start and a change of link at character i change the state. Characters come here in
// order from startAt, except those drawn in a batch, which neither start a run nor change
// the link.
void ParagraphPainter::apply(int i) {
  const CharCell& current = cell(i);
  const TZEBParaStyle& style = paragraph_.Style;
  const bool startsRun =
      current.RunStyle >= 0 && current.RunStyle < static_cast<std::int32_t>(paragraph_.RunStyles.size());
  if (startsRun) run_ = paragraph_.RunStyles[static_cast<std::size_t>(current.RunStyle)].get();
  if (startsRun) {
    TMyFont font = runFont(style, run_);
    if (link_ != noLink && current.LinkCode == link_) {
      // Inside a link the run gives face, size and style, changed by the link's look as
      // when the text was measured; the link keeps its colour.
      const Colour linkColour = font_.Color;
      applyLinkLook(font, style);
      font.Color = linkColour;
    }
    useFont(font);
  }
  if (current.LinkCode != link_) {
    link_ = current.LinkCode;
    TMyFont font = runFont(style, run_);
    if (link_ != noLink) {
      const Colour runColour = font.Color;
      applyLinkLook(font, style);
      // A link that starts where a run starts takes that run's colour.
      if (startsRun) font.Color = runColour;
    }
    useFont(font);
  }
}

bool ParagraphPainter::joinsBatch(int i, bool selected) const {
  const CharCell& current = cell(i);
  return current.RunStyle < 0 && current.LinkCode == link_ && current.ObjectIndex < 0 &&
         paragraph_.Text[static_cast<std::size_t>(i)] != ' ' && context_.selected(index_, i) == selected;
}

// The characters [from, to), whose stored widths add up to stored, drawn from x.
void ParagraphPainter::drawBatch(int from, int to, std::int64_t stored, std::int64_t x, int top) {
  const std::string_view text(paragraph_.Text.data() + from, static_cast<std::size_t>(to - from));
  if (!canvas_.measuresText() || std::llabs(canvas_.textWidth(text) - stored) <= batchTolerance) {
    canvas_.textOut(saturated(x), top, text);
    return;
  }
  // The canvas disagrees: each character at the pair width the canvas gives it, stored so
  // that the next paint can batch again. The character before the batch is in the same
  // font unless it is an object or the batch starts the paragraph.
  int previous =
      from > 0 && cell(from - 1).ObjectIndex < 0 ? static_cast<unsigned char>(paragraph_.Text[from - 1]) : -1;
  for (int i = from; i < to; ++i) {
    const char character = paragraph_.Text[static_cast<std::size_t>(i)];
    int width = 0;
    if (previous >= 0) {
      const char pair[2] = {static_cast<char>(previous), character};
      width = canvas_.textWidth(std::string_view(pair, 2)) - canvas_.textWidth(std::string_view(pair, 1));
    } else {
      width = canvas_.textWidth(std::string_view(&character, 1));
    }
    width = std::clamp(width, 0, limits::maxLength);
    canvas_.textOut(saturated(x), top, std::string_view(&character, 1));
    x += width;
    CharCell& corrected = paragraph_.Cells[static_cast<std::size_t>(i)];
    corrected.Advance = corrected.DrawWidth = width;
    previous = static_cast<unsigned char>(character);
  }
}

// A line with text that runs right to left: its characters stand in the order the direction
// levels give. Runs of one font, level and selection state are drawn with one text output
// each, in their stored order, so that the canvas's text engine shapes and orders them
// within; the state (run, link) is followed in stored order first.
void ParagraphPainter::paintLineInVisualOrder(const TZEBline& line) {
  const int first = line.FirstChar;
  const int count = std::min(line.FirstChar + line.CharCount, paragraph_.length()) - first;
  if (count <= 0) return;
  struct State {
    TMyFont font;
    int offset = 0;
  };
  std::vector<State> states;
  std::vector<std::size_t> stateOf(static_cast<std::size_t>(count));
  for (int i = first; i < first + count; ++i) {
    apply(i);
    if (states.empty() || states.back().font != font_ || states.back().offset != offset_)
      states.push_back({font_, offset_});
    stateOf[static_cast<std::size_t>(i - first)] = states.size() - 1;
  }
  const State after = states.back();

  const std::vector<int> order = visualOrder(levels_, paragraph_, first, count);
  std::vector<std::int64_t> left(static_cast<std::size_t>(count));
  std::int64_t x = std::int64_t{line.AlignOffset} + line.Indent;
  for (const int i : order) {
    left[static_cast<std::size_t>(i - first)] = x;
    x += cell(i).DrawWidth;
  }
  const auto levelOf = [&](int i) { return levels_[static_cast<std::size_t>(i) + 1]; };
  const int baseline = baselineOf(line);
  const int top = saturated(std::int64_t{contentTop(paragraph_)} + line.LineTop);

  if (context_.selection) {
    for (const int i : order) {
      if (!context_.selected(index_, i)) continue;
      const std::int64_t from = left[static_cast<std::size_t>(i - first)];
      canvas_.fillRect(
          {saturated(from), top, saturated(from + cell(i).DrawWidth), saturated(std::int64_t{top} + line.LineHeight)},
          systemColour::highlight);
    }
  }

  for (std::size_t k = 0; k < order.size();) {
    const int i = order[k];
    const CharCell& current = cell(i);
    const bool selected = context_.selected(index_, i);
    const State& state = states[stateOf[static_cast<std::size_t>(i - first)]];
    font_ = state.font;
    offset_ = state.offset;
    const std::int64_t at = left[static_cast<std::size_t>(i - first)];
    if (current.ObjectIndex >= 0 && current.ObjectIndex < static_cast<std::int32_t>(paragraph_.Objects.size())) {
      const EmbeddedRef& object = paragraph_.Objects[static_cast<std::size_t>(current.ObjectIndex)];
      if (object.visual != nullptr) {
        context_.placement.place(context_.box, *object.visual, saturated(at), baseline - current.Ascent, selected,
                                 canvas_);
        canvasFont_.reset();
        clearBackground_ = false;
      }
      ++k;
      continue;
    }
    // Characters that follow in stored order (backwards at an odd level) join the batch.
    const int step = levelOf(i) % 2 == 1 ? -1 : 1;
    std::size_t end = k + 1;
    std::int64_t width = current.DrawWidth;
    const auto joins = [&](int j, int previous) {
      const CharCell& next = cell(j);
      return j == previous + step && levelOf(j) == levelOf(i) &&
             stateOf[static_cast<std::size_t>(j - first)] == stateOf[static_cast<std::size_t>(i - first)] &&
             next.ObjectIndex < 0 && paragraph_.Text[static_cast<std::size_t>(j)] != ' ' &&
             paragraph_.Text[static_cast<std::size_t>(i)] != ' ' && context_.selected(index_, j) == selected;
    };
    for (; end < order.size() && joins(order[end], order[end - 1]); ++end) width += cell(order[end]).DrawWidth;
    const int low = std::min(i, order[end - 1]);
    const int high = std::max(i, order[end - 1]) + 1;
    const std::string_view text(paragraph_.Text.data() + low, static_cast<std::size_t>(high - low));
    prepare(selected);
    canvas_.textOut(saturated(at), saturated(std::int64_t{baseline} + offset_ - cell(low).Ascent), text);
    // A canvas that shapes the batch wider or narrower than its stored widths: the last
    // character in stored order takes the difference, so that the next paint lines up.
    if (canvas_.measuresText() && high - low > 1) {
      const int difference = canvas_.textWidth(text) - static_cast<int>(width);
      if (std::abs(difference) > batchTolerance) {
        CharCell& last = paragraph_.Cells[static_cast<std::size_t>(high - 1)];
        last.Advance = last.DrawWidth = std::clamp(last.DrawWidth + difference, 0, limits::maxLength);
      }
    }
    k = end;
  }
  font_ = after.font;
  offset_ = after.offset;
}

void ParagraphPainter::paintLine(const TZEBline& line) {
  if (!levels_.empty()) {
    paintLineInVisualOrder(line);
    return;
  }
  if (context_.selection) highlightLine(line);
  const int baseline = baselineOf(line);
  std::int64_t x = std::int64_t{line.AlignOffset} + line.Indent;
  const int end = std::min(line.FirstChar + line.CharCount, paragraph_.length());
  int i = line.FirstChar;
  while (i < end) {
    const bool selected = context_.selected(index_, i);
    if (joinsBatch(i, selected)) {
      int to = i + 1;
      std::int64_t width = cell(i).DrawWidth;
      for (; to < end && joinsBatch(to, selected); ++to) width += cell(to).DrawWidth;
      prepare(selected);
      drawBatch(i, to, width, x, baseline + offset_ - cell(i).Ascent);
      x += width;
      i = to;
      continue;
    }
    apply(i);
    const CharCell& current = cell(i);
    const int top = saturated(std::int64_t{baseline} + offset_ - current.Ascent);
    if (current.ObjectIndex >= 0 && current.ObjectIndex < static_cast<std::int32_t>(paragraph_.Objects.size())) {
      const EmbeddedRef& object = paragraph_.Objects[static_cast<std::size_t>(current.ObjectIndex)];
      if (object.visual != nullptr) {
        context_.placement.place(context_.box, *object.visual, saturated(x), baseline - current.Ascent, selected,
                                 canvas_);
        // What the object drew (a table's cells, a control's text) set fonts of its own.
        canvasFont_.reset();
        clearBackground_ = false;
      }
    } else {
      prepare(selected);
      canvas_.textOut(saturated(x), top, std::string_view(&paragraph_.Text[static_cast<std::size_t>(i)], 1));
    }
    x += current.DrawWidth;
    ++i;
  }
}

void ParagraphPainter::paint() {
  hatchHeaderOrFooter();
  levels_ = directionLevels(paragraph_, CodePage::of(codePage_));
  useFont(runFont(paragraph_.Style, nullptr));
  if (paragraph_.Lines.empty()) return;

  const int top = contentTop(paragraph_);
  const CanvasRect& clip = context_.clip;
  const auto lineTop = [&](const TZEBline& line) { return std::int64_t{top} + line.LineTop; };
  std::size_t k = 0;
  if (context_.linesByTop) {
    // The first line whose top lies in the clip, if any.
    const std::span<const TZEBline> lines(paragraph_.Lines);
    k = static_cast<std::size_t>(std::partition_point(lines.begin(), lines.end(),
                                                      [&](const TZEBline& line) { return lineTop(line) < clip.top; }) -
                                 lines.begin());
    if (k == lines.size() || lineTop(lines[k]) >= clip.bottom) return;
    if (k == 0) drawMarker();
  } else {
    drawMarker();
    // The first line that reaches into the clip (the last line when none does).
    const auto lines = std::span<const TZEBline>(paragraph_.Lines).first(paragraph_.Lines.size() - 1);
    k = static_cast<std::size_t>(
        std::partition_point(lines.begin(), lines.end(),
                             [&](const TZEBline& line) { return lineTop(line) + line.LineHeight <= clip.top; }) -
        lines.begin());
  }
  startAt(paragraph_.Lines[k].FirstChar);
  for (; k < paragraph_.Lines.size(); ++k) {
    const TZEBline& line = paragraph_.Lines[k];
    if (lineTop(line) >= clip.bottom) break;
    paintLine(line);
  }
}

}  // namespace

void paintParagraph(PaintContext& context, TZEBparag& paragraph, int paragraphIndex) {
  ParagraphPainter(context, paragraph, paragraphIndex).paint();
}

}  // namespace zeb
