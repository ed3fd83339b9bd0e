// The main window's own events: its first showing, closing, resizing and activation,
// dropped files, the keys it previews, and the paints of its page area.
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <utility>

#include "shell/qt/contents_sidebar.h"
#include "shell/qt/main_form.h"
#include "view/program_metrics.h"
#include "view/qt/frame_set.h"
#include "view/qt/visual_control.h"

namespace zeb {
namespace {

// Closing waits this long between two rounds of pending events, so that work the pages
// started can end.
constexpr unsigned long closingPauseMilliseconds = 100;
constexpr int screenshotDelayMilliseconds = 500;

bool isPageKey(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event.key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
  }
}

// Controls that move through their own entries with these keys keep them.
bool usesArrowKeys(const QWidget& control) {
  for (const QWidget* widget = &control; widget != nullptr; widget = widget->parentWidget())
    if (qobject_cast<const QComboBox*>(widget) != nullptr || qobject_cast<const QAbstractItemView*>(widget) != nullptr)
      return true;
  return false;
}

// Whether the widget belongs to the control of a page's object (a form field, a list, a
// media player): such a control took the focus from the user.
bool inPageControl(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget())
    if (qobject_cast<const TMyyVisual*>(widget) != nullptr) return true;
  return false;
}

}  // namespace

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shell_->windowHasBeenShown() || shell_->switchPending()) return;
  // Keys are previewed from now on (FormKeyDown), and paints of the page area watched.
  qApp->installEventFilter(this);
  shell_->windowShown(arguments_);
  if (splash_) splashTimer_->start();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!shell_->switchPending()) FormClose();
  QMainWindow::closeEvent(event);
}

void TMainForm::FormClose() {
  // Where the book is left, before the view lets go of its page.
  shell_->rememberPosition();
  editor_->setAnimated(false);
  editor_->setMainPageNumber(-1);
  editor_->setReadOnly(true);
  QCoreApplication::processEvents();
  QThread::msleep(closingPauseMilliseconds);
  QCoreApplication::processEvents();
  setProgramClosing(true);
  if (search_) search_->windowClosing();
  if (linkDispatcher_) linkDispatcher_->windowClosing();
  splashTimer_->stop();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (shell_->keepsMaximised() && !isMaximized()) QTimer::singleShot(0, this, &QWidget::showMaximized);
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  // A click into a form field of an inactive window gives the field the focus before the
  // window is activated: the field keeps it, and so does a field the user left for another
  // window.
  if (inPageControl(focusWidget())) return;
  editor_->FocusCurrentBox();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  std::vector<std::string> files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  event->acceptProposedAction();
  EditorDropFile(files);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto& key = static_cast<QKeyEvent&>(*event);
    // HistoryComboKeyPress: Enter chooses the entry shown; what is typed means nothing.
    if (watched == historyCombo_ && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
      HistoryComboClick(historyCombo_->currentIndex());
      return true;
    }
    if (FormKeyDown(watched, key)) return true;
    if (leavesPresentation(watched, key)) return true;
  } else if (event->type() == QEvent::Paint) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this && !windowPainted_) {
      windowPainted_ = true;
      // After this paint: the page is on the screen before the contents are read.
      QTimer::singleShot(0, sidebar_, [this] { sidebar_->setLoadingHeld(false); });
    }
    if (pagePaintPending_ && widget != nullptr && (widget == editor_ || editor_->isAncestorOf(widget))) {
      pagePaintPending_ = false;
      // After the paint in progress has ended.
      QTimer::singleShot(0, this, &TMainForm::pagePainted);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::FormKeyDown(QObject* watched, QKeyEvent& event) {
  if (!editor_->ReadOnly() || !isPageKey(event)) return false;
  auto* control = qobject_cast<QWidget*>(watched);
  // Once, for the control that has the focus, and not for controls of other windows.
  if (control == nullptr || control != QApplication::focusWidget() || control->window() != this) return false;
  if (usesArrowKeys(*control)) return false;
  editor_->FocusCurrentBox();
  QWidget* box = QApplication::focusWidget();
  if (box == nullptr || box == control) return false;
  QKeyEvent again(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                  static_cast<ushort>(event.count()));
  QCoreApplication::sendEvent(box, &again);
  return true;
}

bool TMainForm::leavesPresentation(QObject* watched, const QKeyEvent& event) {
  if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier) return false;
  // Once, for the control that has the focus (or the window, when none has it).
  auto* control = qobject_cast<QWidget*>(watched);
  QWidget* focused = QApplication::focusWidget();
  if (control == nullptr || control != (focused != nullptr ? focused : this) || control->window() != this) return false;
  return shell_->escapePressed();
}

void TMainForm::pagePainted() {
  if (reportPages_) {
    std::printf("shown: %s|%d\n", mainZEBset().ZEBFileName().c_str(), editor_->MainPageNumber());
    std::fflush(stdout);
  }
  if (!screenshotFile_.isEmpty()) {
    // The screen as it shows once the window has settled, then the end.
    QTimer::singleShot(screenshotDelayMilliseconds, this, [this] {
      const QString file = std::exchange(screenshotFile_, QString());
      if (QScreen* shown = screen()) shown->grabWindow(0).save(file, "PNG");
      QCoreApplication::exit(0);
    });
  }
  if (quitAfterFirstPaint_) {
    quitAfterFirstPaint_ = false;
    // What the start cost until now, for the startup benchmark.
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    std::printf("first paint: %.2f ms processor\n", used.tv_sec * 1e3 + used.tv_nsec / 1e6);
    std::fflush(stdout);
    // Ends the event loop without closing the window first, as a user's close would.
    QCoreApplication::exit(0);
  }
}

}  // namespace zeb
