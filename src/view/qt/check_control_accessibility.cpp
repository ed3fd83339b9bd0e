// The accessible interface of the page's check controls.
#include "view/qt/check_control_accessibility.h"

#include <QAccessibleWidget>

#include "document/book_object.h"
#include "platform/qt/book_text.h"
#include "text/text_box.h"
#include "view/qt/form_controls.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

class CheckControlAccessible final : public QAccessibleWidget {
 public:
  explicit CheckControlAccessible(TMyyCheckedControl* control)
      : QAccessibleWidget(control, dynamic_cast<TMyyRadioButton*>(control) != nullptr ? QAccessible::RadioButton
                                                                                      : QAccessible::CheckBox) {}

  // The caption drawn beside the box; without one, the hint.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const TZEBoggetto* object = control().Object();
      const std::string caption = object != nullptr ? object->attribute(controlAttribute::caption) : std::string();
      if (!caption.empty()) return fromBookText(caption, control().box().codePage());
      return widget()->toolTip();
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = control().checked();
    return state;
  }

  QStringList actionNames() const override {
    return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
  }
  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) control().ClickAction();
  }

 private:
  TMyyCheckedControl& control() const { return *static_cast<TMyyCheckedControl*>(widget()); }
};

QAccessibleInterface* checkControlInterface(const QString&, QObject* object) {
  auto* control = dynamic_cast<TMyyCheckedControl*>(object);
  return control != nullptr ? new CheckControlAccessible(control) : nullptr;
}

}  // namespace

void installCheckControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(checkControlInterface);
    return true;
  }();
  (void)installed;
}

void checkedStateChanged(TMyyCheckedControl& control) {
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(&control, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace zeb
