// Tables in a box with fixed metrics: cells laid out by the column rules, their colours and
// borders painted, and the cell boxes reached from the box around (places, points, scrolling,
// repaints, caret moves, the layout dump).
#include "text/table_cells.h"

#include <gtest/gtest.h>

#include "platform/headless/recording_canvas.h"
#include "tests/text/box_test_support.h"
#include "text/box_painting.h"
#include "text/layout_dump.h"
#include "text/nested_boxes.h"

namespace zeb {
namespace {

using Calls = std::vector<std::string>;

// A table of two 50 % columns, 210 pixels wide, spacing 2, inset 2: the free width is 204,
// each cell 102 wide. The cells' one line of text is 20 high, so each cell is 2 + 20 + 2.
class TableInBox : public testing::BoxTest {
 protected:
  TZEBoggetto& addTable(int rows = 1, std::vector<std::uint32_t> colours = {}) {
    auto table = set.makeObject(TOggettiHel::tabellaHtml);
    table->Release();
    ObjectRecord& record = table->record();
    record.setU8(field::tableRows, static_cast<std::uint8_t>(rows));
    testing::halveColumns(record);
    record.setU8(field::tableRelativeWidth, 0);
    record.setI16(field::tableWidth, 210);
    if (!colours.empty()) {
      std::vector<std::uint8_t> data;
      for (const std::uint32_t code : colours)
        for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<std::uint8_t>(code >> shift));
      table->setPrimaryData(data);
      record.setI32(field::tableHasPrimary, 1);
    }
    TZEBoggetto& added = *table;
    page->addEmbedded(std::move(table), 0);
    return added;
  }
  std::string cellsOf(std::initializer_list<std::string_view> texts) const {
    std::string markup = "<$FF000000>";
    for (const std::string_view text : texts) markup += tag("") + std::string(text) + "<T>";
    return markup;
  }
  TableCells& table() const { return *paragraph(0).Objects.at(0).visual->tableCells(); }
};

TEST_F(TableInBox, TwoHalfColumnsOfA210PixelTableGive102PixelCells) {
  addTable();
  show(tag("") + cellsOf({"x", "y"}), 300);
  TableCells& cells = table();
  EXPECT_EQ(cells.width(), 210);
  EXPECT_EQ(cells.height(), 2 + 24 + 2);
  EXPECT_EQ(cells.cell(0, 0)->LayoutWidth(), 102);
  EXPECT_EQ(cells.cell(0, 0)->Width(), 102);
  EXPECT_EQ(cells.cell(0, 1)->Left(), 106);
  EXPECT_EQ(cells.cell(0, 1)->Top(), 2);
  // The table stands on the baseline of its line at the start of the box.
  EXPECT_EQ(objectBounds(cells), (CanvasRect{0, 8, 210, 36}));
  EXPECT_EQ(dumpLayout(*box),
            "box layout=300 content=300 width=300 height=300 vrange=36 hrange=0 capped=0\n"
            "P0 origin=0 top=8 bottom=35 base=20\n"
            "C0,0 left=2 top=10 width=102 height=24\n"
            "C0,1 left=106 top=10 width=102 height=24\n"
            "  L0 first=0 count=1 top=0 height=28 ascent=28 indent=0 align=0 extent=210 |#|\n");
}

TEST_F(TableInBox, ARowTakesItsHighestCellAndTheTableIsLaidOutAgainOnlyForANewWidth) {
  TZEBoggetto& object = addTable(2);
  object.record().setU8(field::tableRelativeWidth, 1);
  object.record().setU8(field::tableWidthPercent, 70);  // 70 % of 300: 210
  show(tag("") + cellsOf({"x", "a b c d e f", "z", "w"}), 300);
  TableCells& cells = table();
  // "a b c d e f" needs two lines of 98 pixels.
  EXPECT_EQ(cells.cell(0, 0)->Height(), 44);
  EXPECT_EQ(cells.cell(1, 0)->Top(), 2 + 44 + 2);
  EXPECT_EQ(cells.height(), 2 + 44 + 2 + 24 + 2);
  const std::int64_t layouts = cells.geometry().cellLayouts;
  cells.fitWidth(300);
  EXPECT_EQ(cells.geometry().cellLayouts, layouts);
  cells.fitWidth(200);  // 140 wide: 67 a cell
  EXPECT_EQ(cells.cell(0, 1)->Width(), 67);
}

TEST_F(TableInBox, CellAndTableColoursAndBordersArePainted) {
  // Red table, a green first cell, a see-through second one, borders 1 pixel wide.
  TZEBoggetto& object = addTable(1, {0x00FF00, 0xFFFFFFFF});
  object.record().setU32(field::tableColour, 0x0000FF);
  object.record().setU8(field::tableBorderWidth, 1);
  show(tag("") + cellsOf({"x", "y"}), 300);
  EXPECT_EQ(table().cell(0, 0)->HostInset(), 3);  // inset 2 and the border
  RecordingCanvas canvas({0, 0, 300, 300}, &platform.measurer);
  paintBox(*box, canvas);
  const Calls fills = canvas.calls("fill");
  // The page, the table and its raised border, the green cell and each cell's sunken border.
  // The cells are 3 + 20 + 3 high, the table 2 + 26 + 2.
  const Calls expected = {"fill 0,0,300,300 #C0C0C0",           "fill 0,8,210,38 #FF0000",
                          "fill 0,8,210,9 buttonHighlight",     "fill 0,8,1,38 buttonHighlight",
                          "fill 0,37,210,38 buttonShadow",      "fill 209,8,210,38 buttonShadow",
                          "fill 2,10,104,36 #00FF00",           "fill 2,10,104,11 buttonShadow",
                          "fill 2,10,3,36 buttonShadow",        "fill 2,35,104,36 buttonHighlight",
                          "fill 103,10,104,36 buttonHighlight", "fill 106,10,208,11 buttonShadow",
                          "fill 106,10,107,36 buttonShadow",    "fill 106,35,208,36 buttonHighlight",
                          "fill 207,10,208,36 buttonHighlight"};
  EXPECT_EQ(fills, expected);
  EXPECT_EQ(canvas.calls("text"), (Calls{"text 5,13 \"x\"", "text 109,13 \"y\""}));
}

TEST_F(TableInBox, TextAfterATableIsDrawnInItsOwnFontWhateverTheCellsUsed) {
  addTable();
  const std::string large = "<Z S" + std::to_string(addStyle(20).Index()) + " >";
  show(tag("") + "a<$FF000000>" + large + "x<T>" + large + "y<T>b", 400);
  RecordingCanvas canvas({0, 0, 400, 300}, &platform.measurer);
  paintBox(*box, canvas);
  Calls drawn;
  for (const std::string& call : canvas.calls())
    if (call.starts_with("font ") || call.starts_with("text ")) drawn.push_back(call);
  ASSERT_GE(drawn.size(), 2u);
  EXPECT_EQ(drawn.back(), "text 220,41 \"b\"");
  EXPECT_EQ(drawn[drawn.size() - 2], "font \"Times New Roman\" 10 style=0 #000000");
}

TEST_F(TableInBox, CellBoxesAreFoundFromTheBoxAroundAndKnowTheirPlaceInIt) {
  addTable(2);
  show(tag("") + "ab" + cellsOf({"x", "y", "z", "w"}), 300);
  TableCells& cells = table();
  // The table follows "ab" (20 pixels) and is 2 + 24 + 2 + 24 + 2 high.
  ASSERT_EQ(objectBounds(cells), (CanvasRect{20, 8, 230, 62}));
  TZEBbox& lower = *cells.cell(1, 1);
  EXPECT_EQ(offsetInOutermostBox(lower), (BoxOffset{20 + 106, 8 + 28}));
  EXPECT_EQ(offsetInOutermostBox(*box), (BoxOffset{0, 0}));

  const BoxPoint inCell = innermostBoxAt(*box, 20 + 110, 8 + 30);
  EXPECT_EQ(inCell.box, &lower);
  EXPECT_EQ(inCell.x, 4);
  EXPECT_EQ(inCell.y, 2);
  // Between cells, and on the text beside the table, the point stays in the box.
  EXPECT_EQ(innermostBoxAt(*box, 20 + 105, 8 + 30).box, box.get());
  EXPECT_EQ(innermostBoxAt(*box, 5, 20).box, box.get());
}

TEST_F(TableInBox, ACellBringsItsAreaIntoViewAndAsksForRepaintsThroughTheBoxAround) {
  std::string markup;
  for (int i = 0; i < 20; ++i) markup += tag("") + "line";
  addTable(2);
  host.height = 100;
  show(markup + tag("") + cellsOf({"x", "y", "z", "w"}), 300);
  // Twenty lines from 8 put the table's paragraph at 408; the lower right cell at 408 + 28.
  TableCells& cells = *box->paragraph(20).Objects.at(0).visual->tableCells();
  TZEBbox& lower = *cells.cell(1, 1);
  lower.SelectRange(0, 0, 0, 1);
  lower.scrollToCaret();
  EXPECT_EQ(host.scrolls, 1);
  // The caret line, 20 high at 2 in the cell, ends at 408 + 28 + 22: shown at the bottom.
  EXPECT_EQ(box->VerticalPosition(), 408 + 28 + 22 - 100);

  surface.invalidated.clear();
  lower.invalidate({0, 0, 10, 10});
  EXPECT_EQ(surface.invalidated, (std::vector<CanvasRect>{{106, 436, 116, 446}}));
}

TEST_F(TableInBox, CaretMovesLeavingACellGoOnInTheNextCellOrAfterTheTable) {
  addTable();
  show(tag("") + "a" + cellsOf({"xy", "z"}) + "b", 300);
  TableCells& cells = table();
  EXPECT_EQ(cells.leaveBox(*cells.cell(0, 0), LeaveDirection::forward), cells.cell(0, 1));
  EXPECT_EQ(cells.cell(0, 1)->Caret().charIndex, 0);
  EXPECT_EQ(cells.leaveBox(*cells.cell(0, 1), LeaveDirection::backward), cells.cell(0, 0));
  EXPECT_EQ(cells.cell(0, 0)->Caret().charIndex, 2);
  EXPECT_EQ(cells.leaveBox(*cells.cell(0, 1), LeaveDirection::forward), box.get());
  EXPECT_EQ(box->Caret().charIndex, 2);  // after the table, before "b"
  EXPECT_EQ(cells.leaveBox(*cells.cell(0, 0), LeaveDirection::backward), box.get());
  EXPECT_EQ(box->Caret().charIndex, 1);
}

TEST_F(TableInBox, ACharacterMoveOntoATableEntersItsFirstOrLastCellAndTheKeysFollow) {
  addTable();
  show(tag("") + "a" + cellsOf({"xy", "z"}) + "b", 300);
  TableCells& cells = table();
  box->setReadOnly(false);
  box->setAnimated(false);
  for (const auto& cell : cells.cells()) {
    cell->setReadOnly(false);
    cell->setAnimated(false);
  }
  box->moveCaret(box->positionOf(0, 1));  // before the table
  EXPECT_TRUE(box->keyDown({Key::right, 0}));
  EXPECT_EQ(box->takeCaretHandover(), cells.cell(0, 0));
  EXPECT_EQ(box->takeCaretHandover(), nullptr);  // told once
  EXPECT_EQ(cells.cell(0, 0)->Caret().charIndex, 0);
  // Moving on past the cell's end hands the caret to the next cell.
  cells.cell(0, 0)->keyDown({Key::right, 0});
  cells.cell(0, 0)->keyDown({Key::right, 0});
  cells.cell(0, 0)->keyDown({Key::right, 0});
  EXPECT_EQ(cells.cell(0, 0)->takeCaretHandover(), cells.cell(0, 1));
  // From after the table, a move left enters the last cell at its end.
  box->moveCaret(box->positionOf(0, 2));
  box->keyDown({Key::left, 0});
  EXPECT_EQ(box->takeCaretHandover(), cells.cell(0, 1));
  EXPECT_EQ(cells.cell(0, 1)->Caret().charIndex, 1);
  // Extending a selection passes over the table.
  box->moveCaret(box->positionOf(0, 1));
  box->keyDown({Key::right, modifier::shift});
  EXPECT_EQ(box->takeCaretHandover(), nullptr);
  EXPECT_EQ(box->Caret().charIndex, 2);
}

}  // namespace
}  // namespace zeb
