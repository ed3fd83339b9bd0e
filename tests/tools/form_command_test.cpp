// zebtool form as a program: what each submit button of a page sends, by every method.
#include <cstdio>

#include "tests/tools/zebtool_fixture.h"
#include "tests/view/page_objects.h"

namespace zeb {
namespace {

using testing::addFormButton;
using testing::addFormField;
using testing::addFormStart;

std::string tag(const TZEBoggetto& object) {
  char text[16];
  std::snprintf(text, sizeof text, "<$%08X>", object.ID());
  return text;
}

class FormCommand : public testing::Zebtool {
 protected:
  // A page with a form of the method, two fields and a submit button, then a second form
  // sent by the web with a reset button and a submit button of its own. The mail subject
  // names the book's file, not the folders it lies in.
  std::string book(std::uint8_t method, std::string_view target) {
    return writeBook(
        [&](TZEBset& set) {
          std::string text = "<Z S0 >" + tag(addFormStart(set, method, target));
          text += "Name " + tag(addFormField(set, 1, "name", {{"value", "Jo Doe"}}));
          text += " Notes " + tag(addFormField(set, 3, "notes", {{"value", "a&b=c%"}}));
          text += tag(addFormButton(set, 1, "go", "Send"));
          text += "<Z S0 >" + tag(addFormStart(set, 2, "http://example.org/f"));
          text += tag(addFormField(set, 1, "q", {{"value", "x y"}}));
          text += tag(addFormButton(set, 3, "", "Clear"));
          text += tag(addFormButton(set, 2));
          zebmake::addPage(set, "Form", text);
        },
        "shop.zeb");
  }
};

TEST_F(FormCommand, PrintsWhatEachSubmitSendsInItsFormsEncoding) {
  auto result = zebtool({"form", book(4, "orders@example.org"), "0"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "button: 0x16000000\n"
            "route: mail\n"
            "target: orders@example.org\n"
            "subject: Email from: (shop.zeb)\n"
            "data: name=Jo Doe%0dnotes=a%26b%3dc%%0dgo=Send%0d\n"
            "\n"
            "button: 0x16000002\n"
            "route: web\n"
            "target: http://example.org/f\n"
            "data: q=x+y\\r\\n\n");

  result = zebtool({"form", book(1, "https://example.org/order"), "0"});
  EXPECT_EQ(result.out.substr(0, result.out.find("\n\n")),
            "button: 0x16000000\n"
            "route: open-address\n"
            "address: https://example.org/order?name=Jo+Doe&notes=a%26b%3dc%25&go=Send&");
}

TEST_F(FormCommand, APageWithoutFormsPrintsNothingAndMissingPagesFail) {
  const std::string plain = writeBook([](TZEBset& set) { zebmake::addPage(set, "p", "<Z S0 >text"); });
  EXPECT_EQ(zebtool({"form", plain, "0"}).out, "");
  EXPECT_EQ(zebtool({"form", plain, "0"}).exitStatus, 0);
  EXPECT_EQ(zebtool({"form", plain, "3"}).exitStatus, 1);
  EXPECT_EQ(zebtool({"form", plain}).exitStatus, 2);
}

}  // namespace
}  // namespace zeb
