// VisualObject: an embedded object with a control of its own (marker, form field, button,
// multimedia, independent frame) as the text box lays it out: its size by the control's
// rules, its vertical placement, its hint and the state of its field. The factory makes one
// per object, and the text engine's own objects for tables and pictures.
#pragma once

#include <memory>
#include <string>

#include "text/embedded_object.h"
#include "view/form_fields.h"
#include "view/visual_kinds.h"
#include "view/visual_size.h"

namespace zeb {

class TZEBbox;

class VisualObject final : public EmbeddedObject {
 public:
  // The metrics must outlive the object.
  VisualObject(TZEBoggetto& object, TZEBbox& box, const ControlMetrics& metrics);

  VisualKind kind() const { return kind_; }
  // Sizes the control for the line's available width (relative sizes take percents of it,
  // and of the client height of the page, or of the cell inside a table).
  void fitWidth(int offeredWidth) override;
  int width() const override { return size_.width; }
  int height() const override { return size_.height; }
  int placement() const override;

  const std::string& hint() const { return hint_; }
  FieldState& field() { return field_; }
  const FieldState& field() const { return field_; }
  // Re-reads the settings from the object: size, hint and the field's default state.
  void refresh();

 private:
  TZEBbox* box_;  // not owned
  const ControlMetrics* metrics_;
  VisualKind kind_;
  ObjectSize size_;
  int offeredWidth_ = 0;
  std::string hint_;
  FieldState field_;
};

// Tables as TableCells, images as PicturePlacement, objects with a control as VisualObject,
// and objects without a control as nothing (0 x 0).
class VisualObjectFactory final : public EmbeddedObjectFactory {
 public:
  explicit VisualObjectFactory(const ControlMetrics& metrics) : metrics_(metrics) {}
  std::unique_ptr<EmbeddedObject> create(TZEBoggetto& object, TZEBbox& box) override;
  const ControlMetrics& metrics() const { return metrics_; }

 private:
  ControlMetrics metrics_;
};

}  // namespace zeb
