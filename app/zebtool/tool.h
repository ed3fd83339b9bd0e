// Shared pieces of the zebtool commands: the exit statuses, output and book loading.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class TextMeasurer;
class TZEBset;
class TZEBtesto;
struct PlatformServices;
}  // namespace zeb

namespace zeb::tool {

using Arguments = std::vector<std::string>;

enum ExitStatus : int { success = 0, failure = 1, usageError = 2 };

// Pages are shown in an area of this size unless told otherwise, at the resolution the books
// were designed for, whatever the screen.
inline constexpr int defaultPageWidth = 800;
inline constexpr int defaultPageHeight = 600;
inline constexpr int pagePixelsPerInch = 96;

// Writes book text (bytes in the code page) to stdout as UTF-8.
void printLine(std::string_view bookText, std::uint16_t codePage = 1252);
void printUtf8Line(std::string_view utf8Text);

// "--codepage N" (a code page the reader lists) or "--codepage auto" (the book's languages
// decide, the default), anywhere among the arguments: taken out of them into the code page
// that loadBook reads books in. False for a value that is neither.
bool takeCodePageOption(Arguments& arguments);

// The book loaded from the path, in the code page of --codepage; nothing when it cannot be
// loaded (its messages have then been written to stderr).
std::unique_ptr<TZEBset> loadBook(const PlatformServices& services, const std::string& path);

// The decimal number the whole text spells, when it lies within low..high.
std::optional<int> parseNumber(std::string_view text, int low, int high);

// "--width W" and "--height H" pairs from arguments[first] on, each within 1..max, into width
// and height; false for anything else.
bool parseSizeOptions(const std::vector<std::string>& arguments, std::size_t first, int max, int& width, int& height);

// An object ID in decimal or, after "0x", in hexadecimal.
std::optional<std::uint32_t> parseId(std::string_view text);

// A page number: any decimal from 0 up. A number no book can hold is still a page the book
// lacks (exit 1), not a usage error.
inline std::optional<int> parsePageNumber(std::string_view text) {
  return parseNumber(text, 0, std::numeric_limits<int>::max());
}

// The book's page of that number; none, after saying so on stderr, when the book has no such
// page or it was released.
TZEBtesto* livePage(TZEBset& set, int number);

struct Command {
  std::string_view name;
  std::string_view usage;
  int (*run)(const PlatformServices& services, const Arguments& arguments);
};

// Runs the work with Qt's measurer at pagePixelsPerInch on the offscreen platform (unless
// another platform is asked for); false, without running it, in builds without the Qt front.
bool withQtMeasurer(const std::function<void(TextMeasurer&)>& work);

// The book's cover page (the first live page when the header names none) drawn as the reader
// shows it and scaled so that its longer side is `side` pixels, as PNG bytes; empty when it
// cannot be drawn, and in builds without the Qt front. Call inside withQtMeasurer.
std::vector<std::uint8_t> coverPng(const PlatformServices& services, TextMeasurer& measurer, const std::string& path,
                                   int side);

// The commands of each group, defined beside their code.
const std::vector<Command>& bookCommands();
const std::vector<Command>& serviceCommands();
const std::vector<Command>& exportCommands();
const std::vector<Command>& transferCommands();
const std::vector<Command>& shellCommands();
const std::vector<Command>& contentsCommands();
const std::vector<Command>& frameCommands();
const std::vector<Command>& layoutCommands();
const std::vector<Command>& formCommands();
const std::vector<Command>& libraryCommands();
// Only in builds with the Qt front; empty otherwise.
const std::vector<Command>& renderCommands();
const std::vector<Command>& printCommands();

}  // namespace zeb::tool
