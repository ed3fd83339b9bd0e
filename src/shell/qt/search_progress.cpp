// The search progress indicator.
#include "shell/qt/search_progress.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QToolButton>
#include <algorithm>
#include <limits>

#include "platform/qt/book_text.h"
#include "platform/qt/qt_dialog_units.h"
#include "shell/messages.h"

namespace zeb {
namespace {

// In pixels of the design font.
constexpr int designedBarWidth = 200;

int barValue(std::size_t count) {
  return static_cast<int>(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
}

}  // namespace

SearchProgressIndicator::SearchProgressIndicator(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), cancel_(new QToolButton(this)) {
  setObjectName("SearchProgress");
  bar_->setObjectName("SearchProgressBar");
  bar_->setFormat(fromBookText(messages::searchProgress));
  bar_->setTextVisible(true);
  bar_->setMinimumWidth(designScaleOf(font()).x(designedBarWidth));
  cancel_->setObjectName("SearchCancel");
  cancel_->setText(fromBookText(messages::cancelSearch));
  cancel_->setToolTip(fromBookText(messages::cancelSearchHint));
  cancel_->setAccessibleName(cancel_->text());
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar_, 1);
  layout->addWidget(cancel_);
  connect(cancel_, &QToolButton::clicked, this, &SearchProgressIndicator::cancelRequested);
  hide();
}

void SearchProgressIndicator::started(std::size_t pages) {
  bar_->setRange(0, std::max(1, barValue(pages)));
  bar_->setValue(0);
  show();
}

void SearchProgressIndicator::advanced(std::size_t examined, std::size_t pages) {
  bar_->setRange(0, std::max(1, barValue(pages)));
  bar_->setValue(barValue(examined));
}

void SearchProgressIndicator::finished() { hide(); }

}  // namespace zeb
