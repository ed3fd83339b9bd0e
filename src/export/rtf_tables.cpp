// RTF font, colour and style tables.
#include "export/rtf_tables.h"

#include "document/container.h"
#include "export/rtf_text.h"
#include "platform/code_pages.h"
#include "platform/font_faces.h"
#include "platform/text_measurer.h"

namespace zeb {
namespace {

constexpr Colour rgbBits = 0xFFFFFF;

// The value's index in the list, appending it when it is new.
template <typename Value, typename Key>
int indexIn(std::vector<Value>& list, std::unordered_map<Key, int>& indexes, const Key& key) {
  const auto [found, added] = indexes.try_emplace(key, static_cast<int>(list.size()));
  if (added) list.push_back(key);
  return found->second;
}

std::string_view familyWord(std::uint8_t pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case pitchFamily::familyRoman: return "\\froman";
    case pitchFamily::familySwiss: return "\\fswiss";
    case pitchFamily::familyModern: return "\\fmodern";
    case pitchFamily::familyScript: return "\\fscript";
    case pitchFamily::familyDecorative: return "\\fdecor";
    default: return "";
  }
}

// The measurer's byte holds the pitch as the font structures do, in its low two bits:
// 2 variable, 1 fixed, 0 the default. Only variable pitch is "\fprq2".
std::string_view pitchWord(std::uint8_t pitchAndFamily) {
  return (pitchAndFamily & 0x03) == pitchFamily::variablePitch ? "\\fprq2" : "\\fprq1";
}

}  // namespace

int RtfTables::font(std::string_view face) { return indexIn(fonts_, fontIndexes_, std::string(face)); }

int RtfTables::colour(Colour colour) { return indexIn(colours_, colourIndexes_, colour & rgbBits) + 1; }

int RtfTables::style(TZEBoggetto* style) { return indexIn(styles_, styleIndexes_, style) + 1; }

void writeFontTable(std::string& out, const RtfTables& tables, const TZEBset* set, std::uint16_t codePage) {
  const bool measured = set != nullptr && set->services().measurer != nullptr;
  out += "{\\fonttbl";
  for (std::size_t i = 0; i < tables.fonts().size(); ++i) {
    const std::string& face = tables.fonts()[i];
    const std::uint8_t pitchAndFamily = measured ? set->textMetrics(face).pitchAndFamily : 0;
    out += "{\\f";
    appendNumber(out, static_cast<std::int64_t>(i));
    out += familyWord(pitchAndFamily);
    if (codePage != codePage::windows1252) {
      out += "\\fcharset";
      const bool symbol = substituteFace(face).encoding != FaceEncoding::codePage;
      appendNumber(out, symbol ? symbolCharSet : fontCharSetOf(codePage));
    }
    out += pitchWord(pitchAndFamily);
    out += ' ';
    appendRtfText(out, face);
    out += ";}";
  }
  out += '}';
}

void writeColourTable(std::string& out, const RtfTables& tables) {
  out += "{\\colortbl;";
  for (const Colour colour : tables.colours()) {
    out += "\\red";
    appendNumber(out, colour & 0xFF);
    out += "\\green";
    appendNumber(out, (colour >> 8) & 0xFF);
    out += "\\blue";
    appendNumber(out, (colour >> 16) & 0xFF);
    out += ';';
  }
  out += '}';
}

}  // namespace zeb
