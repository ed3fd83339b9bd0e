// Pages rendered by the Qt canvas into images, measured with Qt as on screen. The expected
// image is a coarse map kept as text in renderings/: each 8 x 8 cell of the rendering is
// classified ('.' background, '#' text, 'L' link text, 'H' selection, 'P' picture) and a few
// cells may differ, so that small differences of font rendering do not matter. Pixels whose
// colour follows from the layout alone are checked exactly. BRIGHTFOLD_REWRITE_DUMPS=1
// rewrites the maps after a deliberate change.
#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/qt/qt_text_measurer.h"
#include "tests/text/box_test_support.h"
#include "text/measurement_cache.h"
#include "text/table_cells.h"
#include "view/qt/box_rendering.h"

namespace zeb {
namespace {

using testing::BoxTest;

constexpr int cellSize = 8;

bool near(QRgb pixel, const QColor& colour, int tolerance = 24) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

struct Palette {
  QColor background;
  QColor highlight;
  QColor picture;
};

char classify(const QImage& image, const QRect& cell, const Palette& colours) {
  int picture = 0, highlight = 0, ink = 0, bluish = 0;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    for (int x = cell.left(); x <= cell.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel == colours.picture.rgb()) {
        ++picture;
      } else if (near(pixel, colours.highlight)) {
        ++highlight;
      } else if (!near(pixel, colours.background, 40) && qGray(pixel) < 170) {
        ++ink;
        if (qBlue(pixel) > 120 && qRed(pixel) < 100 && qGreen(pixel) < 100) ++bluish;
      }
    }
  }
  const int area = cell.width() * cell.height();
  if (2 * picture >= area) return 'P';
  if (10 * highlight >= 3 * area) return 'H';
  if (ink >= 3) return 2 * bluish > ink ? 'L' : '#';
  return '.';
}

std::string mapOf(const QImage& image, const Palette& colours) {
  std::string map;
  for (int y = 0; y + cellSize <= image.height(); y += cellSize) {
    for (int x = 0; x + cellSize <= image.width(); x += cellSize)
      map += classify(image, QRect(x, y, cellSize, cellSize), colours);
    map += '\n';
  }
  return map;
}

int differences(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return static_cast<int>(std::max(a.size(), b.size()));
  int count = 0;
  for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i] ? 1 : 0;
  return count;
}

class RenderedPage : public BoxTest {
 protected:
  TZEBbox& showMeasuredWithQt(std::string_view markup, int width) {
    std::string text(markup);
    text.push_back('\0');
    setText(text);
    box = std::make_unique<TZEBbox>(set, qtMeasures);
    box->setHost(&host);
    host.width = width;
    box->setBounds(0, 0, width, 200);
    box->LoadFrom(*page);
    return *box;
  }

  void expectMap(const std::string& name, const std::string& map) {
    const std::filesystem::path path = std::filesystem::path(TEXT_RENDERINGS_DIR) / (name + ".txt");
    const char* rewrite = std::getenv("BRIGHTFOLD_REWRITE_DUMPS");
    if (rewrite != nullptr && std::string(rewrite) == "1") {
      std::ofstream(path, std::ios::binary) << map;
      return;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    // Up to one cell in forty may differ.
    EXPECT_LE(differences(map, expected.str()), static_cast<int>(map.size() / 40)) << "expected\n"
                                                                                   << expected.str() << "rendered\n"
                                                                                   << map;
  }

  QtTextMeasurer qtMeasurer{96};
  MeasurementCache qtMeasures{qtMeasurer};
};

TEST_F(RenderedPage, APageWithListLinkPictureAndSelectionLooksAsExpected) {
  TZEBoggetto& red = pictureObject(40, 24, 0xFF0000);
  const std::string link = localLink("nexo:|2");
  showMeasuredWithQt(tag("A2 ") + "<Y s14 y1 >Brightfold" + tag("N6 I-16 l24 ") + "first item" + tag("N6 I-16 l24 ") +
                         "second item" + tag("") + "A " + link + "link<%> and a picture " +
                         embeddedPicture(red, 40, 24) + " here." + tag("") + "Selected words stay highlighted.",
                     240);
  box->Background().colour = 0xC8FFFF;  // pale yellow
  box->SelectRange(4, 0, 4, 14);
  const QImage image = renderBox(*box, QRect(0, 0, 240, 160));
  const Palette colours{QColor(255, 255, 200), QPalette().color(QPalette::Active, QPalette::Highlight),
                        QColor(255, 0, 0)};

  // Exact: the background, the picture where the layout puts it, the selection's first cell.
  EXPECT_EQ(image.pixel(235, 155), colours.background.rgb());
  const EmbeddedObject& picture = *paragraph(3).Objects.at(0).visual;
  EXPECT_EQ(image.pixel(picture.left + 20, picture.top + 12), colours.picture.rgb());
  EXPECT_EQ(image.pixel(picture.left + 39, picture.top + 23), colours.picture.rgb());
  EXPECT_NE(image.pixel(picture.left + 40, picture.top + 12), colours.picture.rgb());
  const TextPos selected = box->positionOf(4, 0);
  EXPECT_TRUE(near(image.pixel(selected.X, selected.Y + 2), colours.highlight));
  if (const char* keep = std::getenv("BRIGHTFOLD_KEEP_RENDERINGS")) image.save(QString::fromUtf8(keep) + "/page.png");
  expectMap("page", mapOf(image, colours));
}

TEST_F(RenderedPage, BackgroundPicturesTileOnTheGridOfTheirOrigin) {
  // A tile 8 pixels wide: green on its left half, blue on its right.
  TZEBoggetto& tile = zebmake::addObject(set, TOggettiHel::immagine);
  zebmake::BmpPicture bitmap;
  bitmap.width = 8;
  bitmap.height = 8;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) bitmap.pixels.push_back(x < 4 ? 0xFF00FF00u : 0xFF0000FFu);
  }
  auto decoded = std::make_unique<TZEBpicture>();
  decoded->loadFromBytes(zebmake::makeBmp(bitmap), PictureFormat::bitmap);
  tile.record().setI16(field::pictureWidth, 8);
  tile.record().setI16(field::pictureHeight, 8);
  set.imageCache().add(tile, std::move(decoded), 20, set.messages());

  showMeasuredWithQt(tag("") + "x", 64);
  box->Background().picture = &tile;
  const QImage onPage = renderBox(*box, QRect(0, 0, 64, 64));
  EXPECT_EQ(onPage.pixel(1, 60), qRgb(0, 255, 0));
  EXPECT_EQ(onPage.pixel(5, 60), qRgb(0, 0, 255));
  EXPECT_EQ(onPage.pixel(9, 60), qRgb(0, 255, 0));

  // A hosted box 3 pixels into its parent continues the parent's grid, unless the book
  // tiles every box from its own corner.
  TZEBbox hosted(set, qtMeasures, BoxPlacement::hosted);
  hosted.LoadFrom(*page);
  hosted.setLayoutWidth(64);
  hosted.FitHosted(3, 0);
  hosted.Background().picture = &tile;
  set.header().setU8(header::boxBackgroundTiling, 0);
  QImage image = renderBox(hosted, QRect(0, 0, 16, 8));
  EXPECT_EQ(image.pixel(0, 4), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(1, 4), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(5, 4), qRgb(0, 255, 0));
  set.header().setU8(header::boxBackgroundTiling, 1);
  image = renderBox(hosted, QRect(0, 0, 16, 8));
  EXPECT_EQ(image.pixel(3, 4), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(4, 4), qRgb(0, 0, 255));
}

TEST_F(RenderedPage, TableCellsShowTheirColoursInTheGridTheLayoutGaveThem) {
  // Two 50 % columns of a 210-pixel table: a green cell, a see-through one over the table's
  // red, borders 1 pixel wide in the button colours.
  auto table = set.makeObject(TOggettiHel::tabellaHtml);
  table->Release();
  ObjectRecord& record = table->record();
  testing::halveColumns(record);
  record.setU8(field::tableRelativeWidth, 0);
  record.setI16(field::tableWidth, 210);
  record.setU8(field::tableBorderWidth, 1);
  record.setU32(field::tableColour, 0x0000FF);
  const std::vector<std::uint8_t> codes = {0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  table->setPrimaryData(codes);
  record.setI32(field::tableHasPrimary, 1);
  page->addEmbedded(std::move(table), 0);
  showMeasuredWithQt(tag("") + "<$FF000000>" + tag("") + "green<T>" + tag("") + "red<T>", 240);
  const QImage image = renderBox(*box, QRect(0, 0, 240, 120));

  EmbeddedObject& object = *paragraph(0).Objects.at(0).visual;
  const TZEBbox& left = *object.tableCells()->cell(0, 0);
  const TZEBbox& right = *object.tableCells()->cell(0, 1);
  const int top = object.top + left.Top();
  EXPECT_EQ(left.Width(), 102);
  EXPECT_EQ(image.pixel(object.left + 1, object.top + 1), QColor(Qt::red).rgb());  // the spacing
  EXPECT_EQ(image.pixel(object.left + left.Left() + left.Width() - 3, top + left.Height() - 3), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(object.left + right.Left() + right.Width() - 3, top + right.Height() - 3), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(object.left + right.Left(), top + 5),
            QPalette().color(QPalette::Active, QPalette::Dark).rgb());  // the sunken border
}

}  // namespace
}  // namespace zeb
