// Copies of objects, and finding an existing object equal to a new one.
#pragma once

#include <memory>

namespace zeb {

class TZEBset;
class TZEBoggetto;

// An unregistered copy of the source, of the class its kind needs (a picture's copy is a
// placement showing it).
std::unique_ptr<TZEBoggetto> copyOf(TZEBoggetto& source);

// The first object of the same kind in the container that matches the object, or none.
TZEBoggetto* findEqual(const TZEBset& set, TZEBoggetto& object);

}  // namespace zeb
