// TFcerca, the search dialog: a tool window with a keyword page (keywords, and the pages that
// carry the chosen one) and a word page (up to four terms; search in the page shown, in the
// e-book from the next page on, or list every matching page with a snippet of each). The
// searches through the pages run on a worker thread: results stream into the list, a
// progress indicator can stop them, and a new search or a closing book cancels the old one.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/background_search.h"
#include "shell/find_options.h"
#include "shell/qt/frame_set_search_view.h"
#include "shell/qt/search_progress.h"
#include "shell/word_search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolButton;

namespace zeb {

class MessageBoxes;
class SettingsStore;
class TInsiemeCornici;
class TZEBListView;
class TZEBset;

// What the dialog takes from the main window. The four pointers must be set and outlive it.
struct SearchDialogHost {
  TInsiemeCornici* Editor = nullptr;
  TZEBset* mainZEBset = nullptr;
  SettingsStore* settings = nullptr;
  MessageBoxes* messages = nullptr;
  // The status bar and the "show frames" toggle.
  SearchViewHooks view;
  // Called once at creation to put the progress indicator in the status bar; without it the
  // indicator stays at the foot of the dialog.
  std::function<void(SearchProgressIndicator&)> placeProgressIndicator;
};

class TFcerca : public QDialog {
  Q_OBJECT

 public:
  explicit TFcerca(SearchDialogHost host, QWidget* parent = nullptr);
  ~TFcerca() override;

  // --- What the main window calls.
  void showOnWordPage();
  void showOnKeywordPage();
  // F3 and F4 of the main window's menu: nothing while the replace page shows, where F4 of a
  // read-only view turns to the word page and shows the dialog instead.
  void searchAgainInPage();
  void searchAgainInBook();
  // After a book was opened: the keyword list reloaded, no keyword chosen, the page lists
  // emptied, a running search stopped.
  void bookOpened();
  // Before the container is cleared or loads another book: the running search stops and
  // every list is emptied.
  void bookClosing();
  // After every page change: the search-in-page button is ready again.
  void pageChanged();
  bool showsReplacePage() const;
  SearchProgressIndicator& progressIndicator() const { return *progress_; }
  // Closing: the options and the placement are kept in the settings.
  void reject() override;

  // --- Handlers, named after their components.
  void BCNellaPaginaClick();
  void BContinuaNellIpertestoClick();
  void SpeedButton1Click();
  void BcancelClick();
  void BCercaClick();
  // Stops the running search; what it has listed stays.
  void cancelSearch();

  // --- State.
  // -2 after creation, -1 after a book was opened, else the chosen keyword's index.
  std::int32_t keywordFilter() const { return keywordFilter_; }
  bool searchRunning() const { return running_ != Running::none; }
  const WordSearch& wordSearch() const { return words_; }

 signals:
  // A search through the pages ended by itself (not cancelled) and its results are shown.
  void searchFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Running { none, book, allPages };

  // Building (search_dialog.cpp).
  void buildKeywordPage();
  void buildWordPage();
  void buildReplacePage();
  void connectComponents();
  void updatePageButton();
  void readOptions();
  void writeOptions();
  // Keywords (search_dialog_keywords.cpp).
  void chooseKeyword();
  void showChosenPage(TZEBListView& list);
  // Words (search_dialog_words.cpp).
  void applyOptions();
  // A term as typed (UTF-8): the searches convert it into each page's code page.
  std::string term(const QComboBox& box) const;
  SearchTerms terms() const;
  void rememberTerm(QComboBox& box);
  void termTyped(QComboBox& box);
  void startSearch(Running kind, BookSearchRequest request);
  void stopSearch();
  void hitArrived(const FoundPage& hit);
  void flushResults();
  void searchEnded(SearchEnd end);
  void finishSearch();
  void showResult();
  // The result list, or in its place the words that no page meets the criteria.
  void showResultsPlace(bool noPageFound);

  SearchDialogHost host_;
  FrameSetSearchView view_;
  WordSearch words_;
  BackgroundBookSearch search_;
  Running running_ = Running::none;
  BookSearchRequest request_;
  std::deque<FoundPage> pendingResults_;
  // The worker is done; the search ends once its results are listed.
  bool searchOver_ = false;
  // Results go into the list at most every listInterval, so that a search with thousands
  // of results re-sorts the list a few times rather than once per delivery.
  QTimer* flushTimer_;
  QElapsedTimer sinceFlush_;
  std::optional<FoundPage> bookHit_;
  FindOptions storedOptions_;
  std::int32_t keywordFilter_ = -2;
  bool placed_ = false;

  QTabWidget* PageControl1_;
  QWidget* TSkey_;
  QWidget* TSparola_;
  QWidget* TSsost_;
  QLineEdit* Edit1_;
  QToolButton* BCerca_;
  TZEBListView* ZEBListViewKW_;
  QLabel* Label3_;
  TZEBListView* ZEBListViewPag_;
  QComboBox* Edit2_;
  QComboBox* Edit3_;
  QComboBox* Edit5_;
  QComboBox* Edit6_;
  QPushButton* SpeedButton1_;
  QPushButton* BCNellaPagina_;
  QPushButton* BContinuaNellIpertesto_;
  QPushButton* Bcancel_;
  QCheckBox* CBcaps1_;
  QCheckBox* CBcomp1_;
  TZEBListView* ZEBListViewPagPar_;
  QStackedWidget* ResultsPlace_;
  QLabel* LabelNoResults_;
  QCheckBox* CBcaps_;
  QCheckBox* CBcomp_;
  QCheckBox* CBconferma_;
  QCheckBox* CBconfT_;
  QRadioButton* RBpage0_;
  QRadioButton* RBpresentPage_;
  QPointer<SearchProgressIndicator> progress_;
};

}  // namespace zeb
