#include "brantlow/core/config_file.h"

#include <filesystem>

#include "brantlow/core/file_names.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"

namespace brantlow {
namespace {

// Text that is written inside double quotes, so that blanks at its ends survive.
struct Quoted {
    std::string& text;
};
// Text written as it is.
struct Plain {
    std::string& text;
};
// The font style, written as words.
struct Style {
    TFontProperties& font;
};

// Calls `field(key, value)` for every key of every record, in the file's order.
template <class Visitor>
void VisitRecords(Settings& settings, Visitor&& field) {
    TBrantlowURLOptions& o = settings.Options;
    auto& k = TStrBrantlowURLOptions;
    const std::string_view s = k[0];
    field(s, k[1], o.AlertonFail);
    field(s, k[2], Plain{o.BrowserPath});
    field(s, k[3], o.AlwaysDefault);
    field(s, k[4], o.AutoSave);
    field(s, k[5], o.ClipCGI);
    field(s, k[6], o.ClipHash);
    field(s, k[7], o.ConfirmEdit);
    field(s, k[8], o.ConfirmRemove);
    field(s, k[9], o.DescSingle);
    field(s, k[10], o.DescMultiple);
    field(s, k[11], o.DescManual);
    field(s, k[12], o.DescFile);
    field(s, k[13], o.DescLeft);
    field(s, k[14], o.DescMaxLen);
    field(s, k[15], o.DescMinLen);
    field(s, k[16], o.DuplicateAction);
    field(s, k[17], o.DescStripHTML);
    field(s, k[18], o.DescPrompt);
    field(s, k[19], o.DescPromptInCaptureMode);
    field(s, k[20], o.EditInPlace);
    field(s, k[21], o.ESCMinimizes);
    field(s, k[22], o.FlatToolbar);
    field(s, k[23], o.FullRowSelect);
    field(s, k[24], o.FuzzyURLScan);
    field(s, k[25], o.Gridlines);
    field(s, k[26], o.HotMouse);
    field(s, k[27], o.HotTrack);
    field(s, k[28], Quoted{o.HTMLTitle});
    field(s, k[29], o.IconInTray);
    field(s, k[30], o.LaunchBrowser);
    field(s, k[31], o.KeepBackup);
    field(s, k[32], o.KeepSorted);
    field(s, k[33], o.ListColor);
    field(s, k[34], o.ListDblClick);
    field(s, k[35], o.MonitorClip);
    field(s, k[36], o.MRUUse);
    field(s, k[37], o.MRUCount);
    field(s, k[38], o.NoDuplicates);
    field(s, k[39], o.OnTop);
    field(s, k[40], o.PromptOnFilteredSave);
    field(s, k[41], o.SaveEmptyFile);
    field(s, k[42], o.SchemesCnt);
    field(s, k[43], o.ShowCaptions);
    field(s, k[44], o.ShowDescPanel);
    field(s, k[45], o.ShowHints);
    field(s, k[46], o.ShowToolbar);
    field(s, k[47], o.SingleClick);
    field(s, k[48], o.SingleKey);
    field(s, k[49], o.StartMinimized);
    field(s, k[50], o.TrayDblClick);
    field(s, k[51], Quoted{o.URLFileName});
    field(s, k[52], o.URLFirst);
    field(s, k[53], o.UseVerdana);
    field(s, k[54], o.ViewStyle);
    field(s, k[55], Plain{o.BrantlowVersion});
    field(s, k[56], Quoted{o.FileNameChars});
    field(s, k[57], Quoted{o.URLDelimiters});

    TFontProperties& f = o.Font;
    auto& fk = TStrFontProperties;
    field(fk[0], fk[1], f.FCharset);
    field(fk[0], fk[2], f.FColor);
    field(fk[0], fk[3], Quoted{f.FName});
    field(fk[0], fk[4], f.FPitch);
    field(fk[0], fk[5], f.FSize);
    field(fk[0], fk[6], Style{f});

    THTMLLayout& h = settings.HTMLLayout;
    auto& hk = TStrHTMLLayout;
    field(hk[0], hk[1], h.ListLayout);
    field(hk[0], hk[2], h.ShowInfo);
    field(hk[0], hk[3], h.ShowURL);
    field(hk[0], hk[4], Quoted{h.TagHEAD});
    field(hk[0], hk[5], Quoted{h.TagBODY});
    field(hk[0], hk[6], Quoted{h.TagOther});
    field(hk[0], hk[7], Quoted{h.TagURLOn});
    field(hk[0], hk[8], Quoted{h.TagURLOff});
    field(hk[0], hk[9], Quoted{h.TagTable});
    field(hk[0], hk[10], Plain{h.TPLFileName});
    field(hk[0], hk[11], Plain{h.TPLLinkFormat});

    TImportOptions& i = settings.Import;
    auto& ik = TStrImportOptions;
    field(ik[0], ik[1], i.Desc);
    field(ik[0], ik[2], i.HrefOnly);
    field(ik[0], ik[3], i.BaseHREF);
    field(ik[0], ik[4], i.Fuzzy);
    field(ik[0], ik[5], i.Domains);
    field(ik[0], ik[6], i.AllFiles);
    field(ik[0], ik[7], Quoted{i.Extensions});
    field(ik[0], ik[8], i.FileTypes);
    field(ik[0], ik[9], i.ClipHash);
    field(ik[0], ik[10], i.ClipCGI);
    field(ik[0], ik[11], i.AllSchemes);

    TFindOptions& d = settings.Find;
    auto& dk = TStrFindOptions;
    field(dk[0], dk[1], d.LookIn);
    field(dk[0], dk[2], d.Direction);
    field(dk[0], dk[3], d.Wrap);
    field(dk[0], dk[4], d.MatchCase);
    field(dk[0], dk[5], d.WholeWords);
    field(dk[0], dk[6], d.EntireScope);
    field(dk[0], dk[7], d.RegularExpr);

    TInsertOptions& n = settings.Inject;
    auto& nk = TStrInsertOptions;
    field(nk[0], nk[1], n.AsTitle);
    field(nk[0], nk[2], n.Backup);
    field(nk[0], nk[3], n.BaseHREF);
    field(nk[0], nk[4], n.CleanBody);
    field(nk[0], nk[5], Quoted{n.Path});
    field(nk[0], nk[6], Quoted{n.TagOn});
    field(nk[0], nk[7], Quoted{n.TagOff});
    field(nk[0], nk[8], n.SuggestFileName);
    field(nk[0], nk[9], n.RemoveURL);
}

constexpr std::array<std::pair<std::string_view, bool TFontProperties::*>, 4> kStyleWords = {
    {{"bold", &TFontProperties::Bold},
     {"italic", &TFontProperties::Italic},
     {"underline", &TFontProperties::Underline},
     {"strikeout", &TFontProperties::StrikeOut}}};

struct Reader {
    const common::IniFile& ini;

    std::optional<std::int32_t> Integer(std::string_view section, std::string_view key) const {
        auto text = ini.ReadString(section, key);
        return text ? common::ParseProfileInteger(*text) : std::nullopt;
    }
    void operator()(std::string_view section, std::string_view key, bool& value) const {
        if (auto read = Integer(section, key)) value = *read != 0;
    }
    void operator()(std::string_view section, std::string_view key, std::uint8_t& value) const {
        if (auto read = Integer(section, key)) value = static_cast<std::uint8_t>(*read);
    }
    void operator()(std::string_view section, std::string_view key, std::int32_t& value) const {
        if (auto read = Integer(section, key)) value = *read;
    }
    void operator()(std::string_view section, std::string_view key, Quoted value) const {
        if (auto read = ini.ReadString(section, key)) value.text = *read;
    }
    void operator()(std::string_view section, std::string_view key, Plain value) const {
        if (auto read = ini.ReadString(section, key)) value.text = *read;
    }
    void operator()(std::string_view section, std::string_view key, Style value) const {
        auto read = ini.ReadString(section, key);
        if (!read) return;
        for (const auto& [word, flag] : kStyleWords) value.font.*flag = read->find(word) != std::string::npos;
    }
};

struct Writer {
    common::IniFile& ini;

    void operator()(std::string_view section, std::string_view key, bool& value) const {
        ini.WriteString(section, key, value ? "1" : "0");
    }
    void operator()(std::string_view section, std::string_view key, std::uint8_t& value) const {
        ini.WriteString(section, key, std::to_string(value));
    }
    void operator()(std::string_view section, std::string_view key, std::int32_t& value) const {
        ini.WriteString(section, key, std::to_string(value));
    }
    void operator()(std::string_view section, std::string_view key, Quoted value) const {
        ini.WriteString(section, key, "\"" + value.text + "\"");
    }
    void operator()(std::string_view section, std::string_view key, Plain value) const {
        ini.WriteString(section, key, value.text);
    }
    void operator()(std::string_view section, std::string_view key, Style value) const {
        std::string words;
        for (const auto& [word, flag] : kStyleWords)
            if (value.font.*flag) words += word;
        ini.WriteString(section, key, "\"" + words + "\"");
    }
};

void EraseFirst(std::string& text, char c) {
    if (const std::size_t at = text.find(c); at != std::string::npos) text.erase(at, 1);
}

}  // namespace

std::string ConfigFileNameFor(const std::string& programPath) { return LowerCase(ChangeFileExt(programPath, ".ini")); }

void ReadConfig(const common::IniFile& ini, Settings& settings) {
    VisitRecords(settings, Reader{ini});
    TBrantlowURLOptions& o = settings.Options;
    if (o.DuplicateAction >= 3) o.DuplicateAction = 2;
    if (o.ListDblClick >= 8) o.ListDblClick = 0;
    if (o.TrayDblClick >= 5) o.TrayDblClick = 0;
    if (o.Font.FPitch >= 3) o.Font.FPitch = 0;
    if (settings.HTMLLayout.ListLayout >= 5) settings.HTMLLayout.ListLayout = 0;
    if (o.FileNameChars.find('_') == std::string::npos) o.FileNameChars.insert(0, "_");
    EraseFirst(o.URLDelimiters, '#');
    EraseFirst(o.URLDelimiters, '?');
    if (o.Font.FName.size() > 32) o.Font.FName.resize(32);

    settings.Schemes.clear();
    for (std::size_t n = 1; n <= kMaxSchemes; ++n) {
        auto scheme = ini.ReadString(kSchemesSection, "Scheme" + std::to_string(n));
        if (!scheme || scheme->empty()) break;
        settings.Schemes.push_back(LowerCase(*scheme));
    }
    if (settings.Schemes.empty()) DefaultSchemes(settings);
    o.SchemesCnt = static_cast<std::int32_t>(settings.Schemes.size());
}

void WriteConfig(common::IniFile& ini, const Settings& settings, common::MessageBoxHost& messages) {
    Settings copy = settings;  // the visitor hands out references; writing changes nothing
    copy.Options.BrantlowVersion = "\"1.58\"";
    copy.Options.SchemesCnt = static_cast<std::int32_t>(copy.Schemes.size());
    VisitRecords(copy, Writer{ini});
    if (!ini.EraseSection(kSchemesSection))
        messages.Inform("Could not erase section SCHEMES", std::string(kAppTitle), common::MessageIcon::Error);
    for (std::size_t n = 0; n < copy.Schemes.size(); ++n)
        ini.WriteString(kSchemesSection, "Scheme" + std::to_string(n + 1), copy.Schemes[n]);
}

ConfigFile::ConfigFile(std::string path, Settings& settings, common::MessageBoxHost& messages)
    : path_(std::move(path)), settings_(settings), messages_(messages) {}

bool ConfigFile::LoadConfig() {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        RestoreAllDefaults(settings_);
        SaveConfig();
        messages_.Inform("This seems to be the first time you have used BrantlowURL.\r\rA default configuration file "
                         "has been created. Press F5 to open Options dialog box, where you may modify program "
                         "behavior.\r\rBrantlowURL will now load a sample URL file. Enjoy!",
                         std::string(kAppTitle), common::MessageIcon::Information);
        return true;
    }
    common::IniFile ini;
    (void)ini.Load(path_);  // an unreadable file reads as empty: every setting keeps its default
    ReadConfig(ini, settings_);
    return false;
}

void ConfigFile::SaveConfig() {
    common::IniFile ini;
    (void)ini.Load(path_);  // keys of other programs and comments stay
    WriteConfig(ini, settings_, messages_);
    if (!ini.Save(path_))
        messages_.Inform("Unable to write to " + path_, std::string(kAppTitle), common::MessageIcon::Error);
}

}  // namespace brantlow
