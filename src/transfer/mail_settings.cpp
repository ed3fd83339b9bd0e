// Reading and writing the mail settings.
#include "transfer/mail_settings.h"

#include "platform/settings_store.h"

namespace zeb {

MailSettings readMailSettings(const SettingsStore& settings) {
  MailSettings values;
  values.sender = settings.readString(mailOptionsKey, mailSenderValue).value_or("");
  values.server = settings.readString(mailOptionsKey, mailServerValue).value_or("");
  return values;
}

void writeMailSettings(SettingsStore& settings, const MailSettings& values) {
  settings.writeString(mailOptionsKey, mailSenderValue, values.sender);
  settings.writeString(mailOptionsKey, mailServerValue, values.server);
}

}  // namespace zeb
