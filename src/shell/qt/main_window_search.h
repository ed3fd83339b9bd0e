// Searching installed into the main window: the search dialog TFcerca, made on first use and
// kept until the window goes, with the window's frame set, book, status bar and "Show
// frames" button. It also hears of container resets, which stop a running search.
#pragma once

#include <QPointer>

#include "shell/container_listeners.h"
#include "shell/qt/search_dialog.h"
#include "shell/search_service.h"

namespace zeb {

class TFcerca;
class TMainForm;

namespace shell {

class MainWindowSearch final : public SearchService, public ContainerListener {
 public:
  // Joins the window's container listeners; leaves them when it goes.
  explicit MainWindowSearch(TMainForm& window);
  ~MainWindowSearch() override;

  // SearchService.
  void showWordPage() override;
  void showKeywordPage() override;
  void searchAgainInPage() override;
  void searchAgainInBook() override;
  void bookOpened() override;
  void pageShown() override;
  void windowClosing() override;

  // ContainerListener: a running search stops and the lists are emptied.
  void containerResetting() override;

  // The dialog once made; none before the first search.
  TFcerca* dialog() const { return dialog_; }

 private:
  TFcerca& made();

  TMainForm& window_;
  QPointer<TFcerca> dialog_;
};

}  // namespace shell
}  // namespace zeb
