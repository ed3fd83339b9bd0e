// A container and a working text for the converters' tests, with the fixed metrics of the
// test platform: 96 pixels per inch (15 twips a pixel), and the pitch and family of the
// known faces ("Times New Roman" roman and variable, "Courier New" modern and fixed).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"
#include "export/plain_text_converter.h"
#include "export/rtf_converter.h"
#include "tests/export/rtf_check.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_model.h"

namespace zeb::testing {

// The header of a conversion whose only style is the container's style 0 ("[no style]":
// Times New Roman, 12 points, black, side margins of 10 pixels) and whose body used nothing
// else. The body follows it.
inline constexpr std::string_view plainHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman;}}"
    "{\\colortbl;\\red0\\green0\\blue0;}"
    "{\\stylesheet{\\s1 \\widctlpar \\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 [no "
    "style];}}"
    "\\paperw11905\\paperh16837\\margt1417\\margb1417\\margl1417\\margr1417 ";
// What a paragraph of style 0 opens with, and ends with.
inline constexpr std::string_view plainParagraph =
    "\\pard\\plain \\s1\\f0\\fs24\\cf1\\i0\\b0\\ul0\\strike0\\up0 \\ql\\fi0\\li150\\ri150\\sb0\\sa0 ";
inline constexpr std::string_view paragraphEnd = "\\par \r\n";

class ExportTest : public ::testing::Test {
 protected:
  // The payload without its closing zero byte, which must be its only one.
  static std::string withoutZero(const std::string& payload) {
    EXPECT_FALSE(payload.empty());
    EXPECT_EQ(payload.back(), '\0');
    std::string text = payload.substr(0, payload.empty() ? 0 : payload.size() - 1);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    return text;
  }

  std::string plainOf(std::string_view markup) {
    TZEBtoTxt converter;
    converter.setLinkedZEBset(&set);
    converter.setTextObject(&text);
    return withoutZero(converter.convert(markup));
  }

  // Every RTF the tests make passes the structural check.
  std::string rtfOf(std::string_view markup) {
    TZEBtortf converter;
    converter.setLinkedZEBset(&set);
    converter.setTextObject(&text);
    converter.setHelpSourceMode(helpSource);
    std::string rtf = withoutZero(converter.convert(markup));
    expectSoundRtf(rtf);
    return rtf;
  }

  // The body: what follows the page geometry, without the closing "}".
  std::string bodyOf(std::string_view markup) {
    const std::string rtf = rtfOf(markup);
    const std::size_t geometry = rtf.find("\\margr1417 ");
    if (geometry == std::string::npos || rtf.size() < geometry + 12) return "(no body)";
    return rtf.substr(geometry + 11, rtf.size() - geometry - 12);
  }

  // A live paragraph style object; its index is its number.
  TZEBoggetto& addStyle(std::string_view name) {
    TZEBoggetto& style = zebmake::addObject(set, TOggettiHel::stileParagrafo);
    style.setName(name);
    return style;
  }

  // A live object embedded in the working text, and the tag that names it there.
  struct Embedded {
    TZEBoggetto& object;
    std::string tag;
  };
  Embedded embed(TOggettiHel kind, std::uint8_t subtype = 0) {
    auto object = set.makeObject(kind);
    object->Release();
    object->Activate();
    if (subtype != 0) object->record().setU8(field::state, subtype);
    TZEBoggetto& embedded = *object;
    const std::uint32_t reference = text.addEmbedded(std::move(object), 0);
    char tag[16];
    std::snprintf(tag, sizeof tag, "<$%08x>", reference);
    return {embedded, tag};
  }

  // A table of rows x columns embedded in the working text, with columns of equal percent.
  Embedded embedTable(int rows, int columns) {
    Embedded table = embed(TOggettiHel::tabellaHtml);
    ObjectRecord& record = table.object.record();
    record.setU8(field::tableRows, static_cast<std::uint8_t>(rows));
    record.setU8(field::tableColumns, static_cast<std::uint8_t>(columns));
    for (int c = 0; c < columns && c < 50; ++c) {
      record.setU8(field::tableColumnModes + c, 0);
      record.setI16(field::tableColumnValues + 2 * c, static_cast<std::int16_t>(100 / columns));
    }
    return table;
  }

  TestPlatform platform;
  TZEBset set{platform.services()};
  TZEBtesto text;
  bool helpSource = false;
};

}  // namespace zeb::testing
