// What a page's documents need from the export of the whole book: how links are written
// and where pictures are found, and the identifiers already used in the document.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace zeb {

class TZEBoggetto;

// A link as it is written: an active link with its address, or words kept as text with a
// note in their title saying why. Texts are UTF-8.
struct ExportLink {
  bool active = false;
  std::string href;
  std::string title;
};

// A picture as an image source: its address and natural size; an empty address when the
// picture cannot be shown.
struct ExportPicture {
  std::string href;
  int width = 0;
  int height = 0;
};

class ExportLinks {
 public:
  virtual ~ExportLinks() = default;
  // The link object (or page) that linked words or a hot zone of page `fromPage` name.
  virtual ExportLink linkFor(TZEBoggetto& link, std::int32_t fromPage) = 0;
  // A picture object (kind 5).
  virtual ExportPicture pictureFor(TZEBoggetto& picture) = 0;
};

// The identifiers of one document: its image maps are numbered through and each anchor is
// written once, so that several texts (frames, header, footer) can share a document.
struct DocumentIds {
  int nextMap = 1;
  std::set<std::int32_t> anchors;
};

}  // namespace zeb
