#include "tecladix/app/tutor.h"

#include "tecladix/core/texts.h"

namespace tecladix {

bool Tutor::Check(const FileResult& result) const {
    if (result.ok()) return true;
    const std::string prefix =
        result.status == FileStatus::CannotOpen ? texts::kCannotOpenFile.str() : texts::kCannotCreateFile.str();
    Error(prefix + "\"" + result.path + "\"");
    return false;
}

void Tutor::Say(const std::string& text) const { boxes.Inform(text, texts::kProductTitle, common::MessageIcon::None); }

void Tutor::Error(const std::string& text) const {
    boxes.Inform(text, texts::kProductTitle, common::MessageIcon::Error);
}

}  // namespace tecladix
