// The pictures and embedded files an export carries besides its documents: named safely
// and uniquely when a document first asks for them, written after the documents.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>

#include "export/book/export_links.h"

namespace zeb {

class ArchiveSink;
class TZEBoggetto;

struct ExportResource {
  TZEBoggetto* object = nullptr;
  std::string mediaType;
  bool convertToPng = false;  // a bitmap, shown as PNG
};

class ExportResources {
 public:
  // Names are relative to the documents' folder and begin with this.
  static constexpr std::string_view folder = "res/";

  // A picture object (kind 5): GIF and JPEG as they are, bitmaps as PNG; an empty address
  // for a picture that cannot be read or is of another format.
  ExportPicture picture(TZEBoggetto& picture);
  // An embedded file (a linked file, kind 3) with its media type; an empty address when it
  // holds no data.
  std::string file(TZEBoggetto& file);

  // Every resource by name, in name order.
  const std::map<std::string, ExportResource>& all() const { return byName_; }
  // Writes every resource under `prefix` (the documents' folder in the archive), in name
  // order; false when one could not be written.
  bool writeAll(ArchiveSink& sink, std::string_view prefix) const;

 private:
  std::string add(TZEBoggetto& object, std::string_view name, ExportResource resource);

  std::unordered_map<const TZEBoggetto*, ExportPicture> pictures_;
  std::unordered_map<const TZEBoggetto*, std::string> files_;
  std::map<std::string, ExportResource> byName_;
  std::set<std::string> taken_;
};

// The media type of a file by its extension: the core media types of EPUB and a few common
// others; "application/octet-stream" for any other.
std::string_view mediaTypeOf(std::string_view fileName);
// Whether a media type may be an EPUB's content without a fallback.
bool isCoreMediaType(std::string_view mediaType);

}  // namespace zeb
