// A container, a working text and a text box for the text engine's tests, with the fixed
// metrics of the test platform: at s points a character is s pixels wide, the font 2s high
// with an ascent of 3s/2.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"
#include "tests/support/test_platform.h"
#include "text/measurement_cache.h"
#include "text/style_object.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"

namespace zeb::testing {

// Gives a table record two columns, each a 50 % share of the free width.
inline void halveColumns(ObjectRecord& table) {
  table.setU8(field::tableColumns, 2);
  for (int column = 0; column < 2; ++column) {
    table.setU8(field::tableColumnModes + column, 0);
    table.setI16(field::tableColumnValues + 2 * column, 50);
  }
}

// The tag "<$xxxxxxxx>" that names an object (or a local link) in a text, in lower case.
inline std::string objectTag(std::uint32_t code) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "<$%08x>", code);
  return tag;
}

class TextTest : public ::testing::Test {
 protected:
  TextTest() {
    // Style 2: 10 points (10-pixel characters, 20-pixel lines), no margins.
    TZEBoggetto& style = addStyle(10);
    plainStyle = style.Index();
  }

  // A live style object with zero side margins and the size; its index is its number.
  TZEBoggetto& addStyle(int size) {
    TZEBoggetto& style = zebmake::addObject(set, TOggettiHel::stileParagrafo);
    style.record().setI16(styleField::size, static_cast<std::int16_t>(size));
    style.record().setI16(styleField::leftMargin, 0);
    style.record().setI16(styleField::rightMargin, 0);
    return style;
  }

  // The working text holds exactly these bytes (no zero byte is added).
  void setText(std::string_view bytes) { page->setText(bytes); }

  // Loads the markup (a zero byte is added) into a new box on a page of the width.
  TZEBbox& load(std::string_view markup, int width = 200) {
    std::string text(markup);
    text.push_back('\0');
    setText(text);
    return loadPage(width);
  }
  TZEBbox& loadPage(int width = 200) {
    box = std::make_unique<TZEBbox>(set, measures);
    box->setBounds(0, 0, width, 300);
    box->LoadFrom(*page);
    return *box;
  }
  TZEBparag& paragraph(int index) const { return box->paragraph(index); }
  std::string plainTag() const { return "<Z S" + std::to_string(plainStyle) + " >"; }

  TestPlatform platform;
  TZEBset set{platform.services()};
  MeasurementCache measures{platform.measurer};
  std::unique_ptr<TZEBtesto> page = std::make_unique<TZEBtesto>();
  std::unique_ptr<TZEBbox> box;
  int plainStyle = 0;
};

}  // namespace zeb::testing
