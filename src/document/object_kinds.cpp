// Names and record layouts of the object kinds.
#include "document/object_kinds.h"

#include <array>

#include "document/object_record.h"

namespace zeb {
namespace {

constexpr std::array<std::string_view, kindCount> kindNames = {
    "testoHtml",  "internetLink", "zipLink",      "genLink",    "keyword",   "immagine",
    "mappaClic",  "programma",    "tabellaHtml",  "mappaFrame", "speclink",  "shortObj",
    "custom",     "dbloc",        "spazio4",      "spazio5",    "immagineNew",
    "stileParagrafo", "fontFace", "formato",      "inputStat",  "inputDin",  "bottoneCGI",
    "inizioForm", "multiMedia",   "none",         "testoHtmlRtf"};

// name offset, max length, released state, live state, primary position, primary size,
// secondary position, secondary size
constexpr std::array<KindLayout, kindCount> layouts = {{
    {5, 71, 3, 0, 0, 185, 239, 243},       // 0 testoHtml
    {5, 127, 5, 4, -1, -1, -1, -1},        // 1 internetLink
    {5, 79, -1, -1, 0, 85, -1, -1},        // 2 zipLink
    {5, 79, 5, 4, 0, 85, -1, -1},          // 3 genLink
    {0, 79, -1, -1, -1, -1, -1, -1},       // 4 keyword (released when named "-")
    {5, 71, 3, 0, 0, 174, -1, -1},         // 5 immagine
    {-1, 0, -1, -1, 0, 174, -1, -1},       // 6 mappaClic
    {5, 75, 1, -1, -1, -1, -1, -1},        // 7 programma
    {-1, 0, 0, 2, 0, 85, 58, 62},          // 8 tabellaHtml (size is an int16)
    {5, 79, 1, 2, 0, 85, -1, -1},          // 9 mappaFrame
    {-1, 0, 0, 1, 0, 5, 39, 43},           // 10 speclink
    {-1, 0, 0, 1, 0, 13, 20, 24},          // 11 shortObj
    {17, 40, 0, 1, 0, 13, 72, 76},         // 12 custom
    {17, 15, 0, 7, 0, 13, 38, 42},         // 13 dbloc
    {-1, 0, -1, -1, -1, -1, -1, -1},       // 14 spazio4
    {-1, 0, -1, -1, -1, -1, -1, -1},       // 15 spazio5
    {28, 32, 0, 1, -1, -1, 61, 65},        // 16 immagineNew
    {5, 32, 0, 1, -1, -1, -1, -1},         // 17 stileParagrafo
    {5, 32, 0, 1, -1, -1, -1, -1},         // 18 fontFace
    {-1, 0, 0, 1, -1, -1, -1, -1},         // 19 formato
    {17, 79, 0, 1, 0, 13, 184, 188},       // 20 inputStat
    {17, 79, 0, 1, 0, 13, 452, 456},       // 21 inputDin
    {17, 79, 0, 1, -1, -1, 195, 199},      // 22 bottoneCGI
    {17, 255, 0, 1, -1, -1, 356, 360},     // 23 inizioForm
    {-1, 0, 0, 1, 0, 13, 38, 42},          // 24 multiMedia
    {-1, 0, -1, -1, -1, -1, -1, -1},       // 25 none
    {-1, 0, -1, -1, -1, -1, -1, -1},       // 26 testoHtmlRtf
}};

}  // namespace

std::string_view kindName(TOggettiHel kind) {
  const auto number = static_cast<std::size_t>(kind);
  return number < kindNames.size() ? kindNames[number] : std::string_view("?");
}

const KindLayout& layoutOf(TOggettiHel kind) {
  const auto number = static_cast<std::size_t>(kind);
  return layouts[number < layouts.size() ? number : layouts.size() - 1];
}

void setPlacementSize(ObjectRecord& placement, const ObjectRecord& picture) {
  const std::int16_t width = picture.i16(field::pictureWidth);
  const std::int16_t height = picture.i16(field::pictureHeight);
  placement.setI16(field::placementDisplayWidth, width);
  placement.setI16(field::placementDisplayHeight, height);
  placement.setI16(field::placementNaturalWidth, width);
  placement.setI16(field::placementNaturalHeight, height);
}

}  // namespace zeb
