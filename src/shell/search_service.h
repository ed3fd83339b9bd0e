// What the main window asks of the search dialog. The dialog is installed into the window
// from outside; until it is, the window's search commands are present and disabled.
#pragma once

namespace zeb::shell {

class SearchService {
 public:
  virtual ~SearchService() = default;

  // "&Search...", "&Boolean search...": the dialog (made on first use) on its word page.
  virtual void showWordPage() = 0;
  // "Search by keyword...": the dialog on its keyword page.
  virtual void showKeywordPage() = 0;
  // F3: with no dialog yet as showWordPage; else, unless the dialog shows its replace
  // page, its search in the page shown.
  virtual void searchAgainInPage() = 0;
  // F4: with no dialog yet as showWordPage; else its search through the book (see the
  // dialog for its replace page).
  virtual void searchAgainInBook() = 0;

  // A book was opened: the keyword list is read again and the page list emptied.
  virtual void bookOpened() {}
  // The main view shows another page: "search in page" gets its caption back.
  virtual void pageShown() {}
  // The main window closes: the dialog lets go of the window.
  virtual void windowClosing() {}
};

}  // namespace zeb::shell
