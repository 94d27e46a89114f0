#pragma once
// The install dialog (TForm_Install): which of the association and the two shortcuts to
// create. "&Install" is enabled exactly while one of the boxes is ticked.
#include <windows.h>

#include <functional>

#include "brantlow/setup/setup_commands.h"
#include "ui/dialog.h"

namespace brantlow {

class TForm_Install final : public ui::Dialog {
public:
    // `install` runs the ticked steps; the dialog closes when it returns true.
    explicit TForm_Install(std::function<bool(const InstallChoices&)> install);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    [[nodiscard]] InstallChoices Choices() const;

    std::function<bool(const InstallChoices&)> install_;
};

}  // namespace brantlow
