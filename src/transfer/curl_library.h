// libcurl, loaded when the first transfer needs it rather than when the program starts: the
// library and the many it depends on (TLS, Kerberos, LDAP, SSH ...) would otherwise all be
// loaded and relocated before the reader shows anything.
#pragma once

#include <curl/curl.h>

namespace zeb {

// The functions of libcurl the transfers use; all null when the library cannot be loaded.
struct CurlLibrary {
  CURLcode (*global_init)(long flags) = nullptr;
  CURL* (*easy_init)() = nullptr;
  CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...) = nullptr;
  CURLcode (*easy_perform)(CURL* handle) = nullptr;
  CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...) = nullptr;
  void (*easy_cleanup)(CURL* handle) = nullptr;
  curl_slist* (*slist_append)(curl_slist* list, const char* line) = nullptr;
  void (*slist_free_all)(curl_slist* list) = nullptr;

  bool loaded() const { return slist_free_all != nullptr; }
};

// Loads the library the first time it is asked for (from any thread) and keeps it for the
// life of the program.
const CurlLibrary& curlLibrary();

}  // namespace zeb
