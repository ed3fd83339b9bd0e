// The GIF decoder: every frame of an animation, with its timing, disposal and transparency.
#pragma once

#include <cstdint>
#include <span>

#include "document/decoded_picture.h"

namespace zeb {

// Decodes a GIF record by record, so that every size is checked before anything is
// allocated for it. Each frame is clipped to the logical screen; a pixel index outside the
// frame's colour map is see-through, like the declared see-through index. A file cut short
// or damaged keeps the frames completed before the damage; when not even the first frame is
// complete the picture is empty. Never throws.
DecodedPicture decodeGif(std::span<const std::uint8_t> bytes);

}  // namespace zeb
