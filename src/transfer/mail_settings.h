// The sender address and mail server kept in the settings for mailed forms.
#pragma once

#include <string>
#include <string_view>

namespace zeb {

class SettingsStore;

inline constexpr std::string_view mailOptionsKey = "\\SOFTWARE\\KX\\Quillmark_E\\options\\";
inline constexpr std::string_view mailSenderValue = "email1";
inline constexpr std::string_view mailServerValue = "smtp1";

struct MailSettings {
  std::string sender;  // the user's e-mail address
  std::string server;  // the outgoing mail server: a host name, optionally ":" and a port
};

// Missing values read as empty.
MailSettings readMailSettings(const SettingsStore& settings);
void writeMailSettings(SettingsStore& settings, const MailSettings& values);

}  // namespace zeb
