// TPrintual, the base of everything a printed page is made of, TMyyPrintual, the base of
// the objects anchored in a printed text, and the sheet they are printed on.
#pragma once

#include "platform/canvas.h"
#include "shell/print/print_scale.h"
#include "text/embedded_object.h"

namespace zeb {

class TZEBset;

// What every element of a page is printed with.
struct PrintSheet {
  Canvas& canvas;
  TZEBset& set;
  const PrintScale& scale;
  const PrintOptions& options;
};

// A printable element: its place in its parent element and its size, in printer pixels.
class TPrintual {
 public:
  static constexpr int defaultLeft = 0;
  static constexpr int defaultTop = 0;
  static constexpr int defaultSize = 110;

  virtual ~TPrintual() = default;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  CanvasRect bounds() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void setPosition(int left, int top) {
    left_ = left;
    top_ = top;
  }
  void setSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

 private:
  int left_ = defaultLeft;
  int top_ = defaultTop;
  int width_ = defaultSize;
  int height_ = defaultSize;
};

// An object anchored in a printed text: its layout sizes it like the screen's object, in
// printer pixels, and the paragraph printer places it on its line.
class TMyyPrintual : public TPrintual, public EmbeddedObject {
 public:
  // The size, in screen pixels, of an object that says nothing about its size.
  static constexpr int defaultScreenSize = 105;

  explicit TMyyPrintual(TZEBoggetto& object) : EmbeddedObject(object) {}

  void fitWidth(int) override {}
  int width() const override { return Width(); }
  int height() const override { return Height(); }

  // Prints what of the object meets the window (the object's own coordinates); the
  // canvas's origin is the object's top-left corner.
  virtual void Print(const PrintSheet& sheet, const CanvasRect& window) = 0;
  // Whether what lies below the sheet its line is printed on goes on over the next sheets
  // (a table does; a picture is printed whole with its line).
  virtual bool continuesOverSheets() const { return false; }
};

}  // namespace zeb
