// The text box's own state: construction, bounds, embedded sizing objects.
#include "text/text_box.h"

#include <algorithm>

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
  caret_ = selStart_ = selEnd_ = TextPos{};
}

void TZEBbox::setBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TZEBbox::setScrollPosition(int horizontal, int vertical) {
  horizontalPosition_ = std::clamp(horizontal, 0, std::max(0, horizontalRange_));
  verticalPosition_ = std::clamp(vertical, 0, std::max(0, verticalRange_));
}

}  // namespace zeb
