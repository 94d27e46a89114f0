#pragma once
// The bookmarks of the sample collection shipped beside the program.
#include "brantlow/core/file_system.h"

namespace brantlow {

// Writes the sample collection as a data file and closes it; false on a write error.
[[nodiscard]] bool WriteSampleCollection(OutputFile& output);

}  // namespace brantlow
