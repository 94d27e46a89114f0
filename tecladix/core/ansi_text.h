#pragma once
// The tutor's texts are Portuguese in the Windows-1252 code page, the code page of its data
// files and of the ANSI Win32 functions. Sources are UTF-8, so every text is written once,
// readably, and turned into Windows-1252 bytes at compile time; a character the code page
// cannot hold stops the build.
#include <cstddef>
#include <string>
#include <string_view>

namespace tecladix {

template <std::size_t N>
class AnsiText {
public:
    // consteval: the conversion runs in the compiler, never at run time.
    template <std::size_t M>
        requires(M <= N)
    consteval AnsiText(const char (&utf8)[M]) {  // NOLINT: implicit on purpose
        std::size_t in = 0;
        while (in + 1 < M) {
            const auto lead = static_cast<unsigned char>(utf8[in]);
            unsigned code = 0;
            if (lead < 0x80) {
                code = lead;
                in += 1;
            } else if ((lead & 0xE0) == 0xC0 && in + 2 < M) {
                code = (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[in + 1]) & 0x3Fu);
                in += 2;
            } else {
                throw "only Latin-1 characters fit the tutor's code page";
            }
            // The printable Latin-1 range is the same in Windows-1252.
            if (code >= 0x80 && code < 0xA0) throw "control characters have no place in a text";
            bytes_[size_++] = static_cast<char>(code);
        }
        bytes_[size_] = '\0';
    }

    [[nodiscard]] constexpr const char* c_str() const { return bytes_; }
    [[nodiscard]] constexpr std::size_t size() const { return size_; }
    [[nodiscard]] constexpr std::string_view view() const { return {bytes_, size_}; }
    [[nodiscard]] std::string str() const { return std::string(bytes_, size_); }
    operator std::string() const { return str(); }  // NOLINT: texts are used as strings
    constexpr operator std::string_view() const { return view(); }  // NOLINT

private:
    char bytes_[N]{};
    std::size_t size_ = 0;
};

template <std::size_t M>
AnsiText(const char (&)[M]) -> AnsiText<M>;

template <std::size_t N>
std::string operator+(const std::string& left, const AnsiText<N>& right) {
    return left + right.str();
}
template <std::size_t N>
std::string operator+(const AnsiText<N>& left, const std::string& right) {
    return left.str() + right;
}

}  // namespace tecladix
