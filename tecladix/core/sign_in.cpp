#include "tecladix/core/sign_in.h"

#include "tecladix/core/texts.h"

namespace tecladix {

std::optional<std::string> StudentSignInProblem(const std::string& typed, const std::string& stored) {
    if (typed.empty()) return texts::kTypePassword.str();
    if (typed != stored) return texts::kPasswordMismatch.str();
    return std::nullopt;
}

std::optional<std::string> AdministratorSignInProblem(const std::string& name, const std::string& password,
                                                      const Lines& credentials) {
    if (password.empty()) return texts::kAdminTypePassword.str();
    if (credentials.size() < 2 || password != credentials[1]) return texts::kPasswordMismatch.str();
    if (name != credentials[0]) return texts::kAdminNameMismatch.str();
    return std::nullopt;
}

namespace {
bool IsLatinUpper(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }
bool IsLatinLower(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7); }
}  // namespace

std::string ToLowerAnsi(std::string text) {
    for (char& c : text)
        if (IsLatinUpper(static_cast<unsigned char>(c))) c = static_cast<char>(static_cast<unsigned char>(c) + 0x20);
    return text;
}

std::string ToUpperAnsi(std::string text) {
    for (char& c : text)
        if (IsLatinLower(static_cast<unsigned char>(c))) c = static_cast<char>(static_cast<unsigned char>(c) - 0x20);
    return text;
}

}  // namespace tecladix
