// Picture objects for tests, decoded straight into the container's image cache.
#pragma once

#include <cstdint>

namespace zeb {
class TZEBoggetto;
class TZEBset;
}  // namespace zeb

namespace zeb::testing {

// A live picture object (kind 5) of the size, every pixel of the colour (0xRRGGBB), whose
// decoded picture is in the cache and whose record holds its size.
TZEBoggetto& addDecodedPicture(TZEBset& set, int width, int height, std::uint32_t rgb);

}  // namespace zeb::testing
