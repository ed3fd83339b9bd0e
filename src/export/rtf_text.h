// Characters and numbers as RTF writes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

// Text in RTF: "\", "{" and "}" escaped with a backslash; codes 1 to 31, 126, 127 and 128 to
// 255 as "\'" and two lower-case hexadecimal digits; a zero byte is left out, everything
// else stands as it is.
void appendRtfText(std::string& out, std::string_view text);
void appendRtfCharacter(std::string& out, std::uint8_t code);

// A decimal number, with "-" when negative.
void appendNumber(std::string& out, std::int64_t value);

}  // namespace zeb
