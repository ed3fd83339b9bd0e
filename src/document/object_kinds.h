// The 27 kinds of book object and the record layout facts that every kind shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zeb {

enum class TOggettiHel : std::uint8_t {
  testoHtml = 0,      // page
  internetLink = 1,   // hyperlink
  zipLink = 2,        // linked file, old form of genLink
  genLink = 3,        // linked file
  keyword = 4,
  immagine = 5,       // picture
  mappaClic = 6,      // picture with click map, old form of immagine
  programma = 7,      // program
  tabellaHtml = 8,    // table
  mappaFrame = 9,     // frame map
  speclink = 10,      // link action
  shortObj = 11,      // panel element, anchor, contents-tree holder
  custom = 12,        // prototype
  dbloc = 13,         // data set; also the named-file list
  spazio4 = 14,
  spazio5 = 15,
  immagineNew = 16,   // picture placement
  stileParagrafo = 17,
  fontFace = 18,
  formato = 19,
  inputStat = 20,
  inputDin = 21,
  bottoneCGI = 22,
  inizioForm = 23,
  multiMedia = 24,
  none = 25,
  testoHtmlRtf = 26,  // the kind of an object whose kind is not set yet
};

inline constexpr int kindCount = 27;
// Records are at most this long; shorter stored records are completed in memory.
inline constexpr int recordSize = 668;
// The record size written for every kind by the current format.
inline constexpr int currentRecordSize = 668;
// Record indexes run from 0 to this value (the low 24 bits of an object ID).
inline constexpr std::int32_t maxObjectIndex = 0xFFFFFF;

constexpr int kindNumber(TOggettiHel kind) { return static_cast<int>(kind); }
constexpr TOggettiHel kindOf(int number) { return static_cast<TOggettiHel>(number); }
constexpr bool isKindNumber(int number) { return number >= 0 && number < kindCount; }

// The enumeration name of a kind ("testoHtml", "internetLink", ...).
std::string_view kindName(TOggettiHel kind);

// Object IDs: kind in the top 8 bits, record index in the low 24.
constexpr std::uint32_t objectId(TOggettiHel kind, std::int32_t index) {
  return (static_cast<std::uint32_t>(kind) << 24) | (static_cast<std::uint32_t>(index) & 0xFFFFFFu);
}
constexpr int kindOfId(std::uint32_t id) { return static_cast<int>(id >> 24); }
constexpr std::int32_t indexOfId(std::uint32_t id) { return static_cast<std::int32_t>(id & 0xFFFFFFu); }

// References inside a text: 0x6F000000 + n names the text's n-th local object,
// 0xFF000000 + n its n-th embedded object.
inline constexpr std::uint32_t localReferenceBase = 0x6F000000u;
inline constexpr std::uint32_t embeddedReferenceBase = 0xFF000000u;
constexpr bool isLocalReference(std::uint32_t code) { return (code >> 24) == 0x6Fu; }
constexpr bool isEmbeddedReference(std::uint32_t code) { return (code >> 24) == 0xFFu; }

// Where a kind keeps its name, its state byte and its two blobs within the record.
struct KindLayout {
  int nameOffset = -1;     // short string; -1 when the kind has no name field
  int nameMaxLength = 0;
  // The state byte at offset 4 for a released slot, and on creation (activation);
  // -1 when the kind has no such state.
  int releasedState = -1;
  int liveState = -1;
  int primaryPositionOffset = -1;  // int32 position relative to the blob area; -1 no primary blob
  int primarySizeOffset = -1;      // int32 size (kind 8: int16)
  int secondaryPositionOffset = -1;
  int secondarySizeOffset = -1;
};

const KindLayout& layoutOf(TOggettiHel kind);

// Kinds whose primary blob stays in the book file and is read when needed.
constexpr bool isFileBackedKind(TOggettiHel kind) {
  return kind == TOggettiHel::zipLink || kind == TOggettiHel::genLink ||
         kind == TOggettiHel::immagine || kind == TOggettiHel::mappaClic;
}

// Offsets of record fields used in more than one place.
namespace field {
inline constexpr int state = 4;
inline constexpr int name = 5;
// pages (kind 0)
inline constexpr int pageSequenceGroup = 77;
inline constexpr int pageSequenceNumber = 79;
inline constexpr int pageFrameMap = 81;
inline constexpr int pageBackgroundPicture = 85;
inline constexpr int pageColour1 = 89;
inline constexpr int pageColour2 = 93;
inline constexpr int pageColour3 = 97;
inline constexpr int pageBackgroundColour = 101;
inline constexpr int pageKeywords = 105;
inline constexpr int pageKeywordSlots = 20;
inline constexpr int pageTextSize = 185;
inline constexpr int pageByte189 = 189;
inline constexpr int pageLanguage = 191;
inline constexpr int pageByte194 = 194;
inline constexpr int pageTextFormat = 195;
inline constexpr int pageRevision = 196;
inline constexpr int pageByte200 = 200;
inline constexpr int pageTimedLinkDelay = 221;
inline constexpr int pageInt223 = 223;
inline constexpr int pageTimedLinkTarget = 227;
inline constexpr int pageHeaderPage = 231;
inline constexpr int pageFooterPage = 235;
inline constexpr int pageFixedBackground = 288;
// pictures (kinds 5 and 6)
inline constexpr int pictureRevision = 77;
inline constexpr int pictureWidth = 85;
inline constexpr int pictureHeight = 87;
inline constexpr int pictureDisplayOption = 89;
inline constexpr int pictureFileName = 94;
inline constexpr int pictureFileNameMax = 75;
inline constexpr int pictureZones = 182;
inline constexpr int pictureOldIndex = 662;
inline constexpr int pictureZonesValid = 666;
// linked files (kinds 2 and 3)
inline constexpr int linkedFileNameMax = 79;
inline constexpr int linkedFileRevision = 89;
// programs (kind 7)
inline constexpr int programFileName = 81;
// frame maps (kind 9): the length of the frame records in the primary blob
inline constexpr int frameMapRecordLength = 89;
// tables (kind 8)
inline constexpr int tableColumnModes = 5;
inline constexpr int tableRelativeWidth = 55;
inline constexpr int tableWidth = 56;
inline constexpr int tableHasPrimary = 81;
inline constexpr int tablePrimarySize = 85;
inline constexpr int tableByte88 = 88;
inline constexpr int tableWidthPercent = 89;
inline constexpr int tableCellInset = 90;
inline constexpr int tableCellSpacing = 91;
inline constexpr int tableBorderWidth = 92;
inline constexpr int tableRows = 93;
inline constexpr int tableColumns = 94;
inline constexpr int tableMode = 95;
inline constexpr int tableColumnValues = 97;
inline constexpr int tableColour = 207;
inline constexpr int tableHighlightColour = 211;
inline constexpr int tableShadowColour = 215;
inline constexpr int tableByte219 = 219;
// link actions (kind 10)
inline constexpr int actionAnchor = 9;  // int32 anchor or page number; -1 none, -2 (close) the main window
inline constexpr int actionTarget = 13;
inline constexpr int actionFrameFlag = 17;  // uint8 handed to the frame that shows the target
inline constexpr int actionByte18 = 18;
inline constexpr int actionDestination = actionByte18;  // uint8 where a "go to" action shows its target
inline constexpr int actionWindowName = 19;
inline constexpr int actionWindowNameMax = 19;
// panel elements (kind 11)
inline constexpr int panelReference = 5;
// data sets (kind 13)
inline constexpr int dataSetVariant = 46;
inline constexpr int dataSetActions = 51;
// placements (kind 16)
inline constexpr int placementPicture = 0;
inline constexpr int placementDisplayWidth = 15;  // int16 each
inline constexpr int placementDisplayHeight = 17;
inline constexpr int placementNaturalWidth = 19;
inline constexpr int placementNaturalHeight = 21;
inline constexpr int placementHoverPicture = 5;  // int32 kind-5 index shown under the mouse; -1 none
inline constexpr int placementVertical = 23;       // uint8 vertical placement on the line
inline constexpr int placementZones = 73;
inline constexpr int zoneCount = 30;
inline constexpr int zoneSize = 16;
// buttons (kind 22)
inline constexpr int buttonPicture = 177;
inline constexpr int buttonAction = 181;
inline constexpr int buttonFormAction = 185;  // uint8: 1 and 2 submit the form, 3 resets it
inline constexpr int buttonInt186 = 186;
// form controls, buttons, form starts and multimedia (kinds 13 and 20 to 24)
inline constexpr int controlVertical = 5;  // uint8 vertical placement on the line
inline constexpr int floatingPage = 108;   // int32 kind-0 index an independent frame shows
// multimedia references (kind 24)
inline constexpr int multimediaObject = 17;
// styles (kind 17)
inline constexpr int styleFontName = 39;
}  // namespace field

class ObjectRecord;

// Gives a placement (kind 16) the size of the picture (kind 5) it shows, as both its display
// and its natural size.
void setPlacementSize(ObjectRecord& placement, const ObjectRecord& picture);

}  // namespace zeb
