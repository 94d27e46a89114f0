#pragma once
// Names of the volumes of a set: volume N is the set's name with the extension ".N".
#include <string>

namespace install {

std::string VolumeFileName(const std::string& setName, int volume);
// Two names belong to the same set when they agree, ignoring case, with extension ".1".
bool SameVolumeSet(const std::string& a, const std::string& b);

}  // namespace install
