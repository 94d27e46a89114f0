// Hosts without a Windows user take the language from the environment's locale: a
// Portuguese locale maps to Portuguese, anything else to US English.
#include <cstdlib>
#include <cstring>

#include "install/translator/language_table.h"

namespace install {

int UserDefaultLangId() {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value) return std::strncmp(value, "pt", 2) == 0 ? 0x416 : 0x409;
    }
    return 0x409;
}

}  // namespace install
