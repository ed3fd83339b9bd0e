// The text box's own state: construction, bounds, embedded sizing objects.
#include "text/text_box.h"

#include <algorithm>

#include "text/box_host.h"
#include "text/text_attributes.h"

namespace zeb {

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

void TZEBbox::setScrollPosition(int horizontal, int vertical) {
  // A bar's position runs up to its range less the part of the page that shows.
  const int clientWidth = host_ != nullptr ? std::max(0, host_->clientWidth()) : 0;
  const int clientHeight = host_ != nullptr ? std::max(0, host_->clientHeight()) : 0;
  horizontalPosition_ = std::clamp(horizontal, 0, std::max(0, horizontalRange_ - clientWidth));
  verticalPosition_ = std::clamp(vertical, 0, std::max(0, verticalRange_ - clientHeight));
}

}  // namespace zeb
