// The library scanner: finding books, reading them for the index, and deciding what to add,
// read again, keep or drop.
#include "library/library_scanner.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>

#include "document/book_header.h"
#include "document/container.h"
#include "document/page_object.h"
#include "library/library_folders.h"
#include "library/page_search_text.h"
#include "platform/code_pages.h"
#include "platform/headless/quiet_platform.h"
#include "platform/windows1252.h"

namespace zeb::library {
namespace {

// Characters of the summary page kept as the book's summary.
constexpr std::size_t summaryBytes = 300;

bool isBookFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return extension == ".zeb";
}

// The first characters of a UTF-8 text, cut at a character boundary and a blank.
std::string shortened(std::string text, std::size_t most) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  if (text.size() <= most) return text;
  std::size_t cut = most;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  const std::size_t blank = text.rfind(' ', cut);
  if (blank != std::string::npos && blank > most / 2) cut = blank;
  text.resize(cut);
  return text + "\xE2\x80\xA6";
}

}  // namespace

ReadBook readBookForIndex(const std::filesystem::path& path) {
  ReadBook read;
  BookRecord& book = read.book;
  book.path = path.string();
  fileStamp(path, book.size, book.modified);
  QuietPlatform platform;
  TZEBset set(platform.services());
  if (!set.Load(book.path)) {
    book.damaged = true;
    for (const ShownMessage& message : platform.messages.shown()) {
      if (!book.message.empty()) book.message += " ";
      book.message += windows1252ToUtf8(message.text);
    }
    if (book.message.empty()) book.message = "the book cannot be read";
    return read;
  }
  const CodePage& codePage = CodePage::of(set.codePage());
  book.title = codePage.toUtf8(set.header().title());
  book.author = codePage.toUtf8(set.header().shortString(header::author, header::textFieldMax));
  if (book.title.empty()) book.title = path.stem().string();

  PageTextMaker maker;
  std::vector<std::uint8_t> markup;
  const std::int32_t summaryPage = set.header().i32(header::summaryPage);
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t i = 0; i < count; ++i) {
    auto* page = static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    PageRecord record;
    record.number = i;
    record.codePage = set.codePageOf(*page);
    record.title = CodePage::of(record.codePage).toUtf8(page->Name());
    record.textFormat = page->textFormat();
    const Blob& blob = page->primaryBlob();
    // Only a text left in the book file can be read again for a snippet.
    const bool inFile = blob.source() == Blob::Source::bookFile || blob.source() == Blob::Source::pending;
    record.textPosition = inFile ? blob.position() : -1;
    record.textSize = inFile ? blob.size() : 0;
    markup.clear();
    if (!blob.empty() && page->readPrimary(markup))
      record.searchText = maker.searchText(markup, record.textFormat, record.codePage);
    if (i == summaryPage) book.summary = shortened(record.searchText, summaryBytes);
    read.pages.push_back(std::move(record));
  }
  book.pageCount = static_cast<int>(read.pages.size());
  return read;
}

std::vector<std::filesystem::path> booksBelow(const std::vector<std::string>& folders) {
  std::vector<std::filesystem::path> books;
  for (const std::string& folder : folders) {
    std::error_code error;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, options, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      std::error_code typeError;
      if (it->is_regular_file(typeError) && isBookFile(it->path())) books.push_back(it->path().lexically_normal());
    }
  }
  std::sort(books.begin(), books.end());
  books.erase(std::unique(books.begin(), books.end()), books.end());
  return books;
}

ScanCounts scanFolders(LibraryIndex& index, const std::vector<std::string>& folders,
                       const std::vector<std::string>& allFolders, const ScanObserver& observer, std::stop_token stop) {
  ScanCounts counts;
  std::vector<std::string> scanned;
  for (const std::string& folder : folders) scanned.push_back(normalFolder(folder));
  const std::vector<std::filesystem::path> found = booksBelow(scanned);

  std::unordered_set<std::string> present;
  for (const auto& path : found) present.insert(path.string());
  std::vector<std::string> kept;
  for (const std::string& folder : allFolders) kept.push_back(normalFolder(folder));
  auto inAny = [](const std::string& path, const std::vector<std::string>& list) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& folder) { return isInFolder(path, folder); });
  };
  for (const BookRecord& book : index.books()) {
    if (present.contains(book.path)) continue;
    if (inAny(book.path, scanned) || !inAny(book.path, kept)) {
      index.removeBook(book.id);
      ++counts.removed;
    }
  }

  ScanProgress progress{0, found.size(), {}};
  for (const auto& path : found) {
    if (stop.stop_requested()) break;
    progress.path = path.string();
    std::int64_t size = 0, modified = 0;
    const std::optional<BookRecord> known = index.findBook(progress.path);
    if (known && fileStamp(path, size, modified) && size == known->size && modified == known->modified) {
      ++counts.unchanged;
    } else {
      ReadBook read = readBookForIndex(path);
      index.storeBook(read.book, read.pages);
      ++(read.book.damaged ? counts.failed : known ? counts.updated : counts.added);
      if (observer.renderCover && !read.book.damaged)
        if (const auto stored = index.findBook(progress.path)) index.storeCover(stored->id, observer.renderCover(path));
    }
    ++progress.done;
    if (observer.onProgress) observer.onProgress(progress);
  }
  if (counts.added + counts.removed + counts.updated > 0) index.compactIfWorthIt();
  // After any change, also after an earlier scan that was stopped before counting.
  if (!stop.stop_requested()) index.countWords();
  return counts;
}

}  // namespace zeb::library
