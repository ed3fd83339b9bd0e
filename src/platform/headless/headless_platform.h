// The platform of the command-line tools: stderr message boxes, the real environment and
// the INI settings file.
#pragma once

#include <memory>

#include "platform/platform_services.h"

namespace zeb {

class HeadlessPlatform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform();
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  const PlatformServices& services() const { return services_; }

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  PlatformServices services_;
};

}  // namespace zeb
