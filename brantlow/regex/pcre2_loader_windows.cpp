// The Windows build finds PCRE2 in "libpcre2-8-0.dll" beside the program (or on the DLL
// search path), so any PCRE2 build of that name serves.
#include <windows.h>

#include "brantlow/regex/pcre2_api.h"

namespace brantlow {
namespace {

constexpr const char* kLibraryName = "libpcre2-8-0.dll";

template <typename Function>
bool Resolve(HMODULE library, const char* name, Function& target) {
    target = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
    return target != nullptr;
}

}  // namespace

const Pcre2Api* LoadPcre2(std::string& error) {
    static Pcre2Api api{};
    static bool loaded = false;
    static std::string failure;
    if (!loaded && failure.empty()) {
        // The library stays loaded for the rest of the run: compiled patterns point into it.
        HMODULE library = ::LoadLibraryA(kLibraryName);
        if (!library) {
            failure = std::string("cannot load the regular expression library ") + kLibraryName +
                      " (error " + std::to_string(::GetLastError()) + ")";
        } else if (!Resolve(library, "pcre2_compile_8", api.compile) ||
                   !Resolve(library, "pcre2_code_free_8", api.codeFree) ||
                   !Resolve(library, "pcre2_jit_compile_8", api.jitCompile) ||
                   !Resolve(library, "pcre2_match_data_create_8", api.matchDataCreate) ||
                   !Resolve(library, "pcre2_match_data_free_8", api.matchDataFree) ||
                   !Resolve(library, "pcre2_match_8", api.match) ||
                   !Resolve(library, "pcre2_get_ovector_pointer_8", api.ovectorPointer) ||
                   !Resolve(library, "pcre2_get_error_message_8", api.errorMessage)) {
            failure = std::string("the regular expression library ") + kLibraryName + " lacks an entry point";
            ::FreeLibrary(library);
        } else {
            loaded = true;
        }
    }
    if (!loaded) {
        error = failure;
        return nullptr;
    }
    return &api;
}

}  // namespace brantlow
