#include "tecladix/core/floppy.h"

#include "tecladix/core/numbers.h"

namespace tecladix {

bool WriteFloppyProgress(const std::string& path, const FloppyProgress& progress) {
    return SaveLines(path, {std::to_string(progress.number), progress.name}).ok();
}

std::optional<FloppyProgress> ReadFloppyProgress(const std::string& path) {
    Lines lines;
    if (!LoadLines(path, lines).ok() || lines.size() < 2) return std::nullopt;
    const auto number = ParseWholeNumber(lines[0]);
    if (!number) return std::nullopt;
    return FloppyProgress{*number, lines[1]};
}

}  // namespace tecladix
