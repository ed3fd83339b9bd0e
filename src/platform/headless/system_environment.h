// The environment of the running process, read from the operating system.
#pragma once

#include "platform/environment.h"

namespace zeb {

class SystemEnvironment final : public Environment {
 public:
  std::string userName() const override;
  std::filesystem::path temporaryFolder() const override;
  std::filesystem::path programFolder() const override;
  std::uint32_t processIdentifier() const override;
};

}  // namespace zeb
