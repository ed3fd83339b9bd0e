// EmbeddedObject: how a text box sizes and places the objects embedded in its text
// (pictures, tables, form controls), and the factory that makes one per object.
#pragma once

#include <cstdint>
#include <memory>

namespace zeb {

class TableCells;
class TZEBbox;
class TZEBoggetto;
class TZEBparag;

// How an object sits on its line: hanging from the line top, centred on the baseline, or
// standing on the baseline (every other value).
namespace verticalPlacement {
inline constexpr int baseline = 0;
inline constexpr int top = 3;
inline constexpr int middle = 4;
}  // namespace verticalPlacement

// Where an object is kept while it waits to be placed by the next paint.
inline constexpr int outOfSight = -20000;

// The visual side of an embedded object as layout sees it. The page presentation replaces
// the simple implementations made here by its controls; layout only needs the size.
class EmbeddedObject {
 public:
  explicit EmbeddedObject(TZEBoggetto& object) : object_(&object) {}
  virtual ~EmbeddedObject() = default;
  EmbeddedObject(const EmbeddedObject&) = delete;
  EmbeddedObject& operator=(const EmbeddedObject&) = delete;

  TZEBoggetto& object() const { return *object_; }

  // The width the line offers (the available width of the line); the object sizes itself.
  virtual void fitWidth(int offeredWidth) = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual int placement() const { return verticalPlacement::baseline; }

  // The ascent of the object's cell by its vertical placement.
  int ascent() const;

  // A table holds a text box per cell, read from the text right after its tag.
  virtual TableCells* tableCells() { return nullptr; }

  // Position in the box, set by painting; layout moves the object out of sight and marks it.
  int left = outOfSight;
  int top = 0;
  bool awaitingPlacement = true;
  // Whether its character lies in the shown selection when it was last placed.
  bool selected = false;
  void moveOutOfSight() {
    left = outOfSight;
    awaitingPlacement = true;
  }
  void placeAt(int x, int y, bool inSelection) {
    left = x;
    top = y;
    selected = inSelection;
    awaitingPlacement = false;
  }

  // The paragraph and character that layout last gave the object (none before layout), from
  // which its place in the box follows (objectBounds, nested_boxes.h).
  const TZEBparag* laidOutIn() const { return laidOutIn_; }
  int laidOutAt() const { return laidOutAt_; }
  void setLaidOut(const TZEBparag& paragraph, int character) {
    laidOutIn_ = &paragraph;
    laidOutAt_ = character;
  }

 private:
  TZEBoggetto* object_;  // owned by the working text
  const TZEBparag* laidOutIn_ = nullptr;
  int laidOutAt_ = -1;
};

// Makes the sizing object of an embedded object for the box that shows it.
class EmbeddedObjectFactory {
 public:
  virtual ~EmbeddedObjectFactory() = default;
  virtual std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox& box) = 0;
};

// Pictures from their placement records, tables as a grid of cell boxes, and every other
// object at a fixed size until its control exists.
class SimpleObjectFactory final : public EmbeddedObjectFactory {
 public:
  std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox& box) override;
};

// An object of a fixed size (the controls' initial 105 x 105 by default).
class FixedSizeObject final : public EmbeddedObject {
 public:
  static constexpr int defaultSize = 105;
  FixedSizeObject(TZEBoggetto& object, int width = defaultSize, int height = defaultSize,
                  int placement = verticalPlacement::baseline)
      : EmbeddedObject(object), width_(width), height_(height), placement_(placement) {}

  void fitWidth(int) override {}
  int width() const override { return width_; }
  int height() const override { return height_; }
  int placement() const override { return placement_; }

 private:
  int width_;
  int height_;
  int placement_;
};

}  // namespace zeb
