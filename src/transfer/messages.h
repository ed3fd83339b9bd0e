// Every text the transfers send or show, and the e-mail settings window's texts (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

// Web requests.
inline constexpr std::string_view webUserAgent = "Corvenna[]";
inline constexpr std::string_view webContentType = "application/octet-stream";
// The status box: the address, then " [", the status code and "]".
inline constexpr std::string_view webStatusOpen = " [";
inline constexpr std::string_view webStatusClose = "]";

// Mail sent for a form: "Email from: (" + the book's file name + ")".
inline constexpr std::string_view mailSubjectOpen = "Email from: (";
inline constexpr std::string_view mailSubjectClose = ")";
// A body line that is a single "." would end the message early; it is sent as this instead.
inline constexpr std::string_view mailLoneDotLine = ",";

// The e-mail settings window: its designed caption, then the English texts it shows.
inline constexpr std::string_view mailSettingsDesignCaption = "Configurazione email";
inline constexpr std::string_view mailSettingsCaption = "Email configuration";
inline constexpr std::string_view mailSettingsServerLabel =
    "Name of your outgoing mail (SMTP) server, for example smtp.example.com:";
inline constexpr std::string_view mailSettingsAddressLabel = "Your e-mail address, for example jane.doe@example.com:";
inline constexpr std::string_view mailSettingsOneTimeNote =
    "This is a one-time setup you should do for sending emails. You can change this later in Tools >Email options.";
inline constexpr std::string_view mailSettingsOk = "&Ok";

}  // namespace zeb::messages
