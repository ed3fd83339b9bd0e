// Checking the mail server setting and turning it into an address.
#include "transfer/mail_server.h"

#include <algorithm>
#include <charconv>

namespace zeb {
namespace {

bool isHostNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
}

bool isIpv6Character(char c) {
  return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9') || c == ':' || c == '.';
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int> portOf(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
    return std::nullopt;
  return port;
}

}  // namespace

std::optional<std::string> smtpAddressFor(std::string_view server) {
  server = trimmed(server);
  std::string host;
  std::string_view portText;
  if (!server.empty() && server.front() == '[') {
    const std::size_t close = server.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view inside = server.substr(1, close - 1);
    if (inside.empty() || !std::all_of(inside.begin(), inside.end(), isIpv6Character)) return std::nullopt;
    host = "[" + std::string(inside) + "]";
    const std::string_view rest = server.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      portText = rest.substr(1);
      if (portText.empty()) return std::nullopt;
    }
  } else if (std::count(server.begin(), server.end(), ':') >= 2) {
    if (!std::all_of(server.begin(), server.end(), isIpv6Character)) return std::nullopt;
    host = "[" + std::string(server) + "]";
  } else {
    const std::size_t colon = server.find(':');
    const std::string_view name = server.substr(0, colon);
    if (name.empty() || name.size() > maximumHostNameLength ||
        !std::all_of(name.begin(), name.end(), isHostNameCharacter))
      return std::nullopt;
    host = std::string(name);
    if (colon != std::string_view::npos) {
      portText = server.substr(colon + 1);
      if (portText.empty()) return std::nullopt;
    }
  }
  int port = defaultSmtpPort;
  if (!portText.empty()) {
    const std::optional<int> given = portOf(portText);
    if (!given) return std::nullopt;
    port = *given;
  }
  const char* scheme = port == implicitTlsSmtpPort ? "smtps://" : "smtp://";
  return scheme + host + ":" + std::to_string(port);
}

}  // namespace zeb
