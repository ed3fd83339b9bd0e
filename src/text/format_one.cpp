// Format 1 to current markup.
//
// Format 1 is an HTML-like tag language. The conversion follows these rules:
//  1. The result begins with "<Z S0 c<colour> >", the colour being the page's text colour
//     written as RRGGBB. Every later paragraph tag carries the same colour.
//  2. Bytes below 32 are dropped; a zero byte ends the text. Entities ("&...") are copied
//     unchanged (both languages share them), and so are all other characters.
//  3. Tags are matched without regard to letter case; attributes are NAME=value or
//     NAME="value". Unknown tags are dropped, up to their ">".
//  4. Character formatting, written as a run tag before the next character whenever it
//     differs from what was last written. A run tag always states the colour and the style
//     bits, and the face and size when a tag set them:
//       <B> </B> <STRONG> </STRONG>  bold on, off       <I> </I> <EM> </EM>  italic on, off
//       <U> </U>                     underline on, off
//       <TT> </TT>                   face "Courier New" (fixed pitch), "Times New Roman" (normal)
//       <FONT COLOR=#RRGGBB SIZE=n FACE=name> ... </FONT>  colour, size and face until the
//                                    matching </FONT>; SIZE 1 to 7 gives 8, 10, 12, 14, 18, 24
//                                    and 36 points, "+n" and "-n" count from 3.
//     A new paragraph starts with the paragraph's own font: formatting still in force is
//     written again as a run tag before its first character.
//  5. Paragraphs: <P>, <BR>, <DIV>, <H1> to <H6> and their end tags start a new paragraph.
//     ALIGN=LEFT, RIGHT, CENTER or JUSTIFY on <P>, <DIV> or a heading gives "A0" to "A3" for
//     that paragraph; <CENTER> and </CENTER> start a paragraph and switch centring on and off
//     for the paragraphs that follow.
//  6. Lists: <UL> and <OL> start a paragraph one list level deeper, </UL> and </OL> one level
//     shallower. A paragraph at level n > 0 gets the left margin "l" 10 + 25n; <LI> starts a
//     paragraph that is also numbered ("N6") in an <OL> list or bulleted ("N10") in a <UL>.
//  7. Tables: an object reference to the table comes first (rule 8); then <TD> or <TH> opens
//     a cell, whose text starts with the paragraph tag "<Z S1 c<colour> >" (the style for
//     texts in tables), and </TD> or </TH> ends it with "<T>". Text outside the cells of an
//     open <TABLE> is dropped; <TR> and </TR> only structure the source.
//  8. Object references "<$" + eight hexadecimal digits + ">" and link ends "<%>" are copied
//     unchanged; any other tag beginning "<$" is unknown.
#include "text/format_one.h"

#include <algorithm>
#include <array>
#include <vector>

#include "document/page_object.h"
#include "platform/windows1252.h"
#include "text/markup_values.h"

namespace zeb {
namespace {

constexpr std::string_view fixedPitchFace = "Courier New";
constexpr std::string_view normalFace = "Times New Roman";
constexpr std::array<int, 7> htmlSizes = {8, 10, 12, 14, 18, 24, 36};
constexpr int listIndentBase = 10;
constexpr int listIndentStep = 25;

struct CharacterState {
  Colour colour = 0;
  std::string face;  // empty: the style's face
  int size = 0;      // 0: the style's size
  std::uint8_t bits = 0;
  bool operator==(const CharacterState&) const = default;
};

struct Tag {
  std::string name;                                             // upper case, "/" kept for end tags
  std::vector<std::pair<std::string, std::string>> attributes;  // names upper case

  std::string attribute(std::string_view wanted) const {
    for (const auto& [name, value] : attributes) {
      if (name == wanted) return value;
    }
    return {};
  }
};

Tag parseTag(std::string_view body) {
  Tag tag;
  std::size_t i = 0;
  while (i < body.size() && body[i] != ' ')
    tag.name += static_cast<char>(upperWindows1252(static_cast<std::uint8_t>(body[i++])));
  while (i < body.size()) {
    while (i < body.size() && body[i] == ' ') ++i;
    std::string name;
    while (i < body.size() && body[i] != '=' && body[i] != ' ') {
      name += static_cast<char>(upperWindows1252(static_cast<std::uint8_t>(body[i++])));
    }
    std::string value;
    if (i < body.size() && body[i] == '=') {
      ++i;
      if (i < body.size() && body[i] == '"') {
        ++i;
        while (i < body.size() && body[i] != '"') value += body[i++];
        ++i;
      } else {
        while (i < body.size() && body[i] != ' ') value += body[i++];
      }
    }
    if (!name.empty()) tag.attributes.emplace_back(std::move(name), std::move(value));
  }
  return tag;
}

// "<$" + eight hexadecimal digits + ">": the only form of an object reference that the
// current markup reads.
bool isObjectReference(std::string_view tag) {
  constexpr std::size_t digits = 8;
  if (tag.size() != digits + 3 || !tag.starts_with("<$") || tag.back() != '>') return false;
  return std::all_of(tag.begin() + 2, tag.end() - 1, [](char c) { return hexDigit(c) >= 0; });
}

class FormatOneConverter {
 public:
  explicit FormatOneConverter(Colour textColour) : textColour_(textColour) {
    plain_.colour = textColour;
    state_ = plain_;
  }

  std::string convert(std::string_view text);

 private:
  void newParagraph(int alignment = -1, int numbering = 0);
  void writeCharacters(std::string_view characters);
  void handleTag(const Tag& tag);
  void setBit(std::uint8_t bit, bool on) { state_.bits = on ? state_.bits | bit : state_.bits & ~bit; }
  void openFont(const Tag& tag);
  int alignmentOf(const Tag& tag) const;

  Colour textColour_;
  std::string out_;
  CharacterState plain_;
  CharacterState state_;
  CharacterState written_;
  std::vector<CharacterState> fontStack_;
  std::vector<bool> lists_;  // true for a numbered list
  bool centred_ = false;
  int tableDepth_ = 0;
  bool inCell_ = false;
};

void FormatOneConverter::newParagraph(int alignment, int numbering) {
  out_ += inCell_ ? "<Z S1 c" : "<Z S0 c";
  appendColour(out_, textColour_);
  out_ += ' ';
  if (alignment < 0 && centred_) alignment = 2;
  if (alignment > 0) out_ += "A" + std::to_string(alignment) + " ";
  if (numbering != 0) out_ += "N" + std::to_string(numbering) + " ";
  if (!lists_.empty())
    out_ += "l" + std::to_string(listIndentBase + listIndentStep * static_cast<int>(lists_.size())) + " ";
  out_ += '>';
  written_ = plain_;
}

void FormatOneConverter::writeCharacters(std::string_view characters) {
  if (tableDepth_ > 0 && !inCell_) return;
  if (state_ != written_) {
    out_ += "<Y c";
    appendColour(out_, state_.colour);
    out_ += ' ';
    if (!state_.face.empty()) out_ += "F\"" + state_.face + "\" ";
    if (state_.size > 0) out_ += "s" + std::to_string(state_.size) + " ";
    out_ += "y" + std::to_string(state_.bits) + " >";
    written_ = state_;
  }
  out_ += characters;
}

int FormatOneConverter::alignmentOf(const Tag& tag) const {
  const std::string align = upperWindows1252(tag.attribute("ALIGN"));
  if (align == "RIGHT") return 1;
  if (align == "CENTER") return 2;
  if (align == "JUSTIFY") return 3;
  if (align == "LEFT") return 0;
  return -1;
}

void FormatOneConverter::openFont(const Tag& tag) {
  fontStack_.push_back(state_);
  const std::string colour = tag.attribute("COLOR");
  if (!colour.empty()) state_.colour = parseColour(colour[0] == '#' ? std::string_view(colour).substr(1) : colour);
  const std::string size = tag.attribute("SIZE");
  if (!size.empty()) {
    // Wide enough for "+" and the largest number a value can hold.
    std::int64_t step = parseDecimal(size[0] == '+' ? std::string_view(size).substr(1) : size);
    if (size[0] == '+' || size[0] == '-') step += 3;
    state_.size = htmlSizes[static_cast<std::size_t>(std::clamp<std::int64_t>(step, 1, 7) - 1)];
  }
  // The face is written between quotes inside a run tag, so it can hold neither a quote
  // nor an angle bracket.
  std::string face = tag.attribute("FACE");
  std::erase_if(face, [](char c) { return c == '"' || c == '<' || c == '>'; });
  if (!face.empty()) state_.face = face;
}

void FormatOneConverter::handleTag(const Tag& tag) {
  const std::string& name = tag.name;
  if (name == "B" || name == "STRONG" || name == "/B" || name == "/STRONG")
    setBit(fontStyle::bold, name[0] != '/');
  else if (name == "I" || name == "EM" || name == "/I" || name == "/EM")
    setBit(fontStyle::italic, name[0] != '/');
  else if (name == "U" || name == "/U")
    setBit(fontStyle::underline, name[0] != '/');
  else if (name == "TT")
    state_.face = fixedPitchFace;
  else if (name == "/TT")
    state_.face = normalFace;
  else if (name == "FONT")
    openFont(tag);
  else if (name == "/FONT") {
    if (!fontStack_.empty()) {
      state_ = fontStack_.back();
      fontStack_.pop_back();
    }
  } else if (name == "P" || name == "DIV" || (name.size() == 2 && name[0] == 'H' && name[1] >= '1' && name[1] <= '6')) {
    newParagraph(alignmentOf(tag));
  } else if (name == "BR" || name == "/P" || name == "/DIV" || (name.size() == 3 && name[1] == 'H')) {
    newParagraph();
  } else if (name == "CENTER" || name == "/CENTER") {
    centred_ = name[0] != '/';
    newParagraph();
  } else if (name == "UL" || name == "OL") {
    lists_.push_back(name == "OL");
    newParagraph();
  } else if (name == "/UL" || name == "/OL") {
    if (!lists_.empty()) lists_.pop_back();
    newParagraph();
  } else if (name == "LI") {
    newParagraph(-1, lists_.empty() ? 0 : (lists_.back() ? 6 : 10));
  } else if (name == "TABLE") {
    ++tableDepth_;
  } else if (name == "/TABLE") {
    if (tableDepth_ > 0) --tableDepth_;
    inCell_ = false;
  } else if ((name == "TD" || name == "TH") && tableDepth_ > 0) {
    inCell_ = true;
    newParagraph();
  } else if ((name == "/TD" || name == "/TH") && inCell_) {
    out_ += "<T>";
    inCell_ = false;
  }
}

std::string FormatOneConverter::convert(std::string_view text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  out_.reserve(text.size() + 64);
  newParagraph();
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte < 32) {
      ++i;
      continue;
    }
    if (byte != '<') {
      writeCharacters(text.substr(i, 1));
      ++i;
      continue;
    }
    const std::size_t close = text.find('>', i);
    const std::size_t end = close == std::string_view::npos ? text.size() : close + 1;
    const std::string_view whole = text.substr(i, end - i);
    if (isObjectReference(whole) || whole == "<%>") {
      if (tableDepth_ == 0 || inCell_) out_ += whole;
    } else {
      std::string body;
      for (const char character : whole.substr(1, whole.size() - (close == std::string_view::npos ? 1 : 2))) {
        if (static_cast<std::uint8_t>(character) >= 32) body += character;
      }
      handleTag(parseTag(body));
    }
    i = end;
  }
  return out_;
}

}  // namespace

std::string convertFormatOneText(std::string_view text, Colour textColour) {
  return FormatOneConverter(textColour).convert(text);
}

void upgradeTextFormat(TZEBtesto& page) {
  if (page.textFormat() != markupFormat::older) return;
  std::string converted = convertFormatOneText(page.textView(), page.record().u32(field::pageColour1));
  converted += '\0';
  page.setText(converted);
  page.setTextFormat(markupFormat::current);
}

}  // namespace zeb
