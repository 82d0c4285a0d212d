#include "platform/Registry.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace {

const char* const kRegistry =
    "[HKEY_LOCAL_MACHINE\\Software\\ORVO\\Tiller]\r\n"
    "ClientPath=/opt/erp/client/\r\n"
    "ProfileType=\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\PELM\\Morrow\\]\r\n"
    "GoAhead=1\r\n"
    "[HKEY_CLASSES_ROOT\\QueueManagerC.Class1]\r\n"
    "Library=/opt/erp/QueueManagerC.so\r\n"
    "[HKEY_CURRENT_USER\\Software\\ORVO\\Tiller]\r\n"
    "ClientPath=/home/user/erp/\r\n";

class RegistryTest : public ::testing::Test {
protected:
  TempFolder temp;
  ScopedEnv registryFile{"PAVANE_REGISTRY", temp.write("registry.txt", kRegistry)};
};

TEST_F(RegistryTest, OpensKeysWithOrWithoutLeadingBackslashIgnoringCase) {
  for (const char* key : {"Software\\ORVO\\Tiller", "\\Software\\ORVO\\Tiller", "software\\orvo\\TILLER\\"}) {
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(registry.OpenKeyReadOnly(key)) << key;
    EXPECT_EQ(registry.ReadString("clientpath"), "/opt/erp/client/") << key;
    EXPECT_TRUE(registry.ValueExists("ProfileType")) << key;
    EXPECT_EQ(registry.ReadString("ProfileType"), "") << key;
    EXPECT_FALSE(registry.ValueExists("ServerPath")) << key;
    EXPECT_EQ(registry.ReadString("ServerPath"), "") << key;
  }
}

TEST_F(RegistryTest, RootKeyChoosesTheTree) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\ORVO\\Tiller"));  // HKEY_CURRENT_USER by default
  EXPECT_EQ(registry.ReadString("ClientPath"), "/home/user/erp/");
  registry.CloseKey();
  EXPECT_FALSE(registry.OpenKeyReadOnly("\\Software\\PELM\\Morrow"));
  registry.RootKey = HKEY_CLASSES_ROOT;
  ASSERT_TRUE(registry.OpenKeyReadOnly("QueueManagerC.Class1"));
  EXPECT_EQ(registry.ReadString("Library"), "/opt/erp/QueueManagerC.so");
}

TEST_F(RegistryTest, KeysAboveListedKeysExistWithoutValues) {
  TRegistry registry;
  registry.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_TRUE(registry.KeyExists("Software\\ORVO"));
  EXPECT_TRUE(registry.KeyExists("\\Software\\PELM\\Morrow"));
  EXPECT_FALSE(registry.KeyExists("Software\\ORV"));
  EXPECT_FALSE(registry.KeyExists("Software\\ORVO\\Tiller\\Sub"));
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\ORVO"));
  EXPECT_FALSE(registry.ValueExists("ClientPath"));
}

TEST_F(RegistryTest, RelativePathsStartAtTheOpenKey) {
  TRegistry registry;
  registry.RootKey = HKEY_LOCAL_MACHINE;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software"));
  EXPECT_TRUE(registry.KeyExists("ORVO\\Tiller"));
  ASSERT_TRUE(registry.OpenKeyReadOnly("PELM\\Morrow"));
  EXPECT_EQ(registry.ReadString("GoAhead"), "1");
  EXPECT_FALSE(registry.OpenKeyReadOnly("Missing"));  // a failed open keeps the open key
  EXPECT_EQ(registry.ReadString("GoAhead"), "1");
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\ORVO\\Tiller"));
  EXPECT_EQ(registry.ReadString("ClientPath"), "/opt/erp/client/");
  registry.CloseKey();
  EXPECT_EQ(registry.ReadString("ClientPath"), "");
  EXPECT_FALSE(registry.ValueExists("ClientPath"));
}

TEST(Registry, WithoutItsFileTheRegistryIsEmpty) {
  TempFolder temp;
  const std::vector<std::optional<std::string>> settings = {std::nullopt, "", temp.path() + "missing.txt", temp.path()};
  for (const auto& setting : settings) {
    ScopedEnv registryFile("PAVANE_REGISTRY", setting);
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_FALSE(registry.OpenKeyReadOnly("Software\\ORVO\\Tiller")) << setting.value_or("(unset)");
    EXPECT_FALSE(registry.KeyExists("Software")) << setting.value_or("(unset)");
    EXPECT_EQ(registry.ReadString("ClientPath"), "");
  }
}

TEST(Registry, ReadsTheFileWhenCreated) {
  TempFolder temp;
  ScopedEnv registryFile("PAVANE_REGISTRY", temp.write("registry.txt", "[HKEY_LOCAL_MACHINE\\A]\nV=1\n"));
  TRegistry before;
  temp.write("registry.txt", "[HKEY_LOCAL_MACHINE\\A]\nV=2\n");
  TRegistry after;
  before.RootKey = after.RootKey = HKEY_LOCAL_MACHINE;
  ASSERT_TRUE(before.OpenKeyReadOnly("A"));
  ASSERT_TRUE(after.OpenKeyReadOnly("A"));
  EXPECT_EQ(before.ReadString("V"), "1");
  EXPECT_EQ(after.ReadString("V"), "2");
}

}  // namespace
