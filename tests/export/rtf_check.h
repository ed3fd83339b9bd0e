// A structural check of the RTF the converter writes: balanced groups, well-formed escapes,
// only the control words the converter knows, the header in its order, and font, colour and
// style numbers that the header's tables define.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeb::testing {

// The faults of an RTF document (given without its closing zero byte); none when it is sound.
std::vector<std::string> rtfFaults(std::string_view rtf);

// A GoogleTest failure listing the faults, when there are any.
void expectSoundRtf(std::string_view rtf);

}  // namespace zeb::testing
