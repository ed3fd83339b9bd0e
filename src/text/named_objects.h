// The objects a text box names: its embedded objects and local links, under their names.
#pragma once

#include <string>
#include <vector>

namespace zeb {

class TZEBbox;
class TZEBoggetto;

struct NamedObject {
  std::string name;  // lower case (Windows-1252 tables)
  TZEBoggetto* object = nullptr;
};

// Every embedded object and every local link (0x6F...) of every paragraph, in text order and
// recursing into table cells; each link object appears once.
std::vector<NamedObject> listNamedObjects(const TZEBbox& box);

}  // namespace zeb
