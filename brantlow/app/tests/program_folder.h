#pragma once
// A temporary program folder for a main window under test: a configuration, the sample
// collection and its page, removed again with the object.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "brantlow/core/file_system.h"
#include "brantlow/data/sample_collection.h"

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

}  // namespace brantlow::testing
