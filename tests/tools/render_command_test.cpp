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

#endif

}  // namespace
}  // namespace zeb
