// Ebook > Go to page: a page number, or part of a page's title with the titles that hold it
// offered as it is typed.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/go_to_page.h"

class QLabel;
class QLineEdit;

namespace zeb::shell {

class GoToPageDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit GoToPageDialog(std::vector<PageTitle> pages, QWidget* parent = nullptr);

  QLineEdit* entry() const { return entry_; }
  // After OK: the page the entry names.
  std::optional<std::int32_t> chosenPage() const { return chosen_; }

 protected:
  // An entry that names no page keeps the dialog open and says so.
  void accept() override;

 private:
  std::vector<PageTitle> pages_;
  QLineEdit* entry_;
  QLabel* note_;
  std::optional<std::int32_t> chosen_;
};

}  // namespace zeb::shell
