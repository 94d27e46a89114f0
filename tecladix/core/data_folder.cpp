#include "tecladix/core/data_folder.h"

namespace tecladix {

std::string PositionFileName(int module) {
    return module == 1 ? "Posicao.txt" : "Posicao" + std::to_string(module) + ".txt";
}

std::string ExerciseFileName(int module, int number) {
    return "Modulo" + std::to_string(module) + "." + std::to_string(number) + ".txt";
}

std::string FloppyFileName(int module) { return "Modulo" + std::to_string(module) + ".tcx"; }

std::string DataFolder::Path(const std::string& name) const {
    if (folder_.empty()) return name;
    const char last = folder_.back();
    return last == '/' || last == '\\' ? folder_ + name : folder_ + "/" + name;
}

}  // namespace tecladix
