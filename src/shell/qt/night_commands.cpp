// The night items of the View menu.
#include "shell/qt/night_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "platform/settings_store.h"
#include "shell/night_choice.h"
#include "shell/qt/main_form.h"
#include "shell/qt/separate_window_form.h"
#include "view/qt/frame_set.h"
#include "view/qt/night_painting.h"

namespace zeb {
namespace {

void applyNightView(TMainForm& window, const NightView& view) {
  window.Editor()->setNightView(view);
  for (TFseparato* separate : window.findChildren<TFseparato*>()) separate->Preview()->setNightView(view);
}

QAction* addCheckItem(QMenu& menu, TMainForm& window, const char* name, const char* text, bool checked) {
  auto* action = new QAction(QString::fromUtf8(text), &window);
  action->setObjectName(name);
  action->setCheckable(true);
  action->setChecked(checked);
  menu.addAction(action);
  return action;
}

}  // namespace

void addNightItems(QMenu& view, TMainForm& window, SettingsStore& settings) {
  view.addSeparator()->setObjectName("NightSeparator");
  const NightView start = shell::startingNightView(settings, isDarkPalette(QApplication::palette()));
  QAction* night = addCheckItem(view, window, "NightMode", "Modalità &notte", start.on);
  night->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
  QAction* dim = addCheckItem(view, window, "DimPictures", "&Attenua le immagini di notte", start.dimPictures);
  applyNightView(window, start);
  // Only what the user does is kept: until then the desktop decides at every start.
  const auto chosen = [&window, &settings, night, dim] {
    const NightView chosenView{.on = night->isChecked(), .dimPictures = dim->isChecked()};
    applyNightView(window, chosenView);
    shell::rememberNightView(settings, chosenView);
  };
  QObject::connect(night, &QAction::triggered, &window, chosen);
  QObject::connect(dim, &QAction::triggered, &window, chosen);
}

}  // namespace zeb
