// The machine's own answers: registry reads and folders from Windows itself.
#include <gtest/gtest.h>
#include <windows.h>

#include "install/framework/file_system.h"
#include "install/paths/system_paths.h"

namespace install {
namespace {

constexpr const char* kTestKey = "Software\\InstallFoundationTests";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        SetString(key, "Folder", "D:\\Apps\\");
        SetString(key, "Empty", "");
        const DWORD number = 7;
        ::RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
        ::RegCloseKey(key);
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }

    static void SetString(HKEY key, const char* name, const std::string& value) {
        ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
};

TEST_F(RegistryTest, ReadRegStringFallsBackUnlessAStringIsStored) {
    const std::string key = std::string("\\") + kTestKey;
    EXPECT_EQ(ReadRegString(kHKeyCurrentUser, key, "Folder", "default"), "D:\\Apps\\");
    EXPECT_EQ(ReadRegString(kHKeyCurrentUser, key, "Empty", "default"), "");
    EXPECT_EQ(ReadRegString(kHKeyCurrentUser, key, "Number", "default"), "default");
    EXPECT_EQ(ReadRegString(kHKeyCurrentUser, key, "Missing", "default"), "default");
    EXPECT_EQ(ReadRegString(kHKeyCurrentUser, key + "\\Nowhere", "Folder", "default"), "default");
    EXPECT_EQ(ReadRegString(kHKeyLocalMachine, key, "Folder", "default"), "default");
    EXPECT_EQ(ReadRegString(99, key, "Folder", "default"), "default");
}

TEST(MachineFolders, WindowsAndShellFoldersExist) {
    EXPECT_TRUE(DirectoryExists(GetWindowsDir()));
    EXPECT_TRUE(DirectoryExists(GetSystemDir()));
    const std::string programFiles = GetProgramFilesDir();
    EXPECT_FALSE(programFiles.empty());
    EXPECT_NE(programFiles.back(), '\\');
    EXPECT_FALSE(GetCommonFilesDir().empty());
    EXPECT_FALSE(GetDesktopDir().empty());
}

}  // namespace
}  // namespace install
