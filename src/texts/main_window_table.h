// The English tables of the main window and of the about box.
#pragma once

#include <string>

namespace zeb {

std::string mainWindowTable();
std::string aboutBoxTable();

}  // namespace zeb
