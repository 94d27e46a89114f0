#pragma once
// A private folder for a test, and whole-file reads and writes by Windows-style path.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "install/framework/file_system.h"

namespace install::testing {

using Bytes = std::vector<unsigned char>;

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        const auto base = std::filesystem::temp_directory_path();
        path_ = base / ("install-test-" + std::to_string(seed()) + "-" +
                        std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder as the installer names it, and a file within it.
    [[nodiscard]] std::string Path() const { return path_.string(); }
    [[nodiscard]] std::string operator/(const std::string& name) const { return Path() + "\\" + name; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::filesystem::create_directories(std::filesystem::path(HostPath(path)).parent_path());
    std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, Bytes(text.begin(), text.end()));
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(HostPath(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(HostPath(path)); }

// Text and binary content that compresses like real files do.
inline Bytes SampleText(std::size_t size, unsigned seed = 1) {
    static const char* const kWords[] = {"archive ", "volume ", "header ", "setup ", "disk ", "file\r\n"};
    std::mt19937 random(seed);
    Bytes out;
    while (out.size() < size) {
        const char* word = kWords[random() % 6];
        for (const char* c = word; *c && out.size() < size; ++c) out.push_back(static_cast<unsigned char>(*c));
    }
    return out;
}

inline Bytes SampleBinary(std::size_t size, unsigned seed = 2) {
    std::mt19937 random(seed);
    Bytes out(size);
    for (auto& b : out) b = static_cast<unsigned char>(random());
    return out;
}

}  // namespace install::testing
