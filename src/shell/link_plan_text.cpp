// The plan of a followed link in words, as zebtool follow prints it.
#include <cstdio>

#include "document/book_object.h"
#include "document/book_paths.h"
#include "document/container.h"
#include "document/temporary_files.h"
#include "platform/code_pages.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"
#include "shell/file_link.h"
#include "shell/link_plan.h"
#include "shell/messages.h"

namespace zeb::shell {
namespace {

constexpr std::string_view privateFolderName = "PRIVATE";

class Lines {
 public:
  Lines(const LinkPlan& plan, const SettingsStore& settings) : plan_(plan), settings_(settings) {}

  // UTF-8 details.
  void add(std::string_view name, std::string_view value) {
    lines_.push_back(std::string(name) + ": " + std::string(value));
  }
  // Book texts are in the book's code page.
  void addText(std::string_view name, std::string_view text) { add(name, bookTextToUtf8(text, codePage())); }
  std::uint16_t codePage() const { return plan_.book != nullptr ? plan_.book->codePage() : codePage::windows1252; }
  void addNumber(std::string_view name, std::int64_t value) { add(name, std::to_string(value)); }
  void addMessage(const PlannedMessage& message) {
    add("message", windows1252ToUtf8(oneLineMessage(message.kind, message.text)));
  }

  // A path (or any UTF-8 text) with the book's private folder named as such.
  std::string shown(const std::string& text) const {
    if (plan_.book == nullptr) return text;
    const std::string folder = plan_.book->temporaryFolder().string();
    if (folder.empty() || !text.starts_with(folder)) return text;
    return std::string(privateFolderName) + text.substr(folder.size());
  }

  void addTarget() {
    if (plan_.target == nullptr) {
      add("target", "none");
      return;
    }
    char id[16];
    std::snprintf(id, sizeof id, "0x%08x", plan_.target->ID());
    add("target", std::string(id) + " " + std::string(kindName(plan_.target->Kind())) + " " +
                      bookTextToUtf8(plan_.target->Name(), codePage()));
  }

  void addDescription() {
    if (!plan_.description) {
      add("description", "none");
      return;
    }
    const WindowDescription& d = *plan_.description;
    auto yesNo = [](bool value) { return value ? "yes" : "no"; };
    add("description", "left " + std::to_string(d.left) + " top " + std::to_string(d.top) + " width " +
                           std::to_string(d.width) + " height " + std::to_string(d.height) + " maximised " +
                           yesNo(d.maximised) + " history-toolbar " + yesNo(d.historyToolbar) + " menu " +
                           yesNo(d.mainMenu) + " sizeable " + yesNo(d.sizeable) + " status-bar " + yesNo(d.statusBar) +
                           " main-toolbar " + yesNo(d.mainToolbar));
  }

  void addStart(const StartRequest& start) {
    switch (start.how) {
      case StartRequest::How::windowsProgram:
        add("start", "windows-program");
        add("program", shown(start.target));
        break;
      case StartRequest::How::program:
        add("start", "program");
        add("program", shown(start.target));
        break;
      case StartRequest::How::file:
        add("start", "file");
        add("open", shown(start.target));
        break;
      case StartRequest::How::address:
        add("start", "address");
        add("open", start.target);
        break;
      case StartRequest::How::textEditor:
        add("start", "text-editor");
        add("open", shown(start.target));
        break;
    }
    for (const std::string& argument : start.arguments) add("argument", shown(argument));
    const std::string book = plan_.book != nullptr ? plan_.book->ZEBFileName() : std::string();
    if (!start.asks)
      add("confirmation", "none");
    else if (alwaysAllowed(settings_, book))
      add("confirmation", "allowed for this ebook");
    else
      add("confirmation", "asked");
  }

  void addRun(const RunPlan& run) {
    switch (run.kind) {
      case RunPlan::Kind::command:
        addText("command", run.command);
        if (run.cdFolderUnknown) add("cd-folder", "not stored: asked for when followed");
        break;
      case RunPlan::Kind::settingProgram: addText("setting", run.settingKey + "\\" + run.settingName); break;
      case RunPlan::Kind::parameterFile: break;
    }
    for (const PlannedMessage& message : run.messages) addMessage(message);
    if (run.failure) addMessage(*run.failure);
    if (!run.parameterFile.empty()) add("parameters", shown(run.parameterFile.string()));
    if (run.start) addStart(*run.start);
  }

  void addFileLink() {
    TZEBoggetto& file = *plan_.file;
    addText("file", storedFileName(file.FileName()));
    const FileLinkSetting setting = fileLinkSetting(settings_, file.FileName());
    static constexpr std::string_view behaviours[] = {"dialog", "save", "open", "program"};
    add("behaviour", behaviours[static_cast<int>(setting.behaviour)]);
    if (plan_.book == nullptr) return;
    const std::filesystem::path extracted =
        plan_.book->temporaryFolder() / safeFileName(file.FileName(), plan_.book->codePage());
    if (setting.behaviour == FileBehaviour::open) addStart({StartRequest::How::file, extracted.string(), {}, false});
    if (setting.behaviour != FileBehaviour::openWithProgram) return;
    addStart(
        fileProgramStart(setting.program, std::filesystem::path(plan_.book->ZEBFileName()).parent_path(), extracted));
  }

  std::vector<std::string> take() { return std::move(lines_); }

 private:
  const LinkPlan& plan_;
  const SettingsStore& settings_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> describePlan(const LinkPlan& plan, const SettingsStore& settings) {
  Lines lines(plan, settings);
  lines.add("action", nameOf(plan.step));
  if (plan.throughPlainLink) lines.add("through", "plain link");
  switch (plan.step) {
    case LinkStep::nothing: lines.add("reason", plan.reason); break;
    case LinkStep::unsupported:
      lines.addMessage({MessageKind::information, std::string(messages::undefinedOrUnsupported)});
      break;
    case LinkStep::openBook: lines.add("book", plan.bookPath); break;
    case LinkStep::showPage:
      lines.addNumber("page", plan.page);
      lines.add("frame", plan.inClickedFrameSet ? "the frame set that raised the link" : "main page");
      lines.addNumber("anchor", plan.anchor);
      break;
    case LinkStep::goToTarget: lines.addText("target", plan.address); break;
    case LinkStep::runTarget:
      lines.addText("target", plan.address);
      lines.addRun(*plan.run);
      break;
    case LinkStep::openOutside:
      lines.addText("target", plan.address);
      lines.addStart(*plan.outside);
      break;
    case LinkStep::fileLink: lines.addFileLink(); break;
    case LinkStep::showInFrameOfLink:
    case LinkStep::showInWindow:
    case LinkStep::showInNamedWindow:
    case LinkStep::showInNewWindow:
    case LinkStep::showInPopupWindow:
      lines.addTarget();
      lines.addNumber("anchor", plan.anchor);
      lines.addNumber("flag", plan.frameFlag);
      if (plan.step == LinkStep::showInWindow || plan.step == LinkStep::showInNamedWindow)
        lines.addText("window", plan.windowName);
      if (plan.step == LinkStep::showInNewWindow) lines.addText("window", messages::newWindowName);
      if (plan.step == LinkStep::showInPopupWindow) lines.addText("window", messages::popupWindowName);
      if (plan.step == LinkStep::showInNamedWindow || plan.step == LinkStep::showInPopupWindow) lines.addDescription();
      break;
    case LinkStep::goToAnchor: lines.addNumber("anchor", plan.anchor); break;
    case LinkStep::closeWindow: lines.addText("window", plan.windowName); break;
    case LinkStep::hideMainWindow:
    case LinkStep::closeThisWindow:
    case LinkStep::keywordSearch:
    case LinkStep::handToMainWindow: break;
  }
  return lines.take();
}

}  // namespace zeb::shell
