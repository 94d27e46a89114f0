// TForm_Main: creation, start-up, layout, the messages of its controls, and closing.
#include "brantlow/app/main_window.h"

#include <commctrl.h>

#include <filesystem>

#include "brantlow/app/icons.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/core/file_names.h"
#include "brantlow/core/text.h"
#include "brantlow/platform/default_browser.h"
#include "brantlow/startup/command_line.h"
#include "brantlow/startup/instance_manager.h"
#include "platform/registry.h"
#include "ui/application.h"

namespace brantlow {
namespace {

constexpr UINT kCaptureMessage = WM_APP + 2;
constexpr int kSplitterHeight = 4;
constexpr int kMinDescHeight = 16;
constexpr const char* kPosFormMain = "PosFormMain";

std::string FolderOf(const std::string& path) { return ExtractFilePath(path); }

bool FontInstalled(const char* face) {
    ui::WindowDc screen(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    ::EnumFontFamiliesExA(
        screen.get(), &wanted,
        [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) -> int {
            *reinterpret_cast<bool*>(param) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

TForm_Main::TForm_Main(MainWindowOptions options)
    : options_(std::move(options)),
      programFolder_(FolderOf(options_.programPath)),
      fileDialogs_([this] { return handle(); }),
      clipboard_([this] { return handle(); }, capture_),
      viewer_(capture_),
      urlDialog_({[this] { return handle(); }, [this] { return clipboard_.ReadText(); },
                  [this] { return DialogFont(); }, [this] { return settings_.Options.ShowHints; },
                  [this](bool on) { EnableTrayCommands(on); }, this, &prompts_}),
      findDialog_([this] { return handle(); }, [this] { return DialogFont(); },
                  [this](bool on) { EnableTrayCommands(on); }, &storage_),
      list_([this](const TURLInfo& entry) { return manager_->RowTextsOf(entry); }),
      popups_(IDR_POPUP_MENUS) {
    settings_.ProgramFolder = programFolder_;
    config_ = std::make_unique<ConfigFile>(ConfigFileNameFor(options_.programPath), settings_, messages_);
    manager_ = std::make_unique<BookmarkManager>(BookmarkManagerServices{
        settings_, list_, *this, messages_, urlDialog_, fileDialogs_, clock_, files_, recent_, *config_});
    adder_ = std::make_unique<AddCommands>(AddCommandServices{*manager_, settings_, list_, clipboard_, urlDialog_,
                                                              clock_, messages_, *this, capture_, prompts_});
    bookmarks_ = std::make_unique<BookmarkCommands>(BookmarkCommandServices{
        *manager_, settings_, list_, clipboard_, shell_, urlDialog_, messages_, capture_, *this});
    finder_ = std::make_unique<FindCommands>(*manager_, settings_, list_, list_, messages_, findDialog_);
}

TForm_Main::~TForm_Main() {
    Destroy();
    if (options_.instances) options_.instances->SetHandOver(nullptr);
    for (HICON icon : icons_)
        if (icon) ::DestroyIcon(icon);
    if (bigIcon_) ::DestroyIcon(bigIcon_);
    if (schemeImages_) ImageList_Destroy(schemeImages_);
}

bool TForm_Main::CreateMain() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&init);
    icons_[0] = MakeProgramIcon(16, false);
    icons_[1] = MakeProgramIcon(16, true);
    bigIcon_ = MakeProgramIcon(32, false);
    ui::WindowClassOptions wc;
    wc.className = kMainClassName;
    wc.icon = bigIcon_;
    if (!RegisterClass(wc)) return false;
    menu_ = ::LoadMenuA(ui::Application::Instance(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ui::WindowCreateOptions create;
    create.title = kMainCaption;
    create.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    create.width = 760;
    create.height = 520;
    create.menu = menu_;
    if (!Create(kMainClassName, create)) return false;
    StartUp();
    return true;
}

void TForm_Main::OnCreate() {
    messages_.SetOwner(handle());
    CreateToolbar();
    list_.Create(handle(), IDC_LIST);
    ::SetWindowSubclass(list_.handle(), &TForm_Main::ListSubclass, 1, reinterpret_cast<DWORD_PTR>(this));
    schemeImages_ = MakeSchemeImages(16);
    ListView_SetImageList(list_.handle(), schemeImages_, LVSIL_SMALL);
    ListView_SetImageList(list_.handle(), schemeImages_, LVSIL_NORMAL);
    ::SendMessageA(list_.handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0);  // cleared, then set by ApplySettings
    list_.View().SetColumns({{"URL", 300}, {"Description", 300}, {"Date added", 140}});
    desc_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "(no URL selected)",
                              WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, 0, 10, 10, handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DESC)), ui::Application::Instance(),
                              nullptr);
    CreateStatusBar();
    tray_ = std::make_unique<ui::TrayIcon>(handle(), 1, kTrayCallbackMessage);
    topMost_ = std::make_unique<TTopMostWindow>(handle());
    ui::SetDefaultMenuCommand(popups_.SubMenu(0), IDM_URL_ADD_SINGLE);
    ui::SetDefaultMenuCommand(popups_.SubMenu(1), IDM_EDIT_EDIT);
    ui::SetDefaultMenuCommand(popups_.SubMenu(3), IDM_TRAY_RESTORE);
}

void TForm_Main::CreateStatusBar() {
    status_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)),
                                ui::Application::Instance(), nullptr);
    const int edges[] = {100, 145, 280, -1};
    ::SendMessageA(status_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
}

void TForm_Main::StartUp() {
    ::SetWindowTextA(handle(), kMainCaption);
    if (options_.instances)
        options_.instances->SetHandOver([this](const std::string& text) { HandOver(text); });
    settings_.DefaultBrowserPath = DefaultBrowser();
    RestoreAllDefaults(settings_);
    firstRun_ = config_->LoadConfig();
    ApplyCommandLine();
    manager_->SetFirstRun(firstRun_);
    if (firstRun_) {
        RegisterDataFileType();
        ProvideSampleCollection();
    }
    verdanaInstalled_ = FontInstalled("Verdana");
    recent_.SetNames(storage_.ReadRecentFiles());
    RestorePositions();
    ApplySettings();
    manager_->SetSaved(true);
    manager_->LoadDataFile();
    UpdateRecentFilesMenu();
    UpdateDescPanel();
}

void TForm_Main::ApplyCommandLine() {
    const StartupOptions startup = ParseCommandLine(options_.arguments);
    startMin_ = startup.startMinimized;
    if (startup.firstRun) {
        firstRun_ = true;
        manager_->SetNewSwitch(true);
    }
    if (startup.urlFileName) settings_.Options.URLFileName = *startup.urlFileName;
    for (const std::string& message : startup.messages)
        messages_.Inform(message, kMainCaption, common::MessageIcon::Information);
}

void TForm_Main::RegisterDataFileType() {
    if (const auto command = platform::RegistryKey::Create(HKEY_CLASSES_ROOT, ".btw\\shell\\open\\command"))
        (void)command.WriteString("", options_.programPath + " \"%1\"");
    if (const auto icon = platform::RegistryKey::Create(HKEY_CLASSES_ROOT, ".btw\\DefaultIcon"))
        (void)icon.WriteString("", options_.programPath + ",0");
}

// The first run loads the sample collection shipped beside the program, as its greeting
// promises: a copy of it becomes the default collection, so the sample stays as shipped.
void TForm_Main::ProvideSampleCollection() {
    const std::string dataFile = ChangeFileExt(settings_.Options.URLFileName, ".btw");
    if (!SameTextIgnoringCase(dataFile, programFolder_ + "brantlow.btw") || files_.Exists(dataFile)) return;
    const std::string sample = programFolder_ + "sample.btw";
    if (!files_.Exists(sample)) return;
    std::error_code ignored;
    std::filesystem::copy_file(sample, dataFile, ignored);
}

void TForm_Main::Show(int showCommand) {
    ::ShowWindow(handle(), showCommand);
    ::UpdateWindow(handle());
}

void TForm_Main::FirstActivation() {
    activated_ = true;
    if (settings_.Options.StartMinimized || startMin_) Minimize();
    if (settings_.Options.LaunchBrowser) bookmarks_->BrowsePage();
}

void TForm_Main::HandOver(const std::string& commandLine) {
    Restore();
    const std::optional<std::string> name = HandOverFileName(commandLine);
    if (!name || *name == settings_.Options.URLFileName || !manager_->QuerySave()) return;
    settings_.Options.URLFileName = FixPageExtension(*name);
    manager_->ClearFilter(false);
    list_.Clear();
    manager_->LoadDataFile();
    manager_->UpdateStatus();
    UpdateDescPanel();
}

void TForm_Main::CreateToolbar() {
    toolbar_ = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                 handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR)),
                                 ui::Application::Instance(), nullptr);
    ::SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    const int std = static_cast<int>(::SendMessageA(toolbar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));
    bitmap.nID = IDB_VIEW_SMALL_COLOR;
    const int view = static_cast<int>(::SendMessageA(toolbar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));
    bitmap.nID = IDB_HIST_SMALL_COLOR;
    const int hist = static_cast<int>(::SendMessageA(toolbar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));
    struct Button {
        int id, image;
        const char* caption;
        BYTE style;
    };
    const Button buttons[] = {
        {IDM_FILE_NEW, std + STD_FILENEW, "New", BTNS_BUTTON},
        {IDM_FILE_OPEN, std + STD_FILEOPEN, "Open", BTNS_BUTTON},
        {IDM_FILE_SAVE, std + STD_FILESAVE, "Save", BTNS_BUTTON},
        {IDM_FILE_SAVE_AS, std + STD_PRINTPRE, "Save as", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_URL_ADD_SINGLE, hist + HIST_ADDTOFAVORITES, "Add", BTNS_BUTTON},
        {IDM_URL_ADD_MULTIPLE, std + STD_PASTE, "Add multiple", BTNS_BUTTON},
        {IDM_URL_MANUAL_ADD, view + VIEW_NEWFOLDER, "Add manual", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_EDIT_COPY, std + STD_COPY, "Copy URL", BTNS_BUTTON},
        {IDM_EDIT_COPY_DESC, std + STD_CUT, "Copy with Desc", BTNS_BUTTON},
        {IDM_EDIT_COPY_HTML, view + VIEW_DETAILS, "Copy as HTML", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_EDIT_EDIT, std + STD_PROPERTIES, "Edit URL", BTNS_BUTTON},
        {IDM_EDIT_REMOVE, std + STD_DELETE, "Remove URL", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_EDIT_FIND, std + STD_FIND, "Find...", BTNS_BUTTON},
        {IDM_URL_INJECT, std + STD_REPLACE, "Inject URL", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_URL_LAUNCH, hist + HIST_FORWARD, "Launch URL", BTNS_BUTTON},
        {IDM_URL_BROWSE_PAGE, hist + HIST_FAVORITES, "Launch browser", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_VIEW_MONITOR, view + VIEW_NETCONNECT, "Monitor clipboard", BTNS_CHECK},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_EDIT_OPTIONS, view + VIEW_VIEWMENU, "Options", BTNS_BUTTON},
        {0, 0, nullptr, BTNS_SEP},
        {IDM_FILE_EXIT, hist + HIST_BACK, "Exit", BTNS_BUTTON},
    };
    for (const Button& b : buttons) {
        TBBUTTON button{};
        button.iBitmap = b.style == BTNS_SEP ? 6 : b.image;
        button.idCommand = b.id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = b.style;
        button.iString = b.caption ? reinterpret_cast<INT_PTR>(b.caption) : -1;
        ::SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

void TForm_Main::Layout() {
    RECT client{};
    ::GetClientRect(handle(), &client);
    const int width = client.right;
    int top = 0;
    if (::IsWindowVisible(toolbar_)) {
        ::SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
        RECT bar{};
        ::GetWindowRect(toolbar_, &bar);
        top = bar.bottom - bar.top;
    }
    ::SendMessageA(status_, WM_SIZE, 0, 0);
    RECT statusRect{};
    ::GetWindowRect(status_, &statusRect);
    const int bottom = client.bottom - (statusRect.bottom - statusRect.top);
    int listBottom = bottom;
    if (settings_.Options.ShowDescPanel) {
        const int height = std::clamp(descHeight_, kMinDescHeight, std::max(kMinDescHeight, (bottom - top) / 2));
        listBottom = bottom - height - kSplitterHeight;
        ::MoveWindow(desc_, 0, bottom - height, width, height, TRUE);
    }
    ::MoveWindow(list_.handle(), 0, top, width, std::max(0, listBottom - top), TRUE);
}

void TForm_Main::OnSize(int, int) {
    if (::IsIconic(handle())) {
        // Minimised with the tray icon shown: only the tray icon remains.
        if (settings_.Options.IconInTray && tray_ && tray_->visible()) {
            minimizedToTray_ = true;
            ::ShowWindow(handle(), SW_HIDE);
        }
        return;
    }
    Layout();
}

void TForm_Main::RestorePositions() {
    (void)storage_.RestoreWindowPlacement(handle(), kPosFormMain);
    if (const auto height = storage_.ReadProperty(kPosFormMain, "Panel_Desc.Height")) descHeight_ = *height;
    if (const auto layout = storage_.ReadColumns()) {
        for (std::size_t i = 0; i < layout->widths.size() && i < 3; ++i)
            if (layout->widths[i] > 0 && layout->widths[i] < 4000)
                list_.View().SetColumnWidth(static_cast<int>(i), layout->widths[i]);
        if (layout->order.size() == 3) {
            std::vector<int> order = layout->order;
            std::vector<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            if (sorted == std::vector<int>{0, 1, 2})
                ListView_SetColumnOrderArray(list_.handle(), 3, order.data());
        }
    }
}

void TForm_Main::SavePositions() {
    storage_.SaveWindowPlacement(handle(), kPosFormMain);
    RECT panel{}, statusRect{};
    ::GetWindowRect(desc_, &panel);
    ::GetWindowRect(status_, &statusRect);
    POINT panelTop{panel.left, panel.top}, statusTop{statusRect.left, statusRect.top};
    ::ScreenToClient(handle(), &panelTop);
    ::ScreenToClient(handle(), &statusTop);
    storage_.SaveProperty(kPosFormMain, "Panel_Desc.Top", panelTop.y);
    storage_.SaveProperty(kPosFormMain, "Panel_Desc.Height", descHeight_);
    storage_.SaveProperty(kPosFormMain, "Splitter1.Top", panelTop.y - kSplitterHeight);
    storage_.SaveProperty(kPosFormMain, "StatusBar.Top", statusTop.y);
    storage_.SaveProperty(kPosFormMain, "StatusBar.Height", statusRect.bottom - statusRect.top);
    ColumnLayout layout;
    for (int i = 0; i < 3; ++i) layout.widths.push_back(list_.View().ColumnWidth(i));
    layout.order.resize(3);
    ListView_GetColumnOrderArray(list_.handle(), 3, layout.order.data());
    storage_.SaveColumns(layout);
    if (settings_.Options.MRUUse) storage_.SaveRecentFiles(recent_.Names());
}

// MainWindowHost

void TForm_Main::ShowStatus(const StatusTexts& texts) {
    ::SendMessageA(status_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(texts.Count.c_str()));
    ::SendMessageA(status_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(texts.Modified.c_str()));
    ::SendMessageA(status_, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(texts.FileName.c_str()));
    if (tray_) (void)tray_->SetTip(texts.TrayHint);
    UpdateRecentFilesMenu();
}

void TForm_Main::EnableClearFilter(bool enabled) { ui::EnableMenuCommand(menu_, IDM_VIEW_CLEAR_FILTER, enabled); }

void TForm_Main::UpdateDescPanel() {
    ::SetWindowTextA(desc_, DescPanelText(list_, list_.FocusedRow()).c_str());
}

void TForm_Main::SetBusyCursor(bool busy) {
    ::SetCursor(::LoadCursorA(nullptr, busy ? MAKEINTRESOURCEA(32514) : MAKEINTRESOURCEA(32512)));
}

void TForm_Main::SetSortArrow(int column, bool ascending) {
    list_.View().SetSortArrow(column, ascending ? ui::SortArrow::Up : ui::SortArrow::Down);
}

// ApplicationWindow

bool TForm_Main::IsMinimized() const { return minimizedToTray_ || ::IsIconic(handle()); }

void TForm_Main::Restore() {
    if (minimizedToTray_) {
        minimizedToTray_ = false;
        ::ShowWindow(handle(), SW_SHOW);
    }
    if (::IsIconic(handle())) ::ShowWindow(handle(), SW_RESTORE);
    ::SetForegroundWindow(handle());
}

void TForm_Main::Minimize() { ::ShowWindow(handle(), SW_MINIMIZE); }

// Closing

bool TForm_Main::CanClose() {
    if (settings_.Options.ConfirmEdit && !messages_.Confirm("Exit program now?", kMainCaption)) return false;
    if (manager_->URLList().Count() > 0 && !manager_->Saved()) {
        if (settings_.Options.AutoSave) return manager_->Save();
        return manager_->QuerySave();
    }
    return true;
}

bool TForm_Main::OnClose() {
    if (!CanClose()) return true;
    Destroy();
    return true;
}

void TForm_Main::OnDestroy() {
    if (storeWindowState_) SavePositions();
    if (tray_) tray_->Hide();
    viewer_.SetMonitoring(handle(), false);
    config_->SaveConfig();
    ::RemoveWindowSubclass(list_.handle(), &TForm_Main::ListSubclass, 1);
    if (options_.quitWhenDestroyed) ::PostQuitMessage(0);
}

// Messages

LRESULT TForm_Main::OnNotify(const NMHDR& header) {
    if (list_.View().HandleNotify(header)) return 0;
    if (header.hwndFrom == list_.handle()) {
        switch (header.code) {
            case LVN_COLUMNCLICK:
                manager_->ColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
                return 0;
            case NM_DBLCLK:
            case NM_RETURN:
                RunListAction(settings_.Options.ListDblClick);
                return 0;
            case NM_CLICK:
                UpdateDescPanel();
                return 0;
            case LVN_ITEMCHANGED: {
                const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
                if ((change.uNewState ^ change.uOldState) & LVIS_FOCUSED) UpdateDescPanel();
                return 0;
            }
            case LVN_BEGINLABELEDITA:
                return settings_.Options.EditInPlace ? FALSE : TRUE;
            case LVN_ENDLABELEDITA: {
                const auto& edit = reinterpret_cast<const NMLVDISPINFOA&>(header);
                if (!edit.item.pszText || edit.item.iItem < 0 || edit.item.iItem >= list_.Count()) return FALSE;
                // The edited first column is written into the entry, so the data file, the
                // page and every search see what the row shows.
                TURLInfo& entry = *list_.Entry(edit.item.iItem);
                (settings_.Options.URLFirst ? entry.URL : entry.Description) = edit.item.pszText;
                list_.Refresh(edit.item.iItem);
                manager_->SetSaved(false);
                manager_->UpdateStatus();
                UpdateDescPanel();
                return FALSE;  // the owner-data view shows the entry's text itself
            }
            default:
                return 0;
        }
    }
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        static char tip[128];
        tip[0] = '\0';
        const int index = static_cast<int>(::SendMessageA(toolbar_, TB_COMMANDTOINDEX, header.idFrom, 0));
        if (index >= 0 && settings_.Options.ShowHints) {
            ::SendMessageA(toolbar_, TB_GETBUTTONTEXTA, header.idFrom, reinterpret_cast<LPARAM>(tip));
            ::SendMessageA(status_, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>(tip));
        }
        info.lpszText = tip;
        return 0;
    }
    if (header.hwndFrom == toolbar_ && header.code == NM_RCLICK) {
        ShowPopup(2, nullptr);
        return TRUE;
    }
    return 0;
}

LRESULT TForm_Main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !activated_) FirstActivation();
            break;
        case kTrayCallbackMessage:
            OnTrayMessage(lParam);
            return 0;
        case WM_CHANGECBCHAIN:
            viewer_.OnChangeChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam), wParam, lParam);
            return 0;
        case WM_DRAWCLIPBOARD:
            // The capture runs after the notification is answered: a URL dialog it opens
            // must not keep the program that copied waiting for the answer.
            if (viewer_.OnDrawClipboard() && !capturePending_) {
                capturePending_ = true;
                ::PostMessageA(handle(), kCaptureMessage, 0, 0);
            }
            return 0;
        case kCaptureMessage:
            capturePending_ = false;
            (void)adder_->CaptureClipboard();  // the capture's code is not shown
            return 0;
        case WM_CONTEXTMENU: {
            const HWND from = reinterpret_cast<HWND>(wParam);
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const POINT* where = lParam == -1 ? nullptr : &at;
            if (from == list_.handle()) ShowPopup(0, where);
            else if (from == desc_) ShowPopup(1, where);
            else if (from == toolbar_) ShowPopup(2, where);
            return 0;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == handle() && LOWORD(lParam) == HTCLIENT &&
                settings_.Options.ShowDescPanel) {
                ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32645)));  // IDC_SIZENS over the splitter
                return TRUE;
            }
            if (reinterpret_cast<HWND>(wParam) == list_.handle() && settings_.Options.ShowHints) {
                const std::string hint = ui::WindowText(list_.handle());
                ::SendMessageA(status_, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>(hint.c_str()));
            }
            break;
        case WM_LBUTTONDOWN:
            if (settings_.Options.ShowDescPanel) {
                draggingSplitter_ = true;
                ::SetCapture(handle());
            }
            return 0;
        case WM_MOUSEMOVE:
            if (draggingSplitter_) {
                RECT panel{};
                ::GetWindowRect(desc_, &panel);
                POINT bottom{0, panel.bottom};
                ::ScreenToClient(handle(), &bottom);
                descHeight_ = std::max(kMinDescHeight, static_cast<int>(bottom.y - static_cast<short>(HIWORD(lParam))));
                Layout();
            }
            return 0;
        case WM_LBUTTONUP:
            if (draggingSplitter_) {
                draggingSplitter_ = false;
                ::ReleaseCapture();
            }
            return 0;
        case WM_KEYDOWN:
            if (HandleKey(static_cast<UINT>(wParam))) return 0;
            break;
        default:
            if (message == ui::TrayIcon::TaskbarCreatedMessage() && tray_) {
                tray_->Restore();
                return 0;
            }
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK TForm_Main::ListSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    auto* form = reinterpret_cast<TForm_Main*>(self);
    // The window sees the keys before the list does.
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        form->consumedKey_ = form->HandleKey(static_cast<UINT>(wParam));
        if (form->consumedKey_) return 0;
    }
    if (message == WM_CHAR && form->consumedKey_) {
        form->consumedKey_ = false;
        return 0;
    }
    if (message == WM_KEYUP) {
        switch (wParam) {
            case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_UP: case VK_DOWN:
                form->UpdateDescPanel();
                break;
            default:
                break;
        }
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace brantlow
