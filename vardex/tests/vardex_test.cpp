// vardex run for real: its version record, the screen-saver flag, and the start of the
// companion program at c:\vardex\vardex.exe (played by companion_recorder).
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "vardex/launcher.h"

namespace {

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    std::string module(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return module.substr(0, module.find_last_of('\\') + 1);
}

const std::string kCompanionFolder = "c:\\vardex";
const std::string kCompanion = kCompanionFolder + "\\vardex.exe";
const std::string kRecord = kCompanionFolder + "\\called.txt";

// Runs vardex.exe with `arguments`; returns its exit code, or -1 when it did not end within
// ten seconds.
DWORD RunLauncherProcess(const std::string& arguments) {
    std::string commandLine = "\"" + ExeFolder() + "vardex.exe\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return static_cast<DWORD>(-2);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
}

std::string WaitForRecord() {
    for (int i = 0; i < 200; ++i) {
        std::ifstream file(kRecord, std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(file), {});
        if (!text.empty()) return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

bool ScreenSaverRunning() {
    BOOL running = FALSE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        ::CreateDirectoryA(kCompanionFolder.c_str(), nullptr);
        ::DeleteFileA(kRecord.c_str());
        ::DeleteFileA(kCompanion.c_str());
    }
    void TearDown() override {
        ::DeleteFileA(kRecord.c_str());
        ::DeleteFileA(kCompanion.c_str());
    }
    static void InstallCompanion() {
        ASSERT_TRUE(::CopyFileA((ExeFolder() + "companion_recorder.exe").c_str(), kCompanion.c_str(), FALSE));
    }
};

TEST_F(Launcher, StartsTheCompanionInScreenSaverModeWhateverItsOwnCommandLine) {
    InstallCompanion();
    for (const char* arguments : {"", "/c", "/p 1234 extra words", "\"quoted arg\""}) {
        ::DeleteFileA(kRecord.c_str());
        EXPECT_EQ(0u, RunLauncherProcess(arguments)) << arguments;
        const std::string record = WaitForRecord();
        EXPECT_NE(std::string::npos, record.find("vardex.exe")) << record;
        EXPECT_EQ(record.size() - 2, record.rfind("/s")) << "companion got: " << record;
    }
}

// Wine keeps the screen-saver flag per process, so the flag is checked with the launcher's
// steps run inside this process.
TEST_F(Launcher, SetsTheScreenSaverFlagThenStartsTheCompanion) {
    InstallCompanion();
    UINT previous = 0;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previous, 0);
    ASSERT_FALSE(ScreenSaverRunning());

    EXPECT_EQ(0, RunLauncher());

    EXPECT_TRUE(ScreenSaverRunning());
    EXPECT_NE(std::string::npos, WaitForRecord().find("/s"));
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previous, 0);
}

TEST_F(Launcher, WithoutTheCompanionEndsAtOnceWithZero) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(0u, RunLauncherProcess("/s"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(kRecord.c_str()));
}

std::string VersionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!::VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "<none>";
    return std::string(value, length > 0 && value[length - 1] == '\0' ? length - 1 : length);
}

TEST(LauncherVersion, RecordReadBackWithTheSystemVersionFunctions) {
    const std::string exe = ExeFolder() + "vardex.exe";
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(::GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(0, 3), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(0, 3), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);

    EXPECT_EQ("3.00", VersionString(info, "FileVersion"));
    EXPECT_EQ("3.0", VersionString(info, "ProductVersion"));
    EXPECT_EQ("VARDEX", VersionString(info, "InternalName"));
    EXPECT_EQ("vardex.sld", VersionString(info, "OriginalFilename"));
}

}  // namespace
