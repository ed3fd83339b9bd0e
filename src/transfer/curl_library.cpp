// Loading libcurl on first use.
#include "transfer/curl_library.h"

#include <dlfcn.h>

namespace zeb {
namespace {

// The library's name with the version of its interface, as the system installs it.
constexpr const char* libraryName = "libcurl.so.4";

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

CurlLibrary load() {
  CurlLibrary found;
  void* library = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return found;
  const bool complete = resolve(library, "curl_global_init", found.global_init) &&
                        resolve(library, "curl_easy_init", found.easy_init) &&
                        resolve(library, "curl_easy_setopt", found.easy_setopt) &&
                        resolve(library, "curl_easy_perform", found.easy_perform) &&
                        resolve(library, "curl_easy_getinfo", found.easy_getinfo) &&
                        resolve(library, "curl_easy_cleanup", found.easy_cleanup) &&
                        resolve(library, "curl_slist_append", found.slist_append) &&
                        resolve(library, "curl_slist_free_all", found.slist_free_all);
  // A library that lacks one of them is not used at all; it stays loaded, as it would anyway.
  return complete ? found : CurlLibrary{};
}

}  // namespace

const CurlLibrary& curlLibrary() {
  static const CurlLibrary library = load();
  return library;
}

}  // namespace zeb
