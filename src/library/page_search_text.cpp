// A page's indexed text, made from its markup, or read again from its book.
#include "library/page_search_text.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "document/book_file.h"
#include "platform/code_pages.h"
#include "text/markup_entities.h"

namespace zeb::library {

namespace {

bool statFile(const std::filesystem::path& path, struct stat& status) {
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::int64_t modifiedOf(const struct stat& status) {
  return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
}

}  // namespace

bool fileStamp(const std::filesystem::path& path, std::int64_t& size, std::int64_t& modified) {
  struct stat status {};
  if (!statFile(path, status)) return false;
  size = static_cast<std::int64_t>(status.st_size);
  modified = modifiedOf(status);
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
  // The book may change while the index is open: its stamp is taken again each time, and a
  // file kept open is used only while the path still names it, unchanged.
  struct stat status {};
  if (!statFile(request.bookPath, status) || status.st_size != request.bookSize ||
      modifiedOf(status) != request.bookModified)
    return {};
  const auto device = static_cast<std::uint64_t>(status.st_dev), inode = static_cast<std::uint64_t>(status.st_ino);
  auto book = std::find_if(open_.begin(), open_.end(), [&](const OpenBook& b) {
    return b.file && b.path == request.bookPath && b.device == device && b.inode == inode && b.size == request.bookSize &&
           b.modified == request.bookModified;
  });
  if (book == open_.end()) {
    // A book opened before it changed, or that could not be opened, is not found again: it
    // makes room in its turn, the least lately used first.
    if (open_.size() < openBooksKept)
      book = open_.emplace(open_.end());
    else
      book = std::min_element(open_.begin(), open_.end(), [](const auto& a, const auto& b) { return a.used < b.used; });
    *book = OpenBook{request.bookPath, device, inode, request.bookSize, request.bookModified,
                     BookFile::open(request.bookPath)};
  }
  book->used = ++uses_;
  const BookFile* file = book->file.get();
  if (file == nullptr || file->size() != request.bookSize || !file->contains(request.textPosition, request.textSize))
    return {};
  std::vector<std::uint8_t> markup(request.textSize);
  if (!file->readAt(request.textPosition, markup)) return {};
  return maker_.searchText(markup, request.textFormat, request.codePage);
}

}  // namespace zeb::library
