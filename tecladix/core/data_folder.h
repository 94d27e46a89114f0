#pragma once
// The tutor's data files by name, inside the folder they live in (the working folder of the
// program; tests give a folder of their own). Each file has one spelling here; the
// Windows file system compares names without regard to case.
#include <string>

namespace tecladix {

inline constexpr int kModuleCount = 3;
inline constexpr int kModule2Exercises = 20;
inline constexpr int kModule3Exercises = 10;

namespace files {
inline constexpr const char* kStudents = "Usuarios.txt";
inline constexpr const char* kPasswords = "Senhas.txt";
inline constexpr const char* kLimits = "Tempo.txt";
inline constexpr const char* kModule1Exercises = "Exercicios1.txt";
inline constexpr const char* kAccessLog = "Alteracoes.txt";
inline constexpr const char* kAdministrator = "Senha.rew";
}  // namespace files

// "Posicao.txt", "Posicao2.txt", "Posicao3.txt" for modules 1 to 3.
[[nodiscard]] std::string PositionFileName(int module);
// "Modulo2.N.txt" or "Modulo3.N.txt": exercise N of module 2 or 3, N without leading zeros.
[[nodiscard]] std::string ExerciseFileName(int module, int number);
// "A:\Modulo1.tcx" and its siblings; the floppy drive is given by the caller ("A:\").
[[nodiscard]] std::string FloppyFileName(int module);

class DataFolder {
public:
    DataFolder() = default;  // the working folder
    explicit DataFolder(std::string folder) : folder_(std::move(folder)) {}

    [[nodiscard]] std::string Path(const std::string& name) const;
    [[nodiscard]] const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

}  // namespace tecladix
