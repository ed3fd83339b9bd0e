// Starting what a book asks for: the user's consent first, then the desktop.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform_services.h"
#include "shell/start_request.h"

namespace zeb::shell {

// What is said when the desktop cannot open an outside address (UTF-8 in, Windows-1252
// out): the address and what is missing, a web browser for web addresses, a mail program
// for "mailto:".
std::string cannotOpenText(std::string_view address);

class BookStarter {
 public:
  BookStarter(const PlatformServices& services, Confirmation& confirmation)
      : services_(services), confirmation_(confirmation) {}

  // True when the request may start: it needs no question, the book is always allowed, or
  // the user agreed now ("always" is remembered for the book).
  bool agrees(const TZEBset& book, const StartRequest& request);
  // Hands the request to the desktop; false when the desktop could not start it. A Windows
  // program that nothing here can run is reported.
  bool start(const StartRequest& request);
  // Both: nothing starts, and nothing is said, when the user refuses.
  bool confirmAndStart(const TZEBset& book, const StartRequest& request);
  // Both, for what a link hands to the desktop: an address that cannot be opened is said
  // (cannotOpenText).
  void openOutside(const TZEBset& book, const StartRequest& request);

  const PlatformServices& services() const { return services_; }

 private:
  PlatformServices services_;
  Confirmation& confirmation_;
};

}  // namespace zeb::shell
