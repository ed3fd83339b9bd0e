// Sending mail over libcurl's SMTP.
#include "transfer/mail_request.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "transfer/curl_session.h"
#include "transfer/mail_server.h"

namespace zeb {
namespace {

struct Upload {
  std::string_view rest;
};

std::size_t readMessage(char* buffer, std::size_t size, std::size_t count, void* source) {
  Upload& upload = *static_cast<Upload*>(source);
  const std::size_t length = std::min(size * count, upload.rest.size());
  std::memcpy(buffer, upload.rest.data(), length);
  upload.rest.remove_prefix(length);
  return length;
}

std::string envelopeAddress(std::string_view address) { return "<" + withoutLineBreaks(address) + ">"; }

}  // namespace

bool performMailTransfer(const MailRequest& request, const MailStamp& stamp, const TransferLimits& limits,
                         const std::atomic<bool>& abort) {
  const std::optional<std::string> address = smtpAddressFor(request.server);
  if (!address) return false;
  CurlHandle handle = createCurlHandle(limits.connect, limits.mail, abort);
  if (!handle) return false;
  CURL* curl = handle.get();
  const std::string sender = envelopeAddress(request.sender);
  const std::string recipient = envelopeAddress(request.recipient);
  CurlList recipients;
  if (!appendToList(recipients, recipient.c_str())) return false;
  const std::string data = composeMailData(request, stamp);
  Upload upload{data};

  curlLibrary().easy_setopt(curl, CURLOPT_URL, address->c_str());
  curlLibrary().easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  curlLibrary().easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  curlLibrary().easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curlLibrary().easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curlLibrary().easy_setopt(curl, CURLOPT_MAIL_FROM, sender.c_str());
  curlLibrary().easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients.get());
  curlLibrary().easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curlLibrary().easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(data.size()));
  curlLibrary().easy_setopt(curl, CURLOPT_READFUNCTION, &readMessage);
  curlLibrary().easy_setopt(curl, CURLOPT_READDATA, &upload);
  return curlLibrary().easy_perform(curl) == CURLE_OK;
}

}  // namespace zeb
