// The question asked before anything a book names starts or opens: the exact program and
// arguments (or the address or file), the book that asks, and "Always allow for this ebook".
#pragma once

#include <QDialog>

#include "shell/start_request.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace zeb {
class SettingsStore;
}  // namespace zeb

namespace zeb::shell {

class ConfirmationDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit ConfirmationDialog(const ConfirmationRequest& request, QWidget* parent = nullptr);

  // After the dialog ended: refused unless "Allow" was chosen.
  Consent consent() const;

 private:
  QLabel* question_;
  QLabel* program_;
  QLabel* arguments_;
  QLabel* book_;
  QCheckBox* always_;
  QPushButton* allow_;
  QPushButton* refuse_;
};

// Asks with the dialog, modal to the parent window.
class QtConfirmation final : public Confirmation {
 public:
  explicit QtConfirmation(QWidget* parent = nullptr) : parent_(parent) {}
  Consent confirm(const ConfirmationRequest& request) override;

 private:
  QWidget* parent_;
};

// Whether a form of the book may open the address (Windows-1252, as the book holds it):
// asked with the dialog unless the book is always allowed, whose answer "always" keeps.
bool confirmFormAddress(QWidget* parent, SettingsStore& settings, const std::string& bookPath,
                        const std::string& address);

}  // namespace zeb::shell
