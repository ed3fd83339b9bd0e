// The zoom items of the View menu and the zoom box.
#include "shell/qt/zoom_commands.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <cstdlib>

#include "shell/qt/main_form.h"
#include "text/text_box.h"
#include "view/page_zoom.h"
#include "view/qt/frame_set.h"
#include "view/qt/page_widget.h"

namespace zeb {
namespace {

constexpr const char* zoomBoxName = "ZoomBox";

QString percentText(int percent) { return QStringLiteral("%1%").arg(percent); }

void showZoom(TMainForm& window) {
  auto* box = window.findChild<QComboBox*>(zoomBoxName);
  if (box == nullptr) return;
  const QString text = percentText(window.Editor()->zoom().percent());
  if (box->currentText() != text) box->setEditText(text);
}

// A number typed into the box, "%" or not; the zoom shown again for anything else.
void zoomFromBox(TMainForm& window, const QString& typed) {
  QString text = typed.trimmed();
  if (text.endsWith(QLatin1Char('%'))) text.chop(1);
  bool number = false;
  const int percent = text.trimmed().toInt(&number);
  if (number && percent > 0) applyZoomTo(window, percent);
  showZoom(window);
}

// The zoom at which the widest page shown fits its window: only a page whose content is
// wider than its window is made smaller.
void fitWidth(TMainForm& window) {
  int fitting = 100;
  for (PageWidget* shown : window.Editor()->ShownPages()) {
    const TZEBbox* box = shown->page().TextBox();
    if (box == nullptr) continue;
    fitting = std::min(fitting, fitWidthZoom(box->ContentWidth(), shown->page().windowClientWidth()));
  }
  applyZoomTo(window, fitting);
}

QAction* addZoomItem(QMenu& menu, TMainForm& window, const char* name, const char* text,
                     const QList<QKeySequence>& keys) {
  auto* action = new QAction(QString::fromUtf8(text), &window);
  action->setObjectName(name);
  action->setShortcuts(keys);
  menu.addAction(action);
  return action;
}

}  // namespace

void applyZoomTo(TMainForm& window, int percent) {
  window.Editor()->setZoom(PageZoom(percent));
  showZoom(window);
}

void addZoomItems(QMenu& view, TMainForm& window) {
  view.addSeparator()->setObjectName("ZoomSeparator");
  // Ctrl+= is Ctrl+plus without Shift on keyboards that shift the plus.
  QAction* in = addZoomItem(view, window, "ZoomIn", "&Ingrandisci",
                            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* out = addZoomItem(view, window, "ZoomOut", "&Riduci", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  QAction* normal =
      addZoomItem(view, window, "ZoomNormal", "Dimensioni &normali", {QKeySequence(Qt::CTRL | Qt::Key_0)});
  QAction* fit = addZoomItem(view, window, "ZoomFitWidth", "Adatta alla &larghezza", {});
  QObject::connect(in, &QAction::triggered, &window,
                   [&window] { applyZoomTo(window, zoomedIn(window.Editor()->zoom().percent())); });
  QObject::connect(out, &QAction::triggered, &window,
                   [&window] { applyZoomTo(window, zoomedOut(window.Editor()->zoom().percent())); });
  QObject::connect(normal, &QAction::triggered, &window, [&window] { applyZoomTo(window, 100); });
  QObject::connect(fit, &QAction::triggered, &window, [&window] { fitWidth(window); });
  QObject::connect(window.Editor(), &TZEBCustomFrameSet::zoomWheeled, &window, [&window](int notches) {
    int percent = window.Editor()->zoom().percent();
    for (int step = 0; step < std::abs(notches); ++step) percent = notches > 0 ? zoomedIn(percent) : zoomedOut(percent);
    applyZoomTo(window, percent);
  });

  auto* box = new QComboBox(window.statusBar());
  box->setObjectName(zoomBoxName);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setFocusPolicy(Qt::ClickFocus);
  for (const int step : zoomSteps()) box->addItem(percentText(step), step);
  box->setToolTip(QStringLiteral("Zoom"));
  box->setAccessibleName(QStringLiteral("Zoom"));
  window.statusBar()->insertPermanentWidget(0, box);
  QObject::connect(box, &QComboBox::activated, &window,
                   [&window, box](int index) { applyZoomTo(window, box->itemData(index).toInt()); });
  QObject::connect(box->lineEdit(), &QLineEdit::editingFinished, &window,
                   [&window, box] { zoomFromBox(window, box->currentText()); });
  showZoom(window);
}

}  // namespace zeb
