// zebtool frames on books that zebmake builds from descriptions: the sample's three-frame
// page, pages without a map, maps that cannot be shown, short legacy records, damaged maps.
#include <algorithm>

#include "tests/tools/zebtool_fixture.h"

namespace zeb {
namespace {

using testing::runCommand;

class FramesCommand : public testing::Zebtool {
 protected:
  // A book of three pages; page 0 shows the map of these frames (JSON records) when given.
  std::string bookWithMap(const std::string& frames, const std::string& mapExtra = "", int mapIndex = 0) {
    std::string objects =
        R"({"name": "Master", "frame_map": )" + std::to_string(frames.empty() ? -1 : mapIndex) +
        R"(, "text": "<Z S0 >m"}, {"name": "One", "text": "<Z S0 >1"}, {"name": "Two", "text": "<Z S0 >2"})";
    if (!frames.empty())
      objects += R"(, {"kind": "mappaFrame", "name": "Map")" + mapExtra + R"(, "frames": [)" + frames + "]}";
    const auto description = folder.write("book.json", R"({"objects": [)" + objects + "]}");
    const std::string book = (folder.path() / "book.zeb").string();
    const auto made = runCommand(ZEBMAKE_PATH, {description.string(), book});
    EXPECT_EQ(made.exitStatus, 0) << made.err;
    return book;
  }
  static std::size_t lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  }
};

TEST_F(FramesCommand, TheSamplesFramePageShowsThreeFramesInPreOrder) {
  const std::string guide = (folder.path() / "guide.zeb").string();
  ASSERT_EQ(runCommand(ZEBMAKE_PATH, {BRIGHTFOLD_SOURCE_DIR "/samples/guide.json", guide}).exitStatus, 0);
  auto result = zebtool({"frames", guide, "4"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "0\tPag4\t0\t0\t0\t800\t600\t-1\n"
            "1\tTitle\t0\t0\t0\t800\t60\t5\n"
            "1\tBelow\t3\t0\t63\t800\t537\t-1\n"
            "2\tContents\t1\t0\t0\t239\t537\t1\n"
            "2\tMain\t5\t242\t0\t558\t537\t4\n");
  result = zebtool({"frames", guide, "4", "--height", "300", "--width", "1000"});
  EXPECT_EQ(result.out,
            "0\tPag4\t0\t0\t0\t1000\t300\t-1\n"
            "1\tTitle\t0\t0\t0\t1000\t60\t5\n"
            "1\tBelow\t3\t0\t63\t1000\t237\t-1\n"
            "2\tContents\t1\t0\t0\t299\t237\t1\n"
            "2\tMain\t5\t302\t0\t698\t237\t4\n");
}

TEST_F(FramesCommand, APageWithoutAMapOrWithAMissingOneShowsOneFrame) {
  std::string book = bookWithMap("");
  auto result = zebtool({"frames", book, "1"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "0\tPag1\t0\t0\t0\t800\t600\t1\n");

  book = bookWithMap(R"({"identity": 1}, {"identity": 2, "parent": 1, "page": 1})", "", 5);
  result = zebtool({"frames", book, "0"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "Warning!: Map problem.\n");
  EXPECT_EQ(result.out, "0\tPag0\t0\t0\t0\t800\t600\t0\n");

  EXPECT_EQ(zebtool({"frames", book, "9"}).exitStatus, 1);
  EXPECT_EQ(zebtool({"frames", book}).exitStatus, 2);
  EXPECT_EQ(zebtool({"frames", book, "0", "--width", "0"}).exitStatus, 2);
  EXPECT_EQ(zebtool({"frames", book, "0", "--depth", "3"}).exitStatus, 2);
}

TEST_F(FramesCommand, ShortLegacyRecordsKeepOrDropTheirSplittersByTheirFlags) {
  const std::string frames =
      R"({"identity": 1}, {"identity": 2, "parent": 1, "kind": 1, "percent": 25, "page": 1, "legacy_a": LEGACY},
         {"identity": 3, "parent": 1, "kind": 5, "percent": 75, "page": 2, "thickness": 9, "size_mode": 1})";
  auto withFlag = [&](const char* flag) {
    std::string text = frames;
    text.replace(text.find("LEGACY"), 6, flag);
    return text;
  };
  // The root's flags decide the thickness between its children: both zero, no splitter.
  std::string book = bookWithMap(withFlag("0"), R"(, "record_length": 50)");
  auto result = zebtool({"frames", book, "0", "--width", "400", "--height", "100"});
  EXPECT_EQ(result.out,
            "0\tPag0\t0\t0\t0\t400\t100\t-1\n"
            "1\tFrame000002\t1\t0\t0\t100\t100\t1\n"
            "1\tFrame000003\t5\t100\t0\t300\t100\t2\n");

  book = bookWithMap(R"({"identity": 1, "legacy_b": 1})" + withFlag("1").substr(withFlag("1").find(',')),
                     R"(, "record_length": 50)");
  result = zebtool({"frames", book, "0", "--width", "403", "--height", "100"});
  EXPECT_EQ(result.out,
            "0\tPag0\t0\t0\t0\t403\t100\t-1\n"
            "1\tFrame000002\t1\t0\t0\t100\t100\t1\n"
            "1\tFrame000003\t5\t103\t0\t300\t100\t2\n");
}

TEST_F(FramesCommand, DamagedMapsEndInTheWarningOrWithinTheLimits) {
  for (const char* length : {"0", "59"}) {
    const std::string book =
        bookWithMap(R"({"identity": 1}, {"identity": 2, "parent": 1})", std::string(R"(, "record_length": )") + length);
    const auto result = zebtool({"frames", book, "0"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "Warning!: Map problem.\n") << length;
    EXPECT_EQ(lines(result.out), 1u) << length;
  }

  std::string selfParents = R"({"identity": 1})";
  for (int i = 0; i < 100; ++i) selfParents += R"(, {"identity": 1, "parent": 1})";
  auto result = zebtool({"frames", bookWithMap(selfParents), "0"});
  EXPECT_EQ(result.err, "Warning!: Map problem.\n");
  EXPECT_EQ(lines(result.out), 33u);  // the root and 32 levels below it

  std::string crowd = R"({"identity": 1})";
  for (int i = 0; i < 1000; ++i) crowd += R"(, {"identity": )" + std::to_string(i + 2) + R"(, "parent": 1, "kind": 1})";
  result = zebtool({"frames", bookWithMap(crowd), "0"});
  EXPECT_EQ(result.err, "Warning!: Map problem.\n");
  EXPECT_EQ(lines(result.out), 256u);

  // Sizes beyond any screen, and pages the book lacks, still give frames inside the set.
  result =
      zebtool({"frames", bookWithMap(R"({"identity": 1}, {"identity": 2, "parent": 1, "size_mode": 1, "fixed": -500},
                                   {"identity": 3, "parent": 1, "size_mode": 1, "fixed": 2147483647, "page": 77},
                                   {"identity": 4, "parent": 1, "kind": 3, "page": -5})"),
               "0"});
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "0\tPag0\t0\t0\t0\t800\t600\t-1\n"
            "1\tFrame000002\t0\t0\t0\t800\t0\t-1\n"
            "1\tFrame000003\t0\t0\t3\t800\t593\t-1\n"
            "1\tFrame000004\t3\t0\t599\t800\t1\t-1\n");
}

}  // namespace
}  // namespace zeb
