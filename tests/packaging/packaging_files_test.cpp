// The files the package installs: the desktop entry, the metainfo and the manual pages pass
// their validators, the MIME type is the one "/INIT" registers, and the icons show the
// picture the reader's windows carry.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/headless/freedesktop_files.h"
#include "platform/headless/freedesktop_integration.h"
#include "platform/headless/process_runner.h"
#include "shell/messages.h"
#include "shell/qt/toolbar_icons.h"
#include "tests/support/run_command.h"

namespace zeb::testing {
namespace {

const std::filesystem::path source = PACKAGING_SOURCE_DIR;
const std::filesystem::path built = PACKAGING_BUILD_DIR;

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The validator's result, or nothing (the test then skips) when it is not installed.
std::optional<CommandResult> validate(std::string_view tool, const std::vector<std::string>& arguments) {
  const std::filesystem::path program = findProgram(tool);
  if (program.empty()) return std::nullopt;
  return runCommand(program.string(), arguments);
}

TEST(PackagedFiles, TheDesktopEntryPassesDesktopFileValidate) {
  const auto result = validate("desktop-file-validate", {(source / "brightfold.desktop").string()});
  if (!result) GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils; scripts/bootstrap)";
  EXPECT_EQ(result->exitStatus, 0);
  // Hints too are reported on stdout: the entry has none.
  EXPECT_EQ(result->out + result->err, "");
}

TEST(PackagedFiles, TheMetainfoPassesAppstreamcliValidatePedantic) {
  const auto result = validate("appstreamcli", {"validate", "--pedantic", "--no-net", "--no-color",
                                                (source / BRIGHTFOLD_APP_ID ".metainfo.xml").string()});
  if (!result) GTEST_SKIP() << "appstreamcli is not installed (appstream; scripts/bootstrap)";
  EXPECT_EQ(result->exitStatus, 0) << result->out << result->err;
  // Not even a pedantic note.
  EXPECT_EQ(result->out, "\u2714 Validation was successful.\n") << result->err;
}

TEST(PackagedFiles, TheManualPagesFormatWithoutWarnings) {
  const std::filesystem::path man = findProgram("man");
  if (man.empty()) GTEST_SKIP() << "man is not installed (man-db; scripts/bootstrap)";
  for (const char* page : {"brightfold.1", "zebtool.1"}) {
    const auto result = runCommand(man.string(), {"--warnings", "-E", "UTF-8", "-l", (built / "man" / page).string()});
    EXPECT_EQ(result.exitStatus, 0) << page;
    EXPECT_EQ(result.err, "") << page;
    EXPECT_NE(result.out.find("EXIT STATUS"), std::string::npos) << page;
  }
}

TEST(PackagedFiles, TheMimeTypeIsTheOneInitRegisters) {
  EXPECT_EQ(fileText(source / "brightfold-mime.xml"),
            freedesktop::mimePackage(FreedesktopIntegration::bookType, shell::messages::bookTypeComment,
                                     FreedesktopIntegration::bookGlob));
  EXPECT_NE(fileText(source / "brightfold.desktop").find("MimeType=application/x-nexo-ebook;\n"), std::string::npos);
  EXPECT_EQ(
      fileText(source / "brightfold.thumbnailer"),
      "[Thumbnailer Entry]\nTryExec=zebtool\nExec=zebtool thumbnail %i %o %s\nMimeType=application/x-nexo-ebook;\n");
}

TEST(PackagedFiles, TheIconPicturesShowTheWindowsIcon) {
  for (const int size : {16, 64, 256}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path file = built / "icons" / name / "brightfold.png";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) did not render the icons";
    QImage packaged(QString::fromStdString(file.string()));
    ASSERT_EQ(packaged.size(), QSize(size, size)) << name;
    // Compared premultiplied, so that the colour of a pixel counts as much as it shows.
    packaged = packaged.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
      QPainter painter(&drawn);
      paintReaderIcon(painter, QRectF(0, 0, size, size));
    }
    // The two renderers smooth edges each in their own way; the shapes and colours agree.
    int differing = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QRgb a = reinterpret_cast<const QRgb*>(packaged.constScanLine(y))[x];
        const QRgb b = reinterpret_cast<const QRgb*>(drawn.constScanLine(y))[x];
        const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                         std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        if (difference > 48) ++differing;
      }
    }
    EXPECT_LE(differing, size * size / 1000 + 2) << name;
  }
}

}  // namespace
}  // namespace zeb::testing
