#pragma once
// A temporary program folder for a main window under test: a configuration, the sample
// collection and its page, removed again with the object; and the main window started in it.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "brantlow/app/main_window.h"
#include "brantlow/core/file_system.h"
#include "brantlow/data/sample_collection.h"
#include "ui/testing/window_driver.h"

namespace brantlow::testing {

class ProgramFolder {
public:
    ProgramFolder(const std::string& name, const std::string& config) {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        path = std::string(base) + name + "_" + std::to_string(::GetCurrentProcessId()) + "\\";
        std::filesystem::create_directories(path);
        Write("brantlow.ini", config);
        Write("brantlow.html", "");
        StdFileSystem files;
        FileError error;
        auto output = files.Create(path + "brantlow.btw", error);
        loaded = output && WriteSampleCollection(*output);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(path + name, std::ios::binary) << text;
    }
    [[nodiscard]] std::string Read(const std::string& name) const {
        std::ifstream input(path + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(input), {}};
    }

    std::string path;  // with its trailing separator
    bool loaded = false;
};

// The main window of a program in `folder`, created, shown and painted; null when it could
// not be created. Destroying it never ends the test's message loop.
inline std::unique_ptr<TForm_Main> StartMainWindow(const std::string& folder) {
    MainWindowOptions options;
    options.programPath = folder + "brantlow.exe";
    options.quitWhenDestroyed = false;
    auto form = std::make_unique<TForm_Main>(std::move(options));
    if (!form->CreateMain()) return nullptr;
    form->Show(SW_SHOWNORMAL);
    ui::testing::Pump(std::chrono::milliseconds(100));
    return form;
}

}  // namespace brantlow::testing
