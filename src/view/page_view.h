// TZEBpage: the view of one page in a frame: its working text and text box, its background,
// its anchors and preview panels, the in-page search, and committing or discarding edits.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "text/box_host.h"
#include "view/page_background.h"
#include "view/page_zoom.h"

namespace zeb {

class FrameSetLink;
class MeasurementCache;
class NamedFrame;
class TZEBpage;
struct ControlMetrics;
class ObjectPlacement;
class VisualObjectFactory;
class VisualObjectPlacement;
class TZEBbox;
class TZEBoggetto;
class TZEBset;
class TZEBtesto;

// What a page asks of the frame set that shows it.
class PageOwner {
 public:
  virtual ~PageOwner() = default;
  // Search option bits: searchWholeWords, searchMatchCase.
  virtual int SearchOptions() const { return 0; }
  virtual bool ActivePreview() const { return false; }
  // Anchors are shown in read-only mode too.
  virtual bool AnchorPreview() const { return false; }
  virtual bool SaveOnExit() const { return false; }
  // Follows the object of one of the page's preview panels.
  virtual void followObject(TZEBpage&, TZEBoggetto&) {}
  // A click on a page that shows only its frame's name.
  virtual void activateFrameOf(TZEBpage&) {}
  // What the page's text boxes tell the frame set; none outside a frame set.
  virtual FrameSetLink* frameSetLink() const { return nullptr; }
  // The page registers itself when it has loaded a text, and leaves when it is destroyed.
  virtual void pageLoaded(TZEBpage&) {}
  virtual void pageClosing(TZEBpage&) {}
  // The metrics of the standard controls that size form fields and buttons, when the owner
  // sets them for the whole program; none lets the page measure the control font.
  virtual const ControlMetrics* controlMetrics() const { return nullptr; }
};

// The window a page is shown in: told when the box's extents or scroll positions change,
// so that it moves its bars and repaints.
class PageWindow {
 public:
  virtual ~PageWindow() = default;
  // The box was loaded or laid out again: ranges and sizes may differ.
  virtual void pageLaidOut() {}
  // The box moved its scroll positions (keys, a caret kept in view, a found text).
  virtual void pageScrolled() {}
};

// A frame set placed on the page by a floating object, as the search for a frame by name
// sees it.
class EmbeddedFrameSet {
 public:
  virtual ~EmbeddedFrameSet() = default;
  // The frame of that name in this frame set, or none.
  virtual NamedFrame* findFrameNamed(std::string_view name) = 0;
};

// An anchor or preview panel: a panel element in one of the page's text boxes.
struct PagePanel {
  TZEBoggetto* object = nullptr;  // the working copy, owned by the working text
  TZEBbox* box = nullptr;
  int paragraph = 0;
  int character = 0;
};

// The two lists of panels a page keeps: anchors (panel elements of subtype 14) and preview
// panels (subtype 13), whose objects are followed when the page loads.
enum class PanelRole { anchor, preview };

class TZEBpage final : public BoxHost {
 public:
  // A page view starts empty (index -1), 1024 pixels of vertical range, both bars visible.
  TZEBpage(TZEBset& set, MeasurementCache& measures, PageOwner& owner);
  ~TZEBpage() override;
  TZEBpage(const TZEBpage&) = delete;
  TZEBpage& operator=(const TZEBpage&) = delete;

  TZEBset& set() const { return set_; }
  bool AnchorPreview() const { return owner_.AnchorPreview(); }
  // The metrics the controls of the page's objects are sized with.
  const ControlMetrics& controlMetrics() const;
  // Where painting the page's boxes puts their objects: controls are drawn in their place
  // (until they are windows of their own).
  ObjectPlacement& objectPlacement() const;

  // The size of the page's client area in the window's pixels; the box sees it in book
  // pixels, through the zoom.
  void setClientSize(int width, int height);
  int windowClientWidth() const { return clientWidth_; }
  int windowClientHeight() const { return clientHeight_; }
  int clientWidth() const override { return zoom_.toBook(clientWidth_); }
  int clientHeight() const override { return zoom_.toBook(clientHeight_); }
  // The zoom the page is shown at: a change lays the text out again to the client area in
  // book pixels, keeping the text at the view's top.
  const PageZoom& Zoom() const { return zoom_; }
  void setZoom(PageZoom zoom);
  FrameSetLink* frameSet() const override { return owner_.frameSetLink(); }

  // The window the page is shown in, or none; not owned.
  void setWindow(PageWindow* window) { window_ = window; }

  // Shows a page of the book (registered in it), or, with none, a fresh blank text that is
  // not part of the book. Returns the working text.
  TZEBtesto& ShowText(TZEBtesto* page);
  // Shows a text that is not part of the book (the frame's placeholder for an object), as a
  // page shows its text; the page keeps the text object and never commits it.
  TZEBtesto& ShowTemporaryText(std::unique_ptr<TZEBtesto> text);
  // Takes the background colour and picture of the page (the book's default colour for
  // none) before its text is loaded, so that a frame shows its background first.
  void ShowBackground(TZEBtesto* page);
  std::int32_t PageIndex() const { return pageIndex_; }
  TZEBoggetto* ShownPage() const { return shownPage_; }
  TZEBtesto* WorkingText() const { return working_.get(); }
  TZEBbox* TextBox() const { return box_.get(); }
  bool Blank() const { return blank_; }
  bool Modified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }

  // Modes passed down from the frame set.
  bool ReadOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  bool Animated() const { return animated_; }
  void setAnimated(bool animated);
  int ScrollBarMode() const { return scrollBarMode_; }
  void setScrollBarMode(int mode);
  bool horizontalBarVisible() const { return horizontalBar_; }
  bool verticalBarVisible() const { return verticalBar_; }
  bool FramesOnly() const { return framesOnly_; }
  void setFramesOnly(bool framesOnly);
  bool HasBorder() const { return border_; }
  int VerticalRange() const { return verticalRange_; }
  // In frames-only mode a click asks the frame set to activate the page's frame.
  void Click();

  // The anchors: panel elements of subtype 14 in the page's boxes, table cells included.
  // The page finds them itself when it loads (so that a page without windows has them too);
  // the markers that show them register and leave again, each object listed once.
  const std::vector<PagePanel>& anchors() const { return anchors_; }
  const std::vector<PagePanel>& previews() const { return previews_; }
  void registerPanel(PanelRole role, const PagePanel& panel);
  void unregisterPanel(PanelRole role, const TZEBoggetto& object);

  // Puts the caret at the anchor numbered n; false (with a warning when the page is not
  // read-only) when there is none.
  bool GoToAnchor(std::int32_t number);
  // Hands the object of each preview panel to the frame set, when its ActivePreview is on.
  void FollowPreviewPanels();

  // The in-page search: each find starts afresh, from the top or just after the caret.
  void StartSearch(bool fromCaret);
  // The text as typed (UTF-8), looked for in the code page of the page's text.
  bool FindNext(std::string_view text);
  // The box the caret is in (a table cell's box or the page's own); the search starts there.
  TZEBbox* ActiveBox() const { return activeBox_ != nullptr ? activeBox_ : box_.get(); }
  // A box of the page (a cell's, after a click in it) becomes the one the search starts in;
  // a box of another page is ignored.
  void setActiveBox(TZEBbox* box);

  // Whether the box is the page's own or one of the table cells inside it.
  bool holdsBox(const TZEBbox& box) const;
  // Every box of the page: its own, then the boxes of the table cells inside it, level by
  // level (breadth first), the cells of one box in text order.
  std::vector<TZEBbox*> boxes() const;

  // The frame sets of the page's floating objects (each registered once), and the frame of
  // that name in the first of them that has one.
  void registerFrameSet(EmbeddedFrameSet& frames);
  void unregisterFrameSet(EmbeddedFrameSet& frames);
  const std::vector<EmbeddedFrameSet*>& embeddedFrameSets() const { return frameSets_; }
  NamedFrame* FindFrameByName(std::string_view name) const;

  // Work posted for this page holds a weak copy: it does nothing once the page is gone.
  std::weak_ptr<bool> lifeToken() const { return alive_; }

  // The background behind the text.
  TZEBsfondo& Background() { return background_; }
  // Erasing is left to the background control on a blank page.
  bool ErasesBackground() const { return shownPage_ != nullptr; }

  // Keeps the edits of the working text in the book (at most once), or drops them.
  void Commit();
  void Discard();
  bool Committed() const { return committed_; }

  void boxChanged(TZEBbox& box) override;
  void scrolled(TZEBbox& box) override;

 private:
  void collectPanels();
  void forgetShown();
  TZEBtesto& showWorkingText(std::unique_ptr<TZEBtesto> working);
  void applyScrollBarRule();

  TZEBset& set_;
  MeasurementCache& measures_;
  PageOwner& owner_;
  PageWindow* window_ = nullptr;
  // A placeholder text outlives the working copy made of it.
  std::unique_ptr<TZEBtesto> temporary_;
  std::unique_ptr<VisualObjectFactory> objects_;
  std::unique_ptr<VisualObjectPlacement> placement_;
  std::unique_ptr<TZEBtesto> working_;
  std::unique_ptr<TZEBbox> box_;
  TZEBsfondo background_;
  std::vector<PagePanel> anchors_;
  std::vector<PagePanel> previews_;
  std::vector<EmbeddedFrameSet*> frameSets_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  TZEBoggetto* shownPage_ = nullptr;
  TZEBbox* activeBox_ = nullptr;
  std::int32_t pageIndex_ = -1;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  PageZoom zoom_;
  int verticalRange_ = 1024;
  int scrollBarMode_ = 3;
  bool horizontalBar_ = true;
  bool verticalBar_ = true;
  bool border_ = true;
  bool blank_ = false;
  bool framesOnly_ = false;
  bool modified_ = false;
  bool animated_ = true;
  bool readOnly_ = false;
  bool committed_ = false;
  bool searchFromCaret_ = false;
};

}  // namespace zeb
