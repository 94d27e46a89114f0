#pragma once
// Window tests of the tutor: a copy of the shipped data in a folder of its own, scripted
// message boxes, and the main window made in the test's process.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "common/testing/scripted_message_box.h"
#include "tecladix/app/main_window.h"
#include "tecladix/app/tutor.h"

namespace tecladix::testing {

class TutorWindows : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::filesystem::path(temp) / ("tecladix_window_test_" + std::to_string(::GetTickCount64()));
        std::filesystem::create_directories(folder_ / "floppy");
        for (const auto& entry : std::filesystem::directory_iterator(TECLADIX_DATA_DIR)) {
            std::ifstream from(entry.path(), std::ios::binary);
            std::ofstream(folder_ / entry.path().filename(), std::ios::binary) << from.rdbuf();
        }
        tutor_.data = DataFolder(folder_.string());
        tutor_.floppyFolder = (folder_ / "floppy").string() + "\\";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    [[nodiscard]] std::string Read(const std::string& name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    std::filesystem::path folder_;
    common::testing::ScriptedMessageBox boxes_;
    Tutor tutor_{DataFolder(), "A:\\", boxes_, {}, {}};
};

}  // namespace tecladix::testing
