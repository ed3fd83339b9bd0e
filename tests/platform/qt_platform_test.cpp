// The Qt canvas, clipboard and event queue under the offscreen platform.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QRawFont>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_queue.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_shaped_text.h"
#include "platform/qt/qt_text_measurer.h"
#include "platform/system_colours.h"

namespace zeb {
namespace {

QImage blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Pixels of the area darker than mid grey.
int inkIn(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  return count;
}

TEST(QtCanvas, FillsClipsTranslatesAndDrawsPictures) {
  QImage image = blank(40, 30);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, QRect(0, 0, 30, 30), 96);
    canvas.fillRect({0, 0, 40, 30}, 0x0000FF);  // red, clipped at x 30
    CanvasState state(canvas);
    canvas.translate(5, 5);
    canvas.intersectClip({0, 0, 10, 10});
    EXPECT_EQ(canvas.clipRect(), (CanvasRect{0, 0, 10, 10}));
    const std::uint8_t pixels[] = {0, 255, 0, 255, 0, 0, 255, 255};  // green, blue
    canvas.drawPicture({0, 0, 10, 10}, {2, 1, pixels});
  }
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(35, 2), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(12, 12), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(16, 16), qRgb(255, 0, 0));  // outside the narrowed clip
}

TEST(QtCanvas, TextSitsOnItsMeasuredBaselineAndMeasuresLikeTheMeasurer) {
  QtTextMeasurer measurer(96);
  const TMyFont font{"Arial", 0, 0x000000, 20, 0};
  const FontMetrics metrics = measurer.metrics(font);
  QImage image = blank(200, 60);
  QPainter painter(&image);
  QtCanvas canvas(painter, image.rect(), 96);
  canvas.setFont(font);
  EXPECT_EQ(canvas.textWidth("Hello"), measurer.extent(font, "Hello"));
  canvas.setTextBackground(TextBackground::solid, 0x00FF00);
  canvas.textOut(10, 10, "Hello");
  painter.end();
  // Ink lies between the cell's top and the baseline; the solid background spans the advance.
  EXPECT_GT(inkIn(image, QRect(10, 10, canvas.textWidth("Hello"), metrics.ascent)), 20);
  EXPECT_EQ(inkIn(image, QRect(0, 0, 200, 9)), 0);
  EXPECT_EQ(image.pixel(10 + measurer.extent(font, "Hello") - 1, 10 + metrics.height - 1), qRgb(0, 255, 0));
}

TEST(QtCanvas, EveryFontChangeTakesEffectAndOutlastsARestore) {
  QtTextMeasurer measurer(96);
  const TMyFont black{"Arial", 0, 0x000000, 8, 0};
  const TMyFont red{"Arial", 0, 0x0000FF, 8, 0};
  const TMyFont bold{"Arial", fontStyle::bold, 0x0000FF, 8, 0};
  const TMyFont big{"Arial", 0, 0x000000, 30, 0};
  const TMyFont symbol{"Symbol", 0, 0x000000, 30, 0};
  const TMyFont greenSymbol{"Symbol", 0, 0x00FF00, 30, 0};
  QImage image = blank(200, 60);
  QPainter painter(&image);
  QtCanvas canvas(painter, image.rect(), 96);

  canvas.setFont(black);
  canvas.setFont(red);
  EXPECT_EQ(canvas.textWidth("Hello"), measurer.extent(red, "Hello"));
  canvas.textOut(0, 0, "HHHH");
  canvas.setFont(bold);
  EXPECT_EQ(canvas.textWidth("Hello"), measurer.extent(bold, "Hello"));
  EXPECT_NE(measurer.extent(bold, "Hello"), measurer.extent(red, "Hello"));
  canvas.setFont(symbol);
  canvas.setFont(greenSymbol);
  EXPECT_EQ(canvas.textWidth("abg"), measurer.extent(symbol, "abg"));
  canvas.setFont(big);
  EXPECT_EQ(canvas.textWidth("abg"), measurer.extent(big, "abg"));
  {
    CanvasState state(canvas);
    canvas.setFont(black);
  }
  EXPECT_EQ(canvas.textWidth("abg"), measurer.extent(black, "abg"));
  canvas.textOut(100, 30, "H");
  painter.end();

  int redPixels = 0;
  for (int x = 0; x < 40; ++x) {
    for (int y = 0; y < 12; ++y) {
      const QRgb pixel = image.pixel(x, y);
      redPixels += qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80 ? 1 : 0;
    }
  }
  EXPECT_GT(redPixels, 8);
  // The letter after the restore is drawn in the 8-point font chosen last, not in the 30-point
  // one of the painter's restored state, which would reach high above its cap height.
  EXPECT_GT(inkIn(image, QRect(100, 30, 20, 12)), 5);
  EXPECT_EQ(inkIn(image, QRect(100, 14, 40, 14)), 0);
}

// The canvas draws text from glyphs it shaped once and kept; they must give exactly the
// pixels and the widths that shaping the text afresh gives, whatever the font.
TEST(QtCanvas, KeptGlyphsDrawAndMeasureAsQtDoesAfresh) {
  const std::vector<TMyFont> fonts = {{"Times New Roman", 0, 0x000000, 12, 0},
                                      {"Arial", fontStyle::bold | fontStyle::italic, 0x0000FF, 15, 0},
                                      {"Times New Roman", fontStyle::underline, 0xFF0000, 11, 0},
                                      {"Courier New", fontStyle::strikeOut, 0x000000, 10, 0},
                                      {"Symbol", 0, 0x000000, 14, 0},
                                      {"Wingdings", 0, 0x000000, 14, 0}};
  const std::string texts[] = {"office", "Wave,", "caf\xE9!", "AVATAR", "abg", "Jw", " ", "x y"};
  for (const TMyFont& font : fonts) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(font.Name + " " + std::to_string(font.Style) + " \"" + text + "\"");
      QImage kept = blank(160, 40);
      QImage afresh = blank(160, 40);
      const QFont qtFont = qtFontFor(font, 96);
      for (int round = 0; round < 2; ++round) {  // the second round draws what the first kept
        kept.fill(Qt::white);
        QPainter painter(&kept);
        QtCanvas canvas(painter, kept.rect(), 96);
        canvas.setFont(font);
        canvas.textOut(7, 5, text);
        EXPECT_EQ(canvas.textWidth(text), QFontMetrics(qtFont).horizontalAdvance(qtTextFor(font, text)));
      }
      {
        QPainter painter(&afresh);
        painter.setFont(qtFont);
        painter.setPen(QtCanvas(painter, afresh.rect(), 96).colourOf(font.Color));
        painter.drawText(QPoint(7, 5 + QFontMetrics(qtFont).ascent()), qtTextFor(font, text));
      }
      EXPECT_TRUE(kept == afresh);
    }
  }
  ShapedTextCache::ofThisThread().clear();
}

// Hebrew goes to Qt's text engine in stored order and comes back shaped right to left, in a
// face of its script: the first letter of a word stands right of its last.
TEST(QtCanvas, HebrewWordsAreShapedRightToLeft) {
  TMyFont font{"Times New Roman", 0, 0x000000, 12, 0};
  font.CodePage = 1255;
  ShapedTextCache& cache = ShapedTextCache::ofThisThread();
  const ShapedText shaped = cache.shape(cache.font(font, 96), "\xF9\xEC\xE5\xED");  // shin lamed vav final mem
  auto xOf = [&](const char* letter) {
    for (const QGlyphRun& run : shaped.glyphs) {
      const QList<quint32> wanted = run.rawFont().glyphIndexesForString(QString::fromUtf8(letter));
      const qsizetype at = wanted.isEmpty() ? -1 : run.glyphIndexes().indexOf(wanted.front());
      if (wanted.front() != 0 && at >= 0) return run.positions()[at].x();
    }
    return qreal(-1);
  };
  const qreal first = xOf("ש");
  const qreal last = xOf("ם");
  EXPECT_GE(last, 0);
  EXPECT_GT(first, last);
  EXPECT_LT(first, shaped.width);
  cache.clear();
}

TEST(QtCanvas, SystemColoursComeFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
  QImage image = blank(4, 4);
  QPainter painter(&image);
  QtCanvas canvas(painter, image.rect(), 96, palette);
  EXPECT_EQ(canvas.colourOf(systemColour::highlight), QColor(1, 2, 3));
  EXPECT_EQ(canvas.colourOf(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST(QtClipboard, NamedFormatsTravelAsMimeTypesBesideRtfTextAndPicture) {
  EXPECT_EQ(mimeTypeOfFormat("Nexo30 objects"), QStringLiteral("application/x-nexo30-objects"));
  QtClipboard clipboard;
  clipboard.clear();
  const std::uint8_t stream[] = {1, 0, 0, 0, 0};
  clipboard.setFormat(objectsFormat, stream);
  const std::string rtf = "{\\rtf1 x}";
  clipboard.setRtf({reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()});
  clipboard.setPlainText("\xcf\xf0\xe8", 1251);
  RgbaImage picture{1, 1, {10, 20, 30, 255}};
  clipboard.setPicture(picture);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->data(QStringLiteral("application/x-nexo30-objects")), QByteArray("\x01\0\0\0\0", 5));
  EXPECT_EQ(data->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 x}"));
  EXPECT_EQ(data->text(), QString::fromUtf8("При"));  // in the code page given
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).pixel(0, 0), qRgb(10, 20, 30));
}

TEST(QtEventQueue, PostedWorkRunsLaterOnTheEventLoopAndTimersFire) {
  QtEventQueue queue;
  int ran = 0;
  queue.post([&] { ++ran; });
  EXPECT_EQ(ran, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(ran, 1);

  int fired = 0;
  auto timer = queue.createTimer();
  timer->start(5, TimerMode::singleShot, [&] { ++fired; });
  QElapsedTimer clock;
  clock.start();
  while (fired == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(timer->active());
}

}  // namespace
}  // namespace zeb
