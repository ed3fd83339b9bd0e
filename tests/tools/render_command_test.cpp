// zebtool render of a page with a frame map: the frames are drawn into an image of the size
// asked for.
#include <fstream>
#include <iterator>

#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using testing::runCommand;

#ifdef BRIGHTFOLD_HAS_QT

// The width and height a PNG file states in its header; 0, 0 when it is no PNG.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 24 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G') return {0, 0};
  const auto word = [&](std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
           bytes[at + 3];
  };
  return {word(16), word(20)};
}

using RenderCommand = testing::Zebtool;

TEST_F(RenderCommand, DrawsThePagesOfAFrameMapInTheirFrames) {
  const std::string guide = (folder.path() / "guide.zeb").string();
  ASSERT_EQ(runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/guide.json", guide}).exitStatus, 0);
  const auto out = folder.path() / "frames.png";
  const auto result = zebtool({"render", guide, "4", out.string(), "--width", "640", "--height", "480"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err.find("Warning!"), std::string::npos);
  EXPECT_EQ(pngSize(out), (std::pair<std::uint32_t, std::uint32_t>{640, 480}));
}

// --scale draws for a screen of more device pixels: the image has that many for each pixel
// of the window; --zoom keeps the window's size. Values outside their ranges are refused.
TEST_F(RenderCommand, ScaleMultipliesTheImagesPixelsAndZoomKeepsTheWindowsSize) {
  const std::string guide = (folder.path() / "guide.zeb").string();
  ASSERT_EQ(runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/guide.json", guide}).exitStatus, 0);
  const auto out = folder.path() / "page.png";
  const auto size = [&](const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {"render", guide, "6", out.string(), "--width", "400", "--height", "300"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::filesystem::remove(out);
    const auto result = zebtool(arguments);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    return pngSize(out);
  };
  using Size = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(size({"--scale", "1.5"}), (Size{600, 450}));
  EXPECT_EQ(size({"--zoom", "200", "--scale", "2", "--night"}), (Size{800, 600}));
  EXPECT_EQ(size({"--zoom", "50"}), (Size{400, 300}));
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{"--zoom", "40"},
                                                                                   {"--zoom", "401"},
                                                                                   {"--scale", "0.5"},
                                                                                   {"--scale", "1.234"},
                                                                                   {"--scale"},
                                                                                   {"--zoom", "x"}}) {
    std::vector<std::string> arguments = {"render", guide, "6", out.string()};
    arguments.insert(arguments.end(), bad.begin(), bad.end());
    EXPECT_EQ(zebtool(arguments).exitStatus, 2) << bad.front();
  }
}

#endif

}  // namespace
}  // namespace zeb
