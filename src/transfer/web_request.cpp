// Web requests over libcurl.
#include "transfer/web_request.h"

#include "transfer/curl_session.h"
#include "transfer/messages.h"

namespace zeb {
namespace {

// Reads the answer and keeps none of it: only the status matters.
std::size_t discardBody(char*, std::size_t size, std::size_t count, void*) { return size * count; }

}  // namespace

std::optional<long> performWebRequest(const WebRequest& request, const TransferLimits& limits,
                                      const std::atomic<bool>& abort) {
  CurlHandle handle = createCurlHandle(limits.connect, limits.web, abort);
  if (!handle) return std::nullopt;
  CURL* curl = handle.get();
  const std::string agent(messages::webUserAgent);
  const std::string contentType = "Content-Type: " + std::string(messages::webContentType);
  CurlList headers;
  // libcurl would otherwise wait for a "100 Continue" before sending a larger body.
  if (!appendToList(headers, contentType.c_str()) || !appendToList(headers, "Expect:")) return std::nullopt;

  curlLibrary().easy_setopt(curl, CURLOPT_URL, request.address.c_str());
  // A book names the address: only web addresses are fetched, also after a redirect.
  curlLibrary().easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curlLibrary().easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curlLibrary().easy_setopt(curl, CURLOPT_DEFAULT_PROTOCOL, "http");
  curlLibrary().easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curlLibrary().easy_setopt(curl, CURLOPT_MAXREDIRS, maximumWebRedirects);
  // A form moved to another address is posted there too, not fetched without its data.
  curlLibrary().easy_setopt(curl, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_301 | CURL_REDIR_POST_302));
  curlLibrary().easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
  curlLibrary().easy_setopt(curl, CURLOPT_WRITEFUNCTION, &discardBody);
  if (request.data) {
    curlLibrary().easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    curlLibrary().easy_setopt(curl, CURLOPT_POST, 1L);
    curlLibrary().easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.data->size()));
    curlLibrary().easy_setopt(curl, CURLOPT_POSTFIELDS, request.data->data());
  }
  // Certificates are checked for https (libcurl's default, kept on purpose).
  curlLibrary().easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curlLibrary().easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);

  curlLibrary().easy_perform(curl);
  long status = 0;
  if (curlLibrary().easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status == 0) return std::nullopt;
  return status;
}

std::string webStatusText(std::string_view address, long status) {
  std::string text(address);
  text += messages::webStatusOpen;
  text += std::to_string(status);
  text += messages::webStatusClose;
  return text;
}

}  // namespace zeb
