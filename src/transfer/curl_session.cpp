// libcurl's process-wide start and the easy handles of the transfers.
#include "transfer/curl_session.h"

#include <mutex>

namespace zeb {
namespace {

int abortCheck(void* abortFlag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(abortFlag)->load() ? 1 : 0;
}

}  // namespace

void initialiseTransfers() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlHandle createCurlHandle(std::chrono::milliseconds connectLimit, std::chrono::milliseconds totalLimit,
                            const std::atomic<bool>& abort) {
  initialiseTransfers();
  CurlHandle handle(curl_easy_init());
  if (!handle) return handle;
  CURL* curl = handle.get();
  // Signals cannot be used from a thread of their own (name resolution time-outs would).
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectLimit.count()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(totalLimit.count()));
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &abortCheck);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&abort));
  return handle;
}

bool appendToList(CurlList& list, const char* line) {
  curl_slist* longer = curl_slist_append(list.get(), line);
  if (longer == nullptr) return false;
  (void)list.release();
  list.reset(longer);
  return true;
}

}  // namespace zeb
