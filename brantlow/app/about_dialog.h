#pragma once
// The about box (TForm_About): the program page with its e-mail and web links, and the
// credits page.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/dialog.h"
#include "ui/handles.h"

namespace brantlow {

class TForm_About final : public ui::Dialog {
public:
    // `open` starts a link (mail client or browser); `copy` puts text on the clipboard.
    TForm_About(std::function<void(const std::string&)> open, std::function<void(const std::string&)> copy);

    static constexpr const char* kEmail = "brantlow@quillmoor.example";
    static constexpr const char* kWeb = "http://www.quillmoor.example/brantlow/";

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void ShowPage(int page);

    std::function<void(const std::string&)> open_;
    std::function<void(const std::string&)> copy_;
    ui::GdiObject linkFont_;
    ui::GdiObject titleFont_;
};

}  // namespace brantlow
