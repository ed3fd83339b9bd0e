// What a book asks this machine to start or open, the question asked first, and the rules
// that decide whether it is asked.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class SettingsStore;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

struct StartRequest {
  enum class How {
    windowsProgram,  // a ".exe" or ".com" program: handed to the desktop, never run directly
    program,         // a program of this machine, run with an argument list
    file,            // a file opened with the program the desktop associates with its type
    address,         // an outside address (a scheme such as "http:") opened by the desktop
    textEditor,      // a file opened in the desktop's text editor
  };
  How how = How::file;
  // UTF-8: the program, the file or the address. A Windows program that does not exist here
  // keeps the Windows path the book gave.
  std::string target;
  std::vector<std::string> arguments;  // UTF-8
  // Whether the user is asked before it starts (unless the book is always allowed).
  bool asks = true;
  bool operator==(const StartRequest&) const = default;
};

// The scheme of an address ("http" for "http://example.org"), in lower case; none for text
// without one. A single letter before ":" is a drive, not a scheme.
std::optional<std::string> schemeOf(std::string_view address);

// Outside addresses that open without asking: http, https and mailto.
bool opensWithoutAsking(std::string_view address);

// Whether the path lies inside the folder (".." and symbolic links resolved first).
bool isInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

// Whether the file is a program of this machine: a regular file the user may execute.
bool isNativeProgram(const std::filesystem::path& file);

// Opening a file asks first unless it lies in the book's folder or the book's private
// temporary folder.
bool fileOpensWithoutAsking(TZEBset& book, const std::filesystem::path& file);

// What the book asks the desktop to open for a hyperlink's target (Windows-1252) that is no
// book link and no program: an address with a scheme, or else a file named as a stored path
// relative to the book's folder. A file the user may execute always asks.
StartRequest openRequestFor(TZEBset& book, std::string_view target);

// The user's answer.
enum class Consent { refused, once, always };

struct ConfirmationRequest {
  std::string book;  // the book that asks, UTF-8
  StartRequest start;
};

// The question before a book starts something. The reader asks in a dialog.
class Confirmation {
 public:
  virtual ~Confirmation() = default;
  virtual Consent confirm(const ConfirmationRequest& request) = 0;
};

// The name of the settings value that stands for a book: its path and its size, hashed
// (FNV-1a, 64 bits) into a name any settings file can hold; none when the file is missing.
std::optional<std::string> bookSettingName(const std::string& bookPath);

// "Always allow for this ebook", kept in the settings under the book's path and size, so
// that a book changed since does not inherit the allowance.
bool alwaysAllowed(const SettingsStore& settings, const std::string& bookPath);
void allowAlways(SettingsStore& settings, const std::string& bookPath);

// Whether starting the request asks the user now.
bool asksBeforeStarting(const SettingsStore& settings, const std::string& bookPath, const StartRequest& request);

}  // namespace zeb::shell
