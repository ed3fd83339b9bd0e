// Face substitutes and the character tables of the two symbol faces.
#include "platform/font_faces.h"

#include <array>

#include "platform/code_pages.h"
#include "platform/text_measurer.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

constexpr std::string_view serif = "Liberation Serif";
constexpr std::string_view sans = "Liberation Sans";
constexpr std::string_view mono = "Liberation Mono";

constexpr std::uint8_t roman = pitchFamily::familyRoman | pitchFamily::variablePitch;
constexpr std::uint8_t swiss = pitchFamily::familySwiss | pitchFamily::variablePitch;
constexpr std::uint8_t modern = pitchFamily::familyModern | pitchFamily::fixedPitch;
constexpr std::uint8_t decorative = pitchFamily::familyDecorative | pitchFamily::variablePitch;

struct KnownFace {
  std::string_view windowsName;
  FaceSubstitute substitute;
};

constexpr std::array<KnownFace, 27> knownFaces = {{
    {"Times New Roman", {serif, FaceEncoding::codePage, roman, true}},
    {"Times", {serif, FaceEncoding::codePage, roman, true}},
    {"Georgia", {serif, FaceEncoding::codePage, roman, true}},
    {"Book Antiqua", {serif, FaceEncoding::codePage, roman, true}},
    {"Palatino Linotype", {serif, FaceEncoding::codePage, roman, true}},
    {"Garamond", {serif, FaceEncoding::codePage, roman, true}},
    {"Century Schoolbook", {serif, FaceEncoding::codePage, roman, true}},
    {"MS Serif", {serif, FaceEncoding::codePage, roman, true}},
    {"Arial", {sans, FaceEncoding::codePage, swiss, true}},
    {"Arial Narrow", {"Liberation Sans Narrow", FaceEncoding::codePage, swiss, true}},
    {"Helvetica", {sans, FaceEncoding::codePage, swiss, true}},
    {"Verdana", {sans, FaceEncoding::codePage, swiss, true}},
    {"Tahoma", {sans, FaceEncoding::codePage, swiss, true}},
    {"Trebuchet MS", {sans, FaceEncoding::codePage, swiss, true}},
    {"Century Gothic", {sans, FaceEncoding::codePage, swiss, true}},
    {"Comic Sans MS", {sans, FaceEncoding::codePage, swiss, true}},
    {"MS Sans Serif", {sans, FaceEncoding::codePage, swiss, true}},
    {"Small Fonts", {sans, FaceEncoding::codePage, swiss, true}},
    {"System", {sans, FaceEncoding::codePage, swiss, true}},
    {"Courier New", {mono, FaceEncoding::codePage, modern, true}},
    {"Courier", {mono, FaceEncoding::codePage, modern, true}},
    {"Lucida Console", {mono, FaceEncoding::codePage, modern, true}},
    {"Consolas", {mono, FaceEncoding::codePage, modern, true}},
    {"Fixedsys", {mono, FaceEncoding::codePage, modern, true}},
    {"Terminal", {mono, FaceEncoding::codePage, modern, true}},
    {"Symbol", {"DejaVu Serif", FaceEncoding::symbol, roman, true}},
    {"Wingdings", {"DejaVu Sans", FaceEncoding::wingdings, decorative, true}},
}};

// The Symbol face from 0x20 to 0xFF; zero marks a byte the face leaves empty.
constexpr std::array<char32_t, 224> symbolCharacters = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212,
    0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D,
    0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
    0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D,
    0x22A5, 0x005F,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D,
    0x223C, 0,
    // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191,
    0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0,
    0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286,
    0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1,
    0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8,
    0x23A9, 0x23AA,
    // 0xF0
    0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD,
    0};

// The Wingdings characters that books use as list bullets and marks; other bytes keep their
// Windows-1252 meaning.
char32_t wingdingsCharacter(std::uint8_t byte) {
  switch (byte) {
    case 'l': return 0x25CF;   // black circle
    case 'n': return 0x25A0;   // black square
    case 'q': return 0x2751;   // shadowed white square
    case 'u': return 0x25C6;   // black diamond
    case 'v': return 0x2756;   // diamond minus white X
    case 'w': return 0x2022;   // the bullet of bulleted paragraphs
    case 0xD8: return 0x27A2;  // arrowhead
    case 0xE0: return 0x2192;  // right arrow
    case 0xFB: return 0x2717;  // ballot X
    case 0xFC: return 0x2713;  // check mark
    default: return unicodeOfWindows1252(byte);
  }
}

}  // namespace

std::span<const std::string_view> scriptFallbackFaces(std::uint16_t codePage, std::uint8_t pitchAndFamily) {
  // Serif, sans serif and fixed-pitch faces of each script, from fonts-noto-core and
  // fonts-dejavu.
  static constexpr std::string_view hebrew[3][2] = {{"Noto Serif Hebrew", "DejaVu Sans"},
                                                    {"Noto Sans Hebrew", "DejaVu Sans"},
                                                    {"DejaVu Sans Mono", "Noto Sans Hebrew"}};
  static constexpr std::string_view arabic[3][2] = {{"Noto Naskh Arabic", "DejaVu Sans"},
                                                    {"Noto Sans Arabic", "DejaVu Sans"},
                                                    {"DejaVu Sans Mono", "Noto Sans Arabic"}};
  static constexpr std::string_view thai[3][2] = {{"Noto Serif Thai", "Noto Sans Thai"},
                                                  {"Noto Sans Thai", "Noto Serif Thai"},
                                                  {"Noto Sans Thai", "Noto Serif Thai"}};
  static constexpr std::string_view vietnamese[3][2] = {
      {"DejaVu Serif", "DejaVu Sans"}, {"DejaVu Sans", "DejaVu Serif"}, {"DejaVu Sans Mono", "DejaVu Sans"}};
  const int family = (pitchAndFamily & 0xF0) == pitchFamily::familySwiss    ? 1
                     : (pitchAndFamily & 0xF0) == pitchFamily::familyModern ? 2
                                                                            : 0;
  switch (codePage) {
    case codePage::hebrew: return hebrew[family];
    case codePage::arabic: return arabic[family];
    case codePage::thai: return thai[family];
    case codePage::vietnamese: return vietnamese[family];
    default: return {};
  }
}

FaceSubstitute substituteFace(std::string_view windowsFace) {
  if (windowsFace.empty()) return knownFaces[0].substitute;
  for (const KnownFace& face : knownFaces) {
    if (equalsIgnoringCase(face.windowsName, windowsFace)) return face.substitute;
  }
  return {windowsFace, FaceEncoding::codePage, pitchFamily::familyDontCare | pitchFamily::defaultPitch, false};
}

char32_t unicodeOfFaceByte(FaceEncoding encoding, std::uint8_t byte, std::uint16_t codePage) {
  switch (encoding) {
    case FaceEncoding::symbol: {
      if (byte < 0x20) return byte;
      const char32_t mapped = symbolCharacters[byte - 0x20u];
      return mapped != 0 ? mapped : unicodeOfWindows1252(byte);
    }
    case FaceEncoding::wingdings: return wingdingsCharacter(byte);
    case FaceEncoding::codePage: break;
  }
  return CodePage::of(codePage).unicodeOf(byte);
}

}  // namespace zeb
