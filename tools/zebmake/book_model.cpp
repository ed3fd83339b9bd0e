// Book model with quiet platform services.
#include "tools/zebmake/book_model.h"

#include "document/byte_reader.h"
#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/headless/memory_settings_store.h"
#include "platform/headless/recording_message_boxes.h"
#include "platform/headless/system_environment.h"

namespace zeb::zebmake {

struct BookModel::Parts {
  RecordingMessageBoxes messages;
  SystemEnvironment environment;
  MemorySettingsStore settings;
  FixedMetricsMeasurer measurer;
};

BookModel::BookModel() : parts_(std::make_unique<Parts>()) {
  PlatformServices services;
  services.messages = &parts_->messages;
  services.environment = &parts_->environment;
  services.settings = &parts_->settings;
  services.measurer = &parts_->measurer;
  set_ = std::make_unique<TZEBset>(services);
  set_->random().seed(1);
  // Built books carry a fixed author so that the same description gives the same bytes.
  set_->header().setShortString(header::author, header::textFieldMax, "Brightfold");
}

BookModel::~BookModel() = default;

TZEBoggetto& addObject(TZEBset& set, TOggettiHel kind, std::int32_t index) {
  auto object = set.makeObject(kind);
  object->Release();
  object->Activate();
  return set.Register(std::move(object), index);
}

TZEBtesto& addPage(TZEBset& set, std::string_view name, std::string_view text) {
  auto& page = static_cast<TZEBtesto&>(addObject(set, TOggettiHel::testoHtml));
  page.setName(name);
  std::string stored(text);
  stored.push_back('\0');
  page.setText(stored);
  return page;
}

std::vector<std::uint8_t> attributeBlob(std::string_view block, std::string_view attributeText) {
  ByteWriter out;
  out.writeI32(static_cast<std::int32_t>(block.size()));
  out.writeText(block);
  out.writeText(attributeText);
  return out.take();
}

}  // namespace zeb::zebmake
