// The progress of a search through the pages, for the status bar: a bar of the pages examined
// and a button that stops the search. Hidden while no search runs.
#pragma once

#include <QWidget>
#include <cstddef>

class QProgressBar;
class QToolButton;

namespace zeb {

class SearchProgressIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit SearchProgressIndicator(QWidget* parent = nullptr);

  // Shown, empty, for a search of about that many pages.
  void started(std::size_t pages);
  void advanced(std::size_t examined, std::size_t pages);
  // Hidden again.
  void finished();

  QProgressBar& bar() const { return *bar_; }
  QToolButton& cancelButton() const { return *cancel_; }

 signals:
  void cancelRequested();

 private:
  QProgressBar* bar_;
  QToolButton* cancel_;
};

}  // namespace zeb
