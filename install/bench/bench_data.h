#pragma once
// Files for the archive benchmarks: text that compresses like documents do, and binary
// records that compress like programs and data files do. INSTALL_BENCH_SCALE (a fraction,
// 1 by default) shrinks every size for a quick run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace install::bench_data {

inline double Scale() {
    const char* text = std::getenv("INSTALL_BENCH_SCALE");
    const double scale = text ? std::atof(text) : 1.0;
    return scale > 0 ? scale : 1.0;
}

inline std::uint64_t Scaled(std::uint64_t bytes) {
    return static_cast<std::uint64_t>(static_cast<double>(bytes) * Scale());
}

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }

private:
    std::uint64_t state_;
};

// Writes `size` bytes of text (words of a 4000-word vocabulary, lines of 60-80 characters)
// or of binary records (counters, small fields and noise) to `path`.
inline void WriteSample(const std::string& path, std::uint64_t size, bool text, std::uint64_t seed) {
    Random random(seed);
    std::vector<std::string> words;
    for (int i = 0; i < 4000; ++i) {
        std::string word;
        const int length = 2 + static_cast<int>(random.Next() % 9);
        for (int c = 0; c < length; ++c) word += static_cast<char>('a' + random.Next() % 26);
        words.push_back(word);
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::vector<unsigned char> block;
    block.reserve(1 << 20);
    std::uint64_t written = 0, counter = 0;
    while (written < size) {
        block.clear();
        while (block.size() < (1u << 20)) {
            if (text) {
                std::size_t line = 0;
                while (line < 70) {
                    const std::string& w = words[random.Next() % (random.Next() % 8 == 0 ? 4000 : 300)];
                    block.insert(block.end(), w.begin(), w.end());
                    block.push_back(' ');
                    line += w.size() + 1;
                }
                block.push_back('\r');
                block.push_back('\n');
            } else {
                const std::uint64_t noise = random.Next();
                const std::uint32_t record[4] = {static_cast<std::uint32_t>(counter++),
                                                 static_cast<std::uint32_t>(noise & 0xFF),
                                                 static_cast<std::uint32_t>(noise >> 40),
                                                 0x00401000u + static_cast<std::uint32_t>((noise >> 8) & 0xF0)};
                const auto* bytes = reinterpret_cast<const unsigned char*>(record);
                block.insert(block.end(), bytes, bytes + sizeof record);
            }
        }
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), size - written));
        if (std::fwrite(block.data(), 1, n, file) != n) std::abort();
        written += n;
    }
    std::fclose(file);
}

// A fresh folder under the temporary folder, removed with the object.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    [[nodiscard]] std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace install::bench_data
