#pragma once
// The few entry points of the 8-bit PCRE2 library that the find command uses, as a table of
// function pointers. The native build fills it from the linked library; the Windows build
// from "libpcre2-8-0.dll", loaded by name when a search first needs it, so the program
// runs (without regular expressions) where that file is missing.
#include <cstddef>
#include <cstdint>
#include <string>

namespace brantlow {

// The library's ABI, as its header declares it (8-bit code units, cdecl).
struct Pcre2Code;
struct Pcre2MatchData;
using Pcre2Size = std::size_t;
constexpr std::uint32_t kPcre2Caseless = 0x00000008u;
constexpr std::uint32_t kPcre2JitComplete = 0x00000001u;
constexpr int kPcre2ErrorNoMatch = -1;

struct Pcre2Api {
    Pcre2Code* (*compile)(const unsigned char* pattern, Pcre2Size length, std::uint32_t options, int* errorCode,
                          Pcre2Size* errorOffset, void* context);
    void (*codeFree)(Pcre2Code* code);
    int (*jitCompile)(Pcre2Code* code, std::uint32_t options);
    Pcre2MatchData* (*matchDataCreate)(std::uint32_t pairs, void* generalContext);
    void (*matchDataFree)(Pcre2MatchData* data);
    int (*match)(const Pcre2Code* code, const unsigned char* subject, Pcre2Size length, Pcre2Size startOffset,
                 std::uint32_t options, Pcre2MatchData* data, void* context);
    Pcre2Size* (*ovectorPointer)(Pcre2MatchData* data);
    int (*errorMessage)(int errorCode, unsigned char* buffer, Pcre2Size bufferLength);
};

// The library's entry points, or null with the reason in `error`. Loaded once per process.
const Pcre2Api* LoadPcre2(std::string& error);

}  // namespace brantlow
