// libcurl's process-wide start and the easy handles of the transfers.
#include "transfer/curl_session.h"

#include <mutex>

namespace zeb {
namespace {

int abortCheck(void* abortFlag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(abortFlag)->load() ? 1 : 0;
}

}  // namespace

bool initialiseTransfers() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (curlLibrary().loaded()) curlLibrary().global_init(CURL_GLOBAL_DEFAULT);
  });
  return curlLibrary().loaded();
}

CurlHandle createCurlHandle(std::chrono::milliseconds connectLimit, std::chrono::milliseconds totalLimit,
                            const std::atomic<bool>& abort) {
  if (!initialiseTransfers()) return CurlHandle();
  CurlHandle handle(curlLibrary().easy_init());
  if (!handle) return handle;
  CURL* curl = handle.get();
  // Signals cannot be used from a thread of their own (name resolution time-outs would).
  curlLibrary().easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curlLibrary().easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectLimit.count()));
  curlLibrary().easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(totalLimit.count()));
  curlLibrary().easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curlLibrary().easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &abortCheck);
  curlLibrary().easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&abort));
  return handle;
}

bool appendToList(CurlList& list, const char* line) {
  curl_slist* longer = curlLibrary().slist_append(list.get(), line);
  if (longer == nullptr) return false;
  (void)list.release();
  list.reset(longer);
  return true;
}

}  // namespace zeb
