// window_shots: saves a picture of the screen while one of the reader's windows shows, for
// notes and reviews (run it under a virtual display):
//   window_shots confirmation BOOK OUT.png INDEX   the question an address link of the book
//                                                  (the INDEX-th) asks before it starts something
//   window_shots popup BOOK OUT.png INDEX          the main window on the book's page 1 with the
//                                                  pop-up of its INDEX-th link action over it
//   window_shots search BOOK OUT.png WORD          the search dialog over the main window, listing
//                                                  every page that holds the word, with contexts
//   window_shots fullscreen BOOK OUT.png PAGE      the main window in full screen on the page
//   window_shots bookmarks BOOK OUT.png PAGES      the Ebook menu's Bookmarks, after a bookmark was
//                                                  added on each page of the list ("2,5")
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "document/book_object.h"
#include "platform/qt/qt_platform.h"
#include "shell/link_plan.h"
#include "shell/qt/confirmation_dialog.h"
#include "shell/qt/main_form.h"
#include "shell/qt/main_window_links.h"
#include "shell/qt/main_window_search.h"
#include "shell/qt/search_dialog.h"
#include "shell/qt/toolbar_icons.h"
#include "view/qt/frame_set.h"

namespace {

constexpr int settleMilliseconds = 800;
constexpr int searchMilliseconds = 60'000;

// Lets the windows be mapped and painted.
void settle() {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < settleMilliseconds) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool save(const QString& file) {
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
  if (!shot.save(file)) {
    std::fprintf(stderr, "Error!: cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

zeb::TZEBoggetto* objectOf(zeb::TZEBset& set, zeb::TOggettiHel kind, int index) {
  zeb::TZEBoggetto* found = set.objectByKindAndIndex(zeb::kindNumber(kind), index);
  if (found == nullptr) std::fprintf(stderr, "Error!: the book has no such link\n");
  return found;
}

int confirmation(const zeb::PlatformServices& services, const std::string& book, const QString& out, int index) {
  zeb::TZEBset set(services);
  if (!set.Load(book)) return 1;
  zeb::TZEBoggetto* link = objectOf(set, zeb::TOggettiHel::internetLink, index);
  if (link == nullptr) return 1;
  zeb::shell::LinkRequest request;
  request.link = link;
  request.clicked = zeb::shell::ClickedKind::textBox;
  const zeb::shell::LinkPlan plan =
      zeb::shell::planLink(request, {zeb::shell::LinkHandler::mainWindow, &set, true}, zeb::AskForCdFolder::no);
  std::optional<zeb::shell::StartRequest> start = plan.outside;
  if (plan.run && plan.run->start) start = plan.run->start;
  if (!start) {
    std::fprintf(stderr, "Error!: the link starts nothing\n");
    return 1;
  }
  zeb::shell::ConfirmationDialog dialog(zeb::shell::ConfirmationRequest{set.ZEBFileName(), *start});
  dialog.show();
  settle();
  return save(out) ? 0 : 1;
}

int popup(const zeb::PlatformServices& services, const std::string& book, const QString& out, int index) {
  zeb::TMainForm window(services, {book});
  window.setLinkDispatcher(std::make_unique<zeb::shell::MainWindowLinks>(window));
  window.setGeometry(40, 40, 900, 620);
  window.show();
  settle();
  window.Editor()->setMainPageNumber(1);
  zeb::TZEBoggetto* link = objectOf(window.mainZEBset(), zeb::TOggettiHel::speclink, index);
  if (link == nullptr) return 1;
  // As if the words were clicked a little inside the page.
  QCursor::setPos(window.Editor()->mapToGlobal(QPoint(260, 120)));
  window.EditorDoLink(zeb::LinkSource{zeb::LinkSourceKind::textBox, window.Editor()->MainBox(), nullptr}, link);
  settle();
  return save(out) ? 0 : 1;
}

int search(const zeb::PlatformServices& services, const std::string& book, const QString& out, const QString& word) {
  zeb::TMainForm window(services, {book});
  auto searching = std::make_unique<zeb::shell::MainWindowSearch>(window);
  zeb::shell::MainWindowSearch& service = *searching;
  window.setSearchService(std::move(searching));
  window.setGeometry(20, 20, 1000, 700);
  window.show();
  settle();
  service.showWordPage();
  zeb::TFcerca& dialog = *service.dialog();
  dialog.move(window.x() + 360, window.y() + 80);
  dialog.findChild<QComboBox*>("Edit2")->setEditText(word);
  QEventLoop waiting;
  bool finished = false;
  QObject::connect(&dialog, &zeb::TFcerca::searchFinished, &waiting, [&] {
    finished = true;
    waiting.quit();
  });
  QTimer::singleShot(searchMilliseconds, &waiting, &QEventLoop::quit);
  dialog.findChild<QPushButton*>("SpeedButton1")->click();
  if (!finished) waiting.exec();
  if (!finished) {
    std::fprintf(stderr, "Error!: the search did not end\n");
    return 1;
  }
  settle();
  return save(out) ? 0 : 1;
}

int fullScreen(const zeb::PlatformServices& services, const std::string& book, const QString& out, int page) {
  zeb::TMainForm window(services, {book});
  window.setGeometry(40, 40, 900, 620);
  window.show();
  settle();
  window.Editor()->setMainPageNumber(page);
  window.item("Schermointero1")->trigger();
  settle();
  return save(out) ? 0 : 1;
}

int bookmarks(const zeb::PlatformServices& services, const std::string& book, const QString& out,
              const QString& pages) {
  zeb::TMainForm window(services, {book});
  window.setGeometry(40, 40, 900, 620);
  window.show();
  settle();
  for (const QString& page : pages.split(QLatin1Char(','))) {
    window.Editor()->setMainPageNumber(page.toInt());
    window.item("Aggiungisegnalibro1")->trigger();
  }
  settle();
  auto* ebook = window.findChild<QMenu*>("Ipertesto1");
  auto* marks = window.findChild<QMenu*>("SegnalibriMenu");
  window.menuBar()->setActiveAction(ebook->menuAction());
  settle();
  ebook->setActiveAction(marks->menuAction());
  settle();
  return save(out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle(new zeb::ReaderStyle);
  QLocale::setDefault(QLocale::c());
  const QStringList arguments = QApplication::arguments();
  const QStringList modes = {"confirmation", "popup", "search", "fullscreen", "bookmarks"};
  if (arguments.size() != 5 || !modes.contains(arguments[1])) {
    std::fputs(
        "usage: window_shots confirmation|popup BOOK OUT.png INDEX | search BOOK OUT.png WORD\n"
        "       window_shots fullscreen BOOK OUT.png PAGE | bookmarks BOOK OUT.png PAGE,PAGE...\n",
        stderr);
    return 2;
  }
  zeb::QtPlatform platform;
  const std::string book = arguments[2].toStdString();
  if (arguments[1] == "search") return search(platform.services(), book, arguments[3], arguments[4]);
  if (arguments[1] == "bookmarks") return bookmarks(platform.services(), book, arguments[3], arguments[4]);
  if (arguments[1] == "fullscreen") return fullScreen(platform.services(), book, arguments[3], arguments[4].toInt());
  const int index = arguments[4].toInt();
  if (arguments[1] == "confirmation") return confirmation(platform.services(), book, arguments[3], index);
  return popup(platform.services(), book, arguments[3], index);
}
