// Pages and their local objects.
#include "document/page_object.h"

namespace zeb {

TZEBtesto::TZEBtesto() { setKind(TOggettiHel::testoHtml); }
TZEBtesto::~TZEBtesto() = default;

void TZEBtesto::setText(std::string_view text) {
  setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::uint32_t TZEBtesto::registerLocal(std::unique_ptr<TZEBoggetto> object) {
  const auto number = localReferenceBase + static_cast<std::uint32_t>(localObjects_.size());
  object->setLocalNumber(static_cast<std::int32_t>(number));
  object->setOwningText(this);
  localObjects_.push_back(std::move(object));
  return number;
}

TZEBoggetto* TZEBtesto::localObject(std::uint32_t reference) const {
  if (!isLocalReference(reference)) return nullptr;
  const std::size_t index = reference & 0xFFFFFFu;
  return index < localObjects_.size() ? localObjects_[index].get() : nullptr;
}

std::uint32_t TZEBtesto::addEmbedded(std::unique_ptr<TZEBoggetto> object, std::size_t tagPosition) {
  const auto number = embeddedReferenceBase + static_cast<std::uint32_t>(embedded_.size());
  embedded_.push_back({std::move(object), tagPosition});
  return number;
}

TZEBoggetto* TZEBtesto::embeddedObject(std::uint32_t number) const {
  const std::size_t index = number & 0xFFFFFFu;
  return index < embedded_.size() ? embedded_[index].object.get() : nullptr;
}

void TZEBtesto::Release() {
  TZEBoggetto::Release();
  localObjects_.clear();
  embedded_.clear();
  headerText_.reset();
  footerText_.reset();
}

}  // namespace zeb
