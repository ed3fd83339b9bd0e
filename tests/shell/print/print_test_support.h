// A book and a recording printer for the printing tests. The printer's paper is 254 by 127
// millimetres at 96 dots per inch, so a screen pixel prints as one printer pixel and a
// 25.4 mm margin is 96 pixels: the printable area is 768 by 288 pixels from (96, 96). Text
// has fixed metrics: at 10 points a character is 10 pixels wide on a 20-pixel line, its
// top 15 pixels above the baseline.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/recording_printer.h"
#include "shell/print/page_printer.h"
#include "tests/support/picture_objects.h"
#include "tests/support/test_platform.h"
#include "text/style_object.h"
#include "tools/zebmake/book_model.h"

namespace zeb::testing {

class PrintTest : public ::testing::Test {
 protected:
  static constexpr int inchMargin = 2540;  // hundredths of a millimetre

  PrintTest() {
    TZEBoggetto& style = zebmake::addObject(set, TOggettiHel::stileParagrafo);
    style.record().setI16(styleField::size, 10);
    style.record().setI16(styleField::leftMargin, 0);
    style.record().setI16(styleField::rightMargin, 0);
    plainStyle = style.Index();
    setup.leftMargin = setup.topMargin = setup.rightMargin = setup.bottomMargin = inchMargin;
  }

  // A paragraph tag of the plain style with the attributes ("A2 l20 ").
  std::string paragraph(std::string_view attributes = "") const {
    return "<Z S" + std::to_string(plainStyle) + " " + std::string(attributes) + ">";
  }
  TZEBtesto& addPage(std::string_view text, std::string_view name = "page") {
    return zebmake::addPage(set, name, text);
  }
  static std::string idTag(std::uint32_t id) {
    char tag[16];
    std::snprintf(tag, sizeof tag, "<$%08X>", id);
    return tag;
  }

  // A picture object of the size, one colour, decoded in the cache.
  TZEBoggetto& pictureObject(int width, int height, std::uint32_t rgb = 0x336699) {
    return addDecodedPicture(set, width, height, rgb);
  }
  // A placement showing the picture at the size; its tag.
  std::string placementTag(const TZEBoggetto& picture, int width, int height) {
    TZEBoggetto& placement = zebmake::addObject(set, TOggettiHel::immagineNew);
    placement.record().setI32(field::placementPicture, picture.Index());
    for (int offset : {field::placementDisplayWidth, field::placementNaturalWidth})
      placement.record().setI16(offset, static_cast<std::int16_t>(width));
    for (int offset : {field::placementDisplayHeight, field::placementNaturalHeight})
      placement.record().setI16(offset, static_cast<std::int16_t>(height));
    return idTag(placement.ID());
  }

  // Prints the page with the options on the printer.
  void print(TZEBtesto& page, const PrintOptions& options = {}) {
    TZEBpageP pagePrinter(set, printer);
    pagePrinter.setOptions(options);
    pagePrinter.PrintPage(&page, &setup);
  }
  std::vector<std::string> sheetCalls(std::size_t sheet, std::string_view word) const {
    return printer.sheets().at(sheet)->calls(word);
  }

  TestPlatform platform;
  TZEBset set{platform.services()};
  RecordingPrinter printer{96, 254, 127};
  PageSetup setup;
  int plainStyle = 0;
};

}  // namespace zeb::testing
