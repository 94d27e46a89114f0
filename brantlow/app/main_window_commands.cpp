// TForm_Main: the command set (main menu, toolbar, pop-ups, tray, keys) and ApplySettings.
#include <windows.h>
#include <commctrl.h>

#include "brantlow/app/about_dialog.h"
#include "brantlow/app/list_appearance.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/core/file_names.h"

namespace brantlow {
namespace {

bool ShiftHeld() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool ControlHeld() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

const char* ListHint(int action) {
    switch (action) {
        case 0: return "Add an URL from clipboard";
        case 1: return "Add multiple URLs from clipboard";
        case 2: return "Add an URL manually";
        case 3: return "Launch selected URL";
        case 4: case 5: case 6: return "Copy selected URL(s) to clipboard";
        default: return "Edit selected URL";
    }
}

}  // namespace

void TForm_Main::AddSingle() { adder_->ShowAddFailure(adder_->AddSingle(ShiftHeld())); }

void TForm_Main::RunListAction(int action) {
    switch (action) {
        case 0: AddSingle(); break;
        case 1: adder_->ShowAddFailure(adder_->AddMultiple()); break;
        case 2: adder_->ManualAdd(); break;
        case 3: bookmarks_->LaunchURL(); break;
        case 4: (void)bookmarks_->CopySelected(CopyMode::URL); break;
        case 5: (void)bookmarks_->CopySelected(CopyMode::URLWithDescription); break;
        case 6: (void)bookmarks_->CopySelected(CopyMode::HTML); break;
        default: bookmarks_->EditSelected(); break;
    }
}

void TForm_Main::RunTrayAction(int action) {
    switch (action) {
        case 0: AddSingle(); break;
        case 1: adder_->ShowAddFailure(adder_->AddMultiple()); break;
        case 2: adder_->ManualAdd(); break;
        case 3: bookmarks_->BrowsePage(); break;
        default: Restore(); break;
    }
}

void TForm_Main::OnTrayMessage(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            RunTrayAction(settings_.Options.TrayDblClick);
            break;
        case WM_LBUTTONUP:
            if (settings_.Options.SingleClick) RunTrayAction(settings_.Options.TrayDblClick);
            break;
        case WM_RBUTTONUP:
            ShowPopup(3, nullptr);
            break;
        default:
            break;
    }
}

void TForm_Main::ShowPopup(int index, const POINT* at) {
    HMENU popup = popups_.SubMenu(index);
    if (index == 2) {
        ui::CheckMenuCommand(popup, IDM_TOOLBAR_FLAT, settings_.Options.FlatToolbar);
        ui::CheckMenuCommand(popup, IDM_TOOLBAR_TIPS, settings_.Options.ShowHints);
    }
    if (const int chosen = ui::TrackPopup(popup, handle(), at)) RunCommand(chosen);
}

bool TForm_Main::OnCommand(int id, int code, HWND control) {
    if (control == desc_) {
        if (code == STN_DBLCLK) bookmarks_->EditSelected();
        return true;
    }
    if (control && control != toolbar_) return false;
    RunCommand(id);
    return true;
}

void TForm_Main::RunCommand(int id) {
    TBrantlowURLOptions& o = settings_.Options;
    if (id >= IDM_MRU_FIRST && id < IDM_MRU_FIRST + 9) {
        const std::size_t index = static_cast<std::size_t>(id - IDM_MRU_FIRST);
        if (index < recent_.Names().size()) manager_->OpenFile(recent_.Names()[index]);
        UpdateRecentFilesMenu();
        return;
    }
    switch (id) {
        // File
        case IDM_FILE_NEW: manager_->NewFile(); UpdateDescPanel(); break;
        case IDM_FILE_OPEN: manager_->OpenFile(); break;
        case IDM_FILE_SAVE: (void)manager_->Save(); break;
        case IDM_FILE_SAVE_AS: manager_->SaveAs(); break;
        case IDM_FILE_AUTO_SAVE: o.AutoSave = !o.AutoSave; ApplySettings(); break;
        case IDM_MRU_CLEAR: recent_.Clear(); UpdateRecentFilesMenu(); break;
        case IDM_MRU_OBSOLETE:
            recent_.RemoveObsolete([this](const std::string& name) { return files_.Exists(ChangeFileExt(name, ".btw")); });
            UpdateRecentFilesMenu();
            break;
        case IDM_IMPORT_FAVORITES: ImportFavorites(); break;
        case IDM_IMPORT_FILES: ImportFromFiles(); break;
        case IDM_FILE_EXPORT: ExportDialog(); break;
        case IDM_FILE_EXIT: ::PostMessageA(handle(), WM_CLOSE, 0, 0); break;
        // Edit
        case IDM_EDIT_EDIT: bookmarks_->EditSelected(); break;
        case IDM_EDIT_COPY: (void)bookmarks_->CopySelected(CopyMode::URL); break;
        case IDM_DESC_COPY: (void)bookmarks_->CopySelected(CopyMode::Description); break;
        case IDM_EDIT_COPY_DESC: (void)bookmarks_->CopySelected(CopyMode::URLWithDescription); break;
        case IDM_EDIT_COPY_HTML: (void)bookmarks_->CopySelected(CopyMode::HTML); break;
        case IDM_EDIT_REMOVE: manager_->RemoveSelected(false); break;
        case IDM_DESC_REMOVE: manager_->RemoveSelected(true); break;
        case IDM_EDIT_REMOVE_ALL: manager_->RemoveAll(); UpdateDescPanel(); break;
        case IDM_EDIT_SELECT_ALL: manager_->SelectAll(); break;
        case IDM_EDIT_FIND: finder_->FindDialog(); UpdateDescPanel(); break;
        case IDM_EDIT_FIND_AGAIN: finder_->FindAgain(); UpdateDescPanel(); break;
        case IDM_EDIT_OPTIONS: ShowOptions(); break;
        // URL
        case IDM_URL_ADD_SINGLE: AddSingle(); break;
        case IDM_URL_ADD_MULTIPLE: adder_->ShowAddFailure(adder_->AddMultiple()); break;
        case IDM_URL_MANUAL_ADD: adder_->ManualAdd(); break;
        case IDM_URL_INJECT: InjectUrl(); break;
        case IDM_URL_GET_BROWSER: GetFromBrowser(); break;
        case IDM_URL_BROWSE_PAGE: bookmarks_->BrowsePage(); break;
        case IDM_URL_LAUNCH: bookmarks_->LaunchURL(); break;
        // View
        case IDM_VIEW_GRIDLINES: o.Gridlines = !o.Gridlines; ApplyListView(); break;
        case IDM_VIEW_HOT_TRACK: o.HotTrack = !o.HotTrack; ApplyListView(); break;
        case IDM_VIEW_FULL_ROW: o.FullRowSelect = !o.FullRowSelect; ApplyListView(); break;
        case IDM_VIEW_HINTS:
        case IDM_TOOLBAR_TIPS: o.ShowHints = !o.ShowHints; ApplyToolbar(); break;
        case IDM_VIEW_DESC_PANEL: o.ShowDescPanel = !o.ShowDescPanel; ApplySettings(); break;
        case IDM_DESC_HIDE: o.ShowDescPanel = false; ApplySettings(); break;
        case IDM_VIEW_TOOLBAR: o.ShowToolbar = !o.ShowToolbar; ApplySettings(); break;
        case IDM_TOOLBAR_HIDE: o.ShowToolbar = false; ApplySettings(); break;
        case IDM_TOOLBAR_FLAT: o.FlatToolbar = !o.FlatToolbar; ApplyToolbar(); break;
        case IDM_VIEW_LARGE_ICONS: o.ViewStyle = 0; ApplyListView(); break;
        case IDM_VIEW_SMALL_ICONS: o.ViewStyle = 1; ApplyListView(); break;
        case IDM_VIEW_LIST: o.ViewStyle = 2; ApplyListView(); break;
        case IDM_VIEW_DETAILS: o.ViewStyle = 3; ApplyListView(); break;
        case IDM_VIEW_CLEAR_FILTER:
            if (manager_->FilterActive()) {
                manager_->ClearFilter(true);
                UpdateDescPanel();
            }
            break;
        case IDM_VIEW_MONITOR: o.MonitorClip = !o.MonitorClip; SetMonitoring(o.MonitorClip); break;
        case IDM_VIEW_ON_TOP: o.OnTop = !o.OnTop; topMost_->SetAlwaysOnTop(o.OnTop); ApplySettings(); break;
        // Help, tray
        case IDM_HELP_INSTALL: ShowInstall(); break;
        case IDM_HELP_UNINSTALL: Uninstall(); break;
        case IDM_HELP_ABOUT: ShowAbout(); break;
        case IDM_TRAY_RESTORE: Restore(); break;
        default: break;
    }
}

bool TForm_Main::HandleKey(UINT key) {
    const bool control = ControlHeld();
    if (control) {
        switch (key) {
            case 'N': RunCommand(IDM_FILE_NEW); return true;
            case 'O': RunCommand(IDM_FILE_OPEN); return true;
            case 'S': RunCommand(IDM_FILE_SAVE); return true;
            case 'E': RunCommand(IDM_EDIT_EDIT); return true;
            case 'C': RunCommand(IDM_EDIT_COPY); return true;
            case 'D': RunCommand(IDM_EDIT_COPY_DESC); return true;
            case 'H': RunCommand(IDM_EDIT_COPY_HTML); return true;
            case 'L': RunCommand(IDM_EDIT_SELECT_ALL); return true;
            case 'F': RunCommand(IDM_EDIT_FIND); return true;
            case 'A': RunCommand(IDM_URL_ADD_SINGLE); return true;
            case 'U': RunCommand(IDM_URL_ADD_MULTIPLE); return true;
            case 'M': RunCommand(IDM_URL_MANUAL_ADD); return true;
            case 'B': RunCommand(IDM_URL_GET_BROWSER); return true;
            case VK_BACK: RunCommand(IDM_VIEW_CLEAR_FILTER); return true;
            default: return false;
        }
    }
    const bool editing = ListView_GetEditControl(list_.handle()) != nullptr;
    switch (key) {
        case VK_ESCAPE:
            if (settings_.Options.ESCMinimizes)
                Minimize();
            else
                ::PostMessageA(handle(), WM_CLOSE, 0, 0);
            return true;
        case VK_DELETE: RunCommand(IDM_EDIT_REMOVE); return true;
        case VK_F3: RunCommand(IDM_EDIT_FIND_AGAIN); return true;
        case VK_F4: RunCommand(IDM_URL_INJECT); return true;
        case VK_F5: RunCommand(IDM_EDIT_OPTIONS); return true;
        case VK_F7: RunCommand(IDM_VIEW_MONITOR); return true;
        case VK_F8: RunCommand(IDM_VIEW_ON_TOP); return true;
        case VK_F9: RunCommand(IDM_FILE_SAVE_AS); return true;
        case VK_F11: RunCommand(IDM_URL_BROWSE_PAGE); return true;
        case VK_F12: RunCommand(IDM_URL_LAUNCH); return true;
        case VK_F10:
            if (!ShiftHeld()) return false;
            ShowPopup(0, nullptr);
            return true;
        case VK_F2: {
            const int row = list_.FocusedRow();
            if (row < 0) return true;
            list_.SetSelected(row, true);
            if (settings_.Options.EditInPlace) {
                ::SetFocus(list_.handle());
                ListView_EditLabel(list_.handle(), row);
            } else {
                bookmarks_->EditSelected();
            }
            return true;
        }
        default: break;
    }
    if (settings_.Options.SingleKey && !editing) {
        switch (key) {
            case 'A': AddSingle(); return true;
            case 'E': bookmarks_->EditSelected(); return true;
            case 'M': adder_->ManualAdd(); return true;
            case 'U': adder_->ShowAddFailure(adder_->AddMultiple()); return true;
            default: break;
        }
    }
    return false;
}

void TForm_Main::ShowAbout() {
    EnableTrayCommands(false);
    TForm_About about([this](const std::string& link) { (void)shell_.OpenDocument(link); },
                      [this](const std::string& text) {
                          DisarmedCapture copying(capture_);
                          (void)clipboard_.WriteText(text);
                      });
    (void)about.ShowModal(handle());
    EnableTrayCommands(true);
}

void TForm_Main::EnableTrayCommands(bool enabled) {
    HMENU tray = popups_.SubMenu(3);
    for (int id : {IDM_URL_ADD_SINGLE, IDM_URL_ADD_MULTIPLE, IDM_URL_MANUAL_ADD, IDM_URL_GET_BROWSER, IDM_URL_BROWSE_PAGE})
        ui::EnableMenuCommand(tray, id, enabled);
}

void TForm_Main::SetMonitoring(bool on) {
    viewer_.SetMonitoring(handle(), on);
    if (tray_) (void)tray_->SetIcon(icons_[on ? 1 : 0]);
    UpdateMonitorChecks();
}

void TForm_Main::UpdateMonitorChecks() {
    const bool on = settings_.Options.MonitorClip;
    ui::CheckMenuCommand(menu_, IDM_VIEW_MONITOR, on);
    ui::CheckMenuCommand(popups_.SubMenu(3), IDM_VIEW_MONITOR, on);
    ::SendMessageA(toolbar_, TB_CHECKBUTTON, IDM_VIEW_MONITOR, on ? TRUE : FALSE);
}

void TForm_Main::UpdateRecentFilesMenu() {
    HMENU file = ::GetSubMenu(menu_, 0);
    HMENU recentMenu = ::GetSubMenu(file, 6);
    if (!recentMenu) return;
    while (::GetMenuItemCount(recentMenu) > 2) ::DeleteMenu(recentMenu, 0, MF_BYPOSITION);
    const auto& names = recent_.Names();
    for (std::size_t i = 0; i < names.size() && i < 9; ++i) {
        const std::string text = "&" + std::to_string(i + 1) + " " + names[i];
        ::InsertMenuA(recentMenu, static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                      IDM_MRU_FIRST + static_cast<UINT>(i), text.c_str());
    }
    if (!names.empty()) ::InsertMenuA(recentMenu, static_cast<UINT>(std::min<std::size_t>(names.size(), 9)),
                                      MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

HFONT TForm_Main::DialogFont() const {
    return settings_.Options.UseVerdana ? static_cast<HFONT>(windowFont_.get()) : nullptr;
}

void TForm_Main::ApplyFonts() {
    TBrantlowURLOptions& o = settings_.Options;
    if (!verdanaInstalled_) o.UseVerdana = false;
    LOGFONTA window{};
    window.lfHeight = -11;
    window.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(window.lfFaceName, o.UseVerdana ? "Verdana" : "MS Sans Serif", LF_FACESIZE);
    windowFont_.reset(::CreateFontIndirectA(&window));
    ::SendMessageA(status_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), TRUE);

    const TFontProperties& f = o.Font;
    const LOGFONTA list = ListLogFont(f);
    listFont_.reset(::CreateFontIndirectA(&list));
    ::SendMessageA(list_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), TRUE);
    ::SendMessageA(desc_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), TRUE);
    const COLORREF text = ToColorRef(f.FColor);
    const COLORREF back = ToColorRef(o.ListColor);
    ListView_SetTextColor(list_.handle(), text);
    ListView_SetBkColor(list_.handle(), back);
    ListView_SetTextBkColor(list_.handle(), back);
}

void TForm_Main::ApplyToolbar() {
    const TBrantlowURLOptions& o = settings_.Options;
    LONG_PTR style = ::GetWindowLongPtrA(toolbar_, GWL_STYLE);
    style = o.FlatToolbar ? style | TBSTYLE_FLAT : style & ~static_cast<LONG_PTR>(TBSTYLE_FLAT);
    ::SetWindowLongPtrA(toolbar_, GWL_STYLE, style);
    ::SendMessageA(toolbar_, TB_SETMAXTEXTROWS, o.ShowCaptions ? 1 : 0, 0);
    ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    ::InvalidateRect(toolbar_, nullptr, TRUE);
    ui::CheckMenuCommand(popups_.SubMenu(2), IDM_TOOLBAR_FLAT, o.FlatToolbar);
    ui::CheckMenuCommand(popups_.SubMenu(2), IDM_TOOLBAR_TIPS, o.ShowHints);
    ui::CheckMenuCommand(menu_, IDM_VIEW_HINTS, o.ShowHints);
    Layout();
}

void TForm_Main::ApplyListView() {
    const TBrantlowURLOptions& o = settings_.Options;
    list_.View().SetReadOnly(!o.EditInPlace);
    DWORD style = LVS_EX_HEADERDRAGDROP;
    if (o.Gridlines) style |= LVS_EX_GRIDLINES;
    if (o.FullRowSelect) style |= LVS_EX_FULLROWSELECT;
    if (o.HotTrack) style |= LVS_EX_TRACKSELECT;
    if (o.HotMouse) style |= LVS_EX_UNDERLINEHOT | LVS_EX_ONECLICKACTIVATE;
    list_.View().SetExtendedStyle(LVS_EX_HEADERDRAGDROP | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                                      LVS_EX_TRACKSELECT | LVS_EX_UNDERLINEHOT | LVS_EX_ONECLICKACTIVATE,
                                  style);
    const int view = o.ViewStyle <= 2 ? o.ViewStyle : 3;
    list_.View().SetViewStyle(static_cast<ui::ListViewStyle>(view));
    ui::CheckMenuCommand(menu_, IDM_VIEW_GRIDLINES, o.Gridlines);
    ui::CheckMenuCommand(menu_, IDM_VIEW_FULL_ROW, o.FullRowSelect);
    ui::CheckMenuCommand(menu_, IDM_VIEW_HOT_TRACK, o.HotTrack);
    ::CheckMenuRadioItem(menu_, IDM_VIEW_LARGE_ICONS, IDM_VIEW_DETAILS, IDM_VIEW_LARGE_ICONS + view, MF_BYCOMMAND);
}

void TForm_Main::ApplySettings() {
    TBrantlowURLOptions& o = settings_.Options;
    // 1. Column captions
    list_.View().SetColumnCaption(0, o.URLFirst ? "URL" : "Description");
    list_.View().SetColumnCaption(1, o.URLFirst ? "Description" : "URL");
    // 2. Tray icon
    if (o.IconInTray)
        (void)tray_->Show(icons_[o.MonitorClip ? 1 : 0], "Brantlow (" + std::to_string(manager_->URLList().Count()) + " URLs)");
    else
        tray_->Hide();
    // 3. Recent files
    recent_.SetCapacity(o.MRUUse ? o.MRUCount : 0);
    UpdateRecentFilesMenu();
    // 4. The list's hint
    ::SetWindowTextA(list_.handle(), (std::string("Double click this area to ") + ListHint(o.ListDblClick)).c_str());
    // 5. Fonts and colours
    ApplyFonts();
    // 6. Auto save
    ui::CheckMenuCommand(menu_, IDM_FILE_AUTO_SAVE, o.AutoSave);
    ui::CheckMenuCommand(popups_.SubMenu(3), IDM_FILE_AUTO_SAVE, o.AutoSave);
    // 7. Clipboard monitor
    SetMonitoring(o.MonitorClip);
    // 8. Toolbar style, captions and hints
    ApplyToolbar();
    // 9. Always on top
    topMost_->SetAlwaysOnTop(o.OnTop);
    ui::CheckMenuCommand(menu_, IDM_VIEW_ON_TOP, o.OnTop);
    // 10. List view
    ApplyListView();
    // 11, 12. Description panel and toolbar
    ::ShowWindow(desc_, o.ShowDescPanel ? SW_SHOW : SW_HIDE);
    ui::CheckMenuCommand(menu_, IDM_VIEW_DESC_PANEL, o.ShowDescPanel);
    ::ShowWindow(toolbar_, o.ShowToolbar ? SW_SHOW : SW_HIDE);
    ui::CheckMenuCommand(menu_, IDM_VIEW_TOOLBAR, o.ShowToolbar);
    Layout();
}

}  // namespace brantlow
