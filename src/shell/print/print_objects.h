// The objects anchored in a printed text: pictures at the image scale (TMyyImageP), every
// other object as a rectangle of its size (TMyyRectangleP), and the factory that makes them
// (tables, TMyyTableP, live in table_print.h).
#pragma once

#include <memory>

#include "shell/print/printual.h"

namespace zeb {

class TZEBbox;
class TZEBpicture;

// A picture placement: its size as the screen shows it, times the image factor / 100. A
// placement that shows no picture of the book but names a picture file ("externalfile")
// prints that file when it exists, at the file's size.
class TMyyImageP final : public TMyyPrintual {
 public:
  TMyyImageP(TZEBoggetto& placement, const PrintScale& scale);
  ~TMyyImageP() override;

  // Draws the picture's first image stretched over the object, see-through pixels blended.
  void Print(const PrintSheet& sheet, const CanvasRect& window) override;

 private:
  std::unique_ptr<TZEBpicture> external_;
};

// Any other object: a rectangle of the size its control has on the screen. Controls that
// the reader shows (form fields, buttons, media, independent frames) print their outline;
// markers, which the reader does not show, take their room and print nothing.
class TMyyRectangleP final : public TMyyPrintual {
 public:
  TMyyRectangleP(TZEBoggetto& object, const PrintScale& scale);

  bool outlined() const { return outlined_; }
  void Print(const PrintSheet& sheet, const CanvasRect& window) override;

 private:
  bool outlined_ = false;
};

// Makes the printed counterpart of every object embedded in a printed text.
class PrintObjectFactory final : public EmbeddedObjectFactory {
 public:
  explicit PrintObjectFactory(const PrintScale& scale) : scale_(scale) {}
  std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox& box) override;

 private:
  const PrintScale& scale_;
};

}  // namespace zeb
