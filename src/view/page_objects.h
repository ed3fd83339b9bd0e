// The objects embedded in a page's text, in text order, and the form fields among them.
#pragma once

#include <functional>
#include <vector>

#include "view/form_submit.h"

namespace zeb {

class EmbeddedObject;
class TZEBbox;
class TZEBoggetto;

// Each paragraph's objects in order, a table's cells (and what they hold) right after the
// table; tables in tables as deep as they are read.
using ObjectVisit = std::function<void(TZEBbox& box, TZEBoggetto& object, EmbeddedObject& sizing)>;
void forEachObject(TZEBbox& box, const ObjectVisit& visit);

// The page's objects in text order, each with the field state of its sizing object: a
// control's initial state as layout made it, none for objects without a field.
std::vector<FormField> formFieldsOf(TZEBbox& box);

}  // namespace zeb
