// The inter-process server's name.
#include "platform/ipc.h"

#include <filesystem>

namespace zeb {

std::string ipcServerName(std::string_view executablePath, std::uint32_t userId) {
  std::string name = std::filesystem::path(executablePath).filename().string();
  name = name.substr(0, name.find('.'));
  if (name.empty()) name = "brightfold";
  return name + "-" + std::to_string(userId);
}

}  // namespace zeb
