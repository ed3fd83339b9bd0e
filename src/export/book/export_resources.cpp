// The export's pictures and files.
#include "export/book/export_resources.h"

#include <array>
#include <utility>
#include <vector>

#include "document/book_object.h"
#include "document/picture.h"
#include "export/book/archive_sink.h"
#include "export/book/png_writer.h"
#include "export/book/safe_names.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

struct KnownType {
  std::string_view extension;
  std::string_view mediaType;
  bool core;
};

constexpr std::array<KnownType, 20> knownTypes = {{
    {".gif", "image/gif", true},    {".jpg", "image/jpeg", true},       {".jpeg", "image/jpeg", true},
    {".png", "image/png", true},    {".svg", "image/svg+xml", true},    {".webp", "image/webp", true},
    {".mp3", "audio/mpeg", true},   {".m4a", "audio/mp4", true},        {".css", "text/css", true},
    {".ttf", "font/ttf", true},     {".otf", "font/otf", true},         {".woff", "font/woff", true},
    {".woff2", "font/woff2", true}, {".js", "text/javascript", true},   {".pdf", "application/pdf", false},
    {".txt", "text/plain", false},  {".zip", "application/zip", false}, {".htm", "text/html", false},
    {".html", "text/html", false},  {".rtf", "application/rtf", false},
}};

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The format the bytes themselves say, whatever the name says.
PictureFormat sniffedFormat(const std::vector<std::uint8_t>& bytes, PictureFormat byName) {
  if (bytes.size() >= 6 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F') return PictureFormat::gif;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PictureFormat::jpeg;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureFormat::bitmap;
  return byName;
}

}  // namespace

std::string_view mediaTypeOf(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return "application/octet-stream";
  const std::string extension = lower(fileName.substr(dot));
  for (const KnownType& type : knownTypes) {
    if (type.extension == extension) return type.mediaType;
  }
  return "application/octet-stream";
}

bool isCoreMediaType(std::string_view mediaType) {
  for (const KnownType& type : knownTypes) {
    if (type.mediaType == mediaType) return type.core;
  }
  return mediaType == "application/xhtml+xml";
}

std::string ExportResources::add(TZEBoggetto& object, std::string_view name, ExportResource resource) {
  resource.object = &object;
  const std::string unique = uniqueName(name, taken_);
  byName_.emplace(unique, std::move(resource));
  return std::string(folder) + unique;
}

ExportPicture ExportResources::picture(TZEBoggetto& object) {
  if (const auto found = pictures_.find(&object); found != pictures_.end()) return found->second;
  ExportPicture shown;
  std::vector<std::uint8_t> bytes;
  if (object.readPrimary(bytes)) {
    const std::string fileName = windows1252ToUtf8(object.FileName());
    const PictureFormat format = sniffedFormat(bytes, pictureFormatOf(object.FileName()));
    const DecodedPicture decoded = format == PictureFormat::metafile ? DecodedPicture{} : decodePicture(bytes, format);
    if (!decoded.empty()) {
      shown.width = decoded.width;
      shown.height = decoded.height;
      std::string name = safeFileName(fileName.empty() ? windows1252ToUtf8(object.Name()) : fileName);
      if (format == PictureFormat::bitmap)
        shown.href = add(object, withExtension(name, ".png"), {nullptr, "image/png", true});
      else if (format == PictureFormat::gif)
        shown.href = add(object, withExtension(name, ".gif"), {nullptr, "image/gif", false});
      else if (format == PictureFormat::jpeg)
        shown.href = add(object, withExtension(name, ".jpg"), {nullptr, "image/jpeg", false});
    }
  }
  pictures_.emplace(&object, shown);
  return shown;
}

std::string ExportResources::file(TZEBoggetto& object) {
  if (const auto found = files_.find(&object); found != files_.end()) return found->second;
  std::string href;
  if (!object.primaryBlob().empty()) {
    std::string fileName = windows1252ToUtf8(object.FileName());
    if (fileName.empty()) fileName = windows1252ToUtf8(object.Name());
    const std::string name = safeFileName(fileName);
    href = add(object, name, {nullptr, std::string(mediaTypeOf(name)), false});
  }
  files_.emplace(&object, href);
  return href;
}

bool ExportResources::writeAll(ArchiveSink& sink, std::string_view prefix) const {
  for (const auto& [name, resource] : byName_) {
    std::vector<std::uint8_t> bytes;
    if (!resource.object->readPrimary(bytes)) bytes.clear();
    if (resource.convertToPng) {
      TZEBpicture picture;
      picture.loadFromBytes(bytes, PictureFormat::bitmap);
      bytes = pngOf(picture.firstImage());
    }
    // Pictures and archives are packed already.
    const bool packed = resource.mediaType.starts_with("image/") && resource.mediaType != "image/svg+xml";
    if (!sink.add(std::string(prefix) + std::string(folder) + name, bytes,
                  packed ? Compression::stored : Compression::deflated))
      return false;
  }
  return true;
}

}  // namespace zeb
