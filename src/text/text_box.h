// TZEBbox: a text box as storage and layout: its paragraphs read from a text object (with
// header and footer texts), the sizing objects of its embedded objects, its layout widths,
// extents and scroll ranges. The page view paints it and handles input.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "text/embedded_object.h"
#include "text/markup_stream.h"
#include "text/paragraph.h"
#include "text/text_position.h"

namespace zeb {

class BoxHost;
class MeasurementCache;
class TZEBParaAttributes;
class TZEBTextAttributes;
class TZEBset;
class TZEBtesto;

namespace limits {
// The vertical scroll range of a box on a page never exceeds this.
inline constexpr int maxVerticalRange = 32600;
}  // namespace limits

// A box on a page scrolls through the page's bars; a hosted box lives inside a visual
// object (a table cell, a floating text) and takes the size of its content.
enum class BoxPlacement { onPage, hosted };

class TZEBbox {
 public:
  // Half the smallest width a box is laid out to.
  static constexpr int minimumWidth = 10;
  // Where the first paragraph of a box on a page starts when its TopMargin is 0.
  static constexpr int pageTopStart = 8;

  TZEBbox(TZEBset& set, MeasurementCache& measures, BoxPlacement placement = BoxPlacement::onPage);
  ~TZEBbox();
  TZEBbox(const TZEBbox&) = delete;
  TZEBbox& operator=(const TZEBbox&) = delete;

  TZEBset& set() const { return *set_; }
  MeasurementCache& measures() const { return *measures_; }
  BoxPlacement placement() const { return placement_; }
  bool isHosted() const { return placement_ == BoxPlacement::hosted; }
  BoxHost* Host() const { return host_; }
  void setHost(BoxHost* host) { host_ = host; }
  // Makes the sizing objects of embedded objects; the simple one unless another is set.
  EmbeddedObjectFactory& objectFactory() const;
  void setObjectFactory(EmbeddedObjectFactory* factory) { factory_ = factory; }

  // --- Storage (box_loading.cpp).
  std::vector<std::unique_ptr<TZEBparag>>& Paragraphs() { return paragraphs_; }
  const std::vector<std::unique_ptr<TZEBparag>>& Paragraphs() const { return paragraphs_; }
  int paragraphCount() const { return static_cast<int>(paragraphs_.size()); }
  TZEBparag& paragraph(int index) const { return *paragraphs_[static_cast<std::size_t>(index)]; }
  int HeaderCount() const { return headerCount_; }
  int FooterCount() const { return footerCount_; }
  // The text object whose text the body paragraphs come from, and those of header and footer.
  TZEBtesto* TextObject() const { return texts_[0]; }
  TZEBtesto* textOf(std::uint8_t origin) const { return origin < 3 ? texts_[origin] : nullptr; }
  // For boxes that read from another box's stream (table cells).
  void setTextOf(std::uint8_t origin, TZEBtesto* text) {
    if (origin < 3) texts_[origin] = text;
  }

  // Reads the text object's text, and the header and footer texts when given, lays a box on
  // a page out to its width and puts the caret at the first text position. A text still in
  // the older markup is refused with a message (it must be converted first).
  void LoadFrom(TZEBtesto& text, TZEBtesto* header = nullptr, TZEBtesto* footer = nullptr);
  // Appends paragraphs read from the stream until the reader reports the end (a zero byte,
  // the stream's end, or a table cell's end), or stops advancing. Returns how many.
  int readParagraphs(MarkupStream& stream, std::uint8_t origin, TZEBtesto* source, ReadBudget& budget);
  // Frees paragraphs and embedded sizing objects.
  void clear();

  // The body paragraphs as markup followed by one zero byte (markup_writer.cpp).
  std::string bodyMarkup() const;
  // Stores bodyMarkup() as the text object's text and marks it as current markup.
  void SaveTo(TZEBtesto& text) const;

  // While above 0, the box is being rebuilt: no painting, no input, no re-layout on resize.
  int UpdateLock() const { return updateLock_; }
  void beginUpdate() { ++updateLock_; }
  void endUpdate() { --updateLock_; }

  // --- Layout (box_layout.cpp; one paragraph in line_layout.cpp).
  int LayoutWidth() const { return layoutWidth_; }
  void setLayoutWidth(int width) { layoutWidth_ = width; }
  int ContentWidth() const { return contentWidth_; }
  void setContentWidth(int width) { contentWidth_ = width; }
  // Extra inset of a hosted box, added to every paragraph's side margins.
  int HostInset() const { return hostInset_; }
  void setHostInset(int inset) { hostInset_ = inset; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Sets the size without laying out (before loading, or by a host).
  void setBounds(int left, int top, int width, int height);

  // Scroll ranges of a box on a page, for the page's scroll bars.
  int VerticalRange() const { return verticalRange_; }
  int HorizontalRange() const { return horizontalRange_; }
  int VerticalPosition() const { return verticalPosition_; }
  int HorizontalPosition() const { return horizontalPosition_; }
  void setScrollPosition(int horizontal, int vertical);
  // Set when the vertical range had to be capped at limits::maxVerticalRange.
  bool RangeCapped() const { return rangeCapped_; }

  // The y at which the first paragraph starts.
  int firstParagraphStart() const;
  // Lays out every paragraph from the first one's start, then sets the extents.
  void layoutAll();
  // Re-layout of a box on a page to its new size and the page's client width.
  void Resize(int width, int height);
  // Lays a hosted box out again and gives it the size of its content at the position.
  void FitHosted(int left, int top);
  // The next y after the last paragraph (0 without paragraphs).
  int contentBottom() const;

  // A position with the coordinates of its character (the caret's, a hit's).
  TextPos positionOf(int paragraphIndex, int charIndex) const;

  // --- Caret and selection, as positions; the page view moves and shows them.
  const TextPos& Caret() const { return caret_; }
  void setCaret(const TextPos& position) { caret_ = position; }
  const TextPos& SelStart() const { return selStart_; }
  const TextPos& SelEnd() const { return selEnd_; }
  void setSelection(const TextPos& start, const TextPos& end) {
    selStart_ = start;
    selEnd_ = end;
  }
  // The first position of the body text (of the text at all when there is no body).
  TextPos firstTextPosition() const;

  TZEBTextAttributes& TextAttributes() { return *textAttributes_; }
  TZEBParaAttributes& ParaAttributes() { return *paraAttributes_; }

  // --- Embedded objects: the box owns their sizing objects.
  EmbeddedObject& adoptObject(std::unique_ptr<EmbeddedObject> object);
  const std::vector<std::unique_ptr<EmbeddedObject>>& embeddedObjects() const { return objects_; }

 private:
  int layoutParagraphs(int y);
  void setExtents();
  void setVerticalRange(int range);
  // The vertical extent of the text: the last paragraph's Bottom + 1 - its BottomMargin.
  int textRange() const;

  TZEBset* set_;
  MeasurementCache* measures_;
  BoxPlacement placement_;
  BoxHost* host_ = nullptr;
  EmbeddedObjectFactory* factory_ = nullptr;
  std::vector<std::unique_ptr<TZEBparag>> paragraphs_;
  std::vector<std::unique_ptr<EmbeddedObject>> objects_;
  TZEBtesto* texts_[3] = {nullptr, nullptr, nullptr};  // body, header, footer; not owned
  int headerCount_ = 0;
  int footerCount_ = 0;
  int updateLock_ = 0;
  int layoutWidth_ = 0;
  int contentWidth_ = 0;
  int hostInset_ = 0;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int verticalRange_ = 0;
  int horizontalRange_ = 0;
  int verticalPosition_ = 0;
  int horizontalPosition_ = 0;
  bool rangeCapped_ = false;
  TextPos caret_;
  TextPos selStart_;
  TextPos selEnd_;
  std::unique_ptr<TZEBTextAttributes> textAttributes_;
  std::unique_ptr<TZEBParaAttributes> paraAttributes_;
};

}  // namespace zeb
