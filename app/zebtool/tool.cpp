// Output and loading for zebtool.
#include "app/zebtool/tool.h"

#include <charconv>
#include <cstdio>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/code_pages.h"

namespace zeb::tool {

void printUtf8Line(std::string_view utf8Text) {
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stdout);
  std::fputc('\n', stdout);
}

void printLine(std::string_view bookText, std::uint16_t codePage) { printUtf8Line(bookTextToUtf8(bookText, codePage)); }

namespace {

std::uint16_t codePageOption = codePage::automatic;

}  // namespace

bool takeCodePageOption(Arguments& arguments) {
  for (std::size_t i = 0; i < arguments.size();) {
    if (arguments[i] != "--codepage") {
      ++i;
      continue;
    }
    if (i + 1 >= arguments.size()) return false;
    const std::string& value = arguments[i + 1];
    if (value == "auto") {
      codePageOption = codePage::automatic;
    } else {
      const auto number = parseNumber(value, 1, 65535);
      if (!number || !isReadableCodePage(static_cast<std::uint16_t>(*number))) return false;
      codePageOption = static_cast<std::uint16_t>(*number);
    }
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                    arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
  }
  return true;
}

std::unique_ptr<TZEBset> loadBook(const PlatformServices& services, const std::string& path) {
  auto set = std::make_unique<TZEBset>(services);
  set->setCodePageOverride(codePageOption);
  if (!set->Load(path)) return nullptr;
  return set;
}

std::optional<int> parseNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

bool parseSizeOptions(const std::vector<std::string>& arguments, std::size_t first, int max, int& width, int& height) {
  for (std::size_t i = first; i + 1 < arguments.size(); i += 2) {
    const auto value = parseNumber(arguments[i + 1], 1, max);
    if (!value) return false;
    if (arguments[i] == "--width")
      width = *value;
    else if (arguments[i] == "--height")
      height = *value;
    else
      return false;
  }
  return true;
}

std::optional<std::uint32_t> parseId(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

TZEBtesto* livePage(TZEBset& set, int number) {
  auto* page = dynamic_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, number));
  if (page == nullptr || page->isReleased()) {
    std::fprintf(stderr, "zebtool: the book has no page %d\n", number);
    return nullptr;
  }
  return page;
}

}  // namespace zeb::tool
