#pragma once
// TPerlre: one compiled Perl-compatible pattern and a subject it walks through. Every
// failure (no library, a bad pattern, no pattern) is an EPerlRe whose message starts
// with "Perlre: ".
#include <cstdint>
#include <stdexcept>
#include <string>

#include "brantlow/regex/pcre2_api.h"

namespace brantlow {

class EPerlRe : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPerlre {
public:
    static constexpr int kCaseless = 1;  // the only option the program uses
    static constexpr int kOffsetCount = 42;

    TPerlre(bool study, int options);
    TPerlre(const TPerlre&) = delete;
    TPerlre& operator=(const TPerlre&) = delete;
    ~TPerlre();

    void Compile(const std::string& pattern);
    void SetSubject(const std::string& text);
    // Matches at the current position of the subject; a match moves the position to its end.
    bool Exec();
    bool Match(const std::string& text);

    // Start and end offsets of the last match within the subject.
    [[nodiscard]] std::size_t MatchStart() const { return matchStart_; }
    [[nodiscard]] std::size_t MatchEnd() const { return current_; }

private:
    void Release();

    const Pcre2Api* api_ = nullptr;
    bool study_;
    int options_;
    Pcre2Code* code_ = nullptr;
    Pcre2MatchData* matchData_ = nullptr;
    std::string subject_;
    std::size_t current_ = 0;  // where the next Exec looks
    std::size_t matchStart_ = 0;
};

}  // namespace brantlow
