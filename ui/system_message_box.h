#pragma once
// The message boxes of the running program: MessageBoxHost over MessageBoxA.
#include <windows.h>

#include "common/message_box.h"

namespace ui {

class SystemMessageBox final : public common::MessageBoxHost {
public:
    explicit SystemMessageBox(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    common::MessageAnswer Show(const common::MessageBoxRequest& request) override;

    // The MessageBoxA flags of a request, and the answer of its result.
    static UINT StyleOf(const common::MessageBoxRequest& request);
    static common::MessageAnswer AnswerOf(int result);

private:
    HWND owner_;
};

}  // namespace ui
