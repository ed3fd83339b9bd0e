// The page view.
#include "view/page_view.h"

#include <algorithm>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/code_pages.h"
#include "platform/message_boxes.h"
#include "text/markup_stream.h"
#include "text/measurement_cache.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/messages.h"
#include "view/page_search.h"
#include "view/page_text.h"
#include "view/visual_object.h"
#include "view/visual_painting.h"

namespace zeb {
namespace {

constexpr std::uint8_t previewSubtype = 13;
constexpr std::uint8_t anchorSubtype = 14;

// Adds the panel unless its object is listed already.
void addOnce(std::vector<PagePanel>& panels, const PagePanel& panel) {
  const bool known =
      std::any_of(panels.begin(), panels.end(), [&](const PagePanel& p) { return p.object == panel.object; });
  if (!known) panels.push_back(panel);
}

}  // namespace

TZEBpage::TZEBpage(TZEBset& set, MeasurementCache& measures, PageOwner& owner)
    : set_(set),
      measures_(measures),
      owner_(owner),
      objects_(std::make_unique<VisualObjectFactory>(owner.controlMetrics() != nullptr
                                                         ? *owner.controlMetrics()
                                                         : ControlMetrics::measuredWith(measures.measurer()))),
      placement_(std::make_unique<VisualObjectPlacement>(*this)) {}

TZEBpage::~TZEBpage() { owner_.pageClosing(*this); }

const ControlMetrics& TZEBpage::controlMetrics() const { return objects_->metrics(); }

ObjectPlacement& TZEBpage::objectPlacement() const { return *placement_; }

void TZEBpage::setClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  // The box lays itself out again to the new client width and stays at least as large as
  // the client area and its text.
  if (box_) box_->Resize(clientWidth(), clientHeight());
}

void TZEBpage::setZoom(PageZoom zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  if (box_) box_->Resize(clientWidth(), clientHeight());
}

TZEBtesto& TZEBpage::ShowText(TZEBtesto* page) {
  forgetShown();
  if (page != nullptr && page->isRegistered()) {
    pageIndex_ = page->Index();
    shownPage_ = page;
    blank_ = false;
    ShowBackground(page);
    return showWorkingText(openPageWithHeaderAndFooter(set_, *page));
  }
  // A fresh text that is not part of the book.
  blank_ = true;
  std::unique_ptr<TZEBtesto> fresh(static_cast<TZEBtesto*>(set_.makeObject(TOggettiHel::testoHtml).release()));
  fresh->Release();
  fresh->Activate();
  ShowBackground(nullptr);
  return showWorkingText(std::move(fresh));
}

TZEBtesto& TZEBpage::ShowTemporaryText(std::unique_ptr<TZEBtesto> text) {
  forgetShown();
  blank_ = false;
  temporary_ = std::move(text);
  ShowBackground(nullptr);
  return showWorkingText(openPageText(set_, *temporary_));
}

void TZEBpage::forgetShown() {
  anchors_.clear();
  previews_.clear();
  activeBox_ = nullptr;
  box_.reset();
  working_.reset();
  temporary_.reset();
  pageIndex_ = -1;
  shownPage_ = nullptr;
}

TZEBtesto& TZEBpage::showWorkingText(std::unique_ptr<TZEBtesto> working) {
  working_ = std::move(working);
  box_ = std::make_unique<TZEBbox>(set_, measures_);
  box_->setHost(this);
  box_->setObjectFactory(objects_.get());
  box_->setAnimated(animated_);
  box_->setReadOnly(readOnly_);
  box_->setBounds(0, 0, clientWidth(), clientHeight());
  // The box fills the page with the page's background colour and picture.
  box_->Background().colour = background_.Colour();
  box_->Background().picture = background_.Picture();
  box_->Background().fixed = shownPage_ != nullptr && shownPage_->record().i32(field::pageFixedBackground) == 1;
  box_->LoadFrom(*working_, working_->headerText(), working_->footerText());
  collectPanels();
  modified_ = false;
  owner_.pageLoaded(*this);
  if (!blank_) FollowPreviewPanels();
  return *working_;
}

void TZEBpage::ShowBackground(TZEBtesto* page) {
  if (page != nullptr) {
    background_.setColour(page->record().u32(field::pageBackgroundColour));
    background_.setPicture(page->ReferencedPicture());
  } else {
    background_.setColour(static_cast<std::uint32_t>(set_.header().i32(header::defaultBackgroundColour)));
    background_.setPicture(nullptr);
  }
}

void TZEBpage::boxChanged(TZEBbox& box) {
  if (&box != box_.get()) return;
  if (!framesOnly_) verticalRange_ = box.VerticalRange();
  if (window_ != nullptr) window_->pageLaidOut();
}

void TZEBpage::scrolled(TZEBbox& box) {
  if (&box == box_.get() && window_ != nullptr) window_->pageScrolled();
}

std::vector<TZEBbox*> TZEBpage::boxes() const {
  // Breadth first: each box before the boxes of the table cells it holds, level by level,
  // the cells of one box in text order.
  std::vector<TZEBbox*> boxes;
  if (!box_) return boxes;
  std::vector<int> depths = {0};
  boxes.push_back(box_.get());
  for (std::size_t next = 0; next < boxes.size(); ++next) {
    const int depth = depths[next];
    if (depth >= limits::maxTableNesting) continue;
    TZEBbox& current = *boxes[next];
    for (int p = 0; p < current.paragraphCount(); ++p) {
      for (const EmbeddedRef& ref : current.paragraph(p).Objects) {
        TableCells* table = ref.visual != nullptr ? ref.visual->tableCells() : nullptr;
        if (table == nullptr) continue;
        for (const auto& cell : table->cells()) {
          if (!cell) continue;
          boxes.push_back(cell.get());
          depths.push_back(depth + 1);
        }
      }
    }
  }
  return boxes;
}

void TZEBpage::collectPanels() {
  // The page finds its anchors and preview panels itself, in the order of its boxes, so that
  // a page shown without windows has them too; the markers of a window register them again.
  for (TZEBbox* current : boxes()) {
    for (int p = 0; p < current->paragraphCount(); ++p) {
      const TZEBparag& paragraph = current->paragraph(p);
      for (int c = 0; c < paragraph.length(); ++c) {
        const int objectIndex = paragraph.Cells[static_cast<std::size_t>(c)].ObjectIndex;
        if (objectIndex < 0) continue;
        const EmbeddedRef& ref = paragraph.Objects[static_cast<std::size_t>(objectIndex)];
        if (ref.object == nullptr || ref.object->Kind() != TOggettiHel::shortObj) continue;
        const PagePanel panel{ref.object, current, p, c};
        if (ref.object->state() == anchorSubtype) addOnce(anchors_, panel);
        if (ref.object->state() == previewSubtype) addOnce(previews_, panel);
      }
    }
  }
}

bool TZEBpage::holdsBox(const TZEBbox& box) const {
  const std::vector<TZEBbox*> all = boxes();
  return std::find(all.begin(), all.end(), &box) != all.end();
}

void TZEBpage::setActiveBox(TZEBbox* box) {
  if (box == nullptr || holdsBox(*box)) activeBox_ = box;
}

void TZEBpage::registerPanel(PanelRole role, const PagePanel& panel) {
  if (panel.object != nullptr) addOnce(role == PanelRole::anchor ? anchors_ : previews_, panel);
}

void TZEBpage::unregisterPanel(PanelRole role, const TZEBoggetto& object) {
  std::erase_if(role == PanelRole::anchor ? anchors_ : previews_,
                [&](const PagePanel& panel) { return panel.object == &object; });
}

void TZEBpage::registerFrameSet(EmbeddedFrameSet& frames) {
  if (std::find(frameSets_.begin(), frameSets_.end(), &frames) == frameSets_.end()) frameSets_.push_back(&frames);
}

void TZEBpage::unregisterFrameSet(EmbeddedFrameSet& frames) { std::erase(frameSets_, &frames); }

NamedFrame* TZEBpage::FindFrameByName(std::string_view name) const {
  for (EmbeddedFrameSet* frames : frameSets_) {
    if (NamedFrame* found = frames->findFrameNamed(name)) return found;
  }
  return nullptr;
}

// --- Modes.

void TZEBpage::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (box_) box_->setReadOnly(readOnly);
  applyScrollBarRule();
}

void TZEBpage::setAnimated(bool animated) {
  animated_ = animated;
  if (box_) box_->setAnimated(animated);
}

void TZEBpage::setScrollBarMode(int mode) {
  scrollBarMode_ = mode;
  applyScrollBarRule();
}

void TZEBpage::applyScrollBarRule() {
  if (!readOnly_) {
    horizontalBar_ = verticalBar_ = true;
  } else if (scrollBarMode_ == 0 || scrollBarMode_ == 1) {
    horizontalBar_ = verticalBar_ = false;
  } else if (scrollBarMode_ == 2 || scrollBarMode_ == 3) {
    horizontalBar_ = verticalBar_ = true;
  }
}

void TZEBpage::setFramesOnly(bool framesOnly) {
  framesOnly_ = framesOnly;
  if (framesOnly) {
    border_ = false;
    verticalRange_ = 0;
    setReadOnly(true);
  }
}

void TZEBpage::Click() {
  if (framesOnly_) owner_.activateFrameOf(*this);
}

// --- Panels.

bool TZEBpage::GoToAnchor(std::int32_t number) {
  if (number < 0) return false;
  for (const PagePanel& anchor : anchors_) {
    if (anchor.object->record().i32(field::panelReference) != number) continue;
    anchor.box->SelectRange(anchor.paragraph, anchor.character, anchor.paragraph, anchor.character);
    anchor.box->scrollToCaret();
    activeBox_ = anchor.box;
    return true;
  }
  if (!readOnly_) set_.messages().warning(std::string(messages::anchorNotFound) + std::to_string(number));
  return false;
}

void TZEBpage::FollowPreviewPanels() {
  if (!owner_.ActivePreview()) return;
  for (const PagePanel& preview : previews_) owner_.followObject(*this, *preview.object);
}

// --- Search.

void TZEBpage::StartSearch(bool fromCaret) { searchFromCaret_ = fromCaret; }

bool TZEBpage::FindNext(std::string_view text) {
  if (!box_) return false;
  // Typed text; a character the page's code page lacks is in none of its words.
  const std::uint16_t codePage = box_->codePage();
  const std::optional<std::string> bytes = CodePage::of(codePage).encode(text);
  if (!bytes || bytes->empty()) return false;
  const SearchPattern pattern(*bytes, owner_.SearchOptions(), codePage);
  TZEBpar walker(*box_);
  bool first = true;
  std::size_t firstFrom = 0;
  if (searchFromCaret_) {
    TZEBbox& active = *ActiveBox();
    const TextPos& caret = active.Caret();
    if (walker.positionAt({&active, caret.paragraphIndex})) firstFrom = static_cast<std::size_t>(caret.charIndex) + 1;
  }
  searchFromCaret_ = false;
  while (const auto place = walker.next()) {
    const TZEBparag& paragraph = place->box->paragraph(place->paragraph);
    const auto match = findInParagraph(paragraph.Text, pattern, first ? firstFrom : 0);
    first = false;
    if (!match) continue;
    const int start = static_cast<int>(*match);
    const int end = start + static_cast<int>(pattern.needle.size());
    place->box->SelectRange(place->paragraph, start, place->paragraph, end);
    place->box->scrollToCaretWithContext();
    activeBox_ = place->box;
    return true;
  }
  return false;
}

// --- Leaving the page.

void TZEBpage::Commit() {
  if (committed_ || !working_) return;
  committed_ = true;
  if (shownPage_ == nullptr) return;
  if (set_.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), pageIndex_) != shownPage_) {
    shownPage_ = nullptr;  // the book no longer holds that object here
    return;
  }
  shownPage_->Release();
  box_->SaveTo(*working_);
  storeWorkingText(set_, *working_);
  working_->setTextFormat(markupFormat::current);
  if (modified_) working_->record().setI32(field::pageRevision, set_.revision());
  working_->clearWorkingObjects();
  box_.reset();
  anchors_.clear();
  previews_.clear();
  set_.Register(std::move(working_), pageIndex_);
  shownPage_ = set_.slot(TOggettiHel::testoHtml, pageIndex_);
}

void TZEBpage::Discard() { shownPage_ = nullptr; }

}  // namespace zeb
