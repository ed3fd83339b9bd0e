// Form objects and hot zones for the tests of page objects: fields of kind 20, form starts,
// buttons, and the zone slots of a picture placement.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "document/container.h"
#include "tools/zebmake/book_model.h"

namespace zeb::testing {

using Attributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// A form control of kind 20 with its subtype, name and attributes.
inline TZEBoggetto& addFormField(TZEBset& set, std::uint8_t subtype, std::string_view name,
                                 Attributes attributes = {}) {
  TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::inputStat);
  object.record().setU8(field::state, subtype);
  object.setName(name);
  for (const auto& [attribute, value] : attributes) object.setAttribute(attribute, value);
  return object;
}

// A form start of the method, sending to the target.
inline TZEBoggetto& addFormStart(TZEBset& set, std::uint8_t method, std::string_view target) {
  TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::inizioForm);
  object.record().setU8(field::state, method);
  object.setName(target);
  return object;
}

// A button of the form action (1 and 2 submit, 3 resets), its name and stored value.
inline TZEBoggetto& addFormButton(TZEBset& set, std::uint8_t action, std::string_view name = "",
                                  std::string_view value = "") {
  TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::bottoneCGI);
  object.record().setU8(field::buttonFormAction, action);
  object.setName(name);
  if (!value.empty()) object.setAttribute("value", value);
  return object;
}

// Fills a zone slot of a picture placement: its link number and rectangle.
inline void setZone(TZEBoggetto& placement, int slot, std::uint32_t link, int left, int top, int width, int height) {
  const int at = field::placementZones + field::zoneSize * slot;
  placement.record().setU32(at, link);
  placement.record().setI32(at + 4, 0);
  placement.record().setI16(at + 8, static_cast<std::int16_t>(left));
  placement.record().setI16(at + 10, static_cast<std::int16_t>(top));
  placement.record().setI16(at + 12, static_cast<std::int16_t>(width));
  placement.record().setI16(at + 14, static_cast<std::int16_t>(height));
}

}  // namespace zeb::testing
