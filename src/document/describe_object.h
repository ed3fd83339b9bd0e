// The words the reader shows for an object: a short label, "|" and a longer description.
#pragma once

#include <string>

namespace zeb {

class TZEBset;
class TZEBoggetto;

std::string describeObject(TZEBset& set, const TZEBoggetto& object);

}  // namespace zeb
