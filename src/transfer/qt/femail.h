// TFemail, the e-mail settings window: the outgoing mail server and the user's address.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeb {

class SettingsStore;

class TFemail final : public QDialog {
  Q_OBJECT

 public:
  explicit TFemail(SettingsStore& settings, QWidget* parent = nullptr);

  QLineEdit* Esmtp() const { return Esmtp_; }
  QLineEdit* Email() const { return Email_; }
  QPushButton* Button1() const { return Button1_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Fills the fields from "email1" and "smtp1".
  void FormShow();
  // Writes both fields back and closes the window with a positive result.
  void Button1Click();

  SettingsStore& settings_;
  QLabel* Label1_ = nullptr;
  QLineEdit* Esmtp_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLineEdit* Email_ = nullptr;
  QLabel* Label3_ = nullptr;
  QPushButton* Button1_ = nullptr;
};

// Shows the window modally over the parent; what form transfers call when "email1" is empty.
void showMailSettings(SettingsStore& settings, QWidget* parent);
// showMailSettings bound to the settings and the parent, for FormTransferService; the parent
// may be gone by the time it runs.
std::function<void()> mailSettingsPrompt(SettingsStore& settings, QWidget* parent);

}  // namespace zeb
