// The Windows user's default language.
#include <windows.h>

#include "install/translator/language_table.h"

namespace install {

int UserDefaultLangId() { return ::GetUserDefaultLangID(); }

}  // namespace install
