// Book model with quiet platform services.
#include "tools/zebmake/book_model.h"

#include "document/byte_reader.h"
#include "platform/headless/quiet_platform.h"

namespace zeb::zebmake {

struct BookModel::Parts {
  QuietPlatform platform;
};

BookModel::BookModel() : parts_(std::make_unique<Parts>()) {
  set_ = std::make_unique<TZEBset>(parts_->platform.services());
  set_->random().seed(1);
  // Built books carry a fixed author so that the same description gives the same bytes.
  set_->header().setShortString(header::author, header::textFieldMax, "Brightfold");
}

BookModel::~BookModel() = default;

std::unique_ptr<TZEBoggetto> makeLiveObject(TZEBset& set, TOggettiHel kind) {
  auto object = set.makeObject(kind);
  object->Release();
  object->Activate();
  return object;
}

TZEBoggetto& addObject(TZEBset& set, TOggettiHel kind, std::int32_t index) {
  return set.Register(makeLiveObject(set, kind), index);
}

std::unique_ptr<TZEBtesto> makePage(TZEBset& set, std::string_view name, std::string_view text) {
  std::unique_ptr<TZEBtesto> page(static_cast<TZEBtesto*>(makeLiveObject(set, TOggettiHel::testoHtml).release()));
  page->setName(name);
  std::string stored(text);
  stored.push_back('\0');
  page->setText(stored);
  return page;
}

TZEBtesto& addPage(TZEBset& set, std::string_view name, std::string_view text) {
  return static_cast<TZEBtesto&>(set.Register(makePage(set, name, text)));
}

std::vector<std::uint8_t> attributeBlob(std::string_view block, std::string_view attributeText) {
  ByteWriter out;
  out.writeI32(static_cast<std::int32_t>(block.size()));
  out.writeText(block);
  out.writeText(attributeText);
  return out.take();
}

}  // namespace zeb::zebmake
