// Loading a TZEBpicture from a named file, and choosing the decoder by extension.
#include "document/picture.h"

#include <filesystem>

#include "document/bmp_decoder.h"
#include "document/book_file.h"
#include "document/frame_compositor.h"
#include "document/gif_decoder.h"
#include "document/jpeg_decoder.h"
#include "platform/windows1252.h"

namespace zeb {

PictureFormat pictureFormatOf(std::string_view fileName) {
  const std::string extension = lowerWindows1252(std::filesystem::path(fileName).extension().string());
  if (extension == ".gif") return PictureFormat::gif;
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe" || extension == ".jfif")
    return PictureFormat::jpeg;
  if (extension == ".bmp" || extension == ".dib") return PictureFormat::bitmap;
  if (extension == ".wmf" || extension == ".emf") return PictureFormat::metafile;
  return PictureFormat::none;
}

DecodedPicture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::gif: return decodeGif(bytes);
    case PictureFormat::jpeg: return decodeJpeg(bytes);
    case PictureFormat::bitmap: return decodeBmp(bytes);
    case PictureFormat::metafile: {
      DecodedPicture picture;
      picture.metafile = true;
      return picture;
    }
    case PictureFormat::none: break;
  }
  return {};
}

void TZEBpicture::setImageNameL(const std::string& fileName) {
  if (fileName == imageName_) return;
  imageName_ = fileName;
  clear();
  if (fileName.empty()) return;
  const PictureFormat format = pictureFormatOf(fileName);
  if (format == PictureFormat::none) return;
  if (const auto bytes = readWholeFile(fileName, maxPictureFileBytes)) loadFromBytes(*bytes, format);
}

void TZEBpicture::loadFromBytes(std::span<const std::uint8_t> bytes, PictureFormat format) {
  picture_ = decodePicture(bytes, format);
  format_ = picture_.empty() && !picture_.metafile ? PictureFormat::none : format;
  firstImage_.reset();
}

void TZEBpicture::clear() {
  picture_ = {};
  format_ = PictureFormat::none;
  firstImage_.reset();
}

const RgbaImage& TZEBpicture::firstImage() const {
  if (firstImage_) return *firstImage_;
  RgbaImage& image = firstImage_.emplace();
  if (picture_.empty()) return image;
  FrameCompositor compositor(picture_);
  image.width = picture_.width;
  image.height = picture_.height;
  image.pixels = compositor.advance();
  return image;
}

bool TZEBpicture::isOpaque() const {
  return !picture_.metafile && !(format_ == PictureFormat::gif && picture_.firstImageTransparent());
}

}  // namespace zeb
