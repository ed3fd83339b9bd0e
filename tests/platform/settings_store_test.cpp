// Settings stores: key paths, values, subkeys and the INI file.
#include <gtest/gtest.h>

#include "platform/headless/ini_settings_store.h"
#include "platform/headless/memory_settings_store.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

TEST(MemorySettingsStore, IgnoresLetterCaseAndOuterBackslashesOfKeys) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.keyExists("\\SOFTWARE\\KX\\zoVeKa\\"));
  EXPECT_EQ(store.readString("\\SOFTWARE\\KX\\zoVeKa\\", "cddrive"), std::nullopt);
  store.writeString("\\SOFTWARE\\KX\\zoVeKa\\", "cddrive", "/media/cdrom");
  EXPECT_TRUE(store.keyExists("software\\kx\\zoveka"));
  EXPECT_TRUE(store.keyExists("\\SOFTWARE\\KX"));
  EXPECT_EQ(store.readString("software\\kx\\ZOVEKA", "CDDrive"), "/media/cdrom");
}

TEST(MemorySettingsStore, DeletesValuesAndWholeKeysWithSubkeys) {
  MemorySettingsStore store;
  store.writeString("A\\B", "x", "1");
  store.writeString("A\\B\\C", "y", "2");
  store.writeString("A\\D", "z", "3");
  EXPECT_EQ(store.subkeys("A"), (std::vector<std::string>{"b", "d"}));
  store.deleteValue("A\\B", "x");
  EXPECT_EQ(store.readString("A\\B", "x"), std::nullopt);
  store.deleteKey("A\\B");
  EXPECT_FALSE(store.keyExists("A\\B\\C"));
  EXPECT_EQ(store.readString("A\\D", "z"), "3");
}

TEST(IniSettingsStore, KeepsValuesWithLineBreaksAcrossInstances) {
  testing::TemporaryFolder folder;
  const auto file = folder.path() / "KX" / "brightfold.ini";
  {
    IniSettingsStore store(file);
    store.writeString("\\SOFTWARE\\KX\\Quillmark_E\\options\\", "Greeting", "one\r\ntwo \\ three");
  }
  IniSettingsStore reopened(file);
  EXPECT_EQ(reopened.readString("software\\kx\\quillmark_e\\options", "greeting"), "one\r\ntwo \\ three");
}

TEST(IniSettingsStore, ABatchOfChangesIsSavedOnceAtItsEnd) {
  testing::TemporaryFolder folder;
  const auto file = folder.path() / "brightfold.ini";
  const auto saved = [&file] { return IniSettingsStore(file).readString("options", "a"); };
  IniSettingsStore store(file);
  store.writeString("options", "a", "1");
  {
    SettingsBatch outer(store);
    store.writeString("options", "a", "2");
    {
      SettingsBatch inner(store);
      store.deleteValue("options", "b");
    }
    EXPECT_EQ(saved(), "1");  // an inner batch saves nothing
    EXPECT_EQ(store.readString("options", "a"), "2");
  }
  EXPECT_EQ(saved(), "2");
  { SettingsBatch unchanged(store); }
  store.writeString("options", "a", "3");
  EXPECT_EQ(saved(), "3");
}

TEST(IniSettingsStore, NamesThatLookLikeSectionsOrCommentsSurviveBeingSaved) {
  testing::TemporaryFolder folder;
  // Escaped in the file, these names begin with "[" and ";".
  const auto file = folder.write("brightfold.ini", "[Options]\n\\[x=y]\n\\;z=1\n");
  {
    IniSettingsStore store(file);
    ASSERT_EQ(store.readString("options", "[x"), "y]");
    ASSERT_EQ(store.readString("options", ";z"), "1");
    store.writeString("options", "other", "saves the file");
  }
  IniSettingsStore reopened(file);
  EXPECT_EQ(reopened.readString("options", "[x"), "y]");
  EXPECT_EQ(reopened.readString("options", ";z"), "1");
  EXPECT_FALSE(reopened.keyExists("x=y"));
}

}  // namespace
}  // namespace zeb
