// TMyyBelPanel and TMyyInizioForm: the 18-pixel markers of objects that have no visible form
// of their own (panel elements, hidden and dynamic fields, form starts). In the reader most
// are invisible; anchors register with the page, and so do preview panels.
#pragma once

#include "view/qt/visual_control.h"

namespace zeb {

class TMyyBelPanel : public TMyyVisual {
  Q_OBJECT

 public:
  TMyyBelPanel(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  ~TMyyBelPanel() override;

  // The icon, popup menu and width of the object's kind and subtype; anchors and preview
  // panels join the page's lists.
  void Rebuild() override;
  // The hint: the description, or what the frame set's OnGetHint says for subtype 28.
  void Refresh() override;
  // An anchor follows its object when the frame set is read-only.
  void ClickAction() override;
  bool RefreshOnModeChange(bool mode) const override;

  // Whether the marker draws anything in the current modes.
  bool drawn() const;

 protected:
  FramePopup popupKind() const override;
  bool propertiesOnDoubleClick() const override { return true; }
  void paintEvent(QPaintEvent* event) override;

 private:
  void leavePage();
  // The list of the page the marker is registered in, if any.
  std::optional<PanelRole> role_;
};

class TMyyInizioForm final : public TMyyBelPanel {
  Q_OBJECT

 public:
  using TMyyBelPanel::TMyyBelPanel;
};

}  // namespace zeb
