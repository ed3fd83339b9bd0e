// The looks of the controls, drawn with rectangles, text and pictures.
#include "view/visual_painting.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "document/container.h"
#include "document/image_cache.h"
#include "platform/code_pages.h"
#include "platform/system_colours.h"
#include "text/text_box.h"
#include "view/marker_icons.h"
#include "view/marker_rules.h"
#include "view/page_view.h"
#include "view/visual_object.h"

namespace zeb {
namespace {

constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour blue = 0xFF0000;  // colours keep red in the low byte
// Text inside a field starts this far from its left edge.
constexpr int fieldTextInset = 4;
using controlSize::checkBoxSide;
using controlSize::checkCaptionOffset;
constexpr int markerCaptionLeft = 18;
constexpr int markerCaptionSize = 8;

// The two-pixel frame of a standard control: sunken (fields) or raised (buttons).
void bevel(Canvas& canvas, const CanvasRect& r, bool sunken) {
  if (r.width() < 4 || r.height() < 4) return;
  const Colour outerLight = sunken ? systemColour::buttonShadow : systemColour::buttonHighlight;
  const Colour outerDark = sunken ? systemColour::buttonHighlight : black;
  const Colour innerLight = sunken ? black : systemColour::buttonFace;
  const Colour innerDark = sunken ? systemColour::buttonFace : systemColour::buttonShadow;
  auto edge = [&](const CanvasRect& a, Colour light, Colour dark) {
    canvas.fillRect({a.left, a.top, a.right, a.top + 1}, light);
    canvas.fillRect({a.left, a.top, a.left + 1, a.bottom}, light);
    canvas.fillRect({a.left, a.bottom - 1, a.right, a.bottom}, dark);
    canvas.fillRect({a.right - 1, a.top, a.right, a.bottom}, dark);
  };
  edge(r, outerLight, outerDark);
  edge({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, innerLight, innerDark);
}

// The sunken circle of a radio button, row by row: the outer ring in the shadow colour at
// the top left and lit at the bottom right, the inner ring black and face-coloured the same
// way, and the inside ("w"), white unless the button is pressed.
constexpr std::array<std::string_view, 12> radioCircle = {
    "....dddd....", "..ddkkkkdd..", ".dkkwwwwklh.", ".dkwwwwwwlh.", "dkwwwwwwwwlh", "dkwwwwwwwwlh",
    "dkwwwwwwwwlh", "dkwwwwwwwwlh", ".dkwwwwwwlh.", ".dllwwwwllh.", "..hhllllhh..", "....hhhh....",
};
static_assert(radioCircle.size() == checkBoxSide);
// The dot of a checked radio button, in the middle of the circle: its rows' first and last
// columns.
constexpr std::array<std::pair<int, int>, 4> radioDot = {{{5, 6}, {4, 7}, {4, 7}, {5, 6}}};
constexpr int radioDotTop = 4;

Colour radioColour(char code, bool pressed) {
  switch (code) {
    case 'd': return systemColour::buttonShadow;
    case 'h': return systemColour::buttonHighlight;
    case 'k': return black;
    case 'l': return systemColour::buttonFace;
    default: return pressed ? systemColour::buttonFace : white;
  }
}

void paintRadioCircle(Canvas& canvas, const CanvasRect& box, bool checked, bool pressed) {
  for (int y = 0; y < checkBoxSide; ++y) {
    const std::string_view row = radioCircle[static_cast<std::size_t>(y)];
    for (int x = 0; x < checkBoxSide;) {
      int end = x + 1;
      while (end < checkBoxSide && row[static_cast<std::size_t>(end)] == row[static_cast<std::size_t>(x)]) ++end;
      if (row[static_cast<std::size_t>(x)] != '.')
        canvas.fillRect({box.left + x, box.top + y, box.left + end, box.top + y + 1},
                        radioColour(row[static_cast<std::size_t>(x)], pressed));
      x = end;
    }
  }
  if (!checked) return;
  for (int i = 0; i < static_cast<int>(radioDot.size()); ++i) {
    const auto [first, last] = radioDot[static_cast<std::size_t>(i)];
    const int y = box.top + radioDotTop + i;
    canvas.fillRect({box.left + first, y, box.left + last + 1, y + 1}, black);
  }
}

int textWidth(Canvas& canvas, std::string_view text, const ControlMetrics& metrics) {
  if (canvas.measuresText()) return canvas.textWidth(text);
  return metrics.averageCharWidth * static_cast<int>(text.size());
}

// The code page of a control's texts: the book's.
std::uint16_t codePageOf(const TZEBoggetto& object) {
  return object.Container() != nullptr ? object.Container()->codePage() : codePage::windows1252;
}

void write(Canvas& canvas, int x, int y, std::string_view text, std::uint16_t codePage,
           Colour colour = systemColour::windowText) {
  TMyFont font = controlFont(colour);
  font.CodePage = codePage;
  canvas.setFont(font);
  canvas.setTextBackground(TextBackground::clear, 0);
  canvas.textOut(x, y, text);
}

// A white field in a sunken frame; the area inside the frame.
CanvasRect sunkenField(Canvas& canvas, const CanvasRect& area) {
  canvas.fillRect(area, systemColour::window);
  bevel(canvas, area, true);
  return {area.left + 2, area.top + 2, area.right - 2, area.bottom - 2};
}

// Draws the named icon at the area's top-left corner; false when there is no such icon.
bool drawIcon(Canvas& canvas, const CanvasRect& area, std::string_view name) {
  const RgbaImage* icon = markerIcon(name);
  if (icon == nullptr) return false;
  canvas.drawPicture({area.left, area.top, area.left + icon->width, area.top + icon->height},
                     {icon->width, icon->height, icon->pixels.data()});
  return true;
}

void paintPictureOf(const TZEBoggetto& object, TZEBset& set, Canvas& canvas, const CanvasRect& area) {
  TZEBoggetto* pictureObject = object.ReferencedPicture();
  const TZEBpicture* picture = pictureObject != nullptr ? set.decodedPicture(*pictureObject) : nullptr;
  const PixelView pixels = picture != nullptr ? firstImagePixels(*picture) : PixelView{};
  if (!pixels.empty()) canvas.drawPicture(area, pixels);
}

void paintButton(const VisualObject& object, TZEBset& set, Canvas& canvas, const CanvasRect& area,
                 const ControlMetrics& metrics) {
  if (object.object().record().i32(field::buttonPicture) != -1) {
    paintPictureOf(object.object(), set, canvas, area);
    return;
  }
  canvas.fillRect(area, systemColour::buttonFace);
  bevel(canvas, area, false);
  const std::string caption = buttonCaption(object.object());
  const int x = area.left + (area.width() - textWidth(canvas, caption, metrics)) / 2;
  write(canvas, x, area.top + (area.height() - metrics.lineHeight) / 2, caption, codePageOf(object.object()));
}

void paintLines(Canvas& canvas, const CanvasRect& inside, std::string_view text, const ControlMetrics& metrics,
                std::uint16_t codePage) {
  int y = inside.top;
  for (std::size_t start = 0; start <= text.size() && y < inside.bottom; y += std::max(metrics.lineHeight, 1)) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    write(canvas, inside.left + 2, y, text.substr(start, end - start), codePage);
    if (end == text.size()) break;
    start = end + 2;
  }
}

void paintList(const FieldState& state, Canvas& canvas, const CanvasRect& inside, const ControlMetrics& metrics,
               std::uint16_t codePage) {
  const int step = std::max(metrics.lineHeight, 1);
  int y = inside.top;
  for (std::size_t i = 0; i < state.items.size() && y < inside.bottom; ++i, y += step) {
    const bool selected = i < state.selected.size() && state.selected[i];
    if (selected) canvas.fillRect({inside.left, y, inside.right, y + step}, systemColour::highlight);
    write(canvas, inside.left + 2, y, state.items[i].text, codePage,
          selected ? systemColour::highlightText : systemColour::windowText);
  }
}

void paintCombo(const FieldState& state, Canvas& canvas, const CanvasRect& area, const ControlMetrics& metrics,
                std::uint16_t codePage) {
  const CanvasRect inside = sunkenField(canvas, area);
  const int side = std::max(inside.height(), 0);
  const CanvasRect button{inside.right - side, inside.top, inside.right, inside.bottom};
  write(canvas, inside.left + 2, inside.top + (inside.height() - metrics.lineHeight) / 2, shownText(state), codePage);
  canvas.fillRect(button, systemColour::buttonFace);
  bevel(canvas, button, false);
  // The arrow: rows narrowing downwards.
  const int middle = (button.left + button.right) / 2;
  const int top = (button.top + button.bottom) / 2 - 2;
  for (int row = 0; row < 4; ++row)
    canvas.fillRect({middle - 3 + row, top + row, middle + 4 - row, top + row + 1}, black);
}

void paintCheck(const VisualObject& object, Canvas& canvas, const CanvasRect& area, const ControlMetrics& metrics) {
  paintCheckControl(object.object(), object.kind() == VisualKind::radioButton, object.field().checked, canvas, area,
                    metrics);
}

void paintMultimedia(const VisualObject& object, Canvas& canvas, const CanvasRect& area, const ControlLook& look,
                     const ControlMetrics& metrics) {
  const std::uint8_t subtype = object.object().state();
  const bool background = flagAttribute(object.object(), controlAttribute::background);
  if (subtype >= 1 && subtype <= 4) {
    if (background) {
      if (subtype >= 3)
        canvas.fillRect(area, black);
      else if (!look.readOnly)
        drawIcon(canvas, area, backgroundMediaIcon);
      return;
    }
    const CanvasRect bar{area.left, area.top, area.left + controlSize::playerWidth,
                         area.top + controlSize::playerHeight};
    canvas.fillRect(bar, systemColour::buttonFace);
    bevel(canvas, bar, false);
    if (subtype >= 3) canvas.fillRect({area.left, bar.bottom, area.right, area.bottom}, black);
    return;
  }
  if (subtype != 6 && subtype != 7) return;
  switch (numberAttribute(object.object(), controlAttribute::customType, 0, 0, 255)) {
    case 3:
    case 4:
    case 7: sunkenField(canvas, area); break;
    case 5:
    case 6: paintCheck(object, canvas, area, metrics); break;
    case 8: paintCombo(FieldState{}, canvas, area, metrics, codePageOf(object.object())); break;
    case 1:
    case 9:
      if (!look.readOnly && subtype == 7)
        drawIcon(canvas, area, customIconName(numberAttribute(object.object(), controlAttribute::iconCode, 0, 0, 255)));
      break;
    default: break;
  }
}

}  // namespace

void paintMarker(const TZEBoggetto& object, std::string_view hint, Canvas& canvas, const CanvasRect& area,
                 const ControlLook& look) {
  if (!markerDrawn(object, look.readOnly, look.anchorPreview)) return;
  const auto marker = markerLookOf(object);
  if (area.width() > markerCaptionFromWidth) {
    canvas.fillRect({area.left + markerCaptionLeft, area.top, area.right, area.bottom}, white);
    TMyFont font = controlFont(black, markerCaptionSize);
    font.CodePage = codePageOf(object);
    canvas.setFont(font);
    canvas.setTextBackground(TextBackground::clear, 0);
    canvas.textOut(area.left + markerCaptionLeft, area.top, markerCaption(hint));
    canvas.fillRect({area.left, area.top, area.right, area.top + 1}, blue);
  }
  if (drawIcon(canvas, area, marker ? marker->icon : std::string_view())) return;
  const CanvasRect square{area.left, area.top, area.left + markerIconSide, area.top + markerIconSide};
  canvas.fillRect(square, systemColour::buttonFace);
  canvas.frameRect(square, black);
}

void paintCheckControl(const TZEBoggetto& object, bool radio, bool checked, Canvas& canvas, const CanvasRect& area,
                       const ControlMetrics& metrics, bool pressed) {
  const int top = area.top + (area.height() - checkBoxSide) / 2;
  const CanvasRect box{area.left, top, area.left + checkBoxSide, top + checkBoxSide};
  if (radio) {
    paintRadioCircle(canvas, box, checked, pressed);
  } else {
    canvas.fillRect(box, pressed ? systemColour::buttonFace : white);
    bevel(canvas, box, true);
    if (checked) {
      // Three strokes of a tick.
      for (int i = 0; i < 3; ++i)
        canvas.fillRect({box.left + 3 + i, box.top + 5 + i, box.left + 4 + i, box.top + 8 + i}, black);
      for (int i = 0; i < 4; ++i)
        canvas.fillRect({box.left + 6 + i, box.top + 6 - i, box.left + 7 + i, box.top + 9 - i}, black);
    }
  }
  const std::string caption = object.attribute(controlAttribute::caption);
  if (caption.empty()) return;
  const int x = area.left + (radio ? checkCaptionOffset : checkBoxSide + checkCaptionOffset);
  write(canvas, x, area.top + (area.height() - metrics.lineHeight) / 2, caption, codePageOf(object));
}

void paintVisualObject(const VisualObject& object, Canvas& canvas, const CanvasRect& area, const ControlLook& look,
                       const ControlMetrics& metrics) {
  CanvasState state(canvas);
  canvas.intersectClip(area);
  TZEBset* set = object.object().Container();
  const std::uint16_t codePage = codePageOf(object.object());
  switch (object.kind()) {
    case VisualKind::marker:
    case VisualKind::formStart: paintMarker(object.object(), object.hint(), canvas, area, look); break;
    case VisualKind::button:
      if (set != nullptr) paintButton(object, *set, canvas, area, metrics);
      break;
    case VisualKind::edit: {
      const CanvasRect inside = sunkenField(canvas, area);
      write(canvas, inside.left + fieldTextInset - 2, inside.top + (inside.height() - metrics.lineHeight) / 2,
            shownText(object.field()), codePage);
      break;
    }
    case VisualKind::memo: paintLines(canvas, sunkenField(canvas, area), object.field().text, metrics, codePage);
      break;
    case VisualKind::listBox: paintList(object.field(), canvas, sunkenField(canvas, area), metrics, codePage);
      break;
    case VisualKind::comboBox: paintCombo(object.field(), canvas, area, metrics, codePage); break;
    case VisualKind::radioButton:
    case VisualKind::checkBox: paintCheck(object, canvas, area, metrics); break;
    case VisualKind::multimedia: paintMultimedia(object, canvas, area, look, metrics); break;
    case VisualKind::floating: sunkenField(canvas, area); break;
    case VisualKind::image:
    case VisualKind::table:
    case VisualKind::none: break;
  }
}

void VisualObjectPlacement::drawControl(TZEBbox&, EmbeddedObject& object, const CanvasRect& area, Canvas& canvas) {
  if (const auto* visual = dynamic_cast<const VisualObject*>(&object))
    paintVisualObject(*visual, canvas, area, {page_.ReadOnly(), page_.AnchorPreview()}, page_.controlMetrics());
}

}  // namespace zeb
