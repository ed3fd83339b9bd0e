// The recent-file list: five entries, oldest first, kept in the settings.
#include "shell/recent_files.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_settings_store.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

using Kind = RecentMenuChange::Kind;
using Changes = std::vector<RecentMenuChange>;

TEST(RecentFiles, ASixthBookDropsTheOldestAndAReopenedOneMovesToTheEnd) {
  RecentFiles recent;
  for (const char* path : {"/b/1.zeb", "/b/2.zeb", "/b/3.zeb", "/b/4.zeb", "/b/5.zeb"}) recent.add(path);
  EXPECT_EQ(recent.add("/b/6.zeb"), (Changes{{Kind::remove, "/b/1.zeb"}, {Kind::append, "/b/6.zeb"}}));
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/b/2.zeb", "/b/3.zeb", "/b/4.zeb", "/b/5.zeb", "/b/6.zeb"}));

  EXPECT_EQ(recent.add("/b/3.zeb"), (Changes{{Kind::moveToEnd, "/b/3.zeb"}}));
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/b/2.zeb", "/b/4.zeb", "/b/5.zeb", "/b/6.zeb", "/b/3.zeb"}));
  EXPECT_EQ(recent.lastFile(), "/b/3.zeb");

  // Letter case counts: this is another book, and the oldest goes again.
  EXPECT_EQ(recent.add("/b/2.ZEB"), (Changes{{Kind::remove, "/b/2.zeb"}, {Kind::append, "/b/2.ZEB"}}));
}

TEST(RecentFiles, RemovingTakesTheExactEntryOnly) {
  RecentFiles recent;
  recent.add("/b/a.zeb");
  recent.add("/b/b.zeb");
  EXPECT_FALSE(recent.remove("/b/A.zeb"));
  EXPECT_EQ(recent.remove("/b/a.zeb"), (RecentMenuChange{Kind::remove, "/b/a.zeb"}));
  EXPECT_EQ(recent.entries(), std::vector<std::string>{"/b/b.zeb"});
  // The last file is what was opened, whether or not it is still listed.
  EXPECT_EQ(recent.lastFile(), "/b/b.zeb");
}

TEST(RecentFiles, SettingsRoundTripWithoutStaleValuesOrRepeats) {
  MemorySettingsStore settings;
  const std::string_view key = settings::recentFilesKey;
  settings.writeString(key, "0", "/b/x.zeb");
  settings.writeString(key, "1", "");
  settings.writeString(key, "2", "/b/y.zeb");
  settings.writeString(key, "3", "/b/x.zeb");
  settings.writeString(key, "4", "/b/z.zeb");

  RecentFiles recent;
  recent.load(settings);
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/b/x.zeb", "/b/y.zeb", "/b/z.zeb"}));
  EXPECT_TRUE(recent.separatorVisible());
  EXPECT_EQ(recent.lastFile(), "");

  recent.remove("/b/y.zeb");
  recent.save(settings);
  EXPECT_EQ(settings.readString(key, "0"), "/b/x.zeb");
  EXPECT_EQ(settings.readString(key, "1"), "/b/z.zeb");
  // A removed book must not come back at the next start.
  for (const char* name : {"2", "3", "4"}) EXPECT_FALSE(settings.readString(key, name)) << name;

  RecentFiles empty;
  empty.load(MemorySettingsStore());
  EXPECT_FALSE(empty.separatorVisible());
  empty.add("/b/n.zeb");
  EXPECT_TRUE(empty.separatorVisible());
}

}  // namespace
}  // namespace zeb::shell
