// Night colours: how a page's colours turn dark for reading at night. A colour keeps its hue
// and as much of its chroma as the screen can show, and its luminance is turned over so that
// every pair of colours keeps its contrast ratio: black on white becomes white on black, a
// blue link a light blue one, a red warning a red that still stands out from the dark.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"
#include "platform/font.h"

namespace zeb {

// The reader's night setting, as a frame set passes it to the windows of its pages.
struct NightView {
  bool on = false;
  // Pictures (not backgrounds) are shown darker at night; otherwise as they are.
  bool dimPictures = false;

  bool operator==(const NightView&) const = default;
};

// The relative luminance of a plain colour (0 black to 1 white), as contrast ratios weigh it.
double relativeLuminance(Colour colour);
// The contrast ratio of two plain colours: 1 (the same luminance) to 21 (black and white).
double contrastRatio(Colour first, Colour second);

// The luminance that contrasts as much with black as with white, which the night mapping
// leaves where it is: a background darker than this is already dark.
double middleLuminance();
bool isDarkColour(Colour colour);

// The night colour of a colour: luminance L becomes the one whose contrast with white is the
// contrast of L with black, so that (L' + 0.05) (L + 0.05) stays constant and contrast
// ratios are kept; hue and chroma are kept in the OKLab space, chroma lessened where the
// screen cannot show it at that luminance. A system colour is returned as it is: the dark
// palette of the windows gives it.
Colour nightColourOf(Colour colour);

// How bright a dimmed picture is shown, as a share of its own brightness.
inline constexpr int dimmedPicturePercent = 75;

// A copy of the pixels for night painting (see PixelView): each colour through
// nightColourOf for a background picture, darkened to dimmedPicturePercent for a dimmed
// picture. Transparency is kept.
std::vector<std::uint8_t> nightBackgroundPixels(const PixelView& pixels);
std::vector<std::uint8_t> dimmedPixels(const PixelView& pixels);

// The mean colour of the pixels (a sample of them for big pictures), see-through ones left
// out; white for no visible pixel.
Colour averageColourOf(const PixelView& pixels);

}  // namespace zeb
