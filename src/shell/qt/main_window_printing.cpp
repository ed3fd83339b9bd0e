// The print commands installed into the main window.
#include "shell/qt/main_window_printing.h"

#include "document/container.h"
#include "shell/qt/main_form.h"
#include "view/qt/frame_set.h"

namespace zeb::shell {

MainWindowPrinting::MainWindowPrinting(TMainForm& window, PrinterFactory makePrinter)
    : window_(window), makePrinter_(std::move(makePrinter)) {}

PrintCommands& MainWindowPrinting::commands() {
  if (!commands_)
    commands_ = std::make_unique<PrintCommands>(PrintCommands::Services{
        window_.mainZEBset(), *window_.mainZEBset().services().settings, *window_.Editor(), &window_, makePrinter_});
  return *commands_;
}

void MainWindowPrinting::printBox(TZEBCustomFrameSet& frames, TZEBbox& box) { commands().printOnClick(frames, box); }

}  // namespace zeb::shell
