// A canvas that writes down what is drawn on it, one line per call, so that tests can
// compare painting exactly. Coordinates are recorded as they reach the device, after the
// origin moves; calls wholly outside the clip are recorded all the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace zeb {

class TextMeasurer;

class RecordingCanvas final : public Canvas {
 public:
  // The clip starts as the area to paint. With a measurer the canvas measures text as that
  // measurer does; without one it does not measure.
  explicit RecordingCanvas(const CanvasRect& area, TextMeasurer* measurer = nullptr);

  CanvasRect clipRect() const override;
  void intersectClip(const CanvasRect& rect) override;
  void translate(int dx, int dy) override;
  void save() override;
  void restore() override;

  void fillRect(const CanvasRect& rect, Colour colour) override;
  void frameRect(const CanvasRect& rect, Colour colour) override;
  void hatchRect(const CanvasRect& rect, Hatch hatch, Colour colour) override;
  void setFont(const TMyFont& font) override;
  void setTextBackground(TextBackground background, Colour colour) override;
  void textOut(int x, int y, std::string_view text) override;
  bool measuresText() const override { return measurer_ != nullptr; }
  int textWidth(std::string_view text) override;
  void drawPicture(const CanvasRect& target, const PixelView& pixels) override;

  // The calls so far, for example:
  //   fill 0,0,200,300 #C0C0C0
  //   font "Arial" 10 style=1 #0000FF
  //   back solid highlight
  //   text 10,8 "Hello"
  //   hatch forward 0,6,200,29 buttonHighlight
  //   frame 0,0,50,20 #000000
  //   picture 10,20,110,120 from 100x100
  const std::vector<std::string>& calls() const { return calls_; }
  // Only the calls that begin with the word ("text", "fill", ...).
  std::vector<std::string> calls(std::string_view word) const;
  // All calls, one per line.
  std::string dump() const;

 private:
  std::string rect(const CanvasRect& rect) const;

  TextMeasurer* measurer_;
  OriginAndClip state_;
  std::vector<OriginAndClip> saved_;
  TMyFont font_;
  std::vector<std::string> calls_;
};

}  // namespace zeb
