// The file-link dialog (TFFiles) without its widgets: the per-extension answers kept in the
// settings, and opening, saving or handing to a program a file stored in a book.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {
class SettingsStore;
class TZEBoggetto;
}  // namespace zeb

namespace zeb::shell {

class BookStarter;
struct StartRequest;

// What following a link to a file of that extension does ("comp").
enum class FileBehaviour { ask = 0, save = 1, open = 2, openWithProgram = 3 };

struct FileLinkSetting {
  FileBehaviour behaviour = FileBehaviour::ask;
  std::string program;  // "appPath", for openWithProgram (Windows-1252)
  bool operator==(const FileLinkSetting&) const = default;
};

// The extension of a stored file name in lower case with its dot (".pdf"); empty without one.
std::string fileExtension(std::string_view storedName);

// The setting of the stored name's extension. Only an extension with a subkey of its own
// (names compared ignoring case) counts; an empty, unknown or non-numeric "comp" asks.
FileLinkSetting fileLinkSetting(const SettingsStore& settings, std::string_view storedName);

// What behaviour 3 starts: the setting's program (Windows-1252) with the extracted file.
StartRequest fileProgramStart(std::string_view program, const std::filesystem::path& bookFolder,
                              const std::filesystem::path& file);

// What the dialog shows and asks for.
class FileLinkWindow {
 public:
  virtual ~FileLinkWindow() = default;
  // Shows the dialog modally; its buttons call open, save and cancel.
  virtual void showModal() = 0;
  // The save dialog proposing the name: the path chosen, or none when cancelled.
  virtual std::optional<std::filesystem::path> chooseSavePath(const std::string& proposedNameUtf8) = 0;
};

class FileLink {
 public:
  // Results of the dialog.
  static constexpr int done = 1;
  static constexpr int cancelled = 2;

  // The object may be none: then nothing happens.
  FileLink(TZEBoggetto* object, BookStarter& starter) : object_(object), starter_(starter) {}

  // By the extension's setting: save, open, hand to the setting's program, or show the window.
  void Run(FileLinkWindow& window);
  // The file extracted and opened with the desktop's program for its type (BeseguiClick).
  void open();
  // The save dialog, then a copy of the extracted file where the user chose (BsalvaClick). A
  // copy that fails says why in an error box and leaves the chosen place as it was.
  void save(FileLinkWindow& window);
  void cancel() { result_ = cancelled; }

  // What LabelFile shows: the extracted file's name, or else the stored name without
  // folders (Windows-1252).
  std::string labelText() const;
  int result() const { return result_; }
  // The extracted file, inside the book's private folder; empty until extracted.
  const std::filesystem::path& extractedFile() const { return extracted_; }

 private:
  bool extract();
  void openWithProgram(std::string_view program);

  TZEBoggetto* object_;
  BookStarter& starter_;
  std::filesystem::path extracted_;
  int result_ = 0;
};

}  // namespace zeb::shell
