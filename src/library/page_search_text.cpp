// A page's indexed text, made from its markup, or read again from its book.
#include "library/page_search_text.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "document/book_file.h"
#include "platform/code_pages.h"
#include "text/markup_entities.h"

namespace zeb::library {

bool fileStamp(const std::filesystem::path& path, std::int64_t& size, std::int64_t& modified) {
  std::error_code error;
  const auto bytes = std::filesystem::file_size(path, error);
  if (error) return false;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return false;
  size = static_cast<std::int64_t>(bytes);
  modified = static_cast<std::int64_t>(time.time_since_epoch().count());
  return true;
}

PageTextMaker::PageTextMaker() : plain_(SearchTerms{}, searchMatchCase) {}
PageTextMaker::~PageTextMaker() = default;

std::string PageTextMaker::searchText(std::span<const std::uint8_t> markup, int textFormat, std::uint16_t codePage) {
  std::string_view plain = plain_.plainTextOf(markup, textFormat);
  // Texts are stored with a closing zero byte.
  while (!plain.empty() && plain.back() == '\0') plain.remove_suffix(1);
  // The text keeps its entities ("caf&eacute;", "&amp;"): the index and its snippets take
  // the characters they stand for, as the page shows them.
  std::string decoded;
  decoded.reserve(plain.size());
  for (std::size_t i = 0; i < plain.size();) {
    if (plain[i] != '&') {
      const std::size_t next = std::min(plain.find('&', i), plain.size());
      decoded.append(plain, i, next - i);
      i = next;
      continue;
    }
    const DecodedEntity entity = decodeEntity(plain.substr(i));
    if (entity.code != 0) decoded += static_cast<char>(entity.code);
    i += std::max<std::size_t>(entity.length, 1);
  }
  return CodePage::of(codePage).toUtf8(decoded);
}

PageTextReader::PageTextReader() = default;
PageTextReader::~PageTextReader() = default;

std::string PageTextReader::searchText(const Request& request) {
  // The book may change while the index is open: its stamp is taken again each time.
  std::int64_t size = -1, modified = -1;
  if (!fileStamp(request.bookPath, size, modified) || size != request.bookSize || modified != request.bookModified)
    return {};
  if (request.bookPath != openPath_ || !file_ || size != openSize_ || modified != openModified_) {
    openPath_ = request.bookPath;
    openSize_ = size;
    openModified_ = modified;
    file_ = BookFile::open(request.bookPath);
  }
  if (!file_ || !file_->contains(request.textPosition, request.textSize)) return {};
  std::vector<std::uint8_t> markup(request.textSize);
  if (!file_->readAt(request.textPosition, markup)) return {};
  return maker_.searchText(markup, request.textFormat, request.codePage);
}

}  // namespace zeb::library
