// zebtool web and mail: the transfers a form button starts, run in the foreground.
#include <cstdio>

#include "app/zebtool/tool.h"
#include "document/book_file.h"
#include "platform/message_boxes.h"
#include "platform/platform_services.h"
#include "platform/windows1252.h"
#include "transfer/mail_request.h"
#include "transfer/web_request.h"

namespace zeb::tool {
namespace {

// Data and bodies read from files are sent whole; this keeps a wrong path from reading a disk.
constexpr std::int64_t maximumSentFileBytes = 64 * 1024 * 1024;

std::optional<std::string> readSentFile(const std::string& path) {
  const auto bytes = readWholeFile(path, maximumSentFileBytes);
  if (!bytes) {
    std::fprintf(stderr, "zebtool: cannot read %s\n", path.c_str());
    return std::nullopt;
  }
  return std::string(bytes->begin(), bytes->end());
}

int web(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.empty() || arguments.size() > 2) return usageError;
  WebRequest request{utf8ToWindows1252(arguments[0]), std::nullopt};
  if (arguments.size() == 2) {
    request.data = readSentFile(arguments[1]);
    if (!request.data) return failure;
  }
  const std::atomic<bool> never{false};
  const std::optional<long> status = performWebRequest(request, TransferLimits{}, never);
  if (!status) {
    printUtf8Line("status: none");
    return failure;
  }
  services.messages->information(webStatusText(request.address, *status));
  printUtf8Line("status: " + std::to_string(*status));
  return success;
}

int mail(const PlatformServices&, const Arguments& arguments) {
  if (arguments.size() < 4 || arguments.size() > 5) return usageError;
  MailRequest request{utf8ToWindows1252(arguments[1]),
                      utf8ToWindows1252(arguments[2]),
                      arguments[0],
                      utf8ToWindows1252(arguments[3]),
                      {}};
  if (arguments.size() == 5) {
    const std::optional<std::string> body = readSentFile(arguments[4]);
    if (!body) return failure;
    request.body = *body;
  }
  const std::atomic<bool> never{false};
  const bool sent = performMailTransfer(request, stampForNow(), TransferLimits{}, never);
  printUtf8Line(std::string("sent: ") + (sent ? "yes" : "no"));
  return sent ? success : failure;
}

}  // namespace

const std::vector<Command>& transferCommands() {
  static const std::vector<Command> commands = {
      {"web", "web ADDRESS [DATAFILE]", &web},
      {"mail", "mail SERVER SENDER RECIPIENT SUBJECT [BODYFILE]", &mail},
  };
  return commands;
}

}  // namespace zeb::tool
