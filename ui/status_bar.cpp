#include "ui/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "ui/application.h"

namespace ui {

bool StatusBar::Create(HWND parent, int id, std::initializer_list<int> widths) {
    bar_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Application::Instance(), nullptr);
    if (!bar_) return false;
    // The control wants the right edge of each panel.
    std::vector<int> edges;
    int edge = 0;
    for (int width : widths) {
        edge = width < 0 ? -1 : edge + width;
        edges.push_back(edge);
    }
    ::SendMessageA(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    return true;
}

void StatusBar::SetText(int panel, const std::string& text, bool centred) const {
    // A tab before the text centres it.
    const std::string shown = centred ? "\t" + text : text;
    ::SendMessageA(bar_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(shown.c_str()));
}

std::string StatusBar::Text(int panel) const {
    const auto length = LOWORD(::SendMessageA(bar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0));
    std::string text(length + 1u, '\0');
    ::SendMessageA(bar_, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    if (!text.empty() && text.front() == '\t') text.erase(0, 1);
    return text;
}

void StatusBar::Resize() const { ::SendMessageA(bar_, WM_SIZE, 0, 0); }

int StatusBar::Height() const {
    RECT rect{};
    ::GetWindowRect(bar_, &rect);
    return rect.bottom - rect.top;
}

}  // namespace ui
