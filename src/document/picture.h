// TZEBpicture: a book picture loaded from its file, in the form the reader draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/decoded_picture.h"
#include "platform/clipboard.h"

namespace zeb {

enum class PictureFormat { none, gif, jpeg, bitmap, metafile };

// Picture files larger than this are not read at all.
inline constexpr std::int64_t maxPictureFileBytes = std::int64_t{256} << 20;

// The format a file name's extension selects, in any letter case: .gif; .jpg, .jpeg, .jpe,
// .jfif; .bmp, .dib; .wmf, .emf. Anything else is none.
PictureFormat pictureFormatOf(std::string_view fileName);

// The bytes decoded as that format; empty on any fault. A metafile decodes to an empty
// picture marked as a metafile.
DecodedPicture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format);

class TZEBpicture {
 public:
  const std::string& ImageNameL() const { return imageName_; }
  // A different, non-empty name loads the picture from that file, its format chosen by the
  // extension; a file that cannot be read or decoded leaves the picture empty, without a
  // message. The same name again changes nothing; an empty name empties the picture.
  void setImageNameL(const std::string& fileName);

  // Loads the picture from bytes of a known format; the name is left as it is.
  void loadFromBytes(std::span<const std::uint8_t> bytes, PictureFormat format);
  void clear();

  // Nothing to draw: no file, a failed load or a metafile.
  bool empty() const { return picture_.empty(); }
  int width() const { return picture_.width; }
  int height() const { return picture_.height; }
  PictureFormat format() const { return format_; }
  bool isMetafile() const { return picture_.metafile; }
  // Whether drawing the picture covers its whole area: every picture does except a
  // metafile and a GIF whose first image has see-through pixels.
  bool isOpaque() const;

  const DecodedPicture& decoded() const { return picture_; }
  const std::vector<PictureFrame>& frames() const { return picture_.frames; }
  // The first image as plain pixels (an animation's first canvas); empty for an empty
  // picture. Composed when first asked for and kept until the picture changes.
  const RgbaImage& firstImage() const;

 private:
  std::string imageName_;
  PictureFormat format_ = PictureFormat::none;
  DecodedPicture picture_;
  mutable std::optional<RgbaImage> firstImage_;
};

}  // namespace zeb
