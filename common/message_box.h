#pragma once
// Every question a program puts to the user in a message box goes through MessageBoxHost.
// The windows answer with the system's message box; tests answer from a script and keep
// the texts that were shown.
#include <string>

namespace common {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 1;  // 1 = first button, as the system counts them
};

class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    virtual MessageAnswer Show(const MessageBoxRequest& request) = 0;

    // The common shapes of a question.
    void Inform(const std::string& text, const std::string& caption,
                MessageIcon icon = MessageIcon::Information);
    [[nodiscard]] bool Confirm(const std::string& text, const std::string& caption);  // Yes/No
};

}  // namespace common
