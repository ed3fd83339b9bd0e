// The English tables of the main window, of the separate page window and of the about box.
#pragma once

#include <string>

namespace zeb {

std::string mainWindowTable();
std::string separateWindowTable();
std::string aboutBoxTable();

}  // namespace zeb
