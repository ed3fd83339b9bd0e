// Sending form data: the web request and the mail a form button starts.
#include "transfer/form_transfer.h"

#include "platform/windows1252.h"
#include "transfer/mail_settings.h"
#include "transfer/messages.h"
#include "transfer/transfer_threads.h"

namespace zeb {

std::string formMailSubject(std::string_view bookPath) {
  const std::size_t slash = bookPath.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? bookPath : bookPath.substr(slash + 1);
  std::string subject(messages::mailSubjectOpen);
  subject += utf8ToWindows1252(name);
  subject += messages::mailSubjectClose;
  return subject;
}

std::string formMailRecipient(std::string_view target) {
  constexpr std::string_view scheme = "mailto:";
  if (target.size() >= scheme.size() && equalsIgnoringCase(target.substr(0, scheme.size()), scheme))
    target.remove_prefix(scheme.size());
  return std::string(target);
}

FormTransferService::FormTransferService(TransferRegistry& registry, SettingsStore& settings,
                                         std::function<void()> askForMailSettings)
    : registry_(registry), settings_(settings), askForMailSettings_(std::move(askForMailSettings)) {}

void FormTransferService::sendByWeb(std::string_view target, std::string_view data) {
  TVoWebThread::start(registry_, std::string(target), std::string(data), nullptr);
}

void FormTransferService::sendByMail(std::string_view target, std::string_view data, std::string_view bookPath) {
  MailSettings settings = readMailSettings(settings_);
  if (settings.sender.empty() && askForMailSettings_) {
    askForMailSettings_();
    settings = readMailSettings(settings_);
  }
  MailRequest request;
  request.sender = std::move(settings.sender);
  request.recipient = formMailRecipient(target);
  request.server = std::move(settings.server);
  request.subject = formMailSubject(bookPath);
  request.body = std::string(data);
  TVoMailThread::start(registry_, std::move(request), nullptr);
}

}  // namespace zeb
