// The objects anchored in a printed text: pictures at the image scale (TMyyImageP), every
// other object as a rectangle of its size (TMyyRectangleP), and the factory that makes them
// (tables, TMyyTableP, live in table_print.h).
#pragma once

#include <memory>

#include "shell/print/printual.h"
#include "view/visual_size.h"

namespace zeb {

class TZEBbox;
class TZEBpicture;
class VisualObject;

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

// Any other object: the size its control has on the screen, on paper, with the control
// drawn as the reader shows it in its initial state (fields with their default values,
// buttons with their captions, media as their player); markers, which a reader does not
// show, take their room and print nothing.
class TMyyRectangleP final : public TMyyPrintual {
 public:
  // The metrics are the screen's and must outlive the object.
  TMyyRectangleP(TZEBoggetto& object, TZEBbox& box, const PrintScale& scale, const ControlMetrics& metrics);
  ~TMyyRectangleP() override;

  // The line's width in printer pixels; relative sizes take percents of it and of the
  // printable height, both as the screen would measure them.
  void fitWidth(int offeredWidth) override;
  int placement() const override;
  void Print(const PrintSheet& sheet, const CanvasRect& window) override;

 private:
  const PrintScale& scale_;
  const ControlMetrics& metrics_;
  // What draws the control: its kind and field state, as the screen's control has them.
  std::unique_ptr<VisualObject> control_;
  ObjectSize screen_;
};

// Makes the printed counterpart of every object embedded in a printed text; controls are
// sized by the screen's control metrics.
class PrintObjectFactory final : public EmbeddedObjectFactory {
 public:
  PrintObjectFactory(const PrintScale& scale, const ControlMetrics& metrics) : scale_(scale), metrics_(metrics) {}
  std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox& box) override;

 private:
  const PrintScale& scale_;
  ControlMetrics metrics_;
};

}  // namespace zeb
