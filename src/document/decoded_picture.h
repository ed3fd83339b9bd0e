// A decoded picture as the core keeps it: a logical screen and a list of RGBA frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zeb {

// Limits every decoder applies before it allocates, so that a few bytes of header can never
// ask for gigabytes. Sizes are checked in 64 bits.
inline constexpr int maxPictureSide = 16384;                            // pixels, either side
inline constexpr std::int64_t maxPicturePixels = 256'000'000;           // logical screen area
inline constexpr std::int64_t maxDecodedBytes = std::int64_t{1} << 30;  // all frames together
inline constexpr int maxPictureFrames = 4096;                           // frames of one animation
inline constexpr int bytesPerPixel = 4;

// What happens to a frame's rectangle before the next frame is drawn (the GIF disposal codes).
enum class FrameDisposal : std::uint8_t {
  none = 0,               // not given: treated like keep
  keep = 1,               // the frame stays on the canvas
  restoreBackground = 2,  // its rectangle becomes see-through again
  restorePrevious = 3,    // the canvas returns to what it was before the frame
};

// One image of a picture. Frames keep their own rectangle rather than a full canvas each:
// an animation whose frames change a small area then costs only that area, and the disposal
// of each frame still has the rectangle it applies to. FrameCompositor builds full canvases.
struct PictureFrame {
  int left = 0;  // position on the logical screen; the rectangle always lies inside the screen
  int top = 0;
  int width = 0;
  int height = 0;
  // width × height pixels, rows from the top, 4 bytes each in the order R, G, B, A,
  // not premultiplied; alpha 0 is see-through.
  std::vector<std::uint8_t> rgba;
  int delayCentiseconds = 0;
  FrameDisposal disposal = FrameDisposal::none;
  // The frame declares a see-through colour or leaves pixels see-through.
  bool transparent = false;
};

struct DecodedPicture {
  int width = 0;  // the logical screen
  int height = 0;
  std::vector<PictureFrame> frames;
  // How often an animation repeats, as the file states it: 0 = for ever; nothing when the
  // file says nothing, which means it plays once.
  std::optional<int> loopCount;
  // A metafile carries no pixels here; it is kept only as a see-through, empty picture.
  bool metafile = false;

  bool empty() const { return frames.empty(); }
  bool firstImageTransparent() const { return !frames.empty() && frames.front().transparent; }
  std::int64_t decodedBytes() const;
};

// A picture of one frame, its screen the frame's size.
DecodedPicture singleFramePicture(PictureFrame frame);

// Whether a screen of that size is within the limits above (and not empty).
bool pictureSizeAllowed(std::int64_t width, std::int64_t height);

// Makes room for the frame's first `rows` rows, new ones zero-filled (see-through). Decoders
// grow a frame as its rows arrive, with the whole size reserved but not touched, so that a
// header promising a huge picture costs nothing until the data delivers the pixels.
void growFrameRows(PictureFrame& frame, std::int64_t rows);

// The byte count of width × height RGBA pixels.
inline std::int64_t rgbaBytes(std::int64_t width, std::int64_t height) { return width * height * bytesPerPixel; }

}  // namespace zeb
