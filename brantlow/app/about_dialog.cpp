#include "brantlow/app/about_dialog.h"

#include <commctrl.h>

#include "brantlow/app/about_dialog_ids.h"
#include "ui/menu.h"

namespace brantlow {
namespace {

constexpr int kProgramPage[] = {IDC_ABOUT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_FREE, IDC_ABOUT_EMAIL, IDC_ABOUT_WEB};
constexpr int kCreditsPage[] = {IDC_CREDITS_TEXT, IDC_CREDITS_LINK1, IDC_CREDITS_LINK2, IDC_CREDITS_LINK3};

const char* LinkOf(int id) {
    switch (id) {
        case IDC_ABOUT_WEB: return TForm_About::kWeb;
        case IDC_CREDITS_LINK1: return "https://www.pcre.org/";
        case IDC_CREDITS_LINK2: return "https://www.mingw-w64.org/";
        case IDC_CREDITS_LINK3: return "https://www.winehq.org/";
        default: return nullptr;
    }
}

HFONT DerivedFont(HWND control, bool underline, int heightPercent) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfHeight = font.lfHeight * heightPercent / 100;
    if (heightPercent > 100) font.lfWeight = FW_BOLD;
    return ::CreateFontIndirectA(&font);
}

}  // namespace

TForm_About::TForm_About(std::function<void(const std::string&)> open, std::function<void(const std::string&)> copy)
    : Dialog(IDD_ABOUT), open_(std::move(open)), copy_(std::move(copy)) {}

bool TForm_About::OnInitDialog() {
    HWND tabs = Item(IDC_ABOUT_TABS);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("BrantlowURL");
    ::SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<char*>("Credits");
    ::SendMessageA(tabs, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
    linkFont_.reset(DerivedFont(Item(IDC_ABOUT_EMAIL), true, 100));
    titleFont_.reset(DerivedFont(Item(IDC_ABOUT_NAME), false, 160));
    ::SendMessageA(Item(IDC_ABOUT_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
    for (int id : {IDC_ABOUT_EMAIL, IDC_ABOUT_WEB, IDC_CREDITS_LINK1, IDC_CREDITS_LINK2, IDC_CREDITS_LINK3})
        ::SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
    // The tab control comes first in the template; the pages' labels must paint above it.
    ::SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowPage(0);
    return true;
}

void TForm_About::ShowPage(int page) {
    for (int id : kProgramPage) ::ShowWindow(Item(id), page == 0 ? SW_SHOW : SW_HIDE);
    for (int id : kCreditsPage) ::ShowWindow(Item(id), page == 1 ? SW_SHOW : SW_HIDE);
}

INT_PTR TForm_About::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_ABOUT_TABS && header.code == TCN_SELCHANGE)
        ShowPage(static_cast<int>(::SendMessageA(Item(IDC_ABOUT_TABS), TCM_GETCURSEL, 0, 0)));
    return 0;
}

bool TForm_About::OnCommand(int id, int code, HWND) {
    if (code != STN_DBLCLK) return false;
    if (id == IDC_ABOUT_EMAIL) {
        open_(std::string("mailto:") + kEmail);
        return true;
    }
    if (const char* link = LinkOf(id)) {
        open_(link);
        return true;
    }
    return false;
}

bool TForm_About::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_CTLCOLORSTATIC) {
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id == IDC_ABOUT_EMAIL || LinkOf(id)) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, RGB(0, 0, 200));
            ::SetBkMode(dc, TRANSPARENT);
            result = reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        return false;
    }
    if (message != WM_CONTEXTMENU) return false;
    const HWND target = reinterpret_cast<HWND>(wParam);
    if (target != Item(IDC_ABOUT_EMAIL) && target != Item(IDC_ABOUT_WEB)) return false;
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, IDM_ABOUT_COPY_EMAIL, "Copy &E-mail address");
    ::AppendMenuA(menu, MF_STRING, IDM_ABOUT_COPY_WEB, "Copy &Web URL");
    ::AppendMenuA(menu, MF_STRING, IDM_ABOUT_CANCEL, "&Cancel");
    const int chosen = ui::TrackPopup(menu, handle());
    ::DestroyMenu(menu);
    if (chosen == IDM_ABOUT_COPY_EMAIL) copy_(kEmail);
    if (chosen == IDM_ABOUT_COPY_WEB) copy_(kWeb);
    result = TRUE;
    return true;
}

}  // namespace brantlow
