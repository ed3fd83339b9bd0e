// The recording canvas.
#include "platform/headless/recording_canvas.h"

#include <cstdio>

#include "platform/system_colours.h"
#include "platform/text_measurer.h"

namespace zeb {
namespace {

// "#RRGGBB" for a plain colour, the scheme's name for a system colour.
std::string colourName(Colour colour) {
  switch (colour) {
    case systemColour::window: return "window";
    case systemColour::windowText: return "windowText";
    case systemColour::highlight: return "highlight";
    case systemColour::highlightText: return "highlightText";
    case systemColour::buttonFace: return "buttonFace";
    case systemColour::buttonShadow: return "buttonShadow";
    case systemColour::buttonHighlight: return "buttonHighlight";
    default: break;
  }
  char text[16];
  if (isSystemColour(colour)) {
    std::snprintf(text, sizeof text, "system%u", static_cast<unsigned>(colour & 0xFF));
  } else {
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(colour), greenOf(colour), blueOf(colour));
  }
  return text;
}

}  // namespace

RecordingCanvas::RecordingCanvas(const CanvasRect& area, TextMeasurer* measurer) : measurer_(measurer) {
  state_.clip = area;
}

CanvasRect RecordingCanvas::clipRect() const { return state_.clip.translated(-state_.dx, -state_.dy); }

void RecordingCanvas::intersectClip(const CanvasRect& rect) {
  state_.clip = state_.clip.intersected(rect.translated(state_.dx, state_.dy));
}

void RecordingCanvas::translate(int dx, int dy) {
  state_.dx += dx;
  state_.dy += dy;
}

void RecordingCanvas::save() { saved_.push_back(state_); }

void RecordingCanvas::restore() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
}

std::string RecordingCanvas::rect(const CanvasRect& r) const {
  const CanvasRect device = r.translated(state_.dx, state_.dy);
  return std::to_string(device.left) + ',' + std::to_string(device.top) + ',' + std::to_string(device.right) + ',' +
         std::to_string(device.bottom);
}

void RecordingCanvas::fillRect(const CanvasRect& r, Colour colour) {
  calls_.push_back("fill " + rect(r) + ' ' + colourName(colour));
}

void RecordingCanvas::frameRect(const CanvasRect& r, Colour colour) {
  calls_.push_back("frame " + rect(r) + ' ' + colourName(colour));
}

void RecordingCanvas::hatchRect(const CanvasRect& r, Hatch hatch, Colour colour) {
  calls_.push_back(std::string("hatch ") + (hatch == Hatch::forwardDiagonal ? "forward " : "backward ") + rect(r) +
                   ' ' + colourName(colour));
}

void RecordingCanvas::setFont(const TMyFont& font) {
  font_ = font;
  calls_.push_back("font \"" + font.Name + "\" " + std::to_string(font.Size) + " style=" + std::to_string(font.Style) +
                   ' ' + colourName(font.Color));
}

void RecordingCanvas::setTextBackground(TextBackground background, Colour colour) {
  calls_.push_back(background == TextBackground::clear ? std::string("back clear")
                                                       : "back solid " + colourName(colour));
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
  calls_.push_back("text " + std::to_string(x + state_.dx) + ',' + std::to_string(y + state_.dy) + " \"" +
                   std::string(text) + '"');
}

int RecordingCanvas::textWidth(std::string_view text) {
  return measurer_ != nullptr ? measurer_->extent(font_, text) : 0;
}

void RecordingCanvas::drawPicture(const CanvasRect& target, const PixelView& pixels) {
  calls_.push_back("picture " + rect(target) + " from " + std::to_string(pixels.width) + 'x' +
                   std::to_string(pixels.height));
}

std::vector<std::string> RecordingCanvas::calls(std::string_view word) const {
  std::vector<std::string> found;
  for (const std::string& call : calls_) {
    if (call.size() > word.size() && call.compare(0, word.size(), word) == 0 && call[word.size()] == ' ')
      found.push_back(call);
  }
  return found;
}

std::string RecordingCanvas::dump() const {
  std::string out;
  for (const std::string& call : calls_) {
    out += call;
    out += '\n';
  }
  return out;
}

}  // namespace zeb
