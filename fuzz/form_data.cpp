// Fuzzes form fields: the input is split at its first zero byte into the attribute text of
// a field (name="value" lines) and the field's data (list items or memo lines), each cut to a
// few kilobytes so that the thirty fields made from them stay quick. A field of each form
// subtype is made from them, sized, asked for its value and display text, given the data as
// a value, and submitted in every encoding with a form start and a button; the data is also
// decoded as list items and escaped both ways.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "tools/zebmake/book_model.h"
#include "view/form_fields.h"
#include "view/form_submit.h"
#include "view/visual_size.h"

namespace {

constexpr std::size_t maxAttributeText = 2048;
constexpr std::size_t maxData = 4096;

struct Fixture {
  zeb::QuietPlatform platform;
  std::unique_ptr<zeb::TZEBset> set = std::make_unique<zeb::TZEBset>(platform.services());
  zeb::ControlMetrics metrics = zeb::ControlMetrics::measuredWith(platform.measurer);
};

void check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static Fixture fixture;
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  const std::size_t split = std::min(input.find('\0'), input.size());
  const std::string_view attributes = input.substr(0, std::min(split, maxAttributeText));
  const std::string_view data = split < input.size() ? input.substr(split + 1, maxData) : std::string_view();

  for (const zeb::ListItem& item : zeb::decodeListItems(data)) check(item.text.find('\n') == std::string::npos);
  for (const char c : zeb::escapeForQuery(data)) check(c != ' ' && c != '&' && c != '=' && c != '\n');
  for (const char c : zeb::escapeForMail(data)) check(c != '\r' && c != '\n' && c != '&' && c != '=');

  const std::vector<std::uint8_t> secondary = zeb::zebmake::attributeBlob("", attributes);
  const std::span<const std::uint8_t> primary(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  std::vector<std::unique_ptr<zeb::TZEBoggetto>> objects;
  auto make = [&](zeb::TOggettiHel kind, std::uint8_t subtype) -> zeb::TZEBoggetto& {
    objects.push_back(fixture.set->makeObject(kind));
    zeb::TZEBoggetto& object = *objects.back();
    object.Release();
    object.record().setU8(zeb::field::state, subtype);
    object.setName(data.substr(0, 20));
    object.setPrimaryData(primary);
    object.setSecondaryData(secondary);
    return object;
  };
  make(zeb::TOggettiHel::inizioForm, static_cast<std::uint8_t>(size % 5)).setName("http://example.org/");
  for (std::uint8_t subtype = 1; subtype <= 18; ++subtype) make(zeb::TOggettiHel::inputStat, subtype);
  for (const std::uint8_t subtype : {2, 6, 7}) make(zeb::TOggettiHel::inputDin, subtype);
  for (const std::uint8_t subtype : {1, 3, 4, 6, 7}) make(zeb::TOggettiHel::multiMedia, subtype);
  zeb::TZEBoggetto& button = make(zeb::TOggettiHel::bottoneCGI, 1);

  std::vector<zeb::FieldState> states;
  states.reserve(objects.size());
  std::vector<zeb::FormField> fields;
  for (const auto& object : objects) {
    const zeb::ObjectSize sized = zeb::visualSizeOf(*object, fixture.metrics, {static_cast<int>(size), 300});
    check(sized.width >= 0 && sized.height >= 0 && sized.width <= 100000 && sized.height <= 100000);
    states.push_back(zeb::initialFieldState(*object));
    zeb::FieldState& state = states.back();
    (void)zeb::fieldValue(state);
    (void)zeb::fieldDisplayText(state);
    (void)zeb::shownText(state);
    zeb::setFieldValue(state, data);
    zeb::clickCheckControl(state);
    fields.push_back({object.get(), &state});
  }
  for (const int encoding : {0, 1, 2, 3, 4}) (void)zeb::formData(fields, button, encoding);
  const zeb::FormSubmission submission = zeb::submitForm(fields, fields.size() - 1, true, "book.zeb");
  (void)submission.address();
  return 0;
}
