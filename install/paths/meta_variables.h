#pragma once
// Meta variables in free texts (shortcut parameters): "%p" the program files folder, "%w"
// the Windows folder and so on; "%%" is one percent sign.
#include <string>

#include "install/paths/path_requester.h"

namespace install {

std::string ExpandMetaVariables(const std::string& text, const PathRequester* shortcut);

}  // namespace install
