// The copy's conversions over every page of a 20,000-page book: megabytes of markup read per
// second by the plain-text and by the RTF converter; then the whole book converted to EPUB in
// one run, against the plain-text conversion of the same pages.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/page_object.h"
#include "export/book/book_export.h"
#include "export/plain_text_converter.h"
#include "export/rtf_converter.h"
#include "platform/headless/quiet_platform.h"

namespace {

// Converts every page's whole text into one reused buffer; returns the bytes written.
std::size_t convertAll(zeb::TZEBconv& converter, const std::vector<zeb::TZEBtesto*>& pages, std::string& out) {
  std::size_t written = 0;
  for (zeb::TZEBtesto* page : pages) {
    out.clear();
    converter.setTextObject(page);
    converter.convert(page->text(), out);
    written += out.size();
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  const int pageCount = argc > 1 ? std::stoi(argv[1]) : 20000;
  const int runs = 5;
  const std::string path = zeb::bench::syntheticBook(pageCount, 5000).string();

  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  if (!set.Load(path)) {
    std::fprintf(stderr, "the book did not load\n");
    return 1;
  }
  // The texts are read into memory before timing, as a shown page holds its text.
  std::vector<zeb::TZEBtesto*> pages;
  std::int64_t markupBytes = 0;
  for (int i = 0; i < set.count(zeb::kindNumber(zeb::TOggettiHel::testoHtml)); ++i) {
    auto* page = dynamic_cast<zeb::TZEBtesto*>(set.slot(zeb::TOggettiHel::testoHtml, i));
    if (page == nullptr || page->isReleased()) continue;
    markupBytes += static_cast<std::int64_t>(page->text().size());
    pages.push_back(page);
  }

  std::string out;
  zeb::TZEBtoTxt plain;
  plain.setLinkedZEBset(&set);
  std::size_t plainBytes = 0;
  const double plainSeconds = zeb::bench::medianSeconds(runs, [&] { plainBytes = convertAll(plain, pages, out); });
  zeb::TZEBtortf rtf;
  rtf.setLinkedZEBset(&set);
  std::size_t rtfBytes = 0;
  const double rtfSeconds = zeb::bench::medianSeconds(runs, [&] { rtfBytes = convertAll(rtf, pages, out); });

  const double megabytes = static_cast<double>(markupBytes) / 1e6;
  std::printf("book: %s (%zu pages, %.1f MB of markup)\n", path.c_str(), pages.size(), megabytes);
  std::printf("plain text (median of %d): %.1f ms, %.1f MB/s of markup read (target at least 100), %.1f MB written\n",
              runs, plainSeconds * 1e3, megabytes / plainSeconds, static_cast<double>(plainBytes) / 1e6);
  std::printf("RTF (median of %d): %.1f ms, %.1f MB/s of markup read (target at least 30), %.1f MB written\n", runs,
              rtfSeconds * 1e3, megabytes / rtfSeconds, static_cast<double>(rtfBytes) / 1e6);

  // The EPUB is written once: it reads every page, as the plain-text runs did, and writes
  // the archive beside the book.
  const std::filesystem::path epubPath = path + ".epub";
  std::error_code error;
  std::filesystem::remove(epubPath, error);
  zeb::BookExportRequest request;
  request.target = epubPath;
  const auto start = std::chrono::steady_clock::now();
  const double startProcessor = zeb::bench::threadSeconds();
  const double startAllThreads = zeb::bench::processorSeconds();
  const zeb::BookExportResult result = zeb::exportBook(set, request);
  const double epubSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double makingSeconds = zeb::bench::threadSeconds() - startProcessor;
  const double allThreadsSeconds = zeb::bench::processorSeconds() - startAllThreads;
  if (result.outcome != zeb::BookExportResult::Outcome::written) {
    std::fprintf(stderr, "the EPUB was not written: %s\n", result.message.c_str());
    return 1;
  }
  const auto epubBytes = std::filesystem::file_size(epubPath, error);
  std::printf(
      "EPUB (one run): %.1f ms, %.0f pages/s, %.1f MB/s of markup read, %.2f x the plain-text time (target at "
      "most 5), %.1f MB written\n",
      epubSeconds * 1e3, result.pages / epubSeconds, megabytes / epubSeconds, epubSeconds / plainSeconds,
      static_cast<double>(epubBytes) / 1e6);
  // The documents are made on this thread while the archive's own thread compresses them.
  std::printf("EPUB documents made in %.1f ms of this thread's processor time (%.2f x the plain-text time)\n",
              makingSeconds * 1e3, makingSeconds / plainSeconds);
  std::printf("EPUB processor time of all threads (making, compressing, the book's digest): %.1f ms\n",
              allThreadsSeconds * 1e3);
  return 0;
}
