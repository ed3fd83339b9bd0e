// The 58-byte frame record: a frame's settings and the unit of a stored frame map.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/font.h"

namespace zeb {

// Current files store 58-byte records; older files store shorter ones (a map's record
// length travels with the map). Lengths outside 1..58 cannot be read.
inline constexpr int frameRecordSize = 58;
inline constexpr int minFrameRecordLength = 1;
inline constexpr int maxFrameNameLength = 19;

constexpr bool isReadableFrameRecordLength(std::int64_t length) {
  return length >= minFrameRecordLength && length <= frameRecordSize;
}

// Frame kinds (byte 28): how a frame sits among its siblings.
namespace frameKind {
inline constexpr std::uint8_t top = 0;        // stacked top to bottom
inline constexpr std::uint8_t left = 1;       // stacked left to right
inline constexpr std::uint8_t topAlso = 2;    // as top
inline constexpr std::uint8_t fillBelow = 3;  // the last frame, filling what is left below
inline constexpr std::uint8_t leftAlso = 4;   // as left
inline constexpr std::uint8_t fillRight = 5;  // the last frame, filling what is left on the right
}  // namespace frameKind

// Size modes (byte 57): how layout gives a frame its share of the parent.
namespace frameSizeMode {
inline constexpr std::uint8_t percent = 0;  // percentShare percent of the room left
inline constexpr std::uint8_t fixed = 1;    // fixedSize pixels
inline constexpr std::uint8_t equal = 2;    // an equal share of what the others leave
}  // namespace frameSizeMode

// Page border styles (byte 51).
namespace frameBorder {
inline constexpr std::uint8_t none = 0;
inline constexpr std::uint8_t singleLine = 1;
}  // namespace frameBorder

// One frame record, field by field (offsets in the comments). Integers are little-endian.
struct FrameRecord {
  std::int32_t identity = 0;                       // 0: unique among the frames of one map
  std::int32_t parentIdentity = -1;                // 4: -1 for the top frame
  std::string name;                                // 8: short string, at most 19 characters
  std::uint8_t kind = frameKind::top;              // 28
  std::uint8_t legacyFlagA = 0;                    // 29: meaningful in records shorter than 58 bytes
  std::uint8_t legacyFlagB = 0;                    // 30
  std::uint8_t scrollBars = 1;                     // 31: non-zero shows the page's scroll bars
  std::uint8_t hasChildren = 0;                    // 32
  std::uint8_t draggableWhenReadOnly = 0;          // 33: the splitter after the frame stays draggable
  std::int32_t page = -1;                          // 34: the page shown, -1 none
  std::int32_t percentShare = 100;                 // 38
  std::uint32_t reserved42 = 0;                    // 42
  Colour splitterColour = 0x8000000F;              // 46: the button face of the desktop's scheme
  std::uint8_t reserved50 = 0;                     // 50
  std::uint8_t pageBorder = frameBorder::none;     // 51
  std::int32_t fixedSize = 20;                     // 52: pixels, in size mode fixed
  std::uint8_t splitterThickness = 3;              // 56: pixels
  std::uint8_t sizeMode = frameSizeMode::percent;  // 57

  bool operator==(const FrameRecord&) const = default;
};

using FrameRecordBytes = std::array<std::uint8_t, frameRecordSize>;

// The record of a new frame: every field at its default, named "Frame" and six lowercase
// hexadecimal digits of its identity.
FrameRecord newFrameRecord(std::int32_t identity);

// The stored form; the name's unused bytes are zero.
FrameRecordBytes frameRecordBytes(const FrameRecord& record);
// The record the bytes spell. A name length above 19 reads as 19.
FrameRecord frameRecordFrom(const FrameRecordBytes& bytes);

// Reads up to 58 bytes over the start of a record: fields (or parts of fields) the bytes do
// not reach keep their values, as when an older, shorter record is read into a frame.
void overlayFrameRecord(FrameRecord& record, std::span<const std::uint8_t> bytes);

}  // namespace zeb
