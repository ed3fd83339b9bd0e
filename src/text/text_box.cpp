// The text box's own state: construction, bounds, embedded sizing objects.
#include "text/text_box.h"

#include <algorithm>

#include "document/container.h"
#include "document/page_object.h"
#include "text/box_host.h"
#include "text/text_attributes.h"

namespace zeb {

std::uint16_t TZEBbox::codePage() const {
  return texts_[0] != nullptr ? set_->codePageOf(*texts_[0]) : set_->codePage();
}

TZEBbox::TZEBbox(TZEBset& set, MeasurementCache& measures, BoxPlacement placement)
    : set_(&set),
      measures_(&measures),
      placement_(placement),
      textAttributes_(std::make_unique<TZEBTextAttributes>(*this)),
      paraAttributes_(std::make_unique<TZEBParaAttributes>(*this)) {}

TZEBbox::~TZEBbox() = default;

EmbeddedObjectFactory& TZEBbox::objectFactory() const {
  static SimpleObjectFactory simple;  // stateless: one serves every box
  return factory_ != nullptr ? *factory_ : simple;
}

EmbeddedObject& TZEBbox::adoptObject(std::unique_ptr<EmbeddedObject> object) {
  objects_.push_back(std::move(object));
  return *objects_.back();
}

void TZEBbox::clear() {
  paragraphs_.clear();
  objects_.clear();
  headerCount_ = 0;
  footerCount_ = 0;
  caret_.hide();
  caret_.setPosition(TextPos{});
  selStart_ = selEnd_ = TextPos{};
  hasSelection_ = selectionShown_ = false;
  press_ = Press{};
  lastLink_ = noLink;
}

void TZEBbox::setBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

ScrollWindow TZEBbox::scrollWindow() const {
  ScrollWindow window;
  window.contentWidth = horizontalRange_;
  window.contentHeight = verticalRange_;
  window.left = horizontalPosition_;
  window.top = verticalPosition_;
  window.width = host_ != nullptr ? std::max(0, host_->clientWidth()) : 0;
  window.height = host_ != nullptr ? std::max(0, host_->clientHeight()) : 0;
  return window;
}

void TZEBbox::setScrollPosition(std::int64_t horizontal, std::int64_t vertical) {
  // A bar's position runs up to its range less the part of the page that shows.
  const ScrollWindow window = scrollWindow();
  horizontalPosition_ = static_cast<int>(std::clamp<std::int64_t>(horizontal, 0, window.maxLeft()));
  verticalPosition_ = static_cast<int>(std::clamp<std::int64_t>(vertical, 0, window.maxTop()));
}

}  // namespace zeb
