// The controls of forms: TMyyButton (link, submit, reset), the fields TMyyEdit, TMyyMemo,
// TMyyListBox and TMyyComboBox around standard Qt controls, and the owner-drawn check
// controls TMyyRadioButton and TMyyCheckBox. Each field keeps its state in the FieldState of
// its object's layout object, which the form's submit reads.
#pragma once

#include <QPointer>
#include <vector>

#include "view/form_fields.h"
#include "view/form_submit.h"
#include "view/qt/visual_control.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zeb {

class VisualObject;

// What a submit does with its address (method 1) besides opening it: the owner of the frame
// set may ask first for addresses that are not plain web or mail addresses.
bool opensWithoutAsking(std::string_view address);

class TMyyButton final : public TMyyVisual {
  Q_OBJECT

 public:
  TMyyButton(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);

  void Rebuild() override { Refresh(); }
  void Refresh() override;
  // The button action: its link first, then its form's submit or reset.
  void ClickAction() override;
  QPushButton* pushButton() const { return button_; }

 protected:
  FramePopup popupKind() const override { return FramePopup::PopupButton; }
  bool propertiesOnDoubleClick() const override { return true; }
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void submit(const std::vector<FormField>& fields, std::size_t index);
  void reset(const PageControls& controls, const std::vector<FormField>& fields, std::size_t index);
  bool hasPicture() const;

  QPushButton* button_;
};

// The common part of the fields: their state and popup.
class TMyyField : public TMyyVisual {
  Q_OBJECT

 public:
  TMyyField(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);

  FieldState& state() const;
  std::string GetValue() const override { return fieldValue(state()); }
  std::string GetDisplayText() const override { return fieldDisplayText(state()); }
  void SetValue(std::string_view text) override;
  void Rebuild() override { Refresh(); }
  // Takes the stored defaults again and shows them.
  void Refresh() override;

 protected:
  FramePopup popupKind() const override;
  // Shows the state in the inner control.
  virtual void show(const FieldState&) {}
  // The inner control fills the control.
  void resizeEvent(QResizeEvent* event) override;
  QWidget* inner_ = nullptr;
  // The inner control is being filled from the state: its change signals are not the user's.
  bool showing_ = false;
};

class TMyyEdit final : public TMyyField {
  Q_OBJECT

 public:
  TMyyEdit(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  QLineEdit* edit() const;

 protected:
  void show(const FieldState& state) override;
  // The edit's style sheet keeps it from following the palette around it: it is handed on.
  void changeEvent(QEvent* event) override;
};

class TMyyMemo final : public TMyyField {
  Q_OBJECT

 public:
  TMyyMemo(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  QPlainTextEdit* memo() const;

 protected:
  void show(const FieldState& state) override;
};

class TMyyListBox final : public TMyyField {
  Q_OBJECT

 public:
  TMyyListBox(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  QListWidget* list() const;

 protected:
  bool propertiesOnDoubleClick() const override { return true; }
  void show(const FieldState& state) override;
};

class TMyyComboBox final : public TMyyField {
  Q_OBJECT

 public:
  TMyyComboBox(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  QComboBox* combo() const;

 protected:
  bool propertiesOnDoubleClick() const override { return true; }
  void show(const FieldState& state) override;
};

// Radio buttons and check boxes, drawn by the program: a sunken 12-pixel box, white except
// while the mouse button is down over it, the dot or tick when checked, the caption beside.
class TMyyCheckedControl : public TMyyField {
  Q_OBJECT

 public:
  TMyyCheckedControl(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  bool checked() const { return state().checked; }
  // Releasing the mouse inside: a radio button is checked and the others of its group
  // unchecked, a check box toggles.
  void ClickAction() override;

 protected:
  virtual bool radio() const = 0;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

class TMyyRadioButton final : public TMyyCheckedControl {
  Q_OBJECT

 public:
  using TMyyCheckedControl::TMyyCheckedControl;

 protected:
  bool radio() const override { return true; }
};

class TMyyCheckBox final : public TMyyCheckedControl {
  Q_OBJECT

 public:
  using TMyyCheckedControl::TMyyCheckedControl;

 protected:
  bool radio() const override { return false; }
};

}  // namespace zeb
