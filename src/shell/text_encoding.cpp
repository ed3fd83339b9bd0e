// Text encoding choices and their settings.
#include "shell/text_encoding.h"

#include <charconv>

#include "document/container.h"
#include "platform/code_pages.h"
#include "platform/settings_store.h"
#include "shell/messages.h"
#include "shell/settings_keys.h"
#include "shell/start_request.h"

namespace zeb::shell {

std::uint16_t rememberedCodePage(const SettingsStore& settings, const std::string& bookPath) {
  const auto name = bookSettingName(bookPath);
  if (!name) return codePage::automatic;
  const std::optional<std::string> value = settings.readString(settings::encodingsKey, *name);
  if (!value) return codePage::automatic;
  std::uint16_t number = 0;
  const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
  if (error != std::errc() || end != value->data() + value->size() || !isReadableCodePage(number))
    return codePage::automatic;
  return number;
}

void rememberCodePage(SettingsStore& settings, const std::string& bookPath, std::uint16_t codePage) {
  const auto name = bookSettingName(bookPath);
  if (!name) return;
  if (isReadableCodePage(codePage))
    settings.writeString(settings::encodingsKey, *name, std::to_string(codePage));
  else
    settings.deleteValue(settings::encodingsKey, *name);
}

std::optional<std::string> doubleByteNote(const TZEBset& set) {
  const std::uint16_t language = set.languageCodePage();
  if (set.codePageOverride() != codePage::automatic || !isDoubleByteCodePage(language)) return std::nullopt;
  return std::string(messages::doubleByteBefore) + std::to_string(language) + std::string(messages::doubleByteAfter);
}

}  // namespace zeb::shell
