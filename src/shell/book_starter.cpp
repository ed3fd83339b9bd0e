// Starting what a book asks for.
#include "shell/book_starter.h"

#include "document/container.h"
#include "platform/desktop_shell.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {

std::string cannotOpenText(std::string_view address) {
  const std::optional<std::string> scheme = schemeOf(address);
  std::string_view missing = messages::noProgramForAddress;
  if (scheme == "http" || scheme == "https")
    missing = messages::noWebBrowser;
  else if (scheme == "mailto")
    missing = messages::noMailProgram;
  return std::string(messages::cannotOpen) + utf8ToWindows1252(address) + std::string(missing);
}

bool BookStarter::agrees(const TZEBset& book, const StartRequest& request) {
  const std::string& path = book.ZEBFileName();
  if (!asksBeforeStarting(*services_.settings, path, request)) return true;
  const Consent consent = confirmation_.confirm({path, request});
  if (consent == Consent::always) allowAlways(*services_.settings, path);
  return consent != Consent::refused;
}

bool BookStarter::start(const StartRequest& request) {
  DesktopShell& desktop = *services_.shell;
  switch (request.how) {
    case StartRequest::How::windowsProgram:
      if (desktop.runWindowsProgram(request.target, request.arguments)) return true;
      services_.messages->information(std::string(messages::windowsProgramsUnavailable) +
                                      utf8ToWindows1252(request.target));
      return false;
    case StartRequest::How::program: return desktop.runProgram(request.target, request.arguments);
    case StartRequest::How::file: return desktop.openFile(request.target);
    case StartRequest::How::address: return desktop.openDocument(utf8ToWindows1252(request.target));
    case StartRequest::How::textEditor: return desktop.openInTextEditor(request.target);
  }
  return false;
}

bool BookStarter::confirmAndStart(const TZEBset& book, const StartRequest& request) {
  return agrees(book, request) && start(request);
}

void BookStarter::openOutside(const TZEBset& book, const StartRequest& request) {
  if (!agrees(book, request) || start(request)) return;
  // The desktop says why only on its own error output, which a reader does not see.
  if (request.how == StartRequest::How::address) services_.messages->error(cannotOpenText(request.target));
}

}  // namespace zeb::shell
