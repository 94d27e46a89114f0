// Where the running program lies: the module's own file.
#include <windows.h>

#include "install/version/version_resource.h"

namespace install {

std::string RunningProgramPath() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

}  // namespace install
