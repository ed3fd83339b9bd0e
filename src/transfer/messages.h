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

// The e-mail settings window as it is designed; its English table gives the texts shown.
inline constexpr std::string_view mailSettingsDesignCaption = "Configurazione email";
inline constexpr std::string_view mailSettingsDesignServerLabel =
    "Nome del server di posta in uscita (SMTP), per esempio smtp.example.com:";
inline constexpr std::string_view mailSettingsDesignAddressLabel =
    "Il tuo indirizzo e-mail, per esempio jane.doe@example.com:";
inline constexpr std::string_view mailSettingsDesignOneTimeNote =
    "Questa impostazione si fa una volta sola per inviare email. Puoi cambiarla in Strumenti >Opzioni email.";
inline constexpr std::string_view mailSettingsDesignOk = "&Ok";

}  // namespace zeb::messages
