// The search dialog's keyword page: finding a keyword by its first letters, the pages that
// carry the chosen one, and showing a chosen page.
#include <QLabel>
#include <QLineEdit>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/qt/book_text.h"
#include "shell/keyword_search.h"
#include "shell/qt/object_list_view.h"
#include "shell/qt/search_dialog.h"
#include "view/qt/frame_set.h"

namespace zeb {

void TFcerca::BCercaClick() {
  if (Edit1_->text().isEmpty()) return;
  const std::uint16_t codePage = host_.mainZEBset->codePage();
  // Letters the book's code page lacks begin no keyword; "?" would stand for them.
  const std::optional<std::string> typed = CodePage::of(codePage).encode(Edit1_->text().toStdString());
  const std::optional<std::size_t> found =
      findKeyword(ZEBListViewKW_->items(), typed.value_or(std::string()), *host_.messages, codePage);
  if (!found) {
    if (!ZEBListViewKW_->items().empty()) ZEBListViewKW_->clearSelection();
    return;
  }
  ZEBListViewKW_->selectIdentifier(ZEBListViewKW_->items()[*found].identifier);
  chooseKeyword();
}

void TFcerca::chooseKeyword() {
  const std::int32_t identifier = ZEBListViewKW_->SelectedIdentifier();
  if (identifier < 0) return;
  const TZEBoggetto* keyword = ZEBListViewKW_->SelectedObject();
  Label3_->setText(fromBookText(pagesContainingCaption(keyword->Name()), host_.mainZEBset->codePage()));
  keywordFilter_ = keywordFilterValue(static_cast<std::uint32_t>(identifier));
  try {
    ZEBListViewPag_->Reload();
  } catch (...) {
    // The list stays as far as the reload got.
  }
}

void TFcerca::showChosenPage(TZEBListView& list) {
  const std::int32_t page = list.SelectedIdentifier();
  if (page >= 0) host_.Editor->setMainPageNumber(page);
}

}  // namespace zeb
