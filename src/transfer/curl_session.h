// A libcurl easy handle prepared the way every transfer uses it: time-outs, no signals, abortable.
#pragma once

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "transfer/curl_library.h"

namespace zeb {

// Loads and prepares libcurl for the whole process. The transfers' registry calls it on the
// user-interface thread before the first transfer starts; later calls, from any thread, do
// nothing. False when libcurl cannot be loaded (every transfer then fails as unreachable).
bool initialiseTransfers();

struct CurlHandleDeleter {
  void operator()(CURL* handle) const { curlLibrary().easy_cleanup(handle); }
};
using CurlHandle = std::unique_ptr<CURL, CurlHandleDeleter>;

struct CurlListDeleter {
  void operator()(curl_slist* list) const { curlLibrary().slist_free_all(list); }
};
using CurlList = std::unique_ptr<curl_slist, CurlListDeleter>;

// A new handle that gives up when connecting takes longer than connectLimit or the whole
// transfer longer than totalLimit, and soon after `abort` is set (libcurl checks it at least
// about once a second). The flag must outlive the handle. Nothing when libcurl cannot make one.
CurlHandle createCurlHandle(std::chrono::milliseconds connectLimit, std::chrono::milliseconds totalLimit,
                            const std::atomic<bool>& abort);

// Appends a line to a header or recipient list; false when memory ran out.
bool appendToList(CurlList& list, const char* line);

}  // namespace zeb
