#pragma once
// The find dialog (TForm_Find) and the FindDialogHost that shows it for the main window.
// Its position is kept in the registry.
#include <windows.h>

#include <functional>
#include <string>

#include "brantlow/commands/find_commands.h"
#include "ui/dialog.h"

namespace brantlow {

class WindowStorage;

class TForm_Find final : public ui::Dialog {
public:
    TForm_Find(std::string& text, TFindOptions& options, HFONT font, WindowStorage* storage);
    [[nodiscard]] FindDialogResult Result(INT_PTR code) const;
    static constexpr INT_PTR kFindAll = 100;

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void EnableButtons();
    void Store();

    std::string& text_;
    TFindOptions& options_;
    HFONT font_;
    WindowStorage* storage_;
};

class FindDialog final : public FindDialogHost {
public:
    FindDialog(std::function<HWND()> owner, std::function<HFONT()> font, std::function<void(bool)> enableTray,
               WindowStorage* storage)
        : owner_(std::move(owner)), font_(std::move(font)), enableTray_(std::move(enableTray)), storage_(storage) {}
    [[nodiscard]] FindDialogResult Run(std::string& text, TFindOptions& options) override;

private:
    std::function<HWND()> owner_;
    std::function<HFONT()> font_;
    std::function<void(bool)> enableTray_;
    WindowStorage* storage_;
};

}  // namespace brantlow
