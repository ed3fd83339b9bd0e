// Showing pages in a frame set: page N (the single and the nested build), an object in a
// named frame, the frame found by name, going back, clearing and reloading.
#include <algorithm>
#include <memory>

#include "document/container.h"
#include "document/page_object.h"
#include "document/page_sequence.h"
#include "platform/event_queue.h"
#include "platform/message_boxes.h"
#include "view/box_choice.h"
#include "view/frame_layout.h"
#include "view/frame_map.h"
#include "view/frame_names.h"
#include "view/messages.h"
#include "view/object_placeholder.h"
#include "view/qt/frame_set.h"
#include "view/qt/frame_widget.h"
#include "view/qt/page_widget.h"
#include "view/qt/visual_control.h"
#include "view/timed_link.h"

namespace zeb {
namespace {

TZEBtesto* pageObject(const TZEBset& set, std::int64_t page) {
  return static_cast<TZEBtesto*>(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page));
}

// Animated is off while a view is built: no animated picture starts while pages are made.
class AnimationPause {
 public:
  explicit AnimationPause(TZEBFramePanel& panel) : panel_(panel), animated_(panel.Animated()) {
    panel_.setAnimated(false);
  }
  ~AnimationPause() { panel_.setAnimated(animated_); }
  AnimationPause(const AnimationPause&) = delete;
  AnimationPause& operator=(const AnimationPause&) = delete;

 private:
  TZEBFramePanel& panel_;
  bool animated_;
};

}  // namespace

void TZEBCustomFrameSet::setMainPageNumber(std::int32_t page) { showPage(page, false); }

void TZEBCustomFrameSet::showPage(std::int32_t page, bool rebuild) {
  const PageChangeSteps steps{[this] { forgetControls(); }, [this, page] { return buildView(page); },
                              [this] { FocusCurrentBox(); }, [this] { emit OnPageChanged(); }};
  gate_.change(pageNumber_, page, showingTemporary_ || rebuild, set_ != nullptr ? &set_->messages() : nullptr, steps);
}

void TZEBCustomFrameSet::forgetControls() {
  currentControl_ = nullptr;
  currentVisual_ = nullptr;
  activeBox_ = nullptr;
}

bool TZEBCustomFrameSet::buildView(std::int32_t page) {
  if (timer_) timer_->stop();
  if (set_ == nullptr) {
    clearFrames();
    return false;
  }
  const AnimationPause pause(*this);
  if (root_ != nullptr) {
    leaveShownPages();
    if (pageObject(*set_, pageNumber_) == nullptr) set_->messages().error(messages::leftPageMissing);
    registry_.clear();
  }
  pageNumber_ = page;
  if (page == -1) {
    clearFrames();
    return false;
  }
  TZEBtesto* shown = pageObject(*set_, page);
  if (shown == nullptr) {
    // A number the book does not hold shows a new empty page.
    std::unique_ptr<TZEBoggetto> created = set_->makeObject(TOggettiHel::testoHtml);
    created->Release();
    created->Activate();
    shown = static_cast<TZEBtesto*>(&set_->Register(std::move(created)));
    pageNumber_ = shown->Index();
  }
  registry_.clear();
  buildFrames();
  armTimedLink();
  return true;
}

void TZEBCustomFrameSet::leaveShownPages() {
  for (PageWidget* page : ShownPages()) page->leave(saveOnExit_);
}

void TZEBCustomFrameSet::clearFrames() {
  TZEBFrame* old = root_;
  root_ = nullptr;
  delete old;
  frames_.reset();
  registry_.clear();
  forgetControls();
  update();
}

void TZEBCustomFrameSet::buildFrames() {
  PageFramesRequest request;
  request.page = pageNumber_;
  request.width = width();
  request.height = height();
  request.readOnly = ReadOnly();
  request.showNested = showNested_;
  // A map that cannot be read warns "Map problem." and gives one frame.
  auto frames = std::make_unique<PageFrames>(buildPageFrames(*set_, request));

  auto* root = new TZEBFrame(*this, frames->root, nullptr, this);
  root->setPopup(Popup(FramePopup::PopupFrame));
  root->setTablePopup(Popup(FramePopup::PopupTable));
  root->setBarMode(showNested_ ? barMode::both : barMode::none);
  root->setGeometry(rect());
  root->buildChildren();

  // The old frames go only once the new ones exist.
  TZEBFrame* old = root_;
  std::unique_ptr<PageFrames> oldFrames = std::move(frames_);
  root_ = root;
  frames_ = std::move(frames);
  root_->show();
  loadLeaves(*root_);
  delete old;
}

void TZEBCustomFrameSet::loadLeaves(TZEBFrame& top) {
  std::vector<TZEBFrame*> leaves;
  top.collectLeaves(leaves);
  const auto shownBy = [this](const TZEBFrame& leaf) { return pageObject(*set_, shownPageOf(*set_, leaf.node())); };
  // Every frame shows its background before any text is laid out.
  for (TZEBFrame* leaf : leaves) leaf->createPage(shownBy(*leaf));
  for (TZEBFrame* leaf : leaves) {
    try {
      leaf->loadPage(shownBy(*leaf));
    } catch (...) {
      // A page that cannot be loaded leaves its frame with its background.
    }
  }
}

void TZEBCustomFrameSet::armTimedLink() {
  timedTarget_ = nullptr;
  const std::optional<TimedLinkPlan> plan =
      planTimedLink(*set_, pageObject(*set_, pageNumber_), ReadOnly(), activePreview_);
  if (!plan || !timer_) return;
  timedTarget_ = plan->target;
  timer_->start(plan->interval, TimerMode::singleShot, [this] { timedLinkFired(); });
}

// --- Showing objects in frames.

TZEBFrame* TZEBCustomFrameSet::FindFrame(std::string_view name) {
  if (root_ == nullptr) return nullptr;
  // Inside a floating object, the root frame goes by the object's name.
  if (!floatingName_.empty()) frames_->root.record.name = frameNameOf(floatingName_);
  // Frame sets of floating objects are frame sets too: every frame found is a TZEBFrame.
  return dynamic_cast<TZEBFrame*>(findFrameByName(*root_, name));
}

NamedFrame* TZEBCustomFrameSet::findFrameNamed(std::string_view name) { return FindFrame(name); }

TZEBFrame* TZEBCustomFrameSet::frameShowing(const TZEBpage& page) const {
  if (root_ == nullptr) return nullptr;
  std::vector<TZEBFrame*> leaves;
  root_->collectLeaves(leaves);
  for (TZEBFrame* leaf : leaves) {
    if (leaf->page() != nullptr && &leaf->page()->page() == &page) return leaf;
  }
  return nullptr;
}

bool TZEBCustomFrameSet::ShowInNamedFrame(std::string_view name, TZEBoggetto* object, std::int32_t anchor, int mode) {
  TZEBFrame* frame = FindFrame(name);
  if (frame == nullptr) return false;
  if (object != nullptr) frame->frameSet().showObjectIn(*frame, *object, anchor, mode);
  return true;
}

bool TZEBCustomFrameSet::ShowInFrameOf(TZEBpage* page, TZEBoggetto* object, std::int32_t anchor, int mode) {
  if (page == nullptr) return false;
  TZEBFrame* frame = frameShowing(*page);
  if (frame == nullptr) {
    // A page of an independent frame: its frame is one of that frame set's.
    for (TZEBCustomFrameSet* inner : embeddedFrameSets())
      if (inner->ShowInFrameOf(page, object, anchor, mode)) return true;
    return false;
  }
  if (object != nullptr) showObjectIn(*frame, *object, anchor, mode);
  return true;
}

std::vector<TZEBCustomFrameSet*> TZEBCustomFrameSet::embeddedFrameSets() const {
  std::vector<TZEBCustomFrameSet*> inner;
  for (const TZEBpage* page : registry_)
    for (EmbeddedFrameSet* embedded : page->embeddedFrameSets())
      if (auto* frames = dynamic_cast<TZEBCustomFrameSet*>(embedded)) inner.push_back(frames);
  return inner;
}

TZEBpage* TZEBCustomFrameSet::pageShowing(const TZEBbox* box) const {
  if (box == nullptr) return nullptr;
  if (TZEBpage* page = pageHolding(registry_, box)) return page;
  for (const TZEBCustomFrameSet* inner : embeddedFrameSets())
    if (TZEBpage* page = inner->pageShowing(box)) return page;
  return nullptr;
}

bool TZEBCustomFrameSet::showsPage(const TZEBpage* page) const {
  if (page == nullptr) return false;
  if (std::find(registry_.begin(), registry_.end(), page) != registry_.end()) return true;
  const std::vector<TZEBCustomFrameSet*> inner = embeddedFrameSets();
  return std::any_of(inner.begin(), inner.end(),
                     [page](const TZEBCustomFrameSet* frames) { return frames->showsPage(page); });
}

void TZEBCustomFrameSet::showObjectIn(TZEBFrame& target, TZEBoggetto& object, std::int32_t anchor, int mode) {
  if (set_ == nullptr) return;
  // Entering the state shows the kept page again when authoring: the frame is then found
  // again by its name in the new tree.
  const std::string name = target.frameName();
  const QPointer<TZEBFrame> kept(&target);
  setIsShowingTmpFrameSet(true);
  TZEBFrame* found = kept ? kept.data() : FindFrame(name);
  if (found == nullptr) return;
  TZEBFrame& frame = *found;
  FrameNode& node = frame.node();
  if (!frame.childFrames().empty()) {
    frame.freeChildren();
    node.children.clear();
    node.record.hasChildren = 0;
  }
  if (object.Kind() != TOggettiHel::testoHtml) {
    // One line with a link to the object.
    std::unique_ptr<TZEBoggetto> placeholder = set_->makeObject(TOggettiHel::testoHtml);
    placeholder->Release();
    placeholder->Activate();
    auto* text = static_cast<TZEBtesto*>(placeholder.get());
    text->setText(objectPlaceholderText(object));
    node.record.page = -1;
    frame.createPage(nullptr);
    try {
      if (frame.page() != nullptr)
        frame.page()->ShowTemporaryText(std::unique_ptr<TZEBtesto>(static_cast<TZEBtesto*>(placeholder.release())));
    } catch (...) {
    }
    return;
  }
  auto& page = static_cast<TZEBtesto&>(object);
  if (mode == showWithMap) {
    TZEBoggetto* map = frameMapOfPage(*set_, page.Index());
    if (map != nullptr && !map->isReleased()) {
      frame.freePage();
      frame.setReadOnly(true);
      const FrameReadPlace place{&frame == root_, pageNumber_};
      const FrameMapReading reading =
          readFrameTree(node, map->primaryData(), map->record().i32(field::frameMapRecordLength), place);
      if (reading != FrameMapReading::unreadable) {
        layOutFrameTree(node, ReadOnly());
        frame.buildChildren();
        loadLeaves(frame);
        return;
      }
    }
  }
  node.record.page = page.Index();
  frame.ShowPage(&page);
  if (frame.page() != nullptr) frame.page()->page().GoToAnchor(anchor);
}

// --- History, clearing, reloading.

std::int32_t TZEBCustomFrameSet::ShowCover() {
  if (set_ != nullptr) setMainPageNumber(set_->header().i32(header::coverPage));
  FocusCurrentBox();
  return pageNumber_;
}

std::int32_t TZEBCustomFrameSet::ShowSummary() {
  if (set_ != nullptr) setMainPageNumber(set_->header().i32(header::summaryPage));
  FocusCurrentBox();
  return pageNumber_;
}

std::int32_t TZEBCustomFrameSet::GoBack() {
  if (timer_) timer_->stop();
  const std::optional<std::int32_t> latest = history_.latest();
  if (!latest) return pageNumber_;
  try {
    setMainPageNumber(*latest);
  } catch (...) {
    // Going back shows what it can.
  }
  return *latest;
}

void TZEBCustomFrameSet::ClearView() {
  if (QWidget* focused = focusWidget(); focused != nullptr && isAncestorOf(focused)) focused->clearFocus();
  setMainPageNumber(-1);
  history_.clear();
  currentControl_ = nullptr;
  currentVisual_ = nullptr;
}

void TZEBCustomFrameSet::PostReload(std::int32_t page) {
  post([this, page] {
    const std::int32_t shown = page == -1 ? pageNumber_ : page;
    ClearView();
    setMainPageNumber(shown);
  });
}

}  // namespace zeb
