#pragma once
// The options dialog (TForm_Options): five pages of controls over every persistent setting.
// The controls hold the edits; the settings change only when "OK" stores them, and the
// scheme list changes only in the working copy the caller hands in.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "brantlow/app/dialog_hints.h"
#include "brantlow/core/settings.h"
#include "brantlow/options/option_rules.h"
#include "brantlow/options/scheme_list.h"
#include "common/message_box.h"
#include "ui/dialog.h"
#include "ui/handles.h"

namespace brantlow {

inline constexpr const char* kOptionsCaption = "BrantlowURL: Options";

struct OptionsDialogContext {
    HFONT font = nullptr;           // "Verdana" when UseVerdana is on, otherwise the template's
    bool showHints = true;          // the dialog's own tooltips
    bool verdanaInstalled = false;  // "Dialogs use &Verdana" is offered only then
    std::function<std::string()> defaultBrowser;  // the system's browser for ".html"
};

class TForm_Options final : public ui::Dialog {
public:
    TForm_Options(Settings& settings, SchemeWorkingCopy& schemes, common::MessageBoxHost& messages,
                  OptionsDialogContext context);
    ~TForm_Options() override;

    // The pages in tab order: "Main", "URLs", "Interface", "HTML", "Misc".
    static constexpr int kPageCount = 5;

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(const NMHDR& header) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    // Pages
    void CreatePages();
    void ShowPage(int index);
    void CreateTooltips();

    // Controls on any page, by id.
    [[nodiscard]] HWND Control(int id) const;
    [[nodiscard]] std::string Text(int id) const;
    void SetText(int id, const std::string& text) const;
    [[nodiscard]] bool Checked(int id) const;
    void Check(int id, bool on) const;
    void Enable(int id, bool on) const;
    [[nodiscard]] int Selection(int id) const;
    void FillCombo(int id, std::initializer_list<const char*> entries, int selected) const;
    void SetNumber(int id, int spinId, int value, int low, int high) const;
    [[nodiscard]] int Number(int id, int low, int high, int fallback) const;

    // Loading and storing
    void Load();
    void LoadHTMLLayout(const THTMLLayout& layout);
    void Store();

    // Behaviour of the controls
    void FillSchemes();
    void AddScheme();
    void DeleteSchemes();
    void ResetSchemes();
    void CheckDescLengths();
    void UpdateDuplicateAction();
    void UpdateRecentFiles(bool focusCount);
    void UpdateLayoutFields();
    void UpdateSample();
    void ChooseFont();
    void ChooseBackground();
    void ResetFontAndColor();
    void RestoreHTMLDefaults();
    void BrowseFile(int editId);

    Settings& settings_;
    SchemeWorkingCopy& schemes_;
    common::MessageBoxHost& messages_;
    OptionsDialogContext context_;
    std::array<HWND, kPageCount> pages_{};
    int page_ = 0;
    ListAppearance sample_;
    ui::GdiObject sampleFont_;
    ui::GdiObject sampleBrush_;
    DialogHints hints_;
    bool checkingLengths_ = false;
    COLORREF customColors_[16] = {};
};

}  // namespace brantlow
