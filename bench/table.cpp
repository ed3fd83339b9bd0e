// Laying out a large table: tables of 1,000 and 10,000 rows of 8 columns of short texts
// (four percent columns, three fixed ones and a "*" column) are laid out by the table's
// column rules, every cell a text box as on a page. Prints the median milliseconds of each,
// the cell layouts the rules ran, and the 10,000 / 1,000 time ratio (10 is linear). The row
// count of a stored table is one byte, so the benchmark builds the grid of cells itself and
// runs the same layout a table object runs. A table is laid out when its page opens, with
// little of it in the processor's caches: the caches are flushed before each layout, and the
// two sizes take turns within each run, so that other work on the machine affects them alike.
//
//   build/bench/table [--runs N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "text/measurement_cache.h"
#include "text/table_layout.h"
#include "text/text_box.h"

namespace {

constexpr int columns = 8;
constexpr int tableWidth = 800;
constexpr const char* words[] = {"page", "link", "river", "garden", "window", "table", "golden", "cafe"};

class Grid final : public zeb::TableCellSizer {
 public:
  Grid(zeb::TZEBset& set, zeb::MeasurementCache& measures, zeb::TZEBtesto& text, int rows) {
    cells_.reserve(static_cast<std::size_t>(rows) * columns);
    zeb::ReadBudget budget;
    for (int i = 0; i < rows * columns; ++i) {
      std::string markup = std::string("<Z S0 >") + words[i % 8] + " " + words[(i / 8 + i) % 8];
      if (i % 5 == 0) markup += std::string(" and ") + words[(i / 3) % 8];
      auto cell = std::make_unique<zeb::TZEBbox>(set, measures, zeb::BoxPlacement::hosted);
      cell->setHostInset(2);
      zeb::MarkupStream stream{{reinterpret_cast<const std::uint8_t*>(markup.data()), markup.size()}, 0};
      cell->readParagraphs(stream, zeb::paragraphOrigin::body, &text, budget);
      cells_.push_back(std::move(cell));
    }
  }
  Size layOut(int row, int column, int width) override {
    zeb::TZEBbox& cell = at(row, column);
    cell.setLayoutWidth(width);
    cell.FitHosted(cell.Left(), cell.Top());
    return {cell.Width(), cell.Height()};
  }
  void place(int row, int column, const zeb::CanvasRect& bounds) override {
    at(row, column).setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
  }
  void comingRow(int row, int rowsAhead) override {
    for (int column = 0; column < columns; ++column) at(row, column).prefetchForLayout(rowsAhead);
  }

 private:
  zeb::TZEBbox& at(int row, int column) { return *cells_[static_cast<std::size_t>(row * columns + column)]; }
  std::vector<std::unique_ptr<zeb::TZEBbox>> cells_;
};

zeb::TableDescription tableOf(int rows) {
  zeb::TableDescription table;
  table.rows = rows;
  table.columns = columns;
  table.spacing = 2;
  table.inset = 2;
  table.columnList = {{zeb::ColumnMode::percent, 25}, {zeb::ColumnMode::pixels, 60},  {zeb::ColumnMode::percent, 25},
                      {zeb::ColumnMode::pixels, 90},  {zeb::ColumnMode::percent, 25}, {zeb::ColumnMode::rest, 0},
                      {zeb::ColumnMode::percent, 25}, {zeb::ColumnMode::pixels, 40}};
  return table;
}

// Touches more memory than any processor cache holds.
void flushCaches() {
  static std::vector<unsigned char> junk(64u << 20);
  for (std::size_t i = 0; i < junk.size(); i += 64) ++junk[i];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, 7);

  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  zeb::MeasurementCache measures(platform.measurer);
  zeb::TZEBtesto text;

  const int sizes[2] = {1000, 10000};
  std::vector<std::unique_ptr<Grid>> grids;
  std::vector<zeb::TableDescription> tables;
  for (const int rows : sizes) {
    grids.push_back(std::make_unique<Grid>(set, measures, text, rows));
    tables.push_back(tableOf(rows));
  }
  std::vector<double> times[2];
  zeb::TableGeometry geometry[2];
  for (int run = 0; run < runs; ++run) {
    for (int k = 0; k < 2; ++k) {
      flushCaches();
      const auto start = std::chrono::steady_clock::now();
      geometry[k] =
          zeb::layOutTable(tables[static_cast<std::size_t>(k)], tableWidth, *grids[static_cast<std::size_t>(k)]);
      times[k].push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }
  double seconds[2] = {0, 0};
  for (int k = 0; k < 2; ++k) {
    seconds[k] = zeb::bench::median(times[k]);
    std::printf("table of %d rows x %d columns: %.2f ms, %lld cell layouts, %d x %d pixels\n", sizes[k], columns,
                seconds[k] * 1000, static_cast<long long>(geometry[k].cellLayouts), geometry[k].width,
                geometry[k].height);
  }
  std::printf("10000 / 1000 rows time ratio: %.2f (10 is linear)\n", seconds[1] / seconds[0]);
  std::printf("peak resident memory: %s\n", zeb::bench::megabytes(zeb::bench::peakResidentBytes()).c_str());
  return 0;
}
