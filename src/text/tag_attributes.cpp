// Reading the attributes of paragraph and run tags.
#include "text/tag_attributes.h"

#include <algorithm>
#include <utility>

#include "platform/message_boxes.h"
#include "text/font_style.h"
#include "text/markup_values.h"
#include "text/messages.h"
#include "text/paragraph_style.h"

namespace zeb {
namespace {

// The paragraph tag's face is cut to this many characters.
constexpr std::size_t paragraphFaceMax = 20;
constexpr std::int32_t sevenBits = 0x7F;

// The stored form holds these bytes in 7 bits: a larger value is taken as the writer would
// store it, so that a paragraph reads back as it was.
std::uint8_t sevenBitByte(std::int32_t value) { return static_cast<std::uint8_t>(value & sevenBits); }

std::uint8_t withStoredBits(std::uint8_t current, std::int32_t value) {
  return static_cast<std::uint8_t>((current & ~fontStyle::storedBits) | (value & fontStyle::storedBits));
}

}  // namespace

bool TagAttributeReader::letter(char expected) {
  if (at(pos_) != static_cast<std::uint8_t>(expected)) return false;
  ++pos_;
  return true;
}

std::optional<std::string_view> TagAttributeReader::value() {
  std::size_t end = pos_;
  while (at(end) != ' ' && at(end) != 0) ++end;
  if (at(end) == 0) {
    if (messages_ != nullptr) messages_->error(messages::truncatedLine);
    pos_ = end;
    return std::nullopt;
  }
  const std::string_view text(reinterpret_cast<const char*>(data_) + pos_, std::min(end - pos_, maxAttributeValue));
  pos_ = end + 1;
  return text;
}

// A face is normally quoted. An unquoted one runs to the next blank like any value, and
// loses any quote in it, since no stored face can contain one.
std::optional<std::string> TagAttributeReader::face() {
  if (at(pos_) != '"') {
    const auto text = value();
    if (!text) return std::nullopt;
    std::string name(*text);
    std::erase(name, '"');
    return name;
  }
  std::size_t end = pos_ + 1;
  while (at(end) != '"' && at(end) != 0) ++end;
  if (at(end) == 0) {
    if (messages_ != nullptr) messages_->information(messages::truncatedLine);
    pos_ = end;
    return std::nullopt;
  }
  std::string name(reinterpret_cast<const char*>(data_) + pos_ + 1, end - pos_ - 1);
  pos_ = end + 1;
  if (at(pos_) == ' ') ++pos_;
  return name;
}

std::optional<std::int32_t> TagAttributeReader::number() {
  const auto text = value();
  return text ? std::optional<std::int32_t>(parseDecimal(*text)) : std::nullopt;
}

void TagAttributeReader::skipPastClose() {
  while (at(pos_) != 0 && at(pos_) != '>') ++pos_;
  if (at(pos_) == '>') ++pos_;
}

std::optional<std::int32_t> TagAttributeReader::styleNumber() {
  if (!letter('S')) return std::nullopt;
  return number();
}

void TagAttributeReader::readParagraphAttributes(TZEBParaStyle& style) {
  if (letter('c')) {
    if (const auto text = value()) style.setColor(parseColour(*text));
  }
  if (letter('F')) {
    if (const auto name = face()) style.setFontName(std::string_view(*name).substr(0, paragraphFaceMax));
  }
  if (letter('s')) {
    if (const auto v = number()) style.setSize(*v);
  }
  if (letter('y')) {
    if (const auto v = number()) style.setStyle(withStoredBits(style.Style(), *v));
  }
  if (letter('p')) {
    if (const auto v = number()) style.setPosition(sevenBitByte(*v));
  }
  if (letter('P')) {
    if (const auto v = number()) style.setParaOption(sevenBitByte(*v));
  }
  if (letter('A')) {
    if (const auto v = number()) style.setAlignment(sevenBitByte(*v));
  }
  if (letter('N')) {
    if (const auto v = number()) style.setNumbering(sevenBitByte(*v));
  }
  if (letter('M')) {
    if (const auto v = number()) style.setMeasureUnit(sevenBitByte(*v));
  }
  constexpr std::pair<char, ParaLength> lengths[] = {{'L', ParaLength::lineHeight}, {'I', ParaLength::firstLineIndent},
                                                     {'l', ParaLength::leftMargin}, {'r', ParaLength::rightMargin},
                                                     {'t', ParaLength::topMargin},  {'b', ParaLength::bottomMargin}};
  for (const auto& [name, which] : lengths) {
    if (letter(name)) {
      if (const auto v = number()) style.setLength(which, *v);
    }
  }
  if (letter('C')) {
    if (const auto text = value()) style.setLinkColor(parseColour(*text));
  }
  if (letter('S')) {
    if (const auto v = number()) style.setLinkSize(*v);
  }
  if (letter('Y')) {
    if (const auto v = number()) style.setLinkStyle(withStoredBits(style.LinkStyle(), *v));
  }
}

RunTag TagAttributeReader::readRunAttributes() {
  RunTag tag;
  if (letter('c')) {
    if (const auto text = value()) tag.color = parseColour(*text);
  }
  if (letter('F')) tag.fontName = face();
  if (letter('s')) tag.size = number();
  if (letter('i')) {
    if (const auto v = number()) tag.italic = *v == 1;
  }
  if (letter('g')) {
    if (const auto v = number()) tag.bold = *v == 1;
  }
  if (letter('y')) tag.styleBits = number();
  if (letter('p')) {
    if (const auto v = number()) tag.position = sevenBitByte(*v);
  }
  return tag;
}

void applyRunTag(const RunTag& tag, TZEBFontStyle& run, std::uint8_t styleBefore) {
  run.clearOverrides();
  if (tag.color) run.setColor(*tag.color);
  if (tag.fontName) run.setFontName(*tag.fontName);
  if (tag.size) run.setSize(*tag.size);
  if (tag.position) run.setPosition(*tag.position);
  std::uint8_t style = tag.keepsStyleBefore() ? styleBefore : run.Style();
  if (tag.italic) style = *tag.italic ? style | fontStyle::italic : style & ~fontStyle::italic;
  if (tag.bold) style = *tag.bold ? style | fontStyle::bold : style & ~fontStyle::bold;
  if (tag.styleBits) style = withStoredBits(style, *tag.styleBits);
  run.setStyle(style);
}

}  // namespace zeb
