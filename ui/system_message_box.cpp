#include "ui/system_message_box.h"

namespace ui {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;

UINT SystemMessageBox::StyleOf(const common::MessageBoxRequest& request) {
    UINT style = 0;
    switch (request.buttons) {
    case MessageButtons::Ok: style = MB_OK; break;
    case MessageButtons::OkCancel: style = MB_OKCANCEL; break;
    case MessageButtons::YesNo: style = MB_YESNO; break;
    case MessageButtons::YesNoCancel: style = MB_YESNOCANCEL; break;
    case MessageButtons::RetryCancel: style = MB_RETRYCANCEL; break;
    case MessageButtons::AbortRetryIgnore: style = MB_ABORTRETRYIGNORE; break;
    }
    switch (request.icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: style |= MB_ICONWARNING; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    }
    if (request.defaultButton == 2) style |= MB_DEFBUTTON2;
    if (request.defaultButton == 3) style |= MB_DEFBUTTON3;
    return style;
}

MessageAnswer SystemMessageBox::AnswerOf(int result) {
    switch (result) {
    case IDOK: return MessageAnswer::Ok;
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDRETRY: return MessageAnswer::Retry;
    case IDABORT: return MessageAnswer::Abort;
    case IDIGNORE: return MessageAnswer::Ignore;
    default: return MessageAnswer::Cancel;
    }
}

MessageAnswer SystemMessageBox::Show(const common::MessageBoxRequest& request) {
    return AnswerOf(::MessageBoxA(owner_, request.text.c_str(), request.caption.c_str(), StyleOf(request)));
}

}  // namespace ui
