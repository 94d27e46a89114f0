#pragma once
// Files for the window tests: a fresh temporary folder per call, whole files written and
// read as bytes.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace brantlow::testing {

// "<temp>\<prefix>_<process>_<n>\", created; each call gives a folder of its own.
inline std::string TempFolder(const std::string& prefix) {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    std::string folder =
        std::string(base) + prefix + "_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++serial) + "\\";
    std::filesystem::create_directories(folder);
    return folder;
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace brantlow::testing
