// Registering the reader with the desktop: the program that opens ".zeb" books, and the
// type of those files.
#pragma once

#include <filesystem>
#include <string>

namespace zeb {

struct DesktopRegistration {
  std::filesystem::path program;  // what opens the books
  std::string applicationName;    // the name menus show (UTF-8)
  std::string typeComment;        // the description of the book type (UTF-8)
  // What draws a book's cover for file managers (zebtool); none when it cannot be found.
  std::filesystem::path thumbnailer;
};

struct SetupOutcome {
  bool succeeded = true;
  std::string problem;  // what went wrong, UTF-8
};

class DesktopIntegration {
 public:
  virtual ~DesktopIntegration() = default;
  // Makes the program the handler of ".zeb" files, registering the type when the desktop
  // knows none for them, and the thumbnailer the painter of their covers.
  virtual SetupOutcome install(const DesktopRegistration& registration) = 0;
  // Removes what install added.
  virtual SetupOutcome uninstall() = 0;
};

}  // namespace zeb
