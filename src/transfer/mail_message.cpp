// Composing mail messages: header lines, dates, message identifiers and the body's lines.
#include "transfer/mail_message.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>

#include "transfer/messages.h"

namespace zeb {
namespace {

constexpr std::array<const char*, 7> dayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> monthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void appendHeader(std::string& out, std::string_view name, std::string_view value) {
  out += name;
  out += ": ";
  out += withoutLineBreaks(value);
  out += "\r\n";
}

void appendBodyLine(std::string& out, std::string_view line) {
  out += line == "." ? messages::mailLoneDotLine : line;
  out += "\r\n";
}

std::string localHostName() {
  std::array<char, 256> name{};
  if (gethostname(name.data(), name.size() - 1) != 0) return {};
  return std::string(name.data());
}

}  // namespace

std::string withoutLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

std::string mailDate(const std::tm& localTime, long secondsEastOfUtc) {
  const long minutes = (secondsEastOfUtc < 0 ? -secondsEastOfUtc : secondsEastOfUtc) / 60;
  const int day = localTime.tm_wday >= 0 && localTime.tm_wday < 7 ? localTime.tm_wday : 0;
  const int month = localTime.tm_mon >= 0 && localTime.tm_mon < 12 ? localTime.tm_mon : 0;
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", dayNames[day],
                localTime.tm_mday, monthNames[month], localTime.tm_year + 1900, localTime.tm_hour, localTime.tm_min,
                localTime.tm_sec, secondsEastOfUtc < 0 ? '-' : '+', minutes / 60 % 100, minutes % 60);
  return text.data();
}

std::string messageIdentifier(std::uint64_t unique, std::int64_t secondsSinceEpoch, std::string_view hostName) {
  std::string host;
  for (const char c : hostName) {
    const bool kept =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (kept) host += c;
  }
  if (host.empty()) host = "localhost";
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%016llx.%llx", static_cast<unsigned long long>(unique),
                static_cast<unsigned long long>(secondsSinceEpoch));
  return std::string(text.data()) + "@" + host;
}

MailStamp stampForNow() {
  static std::atomic<std::uint64_t> counter{0};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::random_device random;
  const std::uint64_t unique = (static_cast<std::uint64_t>(random()) << 32 | random()) + counter++;
  MailStamp stamp;
  stamp.date = mailDate(local, local.tm_gmtoff);
  stamp.messageId = messageIdentifier(unique, static_cast<std::int64_t>(now), localHostName());
  return stamp;
}

std::string composeMailData(const MailRequest& request, const MailStamp& stamp) {
  std::string out;
  out.reserve(request.body.size() + request.body.size() / 16 + 256);
  appendHeader(out, "To", request.recipient);
  appendHeader(out, "From", request.sender);
  appendHeader(out, "Message-ID", "<" + stamp.messageId + ">");
  appendHeader(out, "Date", stamp.date);
  appendHeader(out, "Subject", request.subject);
  // The blank line ends the header; without it the first body line would be read as a header.
  out += "\r\n";
  std::string_view body = request.body;
  while (!body.empty()) {
    const std::size_t end = body.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      appendBodyLine(out, body);
      break;
    }
    appendBodyLine(out, body.substr(0, end));
    const std::size_t breakLength = body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n' ? 2 : 1;
    body.remove_prefix(end + breakLength);
  }
  return out;
}

}  // namespace zeb
