#pragma once
// The progress files on the floppy disk, one per module at the root of drive A: the
// exercise number and the student's name.
#include <optional>
#include <string>

#include "tecladix/core/line_file.h"

namespace tecladix {

struct FloppyProgress {
    int number = 1;
    std::string name;
};

[[nodiscard]] bool WriteFloppyProgress(const std::string& path, const FloppyProgress& progress);
// Nothing when the file cannot be read, has fewer than two lines or no whole number first.
[[nodiscard]] std::optional<FloppyProgress> ReadFloppyProgress(const std::string& path);

}  // namespace tecladix
