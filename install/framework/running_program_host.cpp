// Where the running program lies, on a host other than Windows.
#include <unistd.h>

#include "install/version/version_resource.h"

namespace install {

std::string RunningProgramPath() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace install
