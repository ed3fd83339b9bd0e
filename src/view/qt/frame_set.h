// TZEBCustomFrameSet: the control that puts a book's pages on the screen. Showing page N
// builds a tree of frames in it (one frame, or the frames of the page's frame map), each
// leaf showing its page in a page control; every followed link arrives here as one posted
// message and is raised to the owner with OnDoLink. TInsiemeCornici and TZEBframeSet are
// the same control under the names windows place.
#pragma once

#include <QMenu>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/box_surface.h"
#include "text/frame_set_link.h"
#include "view/frame_map.h"
#include "view/link_rules.h"
#include "view/night_colours.h"
#include "view/page_change.h"
#include "view/page_history.h"
#include "view/page_view.h"
#include "view/page_zoom.h"
#include "view/qt/frame_panel.h"
#include "view/visual_size.h"

namespace zeb {

class FormTransfer;
class MeasurementCache;
class TMyyVisual;
class PageWidget;
class Timer;
class TZEBFrame;
class TZEBTextAttributes;
class TZEBbox;
class TZEBoggetto;
class TZEBset;
class TZEBtesto;

// The context menus a frame set hands to its frames, pages and objects.
enum class FramePopup : std::uint8_t {
  PopupSpell,
  PopupSpecLink,
  PopupGenLink,
  PopupComment,
  PopupJava,
  PopupImage,
  PopupMapZone,
  PopupTable,
  PopupTableChild,
  PopupFrameChild,
  PopupFrame,
  PopupInactive,
  PopupButton,
  PopupMultimedia,
  PopupInput,
  PopupDin,
  PopupFormStart,
  PopupFloating,
};
inline constexpr std::size_t framePopupCount = 18;

// How ShowInNamedFrame and ShowInFrameOf show a page that has a frame map: in one frame
// (0), or as the map's frames inside the frame (1).
enum ShowMode : int { showInOneFrame = 0, showWithMap = 1 };

class TZEBCustomFrameSet : public TZEBFramePanel, public PageOwner, public FrameSetLink, public EmbeddedFrameSet {
  Q_OBJECT

 public:
  explicit TZEBCustomFrameSet(QWidget* parent = nullptr);
  ~TZEBCustomFrameSet() override;

  // --- Published properties.
  // The container whose pages are shown; not owned. Linking shows page -1.
  TZEBset* LinkedZEBset() const { return set_; }
  void setLinkedZEBset(TZEBset* set);
  // Pages with a frame map show its frames; a change shows the current page again.
  bool ShowNested() const { return showNested_; }
  void setShowNested(bool nested);
  // On leaving a page, keep its edits (authoring).
  bool SaveOnExit() const override { return saveOnExit_; }
  void setSaveOnExit(bool save);
  // Whether text boxes are to draw their outline (an authoring aid the reader does not draw).
  bool ShowBoundaries() const { return showBoundaries_; }
  void setShowBoundaries(bool show);
  // The number of the page shown (-1 none, -2 before the first); writing it shows a page.
  std::int32_t MainPageNumber() const { return pageNumber_; }
  void setMainPageNumber(std::int32_t page);
  // The frame set follows page links itself and keeps a history.
  bool AutoJump() const { return autoJump_; }
  void setAutoJump(bool jump) { autoJump_ = jump; }
  // Timed links and the automatic links of preview panels run.
  bool ActivePreview() const override { return activePreview_; }
  void setActivePreview(bool active) { activePreview_ = active; }
  bool AnchorPreview() const override { return anchorPreview_; }
  // A change repaints the pages shown: anchors show or hide.
  void setAnchorPreview(bool preview);
  // searchWholeWords and searchMatchCase bits, for the search window.
  int SearchOptions() const override { return searchOptions_; }
  void setSearchOptions(int options) { searchOptions_ = options; }
  bool AutoSpellCheck() const { return autoSpellCheck_; }
  void setAutoSpellCheck(bool check) { autoSpellCheck_ = check; }
  bool AutoEngQuote() const { return autoEngQuote_; }
  void setAutoEngQuote(bool quote) { autoEngQuote_ = quote; }
  // Dropped files are ignored and copies carry plain text only.
  bool Wrapper() const override { return wrapper_; }
  void setWrapper(bool wrapper) { wrapper_ = wrapper; }
  // Caret browsing: the pages' boxes show a caret in reading mode that the keys move as in
  // an editor; switching it on shows the caret in the current box, off hides it.
  bool CaretBrowsing() const override { return caretBrowsing_; }
  void setCaretBrowsing(bool browsing);
  const std::string& HintMoveToCreate() const { return hintMoveToCreate_; }
  void setHintMoveToCreate(std::string hint) { hintMoveToCreate_ = std::move(hint); }
  // Set once a page was shown in a named frame: showing the current page again rebuilds.
  bool IsShowingTmpFrameSet() const { return showingTemporary_; }
  void setIsShowingTmpFrameSet(bool showing);
  // The context menus; not owned, forgotten when destroyed.
  QMenu* Popup(FramePopup which) const { return popups_[static_cast<std::size_t>(which)]; }
  void setPopup(FramePopup which, QMenu* menu) { popups_[static_cast<std::size_t>(which)] = menu; }

  void setReadOnly(bool readOnly) override;
  void setShowFramesOnly(bool framesOnly) override;
  // Night colours for the pages shown (night_painting.h): the controls take the night palette
  // and every window repaints. A frame set inside a page reads at night when the one around
  // it does.
  const NightView& nightView() const { return nightView_; }
  void setNightView(const NightView& view);
  // The zoom of the pages shown (zoom_painting.h): each page lays its text out again to its
  // window in book pixels and its controls follow. A frame set inside a page takes the
  // zoom of the one around it.
  const PageZoom& zoom() const { return zoom_; }
  void setZoom(PageZoom zoom);

  // --- Navigation.
  // Shows the book's cover or summary page, focuses the current box; the page shown.
  std::int32_t ShowCover();
  std::int32_t ShowSummary();
  // Shows the latest page of the history (which keeps it); the page number shown.
  std::int32_t GoBack();
  // Forgets the current control and the history and shows nothing.
  void ClearView();
  // Posts a reload: the view is cleared, then the page (-1: the current one) shown.
  void PostReload(std::int32_t page);
  // Shows the object in the frame of that name (false when none has it), or in the frame
  // holding the page control.
  bool ShowInNamedFrame(std::string_view name, TZEBoggetto* object, std::int32_t anchor, int mode);
  bool ShowInFrameOf(TZEBpage* page, TZEBoggetto* object, std::int32_t anchor, int mode);
  // Brings the anchor into view on the page showing MainPageNumber (else the current
  // box's); false for -1 or an anchor not found.
  bool GoToAnchor(std::int32_t anchor);
  // The frame of that name: depth first, names compared ignoring case, the frame sets of
  // floating objects included.
  TZEBFrame* FindFrame(std::string_view name);

  // --- The boxes acted on.
  TZEBbox* CurrentBox() const;
  TZEBbox* MainBox() const;
  void FocusCurrentBox();
  // The character attributes of the current box; none while busy.
  TZEBTextAttributes* CurrentTextAttributes() const;
  void CopySelection();
  bool FindInCurrentBox(std::string_view text);
  bool FindInMainBox(std::string_view text);
  bool FindFromSelection(std::string_view text);
  // The page controls of the leaf frames in tree order.
  std::vector<PageWidget*> ShownPages() const;
  // The page shown that holds the box (its own or a table cell's): a page of this frame set,
  // else of the frame set of an independent frame on one of them, and so on inwards. None
  // when no page shown holds it.
  TZEBpage* pageShowing(const TZEBbox* box) const;
  // Whether the page is shown here or in an independent frame on a page shown here.
  bool showsPage(const TZEBpage* page) const;

  // --- Links.
  // Posts the follow-link message: handled once the current event is over.
  void PostFollowLink(const LinkSource& source, TZEBoggetto* link);
  // Print-on-click: called with the box to print when a followed link asks for it.
  std::function<void(TZEBbox&)> printOnClick;

  // --- Forms and controls, as the owner sets them up.
  // Where forms of methods 2 and 4 send their data; none sends nothing. Not owned.
  FormTransfer* formTransfer() const { return formTransfer_; }
  void setFormTransfer(FormTransfer* transfer) { formTransfer_ = transfer; }
  // Asks before a form opens an address that is neither a web page nor a mail address
  // (true: open it); unset, such addresses are not opened.
  std::function<bool(const std::string& address)> confirmOpenAddress;
  // The metrics of the standard controls for the whole program, which size form fields and
  // buttons of the pages shown from then on; unset, each page measures the control font.
  void setControlMetrics(const ControlMetrics& metrics) { controlMetrics_ = metrics; }
  const ControlMetrics* controlMetrics() const override { return controlMetrics_ ? &*controlMetrics_ : nullptr; }

  // --- Notifications from boxes, pages and frames.
  void SetCurrentControl(TZEBbox& box) override;
  // A visual object becomes the current control (a right click on it): CopySelection copies
  // it, and the box that holds it is the box acted on, which OnSelectionChange names.
  void SetCurrentControl(TMyyVisual& control);
  TMyyVisual* currentVisual() const;
  // Raises OnProperties: a visual object was double-clicked.
  void Properties(QObject* control) { emit OnProperties(control); }
  void SetActiveBox(TZEBbox& box) override;
  void ClickFrame(TZEBFrame* frame);
  // The hint of a visual object's book object, as OnGetHint gives it.
  std::string GetHint(TZEBoggetto& object);
  // A splitter between frames finished moving.
  void frameDragged(TZEBFrame& frame);
  // Shows the frame set's menu a text box asks for.
  void showPopupMenu(PopupMenuChoice choice, QPoint globalPosition);

  // --- State.
  TZEBFrame* rootFrame() const { return root_; }
  bool busy() const { return gate_.busy(); }
  bool errorLatched() const { return gate_.latched(); }
  bool showingMap() const { return frames_ != nullptr && frames_->fromMap; }
  const PageHistory& history() const { return history_; }
  bool timedLinkArmed() const;
  TZEBbox* currentControl() const { return currentControl_; }
  TZEBbox* activeBox() const { return activeBox_; }
  TZEBoggetto* rememberedObject() const { return remembered_; }
  const std::vector<TZEBpage*>& registeredPages() const { return registry_; }
  TZEBFrame* clickedFrame() const;
  MeasurementCache& measures() const { return *measures_; }
  // Runs the work after the current event, unless the frame set is gone by then.
  void post(std::function<void()> work);
  // Loads the pages of the frames under the frame: every background first, then the
  // texts.
  void loadLeaves(TZEBFrame& top);

  // --- PageOwner.
  void followObject(TZEBpage& page, TZEBoggetto& object) override;
  void activateFrameOf(TZEBpage& page) override;
  FrameSetLink* frameSetLink() const override { return const_cast<TZEBCustomFrameSet*>(this); }
  void pageLoaded(TZEBpage& page) override;
  void pageClosing(TZEBpage& page) override;

  // --- FrameSetLink.
  bool Enabled() const override { return isEnabled(); }
  void RulerPosChanged(TZEBbox& box) override { emit OnRulerPosChanged(&box); }
  void DropFile(const std::vector<std::string>& files, TZEBbox* caller) override { emit OnDropFile(files, caller); }
  void Click(TZEBbox&) override { emit OnClick(); }
  void FollowLink(TZEBbox& box, TZEBoggetto& link) override;
  void RememberObject(TZEBoggetto& object) override { remembered_ = &object; }
  void TakeFocus() override;

  // --- EmbeddedFrameSet (a frame set inside a floating object).
  NamedFrame* findFrameNamed(std::string_view name) override;
  // The name of the floating object holding the frame set, which its root frame takes;
  // empty for a frame set that is not inside one.
  void setFloatingName(std::string name) { floatingName_ = std::move(name); }

 signals:
  void OnSelectionChange(zeb::TZEBbox* box);
  void OnEditStart(QObject* object);
  void OnEditStop(QObject* object);
  void OnImageFromClip(QObject* object, zeb::TZEBoggetto** pasted);
  void OnDoLink(zeb::LinkSource source, zeb::TZEBoggetto* link);
  void OnGetHint(zeb::TZEBoggetto* object, std::string* hint);
  void OnClickFrame(zeb::TZEBFrame* frame);
  void OnPageChanged();
  void OnFrameSetChanged(zeb::TZEBFrame* frame);
  void OnRulerPosChanged(zeb::TZEBbox* box);
  void OnDropFile(std::vector<std::string> files, zeb::TZEBbox* caller);
  void OnProperties(QObject* object);
  void OnAddStyle();
  // A click on no link in a reading box.
  void OnClick();
  // Ctrl with the mouse wheel over a page: notches up (positive) or down.
  void zoomWheeled(int notches);

 protected:
  void passSettingsDown() override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Showing a page (frame_set_pages.cpp).
  void showPage(std::int32_t page, bool rebuild);
  bool buildView(std::int32_t page);
  void leaveShownPages();
  void clearFrames();
  void buildFrames();
  void placeRoot();
  void armTimedLink();
  void showObjectIn(TZEBFrame& frame, TZEBoggetto& object, std::int32_t anchor, int mode);
  void forgetControls();
  TZEBFrame* frameShowing(const TZEBpage& page) const;
  // The frame sets of the independent frames on the pages shown.
  std::vector<TZEBCustomFrameSet*> embeddedFrameSets() const;
  // Links (frame_set_links.cpp).
  void followLinkNow(LinkSource source, TZEBoggetto* link);
  void timedLinkFired();
  void printFrom(const LinkSource& source);
  bool sourceStillShown(const LinkSource& source) const;
  // Boxes (frame_set_boxes.cpp).
  TZEBpage* rootPage() const;
  bool findIn(TZEBbox* box, std::string_view text, bool fromSelection);

  TZEBset* set_ = nullptr;
  std::unique_ptr<MeasurementCache> measures_;
  std::unique_ptr<Timer> timer_;
  TZEBoggetto* timedTarget_ = nullptr;
  std::unique_ptr<PageFrames> frames_;
  TZEBFrame* root_ = nullptr;
  std::vector<TZEBpage*> registry_;
  TZEBbox* currentControl_ = nullptr;
  QPointer<TMyyVisual> currentVisual_;
  TZEBbox* activeBox_ = nullptr;
  TZEBoggetto* remembered_ = nullptr;
  QPointer<TZEBFrame> clickedFrame_;
  PageChangeGate gate_;
  PageHistory history_;
  std::array<QPointer<QMenu>, framePopupCount> popups_;
  std::string hintMoveToCreate_;
  FormTransfer* formTransfer_ = nullptr;
  std::optional<ControlMetrics> controlMetrics_;
  std::string floatingName_;
  NightView nightView_;
  PageZoom zoom_;
  std::int32_t pageNumber_ = -2;
  int searchOptions_ = 0;
  bool showNested_ = true;
  bool saveOnExit_ = false;
  bool showBoundaries_ = true;
  bool autoJump_ = true;
  bool activePreview_ = false;
  bool anchorPreview_ = false;
  bool autoSpellCheck_ = false;
  bool autoEngQuote_ = false;
  bool wrapper_ = false;
  bool caretBrowsing_ = false;
  bool showingTemporary_ = false;
  // Kept while frames of another page are shown in one of the frames.
  bool keptReadOnly_ = false;
  bool keptSaveOnExit_ = false;
  std::int32_t keptPage_ = -1;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Readies the frame set to show the book's pages off screen at the size, read-only and
// following no link itself: how pages are drawn without a desktop.
void readOffscreen(TZEBCustomFrameSet& frames, TZEBset& set, QSize size);

// The frame set as windows place it; it adds nothing.
class TInsiemeCornici : public TZEBCustomFrameSet {
  Q_OBJECT

 public:
  using TZEBCustomFrameSet::TZEBCustomFrameSet;
};

// A second name for the same frame set.
class TZEBframeSet : public TInsiemeCornici {
  Q_OBJECT

 public:
  using TInsiemeCornici::TInsiemeCornici;
};

}  // namespace zeb
