// The converters' shared part: properties, object lookup, the end of the markup.
#include "export/converter.h"

#include <cstring>

#include "document/container.h"
#include "document/page_object.h"
#include "export/messages.h"
#include "platform/code_pages.h"

namespace zeb {

TZEBconv::TZEBconv() : exportFileName_(messages::defaultExportFileName), exportPath_(messages::defaultExportPath) {}

TZEBconv::~TZEBconv() = default;

void TZEBconv::convert(std::span<const std::uint8_t> markup, std::string& out) {
  // The text ends at its first zero byte; the converters then never meet one.
  const void* zero = markup.empty() ? nullptr : std::memchr(markup.data(), 0, markup.size());
  if (zero != nullptr)
    markup = markup.first(static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - markup.data()));
  writePayload(markup, out);
}

std::string TZEBconv::convert(std::string_view markup) {
  std::string out;
  convert({reinterpret_cast<const std::uint8_t*>(markup.data()), markup.size()}, out);
  return out;
}

std::uint16_t TZEBconv::codePage() const {
  if (linkedSet_ == nullptr) return codePage::windows1252;
  return text_ != nullptr ? linkedSet_->codePageOf(*text_) : linkedSet_->codePage();
}

TZEBoggetto* TZEBconv::findObject(std::uint32_t reference) const {
  if (isLocalReference(reference)) return text_ != nullptr ? text_->localObject(reference) : nullptr;
  if (isEmbeddedReference(reference)) return text_ != nullptr ? text_->embeddedObject(reference) : nullptr;
  // A stored ID may name a released slot: the object no longer exists.
  TZEBoggetto* object = linkedSet_ != nullptr ? linkedSet_->objectById(reference) : nullptr;
  return object != nullptr && !object->isReleased() ? object : nullptr;
}

MessageBoxes* TZEBconv::messages() const { return linkedSet_ != nullptr ? &linkedSet_->messages() : nullptr; }

}  // namespace zeb
