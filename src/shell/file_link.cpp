// The file-link dialog's logic.
#include "shell/file_link.h"

#include <system_error>

#include "document/book_object.h"
#include "document/book_paths.h"
#include "document/container.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/windows1252.h"
#include "shell/book_starter.h"
#include "shell/messages.h"
#include "shell/program_start.h"
#include "shell/run_target.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

std::filesystem::path bookFolderOf(const TZEBoggetto& object) {
  const TZEBset* book = object.Container();
  return book != nullptr ? std::filesystem::path(book->ZEBFileName()).parent_path() : std::filesystem::path();
}

// Copies the file to the target through a file beside it that takes the target's name only
// once it is complete: a copy that fails (a folder that cannot be written, a full disk)
// leaves no half-written file and whatever the target was before. The failure's
// description, or none.
std::optional<std::string> copyWhole(const std::filesystem::path& from, const std::filesystem::path& to) {
  const std::filesystem::path partial = to.parent_path() / ("." + to.filename().string() + ".part");
  std::error_code error;
  if (std::filesystem::copy_file(from, partial, std::filesystem::copy_options::overwrite_existing, error))
    std::filesystem::rename(partial, to, error);
  if (!error) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  return error.message();
}

}  // namespace

std::string fileExtension(std::string_view storedName) {
  const std::string_view name = storedFileName(storedName);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : lowerWindows1252(name.substr(dot));
}

FileLinkSetting fileLinkSetting(const SettingsStore& settings, std::string_view storedName) {
  const std::string extension = fileExtension(storedName);
  FileLinkSetting setting;
  if (extension.empty()) return setting;
  for (const std::string& subkey : settings.subkeys(settings::fileExtensionsKey)) {
    if (!equalsIgnoringCase(subkey, extension)) continue;
    const std::string key = std::string(settings::fileExtensionsKey) + subkey;
    const auto behaviour = parseDecimal(settings.readString(key, settings::fileBehaviour).value_or(""));
    if (behaviour && *behaviour >= 0 && *behaviour <= 3) setting.behaviour = static_cast<FileBehaviour>(*behaviour);
    setting.program = settings.readString(key, settings::fileProgram).value_or("");
    break;
  }
  return setting;
}

StartRequest fileProgramStart(std::string_view program, const std::filesystem::path& bookFolder,
                              const std::filesystem::path& file) {
  StartRequest request = programStart(program, bookFolder, {file.string()});
  request.asks = true;
  return request;
}

void FileLink::Run(FileLinkWindow& window) {
  if (object_ == nullptr) return;
  const FileLinkSetting setting = fileLinkSetting(*starter_.services().settings, object_->FileName());
  switch (setting.behaviour) {
    case FileBehaviour::save: save(window); break;
    case FileBehaviour::open: open(); break;
    case FileBehaviour::openWithProgram: openWithProgram(setting.program); break;
    case FileBehaviour::ask: window.showModal(); break;
  }
}

bool FileLink::extract() {
  if (object_ == nullptr || object_->Container() == nullptr) return false;
  TZEBset& book = *object_->Container();
  const std::filesystem::path file = book.extractFileOfObject(*object_);
  // Only a file the reader wrote into the book's private folder is handed on.
  if (file.empty() || !isInsideFolder(file, book.temporaryFolder())) return false;
  extracted_ = file;
  return true;
}

void FileLink::open() {
  if (object_ == nullptr) return;
  if (extract())
    starter_.confirmAndStart(*object_->Container(), {StartRequest::How::file, extracted_.string(), {}, false});
  result_ = done;
}

void FileLink::save(FileLinkWindow& window) {
  if (object_ == nullptr) return;
  if (extract()) {
    if (const auto chosen = window.chooseSavePath(extracted_.filename().string())) {
      if (const std::optional<std::string> failure = copyWhole(extracted_, *chosen)) {
        object_->Container()->messages().error(std::string(messages::fileNotSaved) +
                                               utf8ToWindows1252(chosen->string()) + " (" +
                                               utf8ToWindows1252(*failure) + ")");
      }
    }
  }
  result_ = done;
}

void FileLink::openWithProgram(std::string_view program) {
  if (extract())
    starter_.confirmAndStart(*object_->Container(), fileProgramStart(program, bookFolderOf(*object_), extracted_));
  result_ = done;
}

std::string FileLink::labelText() const {
  if (!extracted_.empty()) return utf8ToWindows1252(extracted_.filename().string());
  if (object_ == nullptr) return {};
  return std::string(storedFileName(object_->FileName()));
}

}  // namespace zeb::shell
