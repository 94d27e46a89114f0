#include "platform/registry.h"
#include "platform/shell_folder.h"

#include <gtest/gtest.h>

namespace {

using platform::RegistryKey;

const char* const kTestKey = "Software\\PlatformTests";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform::DeleteRegistryTree(HKEY_CURRENT_USER, kTestKey)); }
    void TearDown() override { (void)platform::DeleteRegistryTree(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(Registry, ValuesSurviveAReopenWithTheirTypes) {
    {
        RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, std::string(kTestKey) + "\\Child");
        ASSERT_TRUE(key);
        EXPECT_TRUE(key.WriteString("", "default value"));
        EXPECT_TRUE(key.WriteString("Name", "caf\xE9 & \"quotes\""));
        EXPECT_TRUE(key.WriteDword("Count", 0xFFFFFFFEu));
        const BYTE bytes[] = {0, 1, 2, 0xFF};
        EXPECT_TRUE(key.WriteBinary("Blob", bytes, sizeof bytes));
    }
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, std::string(kTestKey) + "\\Child");
    ASSERT_TRUE(key);
    EXPECT_EQ("default value", key.ReadString("").value_or("?"));
    EXPECT_EQ("caf\xE9 & \"quotes\"", key.ReadString("Name").value_or("?"));
    EXPECT_EQ(0xFFFFFFFEu, key.ReadDword("Count").value_or(0));
    EXPECT_EQ((std::vector<BYTE>{0, 1, 2, 0xFF}), key.ReadBinary("Blob").value_or(std::vector<BYTE>{}));
    // A value of another type is absent for the typed reads.
    EXPECT_FALSE(key.ReadDword("Name"));
    EXPECT_FALSE(key.ReadString("Count"));
    EXPECT_FALSE(key.ReadString("Missing"));
    EXPECT_EQ(4u, key.ValueNames().size());
}

TEST_F(Registry, MissingKeysReadAsAbsentAndTreesDeleteWhole) {
    EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, std::string(kTestKey) + "\\Nothing"));
    EXPECT_FALSE(RegistryKey().ReadString("x"));
    EXPECT_FALSE(RegistryKey().WriteString("x", "y"));

    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, std::string(kTestKey) + "\\A\\B\\C"));
    EXPECT_EQ((std::vector<std::string>{"A"}), RegistryKey::Open(HKEY_CURRENT_USER, kTestKey).SubkeyNames());
    EXPECT_TRUE(platform::DeleteRegistryTree(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kTestKey));
}

}  // namespace

TEST(ShellFolder, NamesMatchWithoutRegardToCaseAndUnknownNamesAreEmpty) {
    const std::string favorites = platform::ShellFolder("Favorites");
    EXPECT_FALSE(favorites.empty());
    EXPECT_EQ(favorites, platform::ShellFolder("FAVORITES"));
    EXPECT_EQ("", platform::ShellFolder("No Such Folder"));
}
