// Fuzzes tables: the input's first byte says how many colour codes follow (four bytes
// each), the next 220 bytes overlay the table's record (grid, column rules, widths, spacing,
// inset, border, colour code), and the rest is the page text after the table's tag: its
// cell texts and whatever follows (up to 16 kilobytes). So that a run stays quick the grid
// keeps at most 12 rows and 56 columns (past the 50 columns the record describes), and a
// grid of more than 32 cells is one row: every cell is a text box laid out at each width,
// and grids of 12 by 56 made the runs more than ten times slower. The table is read, laid
// out at several widths, painted, dumped and searched for points; its cells must lie
// inside it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "platform/headless/recording_canvas.h"
#include "text/box_painting.h"
#include "text/layout_dump.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace {

constexpr std::size_t recordBytes = 220;
constexpr int maxRows = 12;
constexpr int maxColumns = 56;
constexpr int maxCells = 32;
constexpr std::size_t maxText = 16384;

struct Fixture {
  zeb::QuietPlatform platform;
  std::unique_ptr<zeb::TZEBset> set = std::make_unique<zeb::TZEBset>(platform.services());
  zeb::MeasurementCache cache{platform.measurer};
};

void check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  fixture.platform.messages.clear();
  std::size_t at = 0;
  const std::size_t codes = size > 0 ? std::min<std::size_t>(data[0] * 4u, size - 1) : 0;
  at = size > 0 ? 1 : 0;

  auto table = fixture.set->makeObject(zeb::TOggettiHel::tabellaHtml);
  table->Release();
  const std::size_t overlay = std::min(recordBytes, size - std::min(size, at + codes));
  std::memcpy(table->record().bytes().data(), data + at + codes, overlay);
  zeb::ObjectRecord& record = table->record();
  // Each count is its byte modulo the limit plus one, so that small grids are as likely as
  // large ones.
  const int columns = record.u8(zeb::field::tableColumns) % (maxColumns + 1);
  const int rows =
      std::min(record.u8(zeb::field::tableRows) % (maxRows + 1), std::max(1, maxCells / std::max(columns, 1)));
  record.setU8(zeb::field::tableColumns, static_cast<std::uint8_t>(columns));
  record.setU8(zeb::field::tableRows, static_cast<std::uint8_t>(rows));
  if (codes > 0) {
    table->setPrimaryData({data + at, codes});
    table->record().setI32(zeb::field::tableHasPrimary, 1);
  }
  at += codes + overlay;

  zeb::TZEBtesto page;
  page.addEmbedded(std::move(table), 0);
  std::string text = "<Z S0 >a<$FF000000>";
  text.append(reinterpret_cast<const char*>(data + at), std::min(size - at, maxText));
  page.setText(text);

  zeb::TZEBbox box(*fixture.set, fixture.cache);
  box.setBounds(0, 0, 300, 200);
  box.LoadFrom(page);
  for (const int width : {20, 300, 5000}) {
    box.Resize(width, 200);
    for (const auto& object : box.embeddedObjects()) {
      zeb::TableCells* cells = object->tableCells();
      if (cells == nullptr) continue;
      for (const auto& cell : cells->cells()) {
        check(cell->Left() >= 0 && cell->Top() >= 0);
        check(cell->Left() + std::int64_t{cell->Width()} <= cells->width());
        check(cell->Top() + std::int64_t{cell->Height()} <= cells->height());
        (void)zeb::offsetInOutermostBox(*cell);
      }
      (void)zeb::headerSections(cells->description(), cells->geometry());
    }
  }
  zeb::RecordingCanvas canvas({0, 0, 400, 300});
  zeb::paintBox(box, canvas);
  (void)zeb::dumpLayout(box);
  for (int point = 0; point < 8; ++point) (void)zeb::innermostBoxAt(box, point * 37, point * 23);
  return 0;
}
