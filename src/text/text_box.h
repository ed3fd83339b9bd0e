// TZEBbox: a text box: its paragraphs read from a text object (with header and footer
// texts), the sizing objects of its embedded objects, its layout widths, extents and scroll
// ranges; its caret and selection, the mouse and key input that moves them, links and copy.
// A window hosts it (BoxSurface) and paints it with paintBox (box_painting.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "text/box_input.h"
#include "text/box_surface.h"
#include "text/caret.h"
#include "text/embedded_object.h"
#include "text/markup_stream.h"
#include "text/paragraph.h"
#include "text/text_position.h"

namespace zeb {

class BoxHost;
class FrameSetLink;
class MeasurementCache;
class TZEBParaAttributes;
class TZEBTextAttributes;
class TZEBset;
class TZEBtesto;

// What the scroll bars of a page show of the box on it, in wide integers, so that the
// scrolling window needs no limit of its own however long a page is.
struct ScrollWindow {
  std::int64_t contentWidth = 0;   // the horizontal range: 0 while the text fits the page's width
  std::int64_t contentHeight = 0;  // the vertical range: the height of the text
  std::int64_t left = 0;           // the scroll position: the box's point at the view's top left
  std::int64_t top = 0;
  std::int64_t width = 0;  // the view: the page's client area
  std::int64_t height = 0;

  std::int64_t maxLeft() const { return contentWidth > width ? contentWidth - width : 0; }
  std::int64_t maxTop() const { return contentHeight > height ? contentHeight - height : 0; }
};

// A box on a page scrolls through the page's bars; a hosted box lives inside a visual
// object (a table cell, a floating text) and takes the size of its content.
enum class CaretMove;
enum class BoxPlacement { onPage, hosted };

// What the box paints behind its text.
struct BoxBackground {
  static constexpr Colour initialColour = 0xC0C0C0;
  // The picture object (kind 5) tiled over the box, or none.
  TZEBoggetto* picture = nullptr;
  // Without a picture object nothing is filled.
  bool transparent = false;
  Colour colour = initialColour;
  // The outline of a hosted box; none draws no outline.
  std::optional<Colour> borderColour;
  // The tiling follows the page's scroll positions, so that the picture stays in place.
  bool fixed = false;
};

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

  // The code page of the box's text: its text object's (the page's), else the book's.
  std::uint16_t codePage() const;

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

  // Scroll ranges of a box on a page, for the page's scroll bars. A page is as long as its
  // text: layout positions, and with them ranges and positions, stop growing only at
  // limits::maxCoordinate, which fits these integers.
  int VerticalRange() const { return verticalRange_; }
  int HorizontalRange() const { return horizontalRange_; }
  int VerticalPosition() const { return verticalPosition_; }
  int HorizontalPosition() const { return horizontalPosition_; }
  // The ranges, the position and the host's client size together.
  ScrollWindow scrollWindow() const;
  // Clamped to the ranges less the host's client size; the host is not told (see scrollBy).
  void setScrollPosition(std::int64_t horizontal, std::int64_t vertical);
  // Set when the text reached limits::maxCoordinate, beyond which nothing can be scrolled to.
  bool RangeCapped() const { return rangeCapped_; }

  // The y at which the first paragraph starts.
  int firstParagraphStart() const;
  // Lays out every paragraph from the first one's start, then sets the extents.
  void layoutAll();
  // Re-layout of a box on a page to its new size and the page's client width.
  void Resize(int width, int height);
  // Lays a hosted box out again and gives it the size of its content at the position.
  void FitHosted(int left, int top);
  // Asks for the box's memory ahead of a layout: step 2 the box itself, step 1 its list of
  // paragraphs and the first paragraph's parts.
  void prefetchForLayout(int step) const;

  // A position with the coordinates of its character (the caret's, a hit's).
  TextPos positionOf(int paragraphIndex, int charIndex) const;
  // Gives the caret and the selection's ends the coordinates of their characters again.
  void refreshPositions();

  // The first position of the body text (of the text at all when there is no body).
  TextPos firstTextPosition() const;
  // The body paragraphs: from HeaderCount() to bodyEnd() - 1.
  int bodyEnd() const { return paragraphCount() - footerCount_; }

  // --- Modes and the window (box_modes.cpp).
  // Reading mode: links follow on a click, no caret, keys scroll. Switching it on hides the
  // caret and clears the selection; table cells follow the box.
  bool Animated() const { return animated_; }
  void setAnimated(bool animated);
  // No typing; links follow on a click; keys scroll. Table cells follow the box.
  bool ReadOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  // Neither Animated nor ReadOnly.
  bool editing() const { return !animated_ && !readOnly_; }
  // A reading box whose frame set browses with a caret (FrameSetLink::CaretBrowsing).
  bool caretBrowsing() const;
  // Whether the caret is shown in the focused box and keys move it: editing or browsing.
  bool showsCaret() const { return editing() || caretBrowsing(); }
  BoxSurface* surface() const { return surface_; }
  void setSurface(BoxSurface* surface) { surface_ = surface; }
  // The frame set, found through the host; none outside a frame set.
  FrameSetLink* frameSet() const;
  // Asks the window to repaint an area (box coordinates), or a paragraph's band.
  void invalidate(const CanvasRect& area) const;
  void invalidateParagraph(int index) const;
  // The band of a paragraph: Top to Bottom + 1 across the box.
  CanvasRect paragraphBand(int index) const;
  // The width painting and invalidation span: the box's width, at least its layout width.
  int paintWidth() const;
  BoxBackground& Background() { return background_; }
  const BoxBackground& Background() const { return background_; }

  // --- Caret and selection (box_selection.cpp).
  const TextPos& Caret() const { return caret_.position(); }
  // Puts the caret at the position, nothing more.
  void setCaret(const TextPos& position) { caret_.setPosition(position); }
  // Moves the caret; in a focused box in editing mode the page scrolls to keep it in view.
  void moveCaret(const TextPos& position);
  TZEBcursor& CaretControl() { return caret_; }
  const TZEBcursor& CaretControl() const { return caret_; }
  // The box a key moved the caret into (a table cell, or the box around a cell), once: the
  // window sends the next keys there. None when the caret stayed.
  TZEBbox* takeCaretHandover() { return std::exchange(caretHandover_, nullptr); }
  // Shows the caret, only in a focused box in editing mode.
  void showCaret();
  void hideCaret();

  const TextPos& SelStart() const { return selStart_; }
  const TextPos& SelEnd() const { return selEnd_; }
  // Sets both ends, nothing more (see SelectRange for showing a range).
  void setSelection(const TextPos& start, const TextPos& end) {
    selStart_ = start;
    selEnd_ = end;
  }
  // A selection exists (its two ends were made to differ) and whether it is painted.
  bool hasSelection() const { return hasSelection_; }
  bool selectionShown() const { return selectionShown_; }
  // Collapses the selection to the caret and repaints what it covered.
  void ClearSelection();
  void HideSelection();
  void ShowSelection();
  // The selection's ends in text order.
  const TextPos& orderedStart() const;
  const TextPos& orderedEnd() const;
  // Inclusive at both ends.
  bool selectionContains(const TextPos& position) const;
  // Selects from (paragraph, character) to (paragraph, character): caret at the start,
  // hidden when the range is not empty, selection shown, the frame set told.
  void SelectRange(int startParagraph, int startChar, int endParagraph, int endChar);
  // From the first position of the text to its last.
  void SelectAll();
  // Tells the frame set that the selection or the caret changed, and the window.
  void selectionChanged();
  // Tells the window that shows the box that the caret or selection of the box given (this
  // box, or a table cell inside it) moved: its own surface, else the window of the box
  // around it, as repaints go.
  void tellCaretMoved(TZEBbox& moved);

  // --- Links (box_links.cpp).
  // The LinkCode at a position (of the last character at a paragraph end); -1 for none.
  std::int32_t linkAt(const TextPos& position) const;
  // The link object of a code: the local link of the paragraph's text object for 0x6Fnnnnnn,
  // the container's object with that ID otherwise (linkTarget).
  TZEBoggetto* linkObject(std::int32_t code, const TZEBparag& paragraph) const;
  // Clears the selection, hides the caret and, when the frame set is enabled, posts the
  // follow-link request with the link object. The box itself never navigates.
  void followLink(TZEBoggetto& link);
  // Selects the next (or previous) link of the body after (before) the caret or selection of
  // the box given (this box or a table cell inside it), with the caret at its start, and
  // brings it into view. The links of table cells come at their table's place in the text.
  // The box whose link was selected; none when there is no such link, and the focus may
  // leave the box.
  TZEBbox* selectNextLink(bool forward, TZEBbox& from);
  bool selectNextLink(bool forward) { return selectNextLink(forward, *this) != nullptr; }
  // Whether the caret stands on a link that Enter follows.
  bool linkAtCaret() const;
  // "short|long" text of the link under the mouse; empty elsewhere.
  const std::string& Hint() const { return hint_; }

  // --- Input (box_mouse.cpp, box_keys.cpp). Nothing happens while UpdateLock is above 0.
  void mouseDown(const MouseEvent& event);
  void mouseMove(const MouseEvent& event);
  void mouseUp(const MouseEvent& event);
  // True when the box used the key; other keys go to the window's default handling.
  bool keyDown(const KeyEvent& event);
  // Files dropped from the desktop at a point (paths as the file system spells them).
  void dropFiles(const std::vector<std::string>& paths, int x, int y);
  void focusGained();
  void focusLost();
  // The cursor the mouse shows over the box now, and the one it shows over text.
  MouseCursor mouseCursor() const { return mouseCursor_; }
  MouseCursor TextCursor() const { return textCursor_; }

  // --- Scrolling (box_scrolling.cpp).
  // Scrolls the page just enough to show the area (box coordinates); a hosted box asks its
  // host, which adds the offsets of the boxes around it.
  void makeVisible(const CanvasRect& area);
  void scrollToCaret();
  // A caret line out of view comes into view near the top, with up to 25 pixels of the text
  // before it above it.
  void scrollToCaretWithContext();
  void scrollBy(int dx, int dy);

  // --- Copying (selection_copy.cpp).
  // Puts the selection on the clipboard: the program's object stream, RTF and plain text.
  void CopySelection();

  TZEBTextAttributes& TextAttributes() { return *textAttributes_; }
  TZEBParaAttributes& ParaAttributes() { return *paraAttributes_; }

  // --- Embedded objects: the box owns their sizing objects.
  EmbeddedObject& adoptObject(std::unique_ptr<EmbeddedObject> object);
  const std::vector<std::unique_ptr<EmbeddedObject>>& embeddedObjects() const { return objects_; }

 private:
  int layoutParagraphs(int y);
  // The text position a re-layout keeps at the same place in the view, and how far the
  // view's top lies below its line (box_layout.cpp).
  struct ViewAnchor {
    int paragraph = 0;
    int character = 0;
    std::int64_t offset = 0;
  };
  ViewAnchor viewAnchor() const;
  void setExtents();
  void setVerticalRange(int range);
  // Asks for a repaint of the paragraphs the selection spans.
  void invalidateSelection() const;
  // The vertical extent of the text: the last paragraph's Bottom + 1 - its BottomMargin.
  int textRange() const;
  // Input steps (box_mouse.cpp, box_keys.cpp).
  void pressAt(const MouseEvent& event);
  void releaseWithoutSelection(const MouseEvent& event);
  void releaseDoubleClick(const MouseEvent& event);
  void hoverAt(int x, int y);
  void setHint(std::string hint);
  void setMouseCursor(MouseCursor cursor);
  void extendSelectionTo(const TextPos& position);
  void popupAt(PopupMenuChoice choice, int x, int y);
  bool scrollKey(const KeyEvent& event);
  bool editingKey(const KeyEvent& event);
  bool caretKey(const KeyEvent& event, CaretMove move);
  // A character move onto a table's character puts the caret into its first or last cell.
  bool enterTable(CaretMove move, bool extending);
  void followLinkAtCaret();

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
  bool animated_ = false;
  bool readOnly_ = false;
  BoxSurface* surface_ = nullptr;
  BoxBackground background_;
  TZEBcursor caret_;
  TZEBbox* caretHandover_ = nullptr;
  TextPos selStart_;
  TextPos selEnd_;
  bool hasSelection_ = false;
  bool selectionShown_ = false;
  // The press: pressed waits for a move of more than 4 pixels, which starts selecting.
  struct Press {
    bool pressed = false;
    bool selecting = false;
    bool dragCandidate = false;
    bool doubleClick = false;
    int x = 0;
    int y = 0;
    TextPos position;
    std::uint8_t origin = 0;
  } press_;
  std::int32_t lastLink_ = -1;
  std::string hint_;
  MouseCursor mouseCursor_ = MouseCursor::standard;
  MouseCursor textCursor_ = MouseCursor::text;
  // Posted follow-link requests hold a weak copy: they do nothing once the box is gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::unique_ptr<TZEBTextAttributes> textAttributes_;
  std::unique_ptr<TZEBParaAttributes> paraAttributes_;
};

}  // namespace zeb
