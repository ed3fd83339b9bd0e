// Pages and their local objects.
#include "document/page_object.h"

#include "document/container.h"

namespace zeb {

struct TZEBtesto::Parts {
  struct EmbeddedEntry {
    std::unique_ptr<TZEBoggetto> object;
    std::size_t tagPosition = 0;
  };
  std::vector<std::unique_ptr<TZEBoggetto>> localObjects;
  std::vector<EmbeddedEntry> embedded;
  std::unique_ptr<TZEBtesto> headerText;
  std::unique_ptr<TZEBtesto> footerText;
};

TZEBtesto::TZEBtesto() { setKind(TOggettiHel::testoHtml); }

TZEBtesto::Parts& TZEBtesto::parts() {
  if (!parts_) parts_ = std::make_unique<Parts>();
  return *parts_;
}

std::size_t TZEBtesto::localObjectCount() const { return parts_ ? parts_->localObjects.size() : 0; }
TZEBtesto* TZEBtesto::headerText() const { return parts_ ? parts_->headerText.get() : nullptr; }
TZEBtesto* TZEBtesto::footerText() const { return parts_ ? parts_->footerText.get() : nullptr; }
void TZEBtesto::setHeaderText(std::unique_ptr<TZEBtesto> text) { parts().headerText = std::move(text); }
void TZEBtesto::setFooterText(std::unique_ptr<TZEBtesto> text) { parts().footerText = std::move(text); }
TZEBtesto::~TZEBtesto() = default;

void TZEBtesto::setText(std::string_view text) {
  setPrimaryData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::uint32_t TZEBtesto::registerLocal(std::unique_ptr<TZEBoggetto> object) {
  auto& locals = parts().localObjects;
  const auto number = localReferenceBase + static_cast<std::uint32_t>(locals.size());
  object->setLocalNumber(static_cast<std::int32_t>(number));
  object->setOwningText(this);
  locals.push_back(std::move(object));
  return number;
}

TZEBoggetto* TZEBtesto::localObject(std::uint32_t reference) const {
  if (!isLocalReference(reference) || !parts_) return nullptr;
  const std::size_t index = reference & 0xFFFFFFu;
  return index < parts_->localObjects.size() ? parts_->localObjects[index].get() : nullptr;
}

std::uint32_t TZEBtesto::addEmbedded(std::unique_ptr<TZEBoggetto> object, std::size_t tagPosition) {
  auto& embedded = parts().embedded;
  const auto number = embeddedReferenceBase + static_cast<std::uint32_t>(embedded.size());
  embedded.push_back({std::move(object), tagPosition});
  return number;
}

TZEBoggetto* TZEBtesto::embeddedObject(std::uint32_t number) const {
  const std::size_t index = number & 0xFFFFFFu;
  return parts_ && index < parts_->embedded.size() ? parts_->embedded[index].object.get() : nullptr;
}

std::size_t TZEBtesto::embeddedCount() const { return parts_ ? parts_->embedded.size() : 0; }

std::size_t TZEBtesto::embeddedTagPosition(std::size_t n) const {
  return parts_ && n < parts_->embedded.size() ? parts_->embedded[n].tagPosition : 0;
}

void TZEBtesto::clearWorkingObjects() { parts_.reset(); }

void TZEBtesto::Release() {
  TZEBoggetto::Release();
  parts_.reset();
}

TZEBoggetto* linkTarget(const TZEBset& set, const TZEBtesto* text, std::uint32_t code) {
  if (isLocalReference(code)) return text != nullptr ? text->localObject(code) : nullptr;
  return set.objectById(code);
}

}  // namespace zeb
