// The book's stylesheet.
#include "export/book/css_stylesheet.h"

#include <cstdio>

#include "document/container.h"
#include "export/book/xml_text.h"
#include "platform/font_faces.h"
#include "platform/text_measurer.h"
#include "platform/windows1252.h"
#include "text/effective_font.h"
#include "text/paragraph_style.h"
#include "text/style_object.h"

namespace zeb {
namespace {

// What every document of the book takes from the stylesheet before the styles.
constexpr std::string_view commonRules =
    "body { margin: 0; padding: 0; }\n"
    "p { margin: 0; counter-reset: list-item; }\n"
    "p:empty::before { content: \"\\a0\"; }\n"
    "table { border-collapse: separate; }\n"
    "td { vertical-align: top; }\n"
    "img { border: 0; vertical-align: bottom; }\n"
    "section.frame { border-bottom: 1px solid #c0c0c0; }\n"
    "a.inactive { color: inherit; text-decoration: none; }\n";

std::string pixels(std::int64_t value) { return std::to_string(value) + "px"; }

std::string_view genericFamily(const FaceSubstitute& substitute) {
  switch (substitute.pitchAndFamily & 0xF0) {
    case pitchFamily::familySwiss: return "sans-serif";
    case pitchFamily::familyModern: return "monospace";
    case pitchFamily::familyScript: return "cursive";
    case pitchFamily::familyDecorative: return "fantasy";
    default: break;
  }
  return (substitute.pitchAndFamily & 0x0F) == pitchFamily::fixedPitch ? "monospace" : "serif";
}

std::string quotedFace(std::string_view face) {
  std::string out = "'";
  for (const char c : face) {
    if (c != '\'' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) out.push_back(c);
  }
  return out + "'";
}

std::string_view decoration(std::uint8_t style) {
  const bool underline = (style & fontStyle::underline) != 0;
  const bool strike = (style & fontStyle::strikeOut) != 0;
  if (underline && strike) return "underline line-through";
  if (underline) return "underline";
  if (strike) return "line-through";
  return "none";
}

std::string_view verticalAlign(std::uint8_t position) {
  switch (position) {
    case fontPosition::subscript: return "sub";
    case fontPosition::superscript: return "super";
    default: return "baseline";
  }
}

std::string_view textAlign(std::uint8_t value) {
  switch (value) {
    case alignment::right: return "right";
    case alignment::centred: return "center";
    case alignment::justified: return "justify";
    default: return "left";
  }
}

void appendDeclarations(std::string& out, const CssDeclarations& declarations, const CssDeclarations* base) {
  for (std::size_t i = 0; i < declarations.size(); ++i) {
    const CssDeclaration& declaration = declarations[i];
    if (declaration.value.empty()) continue;
    if (base != nullptr && i < base->size() && (*base)[i] == declaration) continue;
    if (!out.empty()) out += ' ';
    out += declaration.property;
    out += ": ";
    out += declaration.value;
    out += ';';
  }
}

// A style's name as a comment: UTF-8, and nothing that would end the comment.
std::string nameComment(const TZEBoggetto* style) {
  if (style == nullptr) return {};
  std::string name = windows1252ToUtf8(style->Name());
  std::string safe;
  for (const char c : name) {
    if (c == '*' || c == '/' || static_cast<unsigned char>(c) < 0x20) continue;
    safe.push_back(c);
  }
  return safe.empty() ? std::string() : "/* " + safe + " */\n";
}

}  // namespace

std::string cssColour(Colour colour) {
  if ((colour & 0x80000000u) != 0) return {};
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return text;
}

std::string cssFontFamily(std::string_view face) {
  const std::string utf8 = windows1252ToUtf8(face);
  const FaceSubstitute substitute = substituteFace(face);
  std::string out;
  if (substitute.known) out = quotedFace(substitute.family) + ", ";
  if (!utf8.empty() && (!substitute.known || utf8 != substitute.family)) out += quotedFace(utf8) + ", ";
  out += genericFamily(substitute);
  return out;
}

CssDeclarations fontDeclarations(const TMyFont& font) {
  return {
      {"font-family", cssFontFamily(font.Name)},
      {"font-size", std::to_string(font.Size) + "pt"},
      {"font-weight", (font.Style & fontStyle::bold) != 0 ? "bold" : "normal"},
      {"font-style", (font.Style & fontStyle::italic) != 0 ? "italic" : "normal"},
      {"text-decoration", std::string(decoration(font.Style))},
      {"color", cssColour(font.Color)},
      {"vertical-align", std::string(verticalAlign(font.Position))},
  };
}

CssDeclarations paragraphDeclarations(const TZEBParaStyle& style) {
  CssDeclarations declarations = fontDeclarations(runFont(style, nullptr));
  const std::uint8_t list = style.Numbering();
  const bool listed = list == numbering::numbered || list == numbering::bulleted;
  declarations.insert(declarations.end(),
                      {
                          {"text-align", std::string(textAlign(style.Alignment()))},
                          {"margin-top", pixels(style.TopMargin())},
                          {"margin-right", pixels(style.RightMargin())},
                          {"margin-bottom", pixels(style.BottomMargin())},
                          {"margin-left", pixels(style.LeftMargin())},
                          {"text-indent", pixels(style.FirstLineIndent())},
                          {"line-height", style.LineHeight() > 0 ? pixels(style.LineHeight()) : std::string("normal")},
                          {"display", listed ? "list-item" : "block"},
                          {"list-style-type", list == numbering::numbered   ? "decimal"
                                              : list == numbering::bulleted ? "disc"
                                                                            : "none"},
                          {"counter-reset", listed ? "none" : "list-item"},
                      });
  return declarations;
}

CssDeclarations linkDeclarations(const TZEBParaStyle& style) {
  const TMyFont plain = runFont(style, nullptr);
  TMyFont linked = plain;
  applyLinkLook(linked, style);
  CssDeclarations declarations = fontDeclarations(linked);
  const CssDeclarations base = fontDeclarations(plain);
  // Links are underlined by readers unless told otherwise, so their decoration always counts.
  for (std::size_t i = 0; i < declarations.size(); ++i) {
    if (declarations[i].property != "text-decoration" && declarations[i] == base[i]) declarations[i].value.clear();
  }
  return declarations;
}

std::string declarationText(const CssDeclarations& declarations) {
  std::string out;
  appendDeclarations(out, declarations, nullptr);
  return out;
}

std::string differingDeclarations(const CssDeclarations& declarations, const CssDeclarations& base) {
  std::string out;
  appendDeclarations(out, declarations, &base);
  return out;
}

std::string styleClassName(std::int64_t number) { return "s" + std::to_string(number); }

std::string styleRules(const TZEBoggetto* style, std::int64_t number) {
  TZEBParaStyle paragraph;
  paragraph.setBaseStyle(const_cast<TZEBoggetto*>(style));
  const std::string name = styleClassName(number);
  std::string out = nameComment(style);
  out += "." + name + " { " + declarationText(paragraphDeclarations(paragraph)) + " }\n";
  const std::string link = declarationText(linkDeclarations(paragraph));
  if (!link.empty()) out += "." + name + " a { " + link + " }\n";
  return out;
}

std::string bookStylesheet(const TZEBset& set) {
  std::string out(commonRules);
  bool any = false;
  const auto slots = static_cast<std::int32_t>(set.slotCount(TOggettiHel::stileParagrafo));
  for (std::int32_t number = 0; number < slots; ++number) {
    const TZEBoggetto* style = set.slot(TOggettiHel::stileParagrafo, number);
    if (style == nullptr || style->isReleased()) continue;
    out += styleRules(style, number);
    any = true;
  }
  if (!any) out += styleRules(nullptr, 0);
  return out;
}

}  // namespace zeb
