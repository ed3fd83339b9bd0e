// What a form button calls to send its form's data in the background, by web or by mail.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zeb {

class SettingsStore;
class TransferRegistry;

class FormTransfer {
 public:
  virtual ~FormTransfer() = default;
  // Method 2: the data text is the body of a web request to the form's target address.
  virtual void sendByWeb(std::string_view target, std::string_view data) = 0;
  // Method 4: the data text is mailed to the form's target address. bookPath is the open
  // book's path as the container holds it (UTF-8); the subject names its file.
  virtual void sendByMail(std::string_view target, std::string_view data, std::string_view bookPath) = 0;
};

// "Email from: (" + the book's file name without its folder + ")", in Windows-1252.
std::string formMailSubject(std::string_view bookPath);
// The recipient named by a form's target: the address itself, a leading "mailto:" (any case)
// left out.
std::string formMailRecipient(std::string_view target);

// The reader's form transfers. A web request has no callback, so its status box reports the
// answer; a mail goes from the "email1" address through the "smtp1" server. When "email1" is
// empty, askForMailSettings runs first (the reader shows the e-mail settings window there),
// and the settings are read again after it.
class FormTransferService final : public FormTransfer {
 public:
  FormTransferService(TransferRegistry& registry, SettingsStore& settings, std::function<void()> askForMailSettings);

  void sendByWeb(std::string_view target, std::string_view data) override;
  void sendByMail(std::string_view target, std::string_view data, std::string_view bookPath) override;

 private:
  TransferRegistry& registry_;
  SettingsStore& settings_;
  std::function<void()> askForMailSettings_;
};

}  // namespace zeb
