// Builds without the system's version functions read the resource themselves.
#include "install/version/version_data.h"

namespace install {

std::unique_ptr<VersionData> ReadVersionData(const std::string& path) {
    return ReadVersionDataPortable(path);
}

}  // namespace install
