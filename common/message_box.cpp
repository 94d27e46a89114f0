#include "common/message_box.h"

namespace common {

void MessageBoxHost::Inform(const std::string& text, const std::string& caption, MessageIcon icon) {
    Show({text, caption, MessageButtons::Ok, icon, 1});
}

bool MessageBoxHost::Confirm(const std::string& text, const std::string& caption) {
    return Show({text, caption, MessageButtons::YesNo, MessageIcon::Question, 1}) ==
           MessageAnswer::Yes;
}

}  // namespace common
