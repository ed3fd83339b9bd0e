// zebtool text and rtf: the clipboard conversions of a page's whole text; epub and html: the
// whole book to an EPUB file or a folder of HTML pages.
#include <cstdio>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "document/page_object.h"
#include "export/book/book_export.h"
#include "export/clipboard_conversion.h"
#include "platform/code_pages.h"
#include "text/format_one.h"

namespace zeb::tool {
namespace {

enum class Output { utf8Text, bytes };
using Conversion = std::string (*)(TZEBset& set, TZEBtesto* text, std::string_view markup);

// Converts the whole text of the page that the book (first argument) and the number (second)
// name, and writes the payload without its closing zero byte.
int convertPage(const PlatformServices& services, const Arguments& arguments, Conversion convert, Output output) {
  if (arguments.size() != 2) return usageError;
  const auto number = parsePageNumber(arguments[1]);
  if (!number) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  TZEBtesto* page = livePage(*set, *number);
  if (page == nullptr) return failure;
  if (page->textFormat() == markupFormat::older) upgradeTextFormat(*page);
  std::string payload = convert(*set, page, page->textView());
  payload.pop_back();  // the zero byte the clipboard needs
  if (output == Output::utf8Text) payload = bookTextToUtf8(payload, set->codePageOf(*page));
  std::fwrite(payload.data(), 1, payload.size(), stdout);
  return success;
}

int text(const PlatformServices& services, const Arguments& arguments) {
  return convertPage(services, arguments, plainTextOf, Output::utf8Text);
}

// RTF is 7-bit, with "\'xx" escapes for every other byte, so its bytes are written unchanged.
int rtf(const PlatformServices& services, const Arguments& arguments) {
  return convertPage(services, arguments, rtfOf, Output::bytes);
}

// Writes the whole book; the target must not exist yet (an empty folder is taken for html).
int exportWholeBook(const PlatformServices& services, const Arguments& arguments, BookExportFormat format) {
  if (arguments.size() != 2) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  BookExportRequest request;
  request.format = format;
  request.target = arguments[1];
  const BookExportResult result = exportBook(*set, request);
  if (result.outcome != BookExportResult::Outcome::written) {
    std::fprintf(stderr, "zebtool: %s\n", result.message.c_str());
    return failure;
  }
  std::printf("pages: %d\n", result.pages);
  return success;
}

int epub(const PlatformServices& services, const Arguments& arguments) {
  return exportWholeBook(services, arguments, BookExportFormat::epub);
}

int html(const PlatformServices& services, const Arguments& arguments) {
  return exportWholeBook(services, arguments, BookExportFormat::htmlFolder);
}

}  // namespace

const std::vector<Command>& exportCommands() {
  static const std::vector<Command> commands = {
      {"text", "text BOOK PAGE", text},
      {"rtf", "rtf BOOK PAGE", rtf},
      {"epub", "epub BOOK OUT.epub", epub},
      {"html", "html BOOK DIR", html},
  };
  return commands;
}

}  // namespace zeb::tool
