// The page as HTML.
#include "bench/qt_document_page.h"

#include "platform/font_faces.h"
#include "platform/qt/qt_fonts.h"
#include "platform/system_colours.h"
#include "text/effective_font.h"
#include "text/paragraph.h"
#include "text/style_object.h"
#include "text/text_box.h"

namespace zeb::bench {
namespace {

QString styleOf(const TMyFont& font, int pixelsPerInch) {
  const FaceSubstitute face = substituteFace(font.Name);
  const Colour rgb = classicRgbOf(font.Color);
  QString style = QStringLiteral("font-family:'%1'; font-size:%2px; color:#%3%4%5;")
                      .arg(QString::fromUtf8(face.family.data(), static_cast<qsizetype>(face.family.size())))
                      .arg(pixelSizeOfPoints(font.Size, pixelsPerInch))
                      .arg(redOf(rgb), 2, 16, QLatin1Char('0'))
                      .arg(greenOf(rgb), 2, 16, QLatin1Char('0'))
                      .arg(blueOf(rgb), 2, 16, QLatin1Char('0'));
  if ((font.Style & fontStyle::bold) != 0) style += QStringLiteral(" font-weight:bold;");
  if ((font.Style & fontStyle::italic) != 0) style += QStringLiteral(" font-style:italic;");
  const bool underline = (font.Style & fontStyle::underline) != 0;
  const bool strikeOut = (font.Style & fontStyle::strikeOut) != 0;
  if (underline || strikeOut) {
    style += QStringLiteral(" text-decoration:");
    if (underline) style += QStringLiteral(" underline");
    if (strikeOut) style += QStringLiteral(" line-through");
    style += QLatin1Char(';');
  }
  return style;
}

const char* alignmentOf(std::uint8_t value) {
  switch (value) {
    case alignment::right: return "right";
    case alignment::centred: return "center";
    case alignment::justified: return "justify";
    default: return "left";
  }
}

}  // namespace

QString pageHtml(const TZEBbox& box, int pixelsPerInch) {
  QString html = QStringLiteral("<html><body>");
  for (int p = 0; p < box.paragraphCount(); ++p) {
    const TZEBparag& paragraph = box.paragraph(p);
    const TZEBParaStyle& style = paragraph.Style;
    html += QStringLiteral("<p style=\"margin-top:%1px; margin-bottom:%2px; margin-left:%3px; margin-right:%4px; "
                           "text-indent:%5px; text-align:%6;\">")
                .arg(style.TopMargin())
                .arg(style.BottomMargin())
                .arg(style.LeftMargin())
                .arg(style.RightMargin())
                .arg(style.FirstLineIndent())
                .arg(QLatin1String(alignmentOf(style.Alignment())));
    int start = 0;
    while (start < paragraph.length()) {
      const TMyFont font = effectiveFont(paragraph, start);
      int end = start + 1;
      while (end < paragraph.length() && effectiveFont(paragraph, end) == font) ++end;
      std::string text;
      for (int i = start; i < end; ++i) {
        if (paragraph.Cells[static_cast<std::size_t>(i)].ObjectIndex < 0) text += paragraph.Text[static_cast<std::size_t>(i)];
      }
      html += QStringLiteral("<span style=\"") + styleOf(font, pixelsPerInch) + QStringLiteral("\">") +
              qtTextFor(font, text).toHtmlEscaped() + QStringLiteral("</span>");
      start = end;
    }
    html += QStringLiteral("</p>");
  }
  html += QStringLiteral("</body></html>");
  return html;
}

}  // namespace zeb::bench
