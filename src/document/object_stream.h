// The picture fragment the clipboard receives when a picture is copied.
#pragma once

#include <cstdint>
#include <vector>

namespace zeb {

class TZEBset;
class TZEBoggetto;
struct RgbaImage;

// The "Nexo30 picture" fragment of a picture (kind 5) or a placement (kind 16): the objects
// its zones link to, the pictures it shows, the placement itself and a one-paragraph text
// that shows it.
std::vector<std::uint8_t> pictureFragment(TZEBset& set, TZEBoggetto& object);

// Puts the fragment and the decoded picture on the clipboard. Other kinds show an error
// and are copied all the same.
void copyPictureToClipboard(TZEBset& set, TZEBoggetto& object, const RgbaImage& decoded);

}  // namespace zeb
