// A whole book out of its own format: an EPUB 3 file, or a folder of HTML pages, with one
// document per live page in the order of the contents tree (then the pages it leaves out),
// the contents, an index of the keywords, one stylesheet from the styles, and the pictures
// and embedded files the pages show or link to. The same book always gives the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "export/book/book_links.h"

namespace zeb {

class TZEBset;

struct BookExportRequest {
  BookExportFormat format = BookExportFormat::epub;
  // The EPUB file, or the folder (which must not exist, or be empty).
  std::filesystem::path target;
  // What exists at the target is replaced, once the export is complete (the user agreed).
  bool replaceExisting = false;
  // Told after each page with the pages done and their total; false cancels the export.
  std::function<bool(int done, int total)> onProgress;
};

struct BookExportResult {
  enum class Outcome : std::uint8_t { written, cancelled, failed };
  Outcome outcome = Outcome::failed;
  std::string message;  // UTF-8: why it failed
  int pages = 0;
};

// Never replaces what exists unless asked to: a target that exists (a folder that is not
// empty) fails. The export is written beside its target (its name with ".part") and renamed
// into place when complete, so a failed or cancelled export leaves nothing behind and an
// existing target stays as it was until then.
BookExportResult exportBook(TZEBset& set, const BookExportRequest& request);

// The documents' names: "p" and the page number with leading zeros up to the width of the
// largest number, so that their names sort as their numbers do; with ".xhtml" for an EPUB,
// ".html" for a folder, where the cover page is "index.html".
std::map<std::int32_t, std::string> documentNames(const std::vector<std::int32_t>& pages, std::int32_t cover,
                                                  BookExportFormat format);

}  // namespace zeb
