// The bytes of a mail message as they are sent after DATA: header lines, a blank line, the body.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace zeb {

// Everything a mail transfer needs, copied when the transfer starts. Windows-1252 text.
struct MailRequest {
  std::string sender;
  std::string recipient;
  std::string server;  // a host name, optionally ":" and a port; port 25 otherwise
  std::string subject;
  std::string body;
};

// What marks one message as sent at one time by one machine.
struct MailStamp {
  std::string date;       // "Tue, 04 Mar 2025 10:15:00 +0100"
  std::string messageId;  // without the angle brackets
};

// The text without CR and LF, so that a header value cannot start another header and an
// address cannot end the SMTP command it is sent in.
std::string withoutLineBreaks(std::string_view text);

// The date as a mail header writes it, with English day and month names.
std::string mailDate(const std::tm& localTime, long secondsEastOfUtc);
// "<unique hex>.<seconds hex>@<host>"; the host is reduced to letters, digits, "-" and ".".
std::string messageIdentifier(std::uint64_t unique, std::int64_t secondsSinceEpoch, std::string_view hostName);
// The stamp for a message sent now from this machine.
MailStamp stampForNow();

// The lines "To: ", "From: ", "Message-ID: <…>", "Date: " and "Subject: " (values without line
// breaks), a blank line, then the body: every line break (CR LF, CR or LF) becomes CR LF, and a
// line that is a single "." is sent as ",". Every line ends with CR LF; the final "." that ends
// the message is not part of it (the SMTP client adds it).
std::string composeMailData(const MailRequest& request, const MailStamp& stamp);

}  // namespace zeb
