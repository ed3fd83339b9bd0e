// Laying a whole box out: where the first paragraph starts, the extents and scroll ranges
// of a box on a page, re-layout on resize, and fitting a hosted box to its content.
#include <algorithm>

#include "text/box_host.h"
#include "text/frame_set_link.h"
#include "text/line_layout.h"
#include "text/text_box.h"

namespace zeb {

int TZEBbox::firstParagraphStart() const {
  if (paragraphs_.empty()) return 0;
  const int topMargin = clampedLength(paragraphs_.front()->Style.TopMargin());
  if (isHosted()) return topMargin + clampedLength(hostInset_);
  return topMargin != 0 ? 0 : pageTopStart;
}

void TZEBbox::setVerticalRange(int range) {
  rangeCapped_ = range >= limits::maxCoordinate;
  verticalRange_ = range;
}

void TZEBbox::setExtents() {
  if (isHosted()) {
    width_ = contentWidth_;
    if (host_ != nullptr) host_->boxChanged(*this);
    return;
  }
  if (paragraphs_.empty()) {
    setVerticalRange(0);
    horizontalRange_ = 0;
    return;
  }
  setVerticalRange(textRange());
  horizontalRange_ = contentWidth_ > layoutWidth_ ? contentWidth_ : 0;
}

int TZEBbox::textRange() const {
  const TZEBparag& last = *paragraphs_.back();
  return saturated(std::int64_t{last.Bottom} + 1 - clampedLength(last.Style.BottomMargin()));
}

// Lays out the paragraphs in order from y. A long text does not fit the processor's cache,
// and its paragraphs lie apart in memory: the paragraph after next, and the start of the
// next one's cells, text and lines are asked for while this one is laid out, so that
// layout does not wait for them.
int TZEBbox::layoutParagraphs(int y) {
  const std::size_t count = paragraphs_.size();
  for (std::size_t k = 0; k < count; ++k) {
    if (k + 2 < count) {
      const char* object = reinterpret_cast<const char*>(paragraphs_[k + 2].get());
      for (std::size_t offset = 0; offset < sizeof(TZEBparag); offset += 64) __builtin_prefetch(object + offset);
    }
    if (k + 1 < count) {
      const TZEBparag& next = *paragraphs_[k + 1];
      const char* cells = reinterpret_cast<const char*>(next.Cells.data());
      const std::size_t bytes = next.Cells.size() * sizeof(CharCell);
      for (std::size_t offset = 0; offset < bytes && offset < 1024; offset += 64) __builtin_prefetch(cells + offset);
      __builtin_prefetch(next.Text.data());
      __builtin_prefetch(next.Lines.data(), 1);
    }
    y = layoutParagraph(*this, *paragraphs_[k], y);
  }
  return y;
}

void TZEBbox::layoutAll() {
  layoutWidth_ = std::clamp(layoutWidth_, 2 * minimumWidth, limits::maxCoordinate);
  contentWidth_ = layoutWidth_;
  beginUpdate();
  layoutParagraphs(firstParagraphStart());
  setExtents();
  endUpdate();
}

void TZEBbox::Resize(int width, int height) {
  const int client = host_ != nullptr ? host_->clientWidth() : width;
  const bool changed = width != width_ || client != layoutWidth_;
  width_ = width;
  height_ = height;
  if (!changed || updateLock_ > 0 || paragraphs_.empty() || isHosted()) {
    // A taller page may show more of the text, or all of it: the position stays within
    // what can still be scrolled to, as the page's bars show it.
    if (!isHosted()) setScrollPosition(horizontalPosition_, verticalPosition_);
    return;
  }

  beginUpdate();
  // The reader keeps reading where it was: the line at the top of the view (the caret's
  // line while the caret shows in the view) stays where it is through the new layout.
  const ViewAnchor anchor = viewAnchor();
  layoutWidth_ = contentWidth_ = std::clamp(client, 2 * minimumWidth, limits::maxCoordinate);
  layoutParagraphs(paragraphs_.front()->Top);
  horizontalRange_ = contentWidth_ > layoutWidth_ ? contentWidth_ : 0;
  if (horizontalRange_ == 0) horizontalPosition_ = 0;
  width_ = std::max({width_, contentWidth_, client});
  setVerticalRange(textRange());
  height_ = std::max(height_, verticalRange_);
  setScrollPosition(horizontalPosition_, positionOf(anchor.paragraph, anchor.character).Y + anchor.offset);
  refreshPositions();
  endUpdate();
  if (host_ != nullptr) host_->boxChanged(*this);
  if (surface_ != nullptr && surface_->hasFocus()) {
    if (FrameSetLink* frames = frameSet()) frames->RulerPosChanged(*this);
  }
}

TZEBbox::ViewAnchor TZEBbox::viewAnchor() const {
  const int top = verticalPosition_;
  const int height = host_ != nullptr ? host_->clientHeight() : 0;
  const TextPos& caret = caret_.position();
  if (caret_.shown() && caret.paragraph != nullptr && caret.Y >= top && (height <= 0 || caret.Y < top + height))
    return {caret.paragraphIndex, caret.charIndex, std::int64_t{top} - caret.Y};
  // The first paragraph that reaches into the view, and its first line that does.
  const auto reaches = std::partition_point(paragraphs_.begin(), paragraphs_.end(),
                                            [top](const auto& paragraph) { return paragraph->Bottom < top; });
  if (reaches == paragraphs_.end())
    return {paragraphCount() - 1, 0, std::int64_t{top} - positionOf(paragraphCount() - 1, 0).Y};
  const TZEBparag& paragraph = **reaches;
  const auto index = static_cast<int>(reaches - paragraphs_.begin());
  const std::int64_t lineOrigin = contentTop(paragraph);
  int character = 0;
  std::int64_t lineTop = lineOrigin;
  for (const TZEBline& line : paragraph.Lines) {
    character = line.FirstChar;
    lineTop = lineOrigin + line.LineTop;
    if (lineTop + line.LineHeight > top) break;
  }
  return {index, character, top - lineTop};
}

void TZEBbox::FitHosted(int left, int top) {
  beginUpdate();
  layoutWidth_ = std::clamp(layoutWidth_, 2 * minimumWidth, limits::maxCoordinate);
  contentWidth_ = layoutWidth_;
  const int y = layoutParagraphs(firstParagraphStart());
  setBounds(left, top, contentWidth_, saturated(std::int64_t{y} + clampedLength(hostInset_)));
  refreshPositions();
  endUpdate();
}

void TZEBbox::prefetchForLayout(int step) const {
  if (step >= 2) {
    const char* box = reinterpret_cast<const char*>(this);
    for (std::size_t offset = 0; offset < sizeof(TZEBbox); offset += 64) __builtin_prefetch(box + offset);
    return;
  }
  if (paragraphs_.empty()) return;
  const TZEBparag& first = *paragraphs_.front();
  const char* paragraph = reinterpret_cast<const char*>(&first);
  for (std::size_t offset = 0; offset < sizeof(TZEBparag); offset += 64) __builtin_prefetch(paragraph + offset);
  __builtin_prefetch(first.Cells.data());
  __builtin_prefetch(first.Text.data());
  __builtin_prefetch(first.Lines.data(), 1);
}

void TZEBbox::refreshPositions() {
  caret_.setPosition(positionOf(Caret().paragraphIndex, Caret().charIndex));
  selStart_ = positionOf(selStart_.paragraphIndex, selStart_.charIndex);
  selEnd_ = positionOf(selEnd_.paragraphIndex, selEnd_.charIndex);
}

TextPos TZEBbox::positionOf(int paragraphIndex, int charIndex) const {
  TextPos position;
  if (paragraphs_.empty()) return position;
  paragraphIndex = std::clamp(paragraphIndex, 0, paragraphCount() - 1);
  TZEBparag& owner = paragraph(paragraphIndex);
  charIndex = std::clamp(charIndex, 0, owner.length());
  position.paragraph = &owner;
  position.paragraphIndex = paragraphIndex;
  position.charIndex = charIndex;
  const int top = contentTop(owner);
  position.Y = top;
  if (owner.Lines.empty()) return position;

  int lineIndex = 0;
  while (lineIndex + 1 < static_cast<int>(owner.Lines.size()) &&
         owner.Lines[static_cast<std::size_t>(lineIndex) + 1].FirstChar <= charIndex) {
    ++lineIndex;
  }
  const TZEBline& line = owner.Lines[static_cast<std::size_t>(lineIndex)];
  std::int64_t x = std::int64_t{line.Indent} + line.AlignOffset;
  for (int i = line.FirstChar; i < charIndex && i < owner.length(); ++i) {
    x += owner.Cells[static_cast<std::size_t>(i)].DrawWidth;
  }
  position.lineIndex = lineIndex;
  position.Y = saturated(std::int64_t{top} + line.LineTop);
  position.LineHeight = line.LineHeight;
  position.X = saturated(x);
  position.XEnd = charIndex < owner.length() ? saturated(x + owner.Cells[static_cast<std::size_t>(charIndex)].DrawWidth)
                                             : position.X;
  return position;
}

TextPos TZEBbox::firstTextPosition() const { return positionOf(headerCount_ < bodyEnd() ? headerCount_ : 0, 0); }

}  // namespace zeb
