#pragma once
// The main window of the bookmark manager (TForm_Main): toolbar, list view, splitter,
// description panel and status bar, the main menu and the pop-up menus, the tray icon, the
// clipboard viewer chain, start-up, the keys, and the closing rules.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "brantlow/app/bookmark_list_view.h"
#include "brantlow/app/clipboard_viewer.h"
#include "brantlow/app/find_dialog.h"
#include "brantlow/app/top_most_window.h"
#include "brantlow/app/url_dialog.h"
#include "brantlow/app/win32_services.h"
#include "brantlow/app/window_storage.h"
#include "brantlow/browser/browser_capture.h"
#include "brantlow/browser/system_browsers.h"
#include "brantlow/browser/www_dde.h"
#include "brantlow/commands/add_commands.h"
#include "brantlow/commands/bookmark_commands.h"
#include "brantlow/commands/find_commands.h"
#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/config_file.h"
#include "brantlow/core/recent_files.h"
#include "brantlow/exchange/import_options.h"
#include "ui/handles.h"
#include "ui/menu.h"
#include "ui/system_message_box.h"
#include "ui/tray_icon.h"
#include "ui/window.h"

namespace brantlow {

class InstanceManager;

inline constexpr const char* kMainCaption = "BrantlowURL 1.58";
inline constexpr const char* kMainClassName = "TForm_Main";
// The tray icon's mouse messages reach the main window as this message.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

struct MainWindowOptions {
    std::string programPath;              // the program's full path; its folder holds the files
    std::vector<std::string> arguments;   // the command line without the program name
    InstanceManager* instances = nullptr; // receives the hand-overs of later instances
    bool quitWhenDestroyed = true;        // ends the message loop (the program, not a test)
};

class TForm_Main final : public ui::Window, public MainWindowHost, public ApplicationWindow {
public:
    explicit TForm_Main(MainWindowOptions options);
    ~TForm_Main() override;

    // Creates the window and runs the start-up; the window is shown by Show.
    bool CreateMain();
    void Show(int showCommand);

    // Operations other parts of the program call.
    void ApplySettings();
    void EnableTrayCommands(bool enabled);
    void HandOver(const std::string& commandLine);
    void SetMonitoring(bool on);
    // The page of the browser the user picks, for the inject dialog's "From &browser"; failure
    // codes 5 and 6 are reported here. Nothing when no page came back or the user cancelled.
    [[nodiscard]] std::optional<BrowserPage> AskBrowserForPage();

    // MainWindowHost
    void ShowStatus(const StatusTexts& texts) override;
    void EnableClearFilter(bool enabled) override;
    void UpdateDescPanel() override;
    void SetBusyCursor(bool busy) override;
    void SetSortArrow(int column, bool ascending) override;

    // ApplicationWindow
    [[nodiscard]] bool IsMinimized() const override;
    void Restore() override;
    void Minimize() override;

    // For tests and the benchmark.
    [[nodiscard]] BookmarkManager& Manager() { return *manager_; }
    [[nodiscard]] Settings& Options() { return settings_; }
    [[nodiscard]] BookmarkListView& List() { return list_; }
    [[nodiscard]] HWND DescLabel() const { return desc_; }
    [[nodiscard]] HWND StatusBar() const { return status_; }
    [[nodiscard]] bool TrayShown() const { return tray_ && tray_->visible(); }
    [[nodiscard]] const CaptureState& Capture() const { return capture_; }
    [[nodiscard]] HMENU MainMenu() const { return menu_; }
    [[nodiscard]] HMENU TrayMenu() const { return popups_.SubMenu(3); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header) override;
    void OnSize(int width, int height) override;
    bool OnClose() override;
    void OnDestroy() override;

private:
    // Start-up
    void StartUp();
    void ApplyCommandLine();
    void RegisterDataFileType();
    void ProvideSampleCollection();
    void FirstActivation();
    [[nodiscard]] bool CanClose();

    // Controls
    void CreateToolbar();
    void CreateStatusBar();
    void Layout();
    void RestorePositions();
    void SavePositions();
    void ApplyFonts();
    void ApplyToolbar();
    void ApplyListView();
    void UpdateMonitorChecks();
    void UpdateRecentFilesMenu();
    [[nodiscard]] HFONT DialogFont() const;

    // Commands
    void RunCommand(int id);
    void RunListAction(int action);
    void RunTrayAction(int action);
    void AddSingle();
    void ShowPopup(int index, const POINT* at);
    void ShowAbout();
    // Options dialog
    void ShowOptions();
    [[nodiscard]] bool HandleKey(UINT key);
    void OnTrayMessage(LPARAM mouseMessage);
    // Import from files and export (main_window_exchange.cpp)
    void ImportFromFiles();
    void ExportDialog();
    ExtensionSets importSets_;  // the import dialog's extension lists, kept for the whole run

    static LRESULT CALLBACK ListSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);

    // Setup: install dialog and uninstall (main_window_setup.cpp)
    void ShowInstall();
    void Uninstall();
    bool storeWindowState_ = true;  // off once uninstalled: nothing is written back to the registry

    // Inject URL dialog and command (main_window_inject.cpp)
    void InjectUrl();

    MainWindowOptions options_;
    std::string programFolder_;
    Settings settings_;
    std::unique_ptr<ConfigFile> config_;
    RecentFiles recent_;
    ui::SystemMessageBox messages_;
    SystemClock clock_;
    StdFileSystem files_;
    SystemFileDialogs fileDialogs_;
    SystemShell shell_;
    CaptureState capture_;
    WindowClipboard clipboard_;
    ClipboardViewer viewer_;
    PromptMemory prompts_;
    WindowStorage storage_;
    URLDialog urlDialog_;
    FindDialog findDialog_;
    BookmarkListView list_;
    std::unique_ptr<BookmarkManager> manager_;
    std::unique_ptr<AddCommands> adder_;
    std::unique_ptr<BookmarkCommands> bookmarks_;
    std::unique_ptr<FindCommands> finder_;
    std::unique_ptr<ui::TrayIcon> tray_;
    std::unique_ptr<TTopMostWindow> topMost_;
    ui::ResourceMenu popups_;

    HMENU menu_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND status_ = nullptr;
    HWND desc_ = nullptr;
    HICON icons_[2] = {};
    HICON bigIcon_ = nullptr;
    HIMAGELIST schemeImages_ = nullptr;
    ui::GdiObject windowFont_;
    ui::GdiObject listFont_;
    ui::GdiObject listBrush_;

    bool activated_ = false;
    bool startMin_ = false;
    bool firstRun_ = false;
    bool verdanaInstalled_ = false;
    bool minimizedToTray_ = false;
    bool draggingSplitter_ = false;
    bool consumedKey_ = false;
    bool capturePending_ = false;
    int descHeight_ = 48;

    // Capture from browsers and Favorites (main_window_browser.cpp)
    void GetFromBrowser();
    void ImportFavorites();
    [[nodiscard]] BrowserCapture& Browsers();
    [[nodiscard]] BrowserChoice ShowBrowserMenu();
    std::unique_ptr<TWwwDde> WwwDDE_;
    std::unique_ptr<SystemBrowsers> browsers_;
    std::unique_ptr<BrowserCapture> browserCapture_;
};

}  // namespace brantlow
