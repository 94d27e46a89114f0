/* libpcre2-8-0.dll for Wine: a builtin library (built with winegcc) whose entry points are
 * those of a Windows PCRE2 build, each passing its call on to the system's PCRE2. The
 * program loads it by name exactly as it would load a native PCRE2 build on Windows. */
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
#include <windef.h>

pcre2_code* CDECL bridge_compile(PCRE2_SPTR pattern, PCRE2_SIZE length, uint32_t options, int* error_code,
                                 PCRE2_SIZE* error_offset, pcre2_compile_context* context)
{
    return pcre2_compile(pattern, length, options, error_code, error_offset, context);
}

void CDECL bridge_code_free(pcre2_code* code) { pcre2_code_free(code); }

int CDECL bridge_jit_compile(pcre2_code* code, uint32_t options) { return pcre2_jit_compile(code, options); }

pcre2_match_data* CDECL bridge_match_data_create(uint32_t pairs, pcre2_general_context* context)
{
    return pcre2_match_data_create(pairs, context);
}

void CDECL bridge_match_data_free(pcre2_match_data* data) { pcre2_match_data_free(data); }

int CDECL bridge_match(const pcre2_code* code, PCRE2_SPTR subject, PCRE2_SIZE length, PCRE2_SIZE start_offset,
                       uint32_t options, pcre2_match_data* data, pcre2_match_context* context)
{
    return pcre2_match(code, subject, length, start_offset, options, data, context);
}

PCRE2_SIZE* CDECL bridge_get_ovector_pointer(pcre2_match_data* data) { return pcre2_get_ovector_pointer(data); }

int CDECL bridge_get_error_message(int error_code, PCRE2_UCHAR* buffer, PCRE2_SIZE length)
{
    return pcre2_get_error_message(error_code, buffer, length);
}
