// Buttons and form fields.
#include "view/qt/form_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "document/book_object.h"
#include "document/container.h"
#include "document/link_target.h"
#include "document/object_kinds.h"
#include "platform/desktop_shell.h"
#include "platform/message_boxes.h"
#include "platform/qt/book_text.h"
#include "platform/qt/qt_canvas.h"
#include "platform/windows1252.h"
#include "text/measurement_cache.h"
#include "text/object_placement.h"
#include "text/text_box.h"
#include "transfer/form_transfer.h"
#include "view/form_submit.h"
#include "view/messages.h"
#include "view/qt/check_control_accessibility.h"
#include "view/qt/night_painting.h"
#include "view/qt/page_controls.h"
#include "view/qt/zoom_painting.h"
#include "view/visual_kinds.h"
#include "view/visual_object.h"
#include "view/visual_painting.h"

namespace zeb {
namespace {

QString shown(std::string_view text, std::uint16_t codePage) { return fromBookText(text, codePage); }

// The palette with every colour its own, as a widget with a style sheet needs to be given it.
QPalette everyColourOf(const QPalette& palette) {
  QPalette own = palette;
  own.setResolveMask(~QPalette::ResolveMask{0});
  return own;
}

std::string stored(const QString& text, std::uint16_t codePage) { return toBookText(text, codePage); }

}  // namespace

bool opensWithoutAsking(std::string_view address) { return isWebOrMailAddress(address); }

// --- Buttons.

TMyyButton::TMyyButton(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent), button_(new QPushButton(this)) {
  button_->setFocusPolicy(Qt::NoFocus);
  button_->hide();
  connect(button_, &QPushButton::clicked, this, [this] { ClickAction(); });
}

bool TMyyButton::hasPicture() const {
  return Object() != nullptr && Object()->record().i32(field::buttonPicture) != -1;
}

void TMyyButton::Refresh() {
  if (Object() == nullptr) return;
  setHint(descriptionOf(*Object()));
  FitWidth(0);
  const bool picture = hasPicture();
  button_->setGeometry(rect());
  button_->setText(shown(buttonCaption(*Object()), box().codePage()));
  button_->setToolTip(toolTip());
  button_->setVisible(!picture);
  const bool link = buttonLink(*Object()) != nullptr;
  setLinkCursor(picture || link);
  button_->setCursor(cursor());
  update();
}

void TMyyButton::resizeEvent(QResizeEvent* event) {
  TMyyVisual::resizeEvent(event);
  button_->setGeometry(rect());
}

void TMyyButton::paintEvent(QPaintEvent*) {
  if (!hasPicture()) return;
  QPainter painter(this);
  zoomPainter(painter, Zoom());
  const QRect area = bookRect();
  WindowCanvas canvas(*this, painter, area, box().measures().pixelsPerInch());
  if (TZEBoggetto* pictureObject = Object()->ReferencedPicture()) {
    if (const TZEBpicture* picture = box().set().decodedPicture(*pictureObject))
      canvas.drawPicture({0, 0, area.width(), area.height()}, firstImagePixels(*picture));
  }
  paintSelectedLook(painter);
}

void TMyyButton::ClickAction() {
  if (Object() == nullptr) return;
  if (ReadOnly() || Locked()) postFollowLink(buttonLink(*Object()));
  const FormAction action = formActionOf(*Object());
  PageControls* controls = pageControls();
  if (action == FormAction::none || controls == nullptr) return;
  // The page's objects in text order, among which the button's form is found.
  const std::vector<FormField> fields = controls->formFields();
  const auto index = PageControls::indexOf(*Object(), fields);
  if (!index) return;
  if (action == FormAction::reset)
    reset(*controls, fields, *index);
  else
    submit(fields, *index);
}

void TMyyButton::reset(const PageControls& controls, const std::vector<FormField>& fields, std::size_t index) {
  const FormRun run = formRunOf(fields, index);
  for (std::size_t i = run.begin; i < run.end; ++i) {
    if (fields[i].state == nullptr) continue;
    if (TMyyVisual* control = controls.controlOf(*fields[i].object)) control->Refresh();
  }
}

void TMyyButton::submit(const std::vector<FormField>& fields, std::size_t index) {
  TZEBset& set = box().set();
  const FormSubmission submission = submitForm(fields, index, ReadOnly(), set.ZEBFileName());
  TZEBCustomFrameSet* frames = frameSet();
  switch (submission.route) {
    case FormSubmission::Route::webRequest:
      if (frames != nullptr && frames->formTransfer() != nullptr)
        frames->formTransfer()->sendByWeb(submission.target, submission.data);
      return;
    case FormSubmission::Route::mail:
      if (frames != nullptr && frames->formTransfer() != nullptr)
        frames->formTransfer()->sendByMail(submission.target, submission.data, set.ZEBFileName());
      return;
    case FormSubmission::Route::openAddress: break;
    case FormSubmission::Route::none: return;
  }
  const std::string address = submission.address();
  if (address.empty()) return;
  // An address that is neither a web page nor a mail could start anything: the owner asks
  // first, and without anyone to ask it is not opened.
  if (!opensWithoutAsking(address)) {
    if (frames == nullptr || !frames->confirmOpenAddress || !frames->confirmOpenAddress(address)) return;
  }
  if (!set.services().shell->openDocument(address)) set.messages().error(messages::formOpenFailed);
}

// --- Fields.

TMyyField::TMyyField(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent) {}

FieldState& TMyyField::state() const { return static_cast<VisualObject&>(sizing()).field(); }

void TMyyField::SetValue(std::string_view text) {
  setFieldValue(state(), text);
  showing_ = true;
  show(state());
  showing_ = false;
  update();
}

void TMyyField::Refresh() {
  if (Object() == nullptr) return;
  auto& visual = static_cast<VisualObject&>(sizing());
  visual.refresh();
  setHint(visual.hint());
  FitWidth(0);
  if (inner_ != nullptr) inner_->setToolTip(toolTip());
  showing_ = true;
  show(state());
  showing_ = false;
  update();
}

FramePopup TMyyField::popupKind() const {
  return Object() != nullptr && Object()->Kind() == TOggettiHel::inputDin ? FramePopup::PopupDin
                                                                          : FramePopup::PopupInput;
}

void TMyyField::resizeEvent(QResizeEvent* event) {
  TMyyVisual::resizeEvent(event);
  if (inner_ != nullptr) inner_->setGeometry(rect());
}

TMyyEdit::TMyyEdit(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyField(sizing, box, page, parent) {
  auto* edit = new QLineEdit(this);
  // A password field shows "#" for every character.
  edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 35; }"));
  edit->setPalette(everyColourOf(palette()));
  inner_ = edit;
  connect(edit, &QLineEdit::textEdited, this,
          [this](const QString& text) { state().text = stored(text, this->box().codePage()); });
}

void TMyyEdit::changeEvent(QEvent* event) {
  TMyyField::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) edit()->setPalette(everyColourOf(palette()));
}

QLineEdit* TMyyEdit::edit() const { return static_cast<QLineEdit*>(inner_); }

void TMyyEdit::show(const FieldState& state) {
  edit()->setEchoMode(state.kind == FieldKind::password ? QLineEdit::Password : QLineEdit::Normal);
  edit()->setText(shown(state.text, box().codePage()));
}

TMyyMemo::TMyyMemo(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyField(sizing, box, page, parent) {
  auto* memo = new QPlainTextEdit(this);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  inner_ = memo;
  connect(memo, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_)
      state().text = stored(this->memo()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
                            this->box().codePage());
  });
}

QPlainTextEdit* TMyyMemo::memo() const { return static_cast<QPlainTextEdit*>(inner_); }

void TMyyMemo::show(const FieldState& state) {
  memo()->setPlainText(shown(state.text, box().codePage()).remove(QLatin1Char('\r')));
}

TMyyListBox::TMyyListBox(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyField(sizing, box, page, parent) {
  auto* list = new QListWidget(this);
  inner_ = list;
  connect(list, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    FieldState& field = state();
    for (int i = 0; i < this->list()->count() && i < static_cast<int>(field.selected.size()); ++i)
      field.selected[static_cast<std::size_t>(i)] = this->list()->item(i)->isSelected();
  });
  connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_) state().current = row;
  });
  connect(list, &QListWidget::itemDoubleClicked, this, [this] {
    if (frameSet() != nullptr) frameSet()->Properties(this);
  });
}

QListWidget* TMyyListBox::list() const { return static_cast<QListWidget*>(inner_); }

void TMyyListBox::show(const FieldState& state) {
  QListWidget* box = list();
  box->clear();
  box->setSelectionMode(state.multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
  for (std::size_t i = 0; i < state.items.size(); ++i) {
    box->addItem(shown(state.items[i].text, this->box().codePage()));
    if (state.multiSelect && i < state.selected.size() && state.selected[i])
      box->item(static_cast<int>(i))->setSelected(true);
  }
  if (!state.multiSelect) box->setCurrentRow(state.current);
}

TMyyComboBox::TMyyComboBox(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyField(sizing, box, page, parent) {
  auto* combo = new QComboBox(this);
  combo->setEditable(false);
  inner_ = combo;
  connect(combo, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_) state().current = index;
  });
}

QComboBox* TMyyComboBox::combo() const { return static_cast<QComboBox*>(inner_); }

void TMyyComboBox::show(const FieldState& state) {
  QComboBox* box = combo();
  box->clear();
  for (const ListItem& item : state.items) box->addItem(shown(item.text, this->box().codePage()));
  box->setCurrentIndex(state.current);
}

// --- Check controls.

TMyyCheckedControl::TMyyCheckedControl(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyField(sizing, box, page, parent) {
  installCheckControlAccessibility();
}

void TMyyCheckedControl::ClickAction() {
  const bool was = checked();
  clickCheckControl(state());
  if (checked() != was) checkedStateChanged(*this);
  update();
  if (!radio() || Object() == nullptr) return;
  // The other buttons of its group go off.
  PageControls* controls = pageControls();
  if (controls == nullptr) return;
  const std::vector<FormField> fields = controls->formFields();
  const auto index = PageControls::indexOf(*Object(), fields);
  if (!index) return;
  for (const std::size_t member : radioGroupOf(fields, *index)) {
    if (member == *index) continue;
    if (TMyyVisual* other = controls->controlOf(*fields[member].object)) other->SetValue({});
  }
}

void TMyyCheckedControl::mousePressEvent(QMouseEvent* event) {
  TMyyField::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void TMyyCheckedControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (event->button() == Qt::LeftButton && !rect().contains(event->position().toPoint())) {
    // Released outside: nothing changes.
    event->accept();
    update();
    return;
  }
  if (!wasPressed && event->button() == Qt::LeftButton) {
    update();
    return;
  }
  TMyyField::mouseReleaseEvent(event);
  update();
}

void TMyyCheckedControl::paintEvent(QPaintEvent*) {
  if (Object() == nullptr) return;
  QPainter painter(this);
  zoomPainter(painter, Zoom());
  const QRect area = bookRect();
  WindowCanvas canvas(*this, painter, area, box().measures().pixelsPerInch());
  paintCheckControl(*Object(), radio(), state().checked, canvas, {0, 0, area.width(), area.height()},
                    page().controlMetrics(), pressed_);
  paintSelectedLook(painter);
}

}  // namespace zeb
