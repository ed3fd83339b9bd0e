// zebtool form: what each submit button of a page sends when it is clicked before anything
// on the page was touched, as the reader decides it.
#include <cstdio>
#include <string>

#include "app/zebtool/shown_page.h"
#include "app/zebtool/tool.h"
#include "document/book_object.h"
#include "document/container.h"
#include "platform/headless/fixed_metrics_measurer.h"
#include "text/text_box.h"
#include "view/form_submit.h"
#include "view/page_objects.h"

namespace zeb::tool {
namespace {

std::string_view routeName(FormSubmission::Route route) {
  switch (route) {
    case FormSubmission::Route::openAddress: return "open-address";
    case FormSubmission::Route::webRequest: return "web";
    case FormSubmission::Route::mail: return "mail";
    case FormSubmission::Route::none: break;
  }
  return "none";
}

// Control bytes and the backslash written as escapes, so that a value stays on its line.
std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

int form(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 2) return usageError;
  const auto pageNumber = parsePageNumber(arguments[1]);
  if (!pageNumber) return usageError;
  FixedMetricsMeasurer measurer(pagePixelsPerInch);
  const auto shown = showPage(services, measurer, arguments[0], *pageNumber, defaultPageWidth, defaultPageHeight);
  if (!shown) return failure;
  const std::vector<FormField> fields = formFieldsOf(*shown->view->TextBox());
  const std::uint16_t codePage = shown->set->codePage();
  bool first = true;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const TZEBoggetto& button = *fields[i].object;
    if (button.Kind() != TOggettiHel::bottoneCGI || formActionOf(button) != FormAction::submit) continue;
    const FormSubmission submission = submitForm(fields, i, true, shown->set->ZEBFileName());
    if (!first) printLine("");
    first = false;
    char id[16];
    std::snprintf(id, sizeof id, "0x%08X", button.ID());
    printLine(std::string("button: ") + id);
    printLine(std::string("route: ") + std::string(routeName(submission.route)));
    if (submission.route == FormSubmission::Route::none) continue;
    if (submission.route == FormSubmission::Route::openAddress) {
      printLine("address: " + escaped(submission.address()), codePage);
      continue;
    }
    printLine("target: " + escaped(submission.target), codePage);
    if (submission.route == FormSubmission::Route::mail) printLine("subject: " + escaped(submission.subject), codePage);
    printLine("data: " + escaped(submission.data), codePage);
  }
  return success;
}

}  // namespace

const std::vector<Command>& formCommands() {
  static const std::vector<Command> commands = {
      {"form", "form BOOK PAGE", form},
  };
  return commands;
}

}  // namespace zeb::tool
