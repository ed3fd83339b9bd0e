// Button actions, form runs, form data and submissions.
#include "view/form_submit.h"

#include "document/book_object.h"
#include "text/markup_values.h"
#include "transfer/form_transfer.h"
#include "view/messages.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

void appendEscaped(std::string& out, unsigned char byte) {
  out += '%';
  appendHex(out, byte, 2);
}

bool keptInQuery(unsigned char byte) {
  if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')) return true;
  return std::string_view("@!$'()*-._").find(static_cast<char>(byte)) != std::string_view::npos;
}

namespace fieldSubtype {
inline constexpr std::uint8_t hidden = 5;
inline constexpr std::uint8_t radio = 6;
inline constexpr std::uint8_t check = 7;
inline constexpr std::uint8_t firstSkipped = 10;
inline constexpr std::uint8_t lastSkipped = 14;
}  // namespace fieldSubtype

namespace buttonAction {
inline constexpr std::uint8_t submit = 1;
inline constexpr std::uint8_t submitToo = 2;
inline constexpr std::uint8_t reset = 3;
}  // namespace buttonAction

namespace formMethod {
inline constexpr std::uint8_t openAddress = 1;
inline constexpr std::uint8_t webRequest = 2;
inline constexpr std::uint8_t mail = 4;
}  // namespace formMethod

}  // namespace

FormAction formActionOf(const TZEBoggetto& button) {
  switch (button.record().u8(field::buttonFormAction)) {
    case buttonAction::submit:
    case buttonAction::submitToo: return FormAction::submit;
    case buttonAction::reset: return FormAction::reset;
    default: return FormAction::none;
  }
}

TZEBoggetto* buttonLink(const TZEBoggetto& button) {
  const std::uint32_t reference = button.record().u32(field::buttonAction);
  return isLocalReference(reference) ? button.resolveReference(reference) : nullptr;
}

FormRun formRunOf(const std::vector<FormField>& objects, std::size_t index) {
  auto isFormStart = [&](std::size_t i) {
    return objects[i].object != nullptr && objects[i].object->Kind() == TOggettiHel::inizioForm;
  };
  FormRun run{0, objects.size(), nullptr};
  if (index >= objects.size()) return run;
  for (std::size_t i = index; i-- > 0;) {
    if (!isFormStart(i)) continue;
    run.begin = i;
    run.formStart = objects[i].object;
    break;
  }
  if (run.formStart == nullptr) return run;
  for (std::size_t i = index + 1; i < objects.size(); ++i) {
    if (!isFormStart(i)) continue;
    run.end = i;
    break;
  }
  return run;
}

std::vector<std::size_t> radioGroupOf(const std::vector<FormField>& objects, std::size_t index) {
  auto isFormStart = [&](std::size_t i) {
    return objects[i].object != nullptr && objects[i].object->Kind() == TOggettiHel::inizioForm;
  };
  auto isRadio = [&](std::size_t i) {
    return objects[i].object != nullptr && visualKindOf(*objects[i].object) == VisualKind::radioButton;
  };
  std::vector<std::size_t> group;
  if (index >= objects.size() || !isRadio(index)) return group;
  const std::string name = objects[index].object->Name();
  if (name.empty()) return {index};
  std::size_t begin = index;
  while (begin > 0 && !isFormStart(begin - 1)) --begin;
  for (std::size_t i = begin; i < objects.size() && (i <= index || !isFormStart(i)); ++i)
    if (isRadio(i) && objects[i].object->Name() == name) group.push_back(i);
  return group;
}

std::string escapeForQuery(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (keptInQuery(byte))
      out += c;
    else if (byte == ' ')
      out += '+';
    else
      appendEscaped(out, byte);
  }
  return out;
}

std::string escapeForMail(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\n' || c == '\r' || c == '&' || c == '=')
      appendEscaped(out, static_cast<unsigned char>(c));
    else
      out += c;
  }
  return out;
}

void appendFormPair(std::string& data, std::string_view name, std::string_view value, int encoding, bool raw) {
  data += name;
  data += '=';
  switch (encoding) {
    case formEncoding::query:
      data += escapeForQuery(value);
      data += '&';
      break;
    case formEncoding::lines:
      data += escapeForQuery(value);
      data += "\r\n";
      break;
    case formEncoding::mail:
      data += raw ? std::string(value) : escapeForMail(value);
      data += "%0d";
      break;
    default: break;
  }
}

std::string formData(std::span<const FormField> run, const TZEBoggetto& button, int encoding) {
  std::string data;
  for (const FormField& entry : run) {
    if (entry.object == nullptr || entry.state == nullptr || entry.object->Kind() != TOggettiHel::inputStat) continue;
    const TZEBoggetto& object = *entry.object;
    const std::uint8_t subtype = object.state();
    if (subtype == fieldSubtype::hidden) {
      appendFormPair(data, object.Name(), object.attribute(controlAttribute::value), encoding, true);
    } else if (subtype == fieldSubtype::radio || subtype == fieldSubtype::check) {
      const std::string value = fieldValue(*entry.state);
      if (!value.empty()) appendFormPair(data, object.Name(), value, encoding, false);
    } else if (subtype < fieldSubtype::firstSkipped || subtype > fieldSubtype::lastSkipped) {
      appendFormPair(data, object.Name(), fieldValue(*entry.state), encoding, false);
    }
  }
  const std::string name = button.Name();
  if (!name.empty()) appendFormPair(data, name, button.attribute(controlAttribute::value), encoding, true);
  return data;
}

std::string formTarget(const TZEBoggetto& formStart) { return formStart.Name(); }

FormSubmission formSubmission(const TZEBoggetto* formStart, std::string data, bool readOnly,
                              std::string_view bookFileName) {
  FormSubmission submission;
  if (!readOnly || formStart == nullptr) return submission;
  submission.target = formTarget(*formStart);
  if (submission.target.empty()) return submission;
  switch (formStart->state()) {
    case formMethod::openAddress: submission.route = FormSubmission::Route::openAddress; break;
    case formMethod::webRequest: submission.route = FormSubmission::Route::webRequest; break;
    case formMethod::mail:
      submission.route = FormSubmission::Route::mail;
      submission.subject = formMailSubject(bookFileName);
      break;
    default: return FormSubmission{};
  }
  submission.data = std::move(data);
  return submission;
}

FormSubmission submitForm(const std::vector<FormField>& objects, std::size_t buttonIndex, bool readOnly,
                          std::string_view bookFileName) {
  if (buttonIndex >= objects.size() || objects[buttonIndex].object == nullptr) return {};
  const FormRun run = formRunOf(objects, buttonIndex);
  if (run.formStart == nullptr) return {};
  const auto fields = std::span<const FormField>(objects).subspan(run.begin, run.end - run.begin);
  std::string data = formData(fields, *objects[buttonIndex].object, run.formStart->state());
  return formSubmission(run.formStart, std::move(data), readOnly, bookFileName);
}

std::string FormSubmission::address() const {
  return route == Route::openAddress ? target + "?" + data : std::string();
}

}  // namespace zeb
