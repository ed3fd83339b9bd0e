// The address a mail transfer connects to, made from the server named in the settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeb {

inline constexpr int defaultSmtpPort = 25;
// The port of mail servers that speak TLS from the first byte on.
inline constexpr int implicitTlsSmtpPort = 465;
inline constexpr std::size_t maximumHostNameLength = 253;

// "host", "host:port", "[IPv6]", "[IPv6]:port" or a bare IPv6 address, surrounding blanks
// ignored, become "smtp://host:port" (port 25 unless given; "smtps://" for port 465). Nothing
// for anything else: a host name is letters, digits, "-", "." and "_", and a port 1 to 65535,
// so that a setting can never add a user, a path or another scheme to the address.
std::optional<std::string> smtpAddressFor(std::string_view server);

}  // namespace zeb
