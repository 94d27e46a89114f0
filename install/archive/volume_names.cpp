#include "install/archive/volume_names.h"

#include "install/framework/strings.h"

namespace install {

std::string VolumeFileName(const std::string& setName, int volume) {
    return ChangeFileExt(setName, "." + std::to_string(volume));
}

bool SameVolumeSet(const std::string& a, const std::string& b) {
    return SameText(VolumeFileName(a, 1), VolumeFileName(b, 1));
}

}  // namespace install
