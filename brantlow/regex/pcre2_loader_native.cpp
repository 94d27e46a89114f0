// The native build links PCRE2 directly.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "brantlow/regex/pcre2_api.h"

namespace brantlow {

static_assert(kPcre2Caseless == PCRE2_CASELESS);
static_assert(kPcre2JitComplete == PCRE2_JIT_COMPLETE);
static_assert(kPcre2ErrorNoMatch == PCRE2_ERROR_NOMATCH);

const Pcre2Api* LoadPcre2(std::string&) {
    static const Pcre2Api api{
        reinterpret_cast<decltype(Pcre2Api::compile)>(&pcre2_compile_8),
        reinterpret_cast<decltype(Pcre2Api::codeFree)>(&pcre2_code_free_8),
        reinterpret_cast<decltype(Pcre2Api::jitCompile)>(&pcre2_jit_compile_8),
        reinterpret_cast<decltype(Pcre2Api::matchDataCreate)>(&pcre2_match_data_create_8),
        reinterpret_cast<decltype(Pcre2Api::matchDataFree)>(&pcre2_match_data_free_8),
        reinterpret_cast<decltype(Pcre2Api::match)>(&pcre2_match_8),
        reinterpret_cast<decltype(Pcre2Api::ovectorPointer)>(&pcre2_get_ovector_pointer_8),
        reinterpret_cast<decltype(Pcre2Api::errorMessage)>(&pcre2_get_error_message_8),
    };
    return &api;
}

}  // namespace brantlow
