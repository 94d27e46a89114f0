#pragma once
// A window for the benchmarks: rows in a vector and nothing on the screen.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "brantlow/core/bookmark_manager.h"

namespace brantlow::bench {

class VectorRows final : public BookmarkRows {
public:
    std::vector<TURLInfo*> rows;
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Clear() override { rows.clear(); }
    const void* Append(TURLInfo* entry) override {
        rows.push_back(entry);
        return entry;
    }
    void Delete(int row) override { rows.erase(rows.begin() + row); }
    void Refresh(int) override {}
    int Count() const override { return static_cast<int>(rows.size()); }
    TURLInfo* Entry(int row) const override { return rows[static_cast<std::size_t>(row)]; }
    int RowOf(const TURLInfo* entry) const override {
        auto at = std::find(rows.begin(), rows.end(), entry);
        return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
    }
    bool IsSelected(int) const override { return false; }
    void SetSelected(int, bool) override {}
    void SetFocused(int) override {}
    void Sort(const std::function<bool(const TURLInfo&, const TURLInfo&)>& less) override {
        std::stable_sort(rows.begin(), rows.end(), [&](auto* a, auto* b) { return less(*a, *b); });
    }
};

class QuietWindow final : public MainWindowHost, public common::MessageBoxHost, public URLDialogHost,
                          public FileDialogs, public ConfigWriter {
public:
    void ShowStatus(const StatusTexts&) override {}
    void EnableClearFilter(bool) override {}
    void UpdateDescPanel() override {}
    void SetBusyCursor(bool) override {}
    void SetSortArrow(int, bool) override {}
    common::MessageAnswer Show(const common::MessageBoxRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.c_str());
        return common::MessageAnswer::Cancel;
    }
    bool Run(URLDialogRequest&) override { return false; }
    std::optional<std::string> Run(const FileDialogRequest&) override { return std::nullopt; }
    void SaveConfig() override {}
};

class FixedClock final : public DateTimeFormatter {
public:
    TDateTime Now() const override { return 45000.5; }
    std::string ShortDate(TDateTime when) const override {
        char text[64];
        std::snprintf(text, sizeof text, "%ld", static_cast<long>(when));
        return text;
    }
    std::string LongTime(TDateTime when) const override {
        char text[64];
        const long seconds = static_cast<long>((when - static_cast<long>(when)) * 86400);
        std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
        return text;
    }
};

// A bookmark manager over the quiet window, its collection named `page`.
struct BenchManager {
    explicit BenchManager(const std::string& page) {
        settings.ProgramFolder = "/tmp/";
        RestoreAllDefaults(settings);
        settings.Options.URLFileName = page;
        settings.Options.AutoSave = false;
        settings.Options.KeepBackup = false;
        settings.Options.MRUUse = false;
        settings.HTMLLayout.ShowInfo = false;
    }
    Settings settings;
    VectorRows rows;
    QuietWindow window;
    FixedClock clock;
    StdFileSystem files;
    RecentFiles recent;
    BookmarkManager manager{{settings, rows, window, window, window, window, clock, files, recent, window}};
};

// The n-th URL of 60 bytes and description of 40 bytes.
inline std::string BenchURL(int n) {
    char text[64];
    std::snprintf(text, sizeof text, "http://www.example.com/bookmarks/section/page%015d", n);
    return text;
}
inline std::string BenchDescription(int n) {
    char text[64];
    std::snprintf(text, sizeof text, "Description of bookmark number %09d", n);
    return text;
}

}  // namespace brantlow::bench
