#include "install/paths/meta_variables.h"

#include "install/framework/exceptions.h"
#include "install/framework/strings.h"
#include "install/paths/system_paths.h"

namespace install {

namespace {

// The path a letter stands for; nothing for a letter without a meaning.
std::optional<std::string> PathOfLetter(char letter, const PathRequester* shortcut) {
    switch (letter) {
        case 'a':
            if (!shortcut)
                throw EAICannotExpandContainerDirMV("Cannot expand the %a meta variable because the component is Nil");
            return shortcut->FullDestDir();
        case 'b': return GetProgramsMenuDir();
        case 'c':
            if (!shortcut)
                throw EAICannotExpandContainerDirMV("Cannot expand the %c meta variable because the component is Nil");
            if (!shortcut->Container())
                throw EAICannotExpandContainerDirMV(
                    "Cannot expand the %c meta variable because the Container property is Nil");
            return shortcut->Container()->FullDestDir();
        case 'd': return GetDesktopDir();
        case 'f': return GetCommonFilesDir();
        case 'i':
            if (!CurrentInstall())
                throw EAICannotExpandInstallDirMV("Cannot expand the %i meta variable because there is no TInstall component");
            return CurrentInstall()->FullDestDir();
        case 'm': return GetStartMenuDir();
        case 'p': return GetProgramFilesDir();
        case 's': return GetSystemDir();
        case 'w': return GetWindowsDir();
        default: return std::nullopt;
    }
}

}  // namespace

std::string ExpandMetaVariables(const std::string& text, const PathRequester* shortcut) {
    std::string out;
    bool percent = false;
    for (const char c : text) {
        if (!percent) {
            if (c == '%') percent = true;
            else out += c;
            continue;
        }
        percent = false;
        if (c == '%') {
            out += '%';
            continue;
        }
        const auto lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        if (const auto path = PathOfLetter(lower, shortcut)) out += StripBackslash(*path);
    }
    return out;
}

}  // namespace install
