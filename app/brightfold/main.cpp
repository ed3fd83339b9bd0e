// brightfold: the reader. Handles "--version", "--help", the setup switches and "--show", then
// shows the main window.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "export/clipboard_conversion.h"
#include "platform/headless/freedesktop_integration.h"
#include "platform/qt/qt_ipc.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_speech.h"
#include "shell/ipc_macro.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_form.h"
#include "shell/qt/main_window_export.h"
#include "shell/qt/main_window_links.h"
#include "shell/qt/main_window_printing.h"
#include "shell/qt/main_window_search.h"
#include "shell/qt/toolbar_icons.h"
#include "shell/setup_switches.h"
#include "transfer/form_transfer.h"
#include "transfer/qt/femail.h"
#include "transfer/transfer_threads.h"

namespace {

constexpr const char* usage =
    "usage: brightfold [BOOK [/PAGE=N]] | --show \"BOOK|PAGE\" | /INIT [BOOK] | /DEINST [BOOK] | --version | --help\n";
constexpr const char* help =
    "  brightfold [BOOK [/PAGE=N]]     open BOOK (at page N), or the book shown last\n"
    "  brightfold --show \"BOOK|PAGE\"   show the page in the running reader, or start one showing it\n"
    "  brightfold /INIT [BOOK]         register the reader with the desktop, then open BOOK\n"
    "  brightfold /DEINST [BOOK]       remove the registration (after asking)\n"
    "  brightfold --version            print the version\n"
    "  brightfold --help               print this help\n"
    "Settings: $XDG_CONFIG_HOME/KX/brightfold.ini (~/.config/KX/brightfold.ini).\n";

constexpr int pauseBeforeDeletingMilliseconds = 500;
// How long a start waits for a running reader to take the request to come back.
constexpr int comeBackWaitMilliseconds = 1000;

// Runs the setup switch of the arguments; false when the program is to end afterwards.
bool runSetup(const std::vector<std::string>& arguments, const zeb::PlatformServices& services) {
  const zeb::shell::SetupSwitch setupSwitch = zeb::shell::setupSwitchOf(arguments);
  if (setupSwitch == zeb::shell::SetupSwitch::none) return true;
  zeb::FreedesktopIntegration desktop(zeb::FreedesktopFolders::fromEnvironment(), zeb::DesktopTools{});
  const QString program = QCoreApplication::applicationFilePath();
  zeb::shell::SetupContext context{services,
                                   desktop,
                                   program.toStdString(),
                                   QDir::homePath().toStdString(),
                                   [program](const std::vector<std::string>& words) {
                                     QStringList list;
                                     for (const std::string& word : words) list << QString::fromStdString(word);
                                     return QProcess::startDetached(program, list);
                                   },
                                   [] { QThread::msleep(pauseBeforeDeletingMilliseconds); }};
  return zeb::shell::runSetupSwitch(setupSwitch, arguments, context) == zeb::shell::AfterSetup::continueStart;
}

// The name of the reader's inter-process server; needs an application object.
QString serverName() {
  return QString::fromStdString(zeb::ipcServerName(QCoreApplication::applicationFilePath().toStdString(),
                                                   static_cast<std::uint32_t>(::getuid())));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  // Asked before any window or display is reached, so that they work anywhere.
  if (!arguments.empty() && arguments[0] == "--version") {
    std::fputs("brightfold " BRIGHTFOLD_VERSION "\n", stdout);
    return 0;
  }
  if (!arguments.empty() && arguments[0] == "--help") {
    std::fputs(usage, stdout);
    std::fputs(help, stdout);
    return 0;
  }

  // "--show BOOK|PAGE": a running reader shows the target; otherwise this one starts with it.
  // Handing over needs no display, so it happens before the windowing system is reached.
  std::optional<std::string> showMacro;
  if (!arguments.empty() && arguments[0] == "--show") {
    if (arguments.size() != 2) {
      std::fputs(usage, stderr);
      return 2;
    }
    showMacro = zeb::shell::showMacro(arguments[1]);
    QCoreApplication handOver(argc, argv);
    if (zeb::QtIpcClient(serverName()).handOver(*showMacro)) return 0;
    arguments.clear();
  }

  QApplication application(argc, argv);
  QApplication::setStyle(new zeb::ReaderStyle);
  QApplication::setApplicationName("Brightfold");
  QApplication::setApplicationVersion(BRIGHTFOLD_VERSION);
  QApplication::setWindowIcon(zeb::readerIcon());
  // The name of the desktop entry, so that the desktop shows the package's icon and name
  // for the windows.
  QGuiApplication::setDesktopFileName("brightfold");
  // Numbers are written and read with "." as the decimal separator.
  QLocale::setDefault(QLocale::c());
  zeb::installClipboardConverters();

  zeb::QtPlatform platform;
  if (!runSetup(arguments, platform.services())) return 0;
  // A reader already running shows its main window again, should a link have hid it; this
  // one starts all the same. "--show" found no reader to tell.
  if (!showMacro) zeb::QtIpcClient(serverName(), comeBackWaitMilliseconds).handOver(zeb::shell::comeBackMacro);

  QPointer<zeb::shell::TFabout> splash = new zeb::shell::TFabout;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->showAsSplash();

  int status = 0;
  {
    // Transfers end before the event queue and the message boxes they report through.
    zeb::TransferRegistry transfers(platform.events, platform.messages);
    zeb::TMainForm window(platform.services(), arguments);
    window.setSplash(splash);
    // The e-mail settings window is made with the main window; form transfers show it
    // when no sender address is set.
    QPointer<zeb::TFemail> mailSettings = new zeb::TFemail(platform.settings, &window);
    zeb::FormTransferService formTransfers(transfers, platform.settings, [mailSettings] {
      if (mailSettings) mailSettings->exec();
    });
    window.setFormTransfer(&formTransfers);
    window.setEmailSettings([mailSettings] {
      if (mailSettings) mailSettings->exec();
    });
    window.setSearchService(std::make_unique<zeb::shell::MainWindowSearch>(window));
    window.setPrintingService(std::make_unique<zeb::shell::MainWindowPrinting>(window));
    window.setExportService(std::make_unique<zeb::shell::MainWindowExport>(window));
    window.setLinkDispatcher(std::make_unique<zeb::shell::MainWindowLinks>(window));
    zeb::QtIpcServer server(serverName());
    server.listen([&window](const std::string& macro) { window.NeedHelpExecuteMacro(macro); });
    if (showMacro) window.NeedHelpExecuteMacro(*showMacro);
    window.show();
    // The speech engine starts its service when first made: after the window shows.
    QTimer::singleShot(0, &window, [&window] { window.setSpeech(std::make_unique<zeb::QtSpeech>()); });
    status = QApplication::exec();
    window.setFormTransfer(nullptr);
    transfers.shutDown();
  }
  delete splash;
  return status;
}
