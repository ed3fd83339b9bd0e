// The font, colour and style tables of an RTF document: filled while the body is written,
// listed in the header afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/font.h"

namespace zeb {

class TZEBoggetto;
class TZEBset;

// Lookups are hashed: a damaged markup may name a new face in every run.
class RtfTables {
 public:
  // "\f" index of the face: 0, 1, 2, ... in order of first use.
  int font(std::string_view face);
  // "\cf" index of the colour (its red, green and blue bytes): 1, 2, ... in order of first
  // use, entry 0 being the empty first entry of the table.
  int colour(Colour colour);
  // "\s" number of the paragraph style object (none: the values of a new style): 1, 2, ...
  // in order of first use.
  int style(TZEBoggetto* style);

  const std::vector<std::string>& fonts() const { return fonts_; }
  const std::vector<Colour>& colours() const { return colours_; }
  const std::vector<TZEBoggetto*>& styles() const { return styles_; }

 private:
  std::vector<std::string> fonts_;
  std::vector<Colour> colours_;
  std::vector<TZEBoggetto*> styles_;
  std::unordered_map<std::string, int> fontIndexes_;
  std::unordered_map<Colour, int> colourIndexes_;
  std::unordered_map<TZEBoggetto*, int> styleIndexes_;
};

// "{\fonttbl" and an entry per font, each with the family and pitch of the face's text metrics
// in the set (none without a set or without a measurer), then "}". In a code page other than
// 1252 each entry names its character set: the code page's, the symbol set for symbol faces.
void writeFontTable(std::string& out, const RtfTables& tables, const TZEBset* set,
                    std::uint16_t codePage = 1252);
// "{\colortbl;" and "\redR\greenG\blueB;" per colour, then "}".
void writeColourTable(std::string& out, const RtfTables& tables);

}  // namespace zeb
