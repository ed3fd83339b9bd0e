// Starting what a book asks for.
#include "shell/book_starter.h"

#include "document/container.h"
#include "platform/desktop_shell.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {

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

}  // namespace zeb::shell
