#include "brantlow/regex/perlre.h"

namespace brantlow {

TPerlre::TPerlre(bool study, int options) : study_(study), options_(options) {}

TPerlre::~TPerlre() { Release(); }

void TPerlre::Release() {
    if (!api_) return;
    if (matchData_) api_->matchDataFree(matchData_);
    if (code_) api_->codeFree(code_);
    matchData_ = nullptr;
    code_ = nullptr;
}

void TPerlre::Compile(const std::string& pattern) {
    Release();
    if (!api_) {
        std::string error;
        api_ = LoadPcre2(error);
        if (!api_) throw EPerlRe("Perlre: " + error);
    }
    int errorCode = 0;
    Pcre2Size errorOffset = 0;
    const std::uint32_t options = (options_ & kCaseless) ? kPcre2Caseless : 0;
    code_ = api_->compile(reinterpret_cast<const unsigned char*>(pattern.data()), pattern.size(), options, &errorCode,
                          &errorOffset, nullptr);
    if (!code_) {
        unsigned char message[256] = {};
        api_->errorMessage(errorCode, message, sizeof message);
        throw EPerlRe("Perlre: " + std::string(reinterpret_cast<const char*>(message)));
    }
    matchData_ = api_->matchDataCreate(kOffsetCount / 2, nullptr);
    if (!matchData_) {
        Release();
        throw EPerlRe("Perlre: out of memory");
    }
    current_ = 0;
    // Studying is JIT compilation here; without JIT support the pattern is simply interpreted.
    if (study_) (void)api_->jitCompile(code_, kPcre2JitComplete);
}

void TPerlre::SetSubject(const std::string& text) {
    subject_ = text;
    current_ = 0;
}

bool TPerlre::Exec() {
    if (!code_) throw EPerlRe("Perlre: no regex defined");
    const auto* rest = reinterpret_cast<const unsigned char*>(subject_.data()) + current_;
    if (api_->match(code_, rest, subject_.size() - current_, 0, 0, matchData_, nullptr) < 0) return false;
    const Pcre2Size* offsets = api_->ovectorPointer(matchData_);
    matchStart_ = current_ + offsets[0];
    current_ += offsets[1];
    return true;
}

bool TPerlre::Match(const std::string& text) {
    SetSubject(text);
    return Exec();
}

}  // namespace brantlow
