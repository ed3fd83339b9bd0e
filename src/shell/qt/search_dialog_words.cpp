// The search dialog's word page: the search in the page, the searches through the pages on a
// worker thread (the e-book search and the list of all matching pages), the term boxes, and
// what an opened or closing book does to the dialog.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/qt/book_text.h"
#include "shell/qt/object_list_view.h"
#include "shell/qt/search_dialog.h"
#include "shell/qt/search_progress.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

// The pause in milliseconds between two additions of results to the list, and the most
// results one addition takes: each addition merges into the whole list.
constexpr qint64 listInterval = 100;
constexpr std::size_t resultsPerAddition = 1000;

}  // namespace

std::string TFcerca::term(const QComboBox& box) const { return box.currentText().toStdString(); }

SearchTerms TFcerca::terms() const { return {term(*Edit2_), term(*Edit3_), term(*Edit5_), term(*Edit6_)}; }

void TFcerca::applyOptions() {
  host_.Editor->setSearchOptions(searchOptionsFromBoxes(CBcaps1_->isChecked(), CBcomp1_->isChecked()));
}

void TFcerca::rememberTerm(QComboBox& box) {
  const QString text = box.currentText();
  if (!text.isEmpty() && box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    box.addItem(text);
    box.setEditText(text);
  }
}

void TFcerca::termTyped(QComboBox& box) {
  if (box.view()->isVisible()) return;  // choosing from the drop-down list
  const TermBox typed = &box == Edit3_ ? TermBox::edit3 : &box == Edit5_ ? TermBox::edit5 : TermBox::edit6;
  const auto target =
      termMoveTarget(typed, term(box), Edit2_->currentText().isEmpty(), Edit5_->currentText().isEmpty());
  if (!target) return;
  QComboBox& into = *target == TermBox::edit2 ? *Edit2_ : *Edit5_;
  into.setEditText(box.currentText());
  box.setEditText(QString());
  into.setFocus();
  into.lineEdit()->end(false);
}

void TFcerca::BcancelClick() {
  for (QComboBox* box : {Edit2_, Edit3_, Edit5_, Edit6_}) box->setEditText(QString());
}

// --- The search in the page.

void TFcerca::BCNellaPaginaClick() {
  const std::string first = term(*Edit2_);
  if (first.empty()) return;
  BCNellaPagina_->setEnabled(false);
  applyOptions();
  rememberTerm(*Edit2_);
  words_.searchInPage(view_, first);
  updatePageButton();
}

// --- The searches through the pages.

void TFcerca::BContinuaNellIpertestoClick() {
  const SearchTerms query = terms();
  if (query.a.empty()) return;
  view_.showStatusPanels();
  applyOptions();
  for (QComboBox* box : {Edit2_, Edit3_, Edit5_, Edit6_}) rememberTerm(*box);
  startSearch(Running::book, {query, host_.Editor->SearchOptions(), firstPageAfter(view_.MainPageNumber()), true});
}

void TFcerca::SpeedButton1Click() {
  // The options of the boxes count here too, not those of the search before.
  applyOptions();
  stopSearch();
  ZEBListViewPagPar_->containerCleared();
  showResultsPlace(false);
  const SearchTerms query = terms();
  if (query.a.empty() && query.b.empty() && query.c.empty() && query.d.empty()) return;
  startSearch(Running::allPages, {query, host_.Editor->SearchOptions(), 0, false});
}

void TFcerca::startSearch(Running kind, BookSearchRequest request) {
  stopSearch();
  running_ = kind;
  request_ = request;
  sinceFlush_.invalidate();
  if (kind == Running::book) BContinuaNellIpertesto_->setEnabled(false);
  // The pages the search examines at most, until it says how many it will.
  const int pages = host_.mainZEBset->count(kindNumber(TOggettiHel::testoHtml));
  if (progress_) progress_->started(static_cast<std::size_t>(std::max(0, pages - request.firstPage)));
  BackgroundBookSearch::Events events;
  events.onHit = [this](const FoundPage& hit) { hitArrived(hit); };
  events.onProgress = [this](const SearchProgress& progress) {
    if (progress_) progress_->advanced(progress.examined, progress.total);
  };
  events.onFinished = [this](SearchEnd end, std::size_t) { searchEnded(end); };
  search_.start(*host_.mainZEBset, std::move(request), std::move(events));
}

void TFcerca::stopSearch() {
  search_.cancel();
  flushTimer_->stop();
  // Results not listed yet go with the search; what is listed stays.
  pendingResults_.clear();
  searchOver_ = false;
  if (running_ == Running::book) BContinuaNellIpertesto_->setEnabled(true);
  running_ = Running::none;
  bookHit_.reset();
  if (progress_) progress_->finished();
}

void TFcerca::cancelSearch() { stopSearch(); }

void TFcerca::hitArrived(const FoundPage& hit) {
  if (running_ == Running::book) {
    if (!bookHit_) bookHit_ = hit;
    return;
  }
  pendingResults_.push_back(hit);
  // The first results go into the list once their delivery is over, later ones after a
  // pause since the last time.
  if (!flushTimer_->isActive()) {
    const qint64 since = sinceFlush_.isValid() ? sinceFlush_.elapsed() : listInterval;
    flushTimer_->start(static_cast<int>(std::max<qint64>(0, listInterval - since)));
  }
}

void TFcerca::flushResults() {
  flushTimer_->stop();
  if (!pendingResults_.empty()) {
    sinceFlush_.start();
    const auto count = static_cast<std::ptrdiff_t>(std::min(pendingResults_.size(), resultsPerAddition));
    std::vector<ObjectListItem> items;
    items.reserve(static_cast<std::size_t>(count));
    for (auto hit = pendingResults_.begin(); hit != pendingResults_.begin() + count; ++hit) {
      TZEBoggetto* page = host_.mainZEBset->slot(TOggettiHel::testoHtml, hit->page);
      if (page == nullptr || page->isReleased()) continue;
      ObjectListItem item = objectListItem(*page);
      item.subItems.push_back(std::move(hit->snippet));
      items.push_back(std::move(item));
    }
    pendingResults_.erase(pendingResults_.begin(), pendingResults_.begin() + count);
    ZEBListViewPagPar_->addItems(std::move(items));
  }
  // A long backlog goes in by parts, each after the window's other events.
  if (!pendingResults_.empty())
    flushTimer_->start(0);
  else if (searchOver_)
    finishSearch();
}

void TFcerca::searchEnded(SearchEnd end) {
  // A book whose file cannot be opened again is still read by the container.
  if (end == SearchEnd::bookUnreadable)
    searchInContainer(*host_.mainZEBset, request_, [this](const FoundPage& hit) { hitArrived(hit); });
  searchOver_ = true;
  flushResults();
}

void TFcerca::finishSearch() {
  searchOver_ = false;
  const Running kind = running_;
  running_ = Running::none;
  if (progress_) progress_->finished();
  if (kind == Running::book) {
    BContinuaNellIpertesto_->setEnabled(true);
    const std::optional<FoundPage> hit = std::move(bookHit_);
    bookHit_.reset();
    if (hit)
      words_.showBookHit(view_, hit->page, bookTextToUtf8(hit->term, hit->codePage));
    else
      words_.showBookEnd(view_);
    updatePageButton();
  } else if (kind == Running::allPages) {
    showResultsPlace(ZEBListViewPagPar_->items().empty());
  }
  emit searchFinished();
}

void TFcerca::showResultsPlace(bool noPageFound) {
  ResultsPlace_->setCurrentWidget(noPageFound ? static_cast<QWidget*>(LabelNoResults_) : ZEBListViewPagPar_);
}

void TFcerca::showResult() {
  const std::int32_t page = ZEBListViewPagPar_->SelectedIdentifier();
  if (page < 0) return;
  words_.showResult(view_, page, term(*Edit2_), term(*Edit5_));
  updatePageButton();
}

// --- The book.

void TFcerca::bookOpened() {
  stopSearch();
  try {
    ZEBListViewKW_->Reload();
    ZEBListViewKW_->sortByListColumn(0);
  } catch (...) {
    // The list stays as far as the reload got.
  }
  keywordFilter_ = -1;
  ZEBListViewPag_->containerCleared();
  // Results of the book before would name pages of this one.
  ZEBListViewPagPar_->containerCleared();
  showResultsPlace(false);
}

void TFcerca::bookClosing() {
  stopSearch();
  for (TZEBListView* list : {ZEBListViewKW_, ZEBListViewPag_, ZEBListViewPagPar_}) list->containerCleared();
  showResultsPlace(false);
}

}  // namespace zeb
