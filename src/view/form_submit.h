// Buttons and forms: what a button does, the run of objects that makes its form, the data
// text of a submit in the form's encoding, and where that data goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/form_fields.h"

namespace zeb {

class TZEBoggetto;

// The button's action byte: 1 and 2 submit its form, 3 resets it, anything else nothing.
enum class FormAction : std::uint8_t { none, submit, reset };
FormAction formActionOf(const TZEBoggetto& button);
// The link a button follows first (in read-only or locked state): the object its link
// number names in its page's local link list; none otherwise.
TZEBoggetto* buttonLink(const TZEBoggetto& button);

// An object of the page (in text order), with the state of its field control and the state of its control; none when
// the object has no control on the page.
struct FormField {
  const TZEBoggetto* object = nullptr;
  const FieldState* state = nullptr;
};

// The form of the object at `index` in the page's objects (text order): from the nearest
// form start before it to the nearest one after it, or to the end. Without a form start
// before it the run is the whole list, and there is no form start.
struct FormRun {
  std::size_t begin = 0;
  std::size_t end = 0;                     // one past the last
  const TZEBoggetto* formStart = nullptr;  // the run's first object when there is one
};
FormRun formRunOf(const std::vector<FormField>& objects, std::size_t index);

// The group of the radio button at `index`: the radio buttons between the nearest form
// starts around it (or the ends of the list) that bear its name, itself included. Checking
// one unchecks the others. A radio button without a name is a group of its own; anything
// else belongs to none.
std::vector<std::size_t> radioGroupOf(const std::vector<FormField>& objects, std::size_t index);

// How pairs are written: the form start's subtype, its method.
namespace formEncoding {
inline constexpr int query = 1;  // URL-query escaping, pairs ended by "&"
inline constexpr int lines = 2;  // URL-query escaping, pairs ended by CR LF
inline constexpr int mail = 4;   // mail escaping, pairs ended by "%0d"
}  // namespace formEncoding

// Keeps letters, digits, "@" and ! $ ' ( ) * - . _; a blank becomes "+", every other byte
// "%" and two lower-case hexadecimal digits.
std::string escapeForQuery(std::string_view text);
// Only line feed, carriage return, "&" and "=" become "%" and two lower-case hexadecimal digits.
std::string escapeForMail(std::string_view text);
// name "=" value and the separator, in the encoding; with the mail encoding a raw value
// (a hidden field's, a button's) is written unchanged. Other encodings write name "=" only.
void appendFormPair(std::string& data, std::string_view name, std::string_view value, int encoding, bool raw);

// The data text of a submit: for each field of kind 20 that has a control, in order, a
// hidden field's stored name and value, a check control's name and value when it has one,
// any other (but subtypes 10 to 14) its name and value; then the button's own name and
// stored value when it has a name.
std::string formData(std::span<const FormField> run, const TZEBoggetto& button, int encoding);

// Where a submit's data goes (in read-only mode, with a form start that has a target):
// method 1 opens target "?" data with the desktop; method 2 sends the data to the target in
// the background; method 4 mails it to the target, with the subject "Email from: (" + the
// book's file name (without its folders, as the mail transfer names it) + ")". Anything
// else sends nothing.
struct FormSubmission {
  enum class Route { none, openAddress, webRequest, mail };
  Route route = Route::none;
  std::string target;
  std::string data;
  std::string subject;  // of a mail
  // What the desktop opens: target "?" data for method 1, nothing otherwise.
  std::string address() const;
};
FormSubmission formSubmission(const TZEBoggetto* formStart, std::string data, bool readOnly,
                              std::string_view bookFileName);
// A form start's target, where its data goes: its name field.
std::string formTarget(const TZEBoggetto& formStart);

// A submit by the button at `buttonIndex` of the page's objects: its form run, the data in
// the encoding of the run's form start, and where it goes. Without a form start nothing is
// sent. (A reset refreshes the controls of formRunOf's run instead.)
FormSubmission submitForm(const std::vector<FormField>& objects, std::size_t buttonIndex, bool readOnly,
                          std::string_view bookFileName);

}  // namespace zeb
