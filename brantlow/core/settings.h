#pragma once
// The settings of the bookmark manager, one record per section of the configuration file.
// Field names are the key names; each record has a parallel array of key names whose
// element 0 is the section name.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

struct TFontProperties {
    std::uint8_t FCharset = 1;
    std::int32_t FColor = 0;
    std::string FName = "Ms Sans Serif";
    std::uint8_t FPitch = 0;  // 0 default, 1 variable, 2 fixed
    std::int32_t FSize = 10;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;  // FStyle
};

inline constexpr std::array<std::string_view, 7> TStrFontProperties = {
    "FontProperties", "FCharset", "FColor", "FName", "FPitch", "FSize", "FStyle"};

struct TBrantlowURLOptions {
    bool AlertonFail = true;
    std::string BrowserPath;
    bool AlwaysDefault = true;
    bool AutoSave = true;
    bool ClipCGI = false;
    bool ClipHash = false;
    bool ConfirmEdit = false;
    bool ConfirmRemove = true;
    bool DescSingle = true;
    bool DescMultiple = false;
    bool DescManual = true;
    bool DescFile = false;
    bool DescLeft = true;
    std::int32_t DescMaxLen = 90;
    std::int32_t DescMinLen = 5;
    std::uint8_t DuplicateAction = 2;  // 0 ignore, 1 replace if longer, 2 prompt
    bool DescStripHTML = true;
    bool DescPrompt = true;
    bool DescPromptInCaptureMode = true;
    bool EditInPlace = false;
    bool ESCMinimizes = true;
    bool FlatToolbar = true;
    bool FullRowSelect = true;
    bool FuzzyURLScan = true;
    bool Gridlines = true;
    bool HotMouse = false;
    bool HotTrack = false;
    std::string HTMLTitle = "BRANTLOW bookmarks";
    bool IconInTray = true;
    bool LaunchBrowser = false;
    bool KeepBackup = true;
    bool KeepSorted = false;
    std::int32_t ListColor = -2147483643;  // the system window colour
    std::uint8_t ListDblClick = 7;
    bool MonitorClip = false;
    bool MRUUse = true;
    std::uint8_t MRUCount = 3;
    bool NoDuplicates = true;
    bool OnTop = false;
    bool PromptOnFilteredSave = true;
    bool SaveEmptyFile = false;
    std::int32_t SchemesCnt = 10;
    bool ShowCaptions = false;
    bool ShowDescPanel = true;
    bool ShowHints = true;
    bool ShowToolbar = true;
    bool SingleClick = true;
    bool SingleKey = false;
    bool StartMinimized = false;
    std::uint8_t TrayDblClick = 4;
    std::string URLFileName;
    bool URLFirst = true;
    bool UseVerdana = false;
    std::uint8_t ViewStyle = 3;
    std::string BrantlowVersion = "\"1.58\"";
    std::string FileNameChars = "_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-()";
    std::string URLDelimiters = "<>\"|`()[]{}";
    TFontProperties Font;
};

inline constexpr std::array<std::string_view, 58> TStrBrantlowURLOptions = {
    "BrantlowURL", "AlertonFail", "BrowserPath", "AlwaysDefault", "AutoSave", "ClipCGI", "ClipHash",
    "ConfirmEdit", "ConfirmRemove", "DescSingle", "DescMultiple", "DescManual", "DescFile", "DescLeft",
    "DescMaxLen", "DescMinLen", "DuplicateAction", "DescStripHTML", "DescPrompt", "DescPromptInCaptureMode",
    "EditInPlace", "ESCMinimizes", "FlatToolbar", "FullRowSelect", "FuzzyURLScan", "Gridlines", "HotMouse",
    "HotTrack", "HTMLTitle", "IconInTray", "LaunchBrowser", "KeepBackup", "KeepSorted", "ListColor",
    "ListDblClick", "MonitorClip", "MRUUse", "MRUCount", "NoDuplicates", "OnTop", "PromptOnFilteredSave",
    "SaveEmptyFile", "SchemesCnt", "ShowCaptions", "ShowDescPanel", "ShowHints", "ShowToolbar", "SingleClick",
    "SingleKey", "StartMinimized", "TrayDblClick", "URLFileName", "URLFirst", "UseVerdana", "ViewStyle",
    "BrantlowVersion", "FileNameChars", "URLDelimiters"};

inline constexpr std::uint8_t kLayoutTemplate = 4;

struct THTMLLayout {
    std::uint8_t ListLayout = 0;  // 0 ordered, 1 bulleted, 2 paragraph, 3 table, 4 template
    bool ShowInfo = true;
    bool ShowURL = false;
    std::string TagHEAD = "<STYLE> body { margin: 2%; line-height: 130% } </STYLE>";
    std::string TagBODY =
        "<BODY BGCOLOR=\"#D0D0D0\" TEXT=\"#000000\" LINK=\"#0000A0\" VLINK=\"#0080FF\" ALINK=\"#FFFFFF\">";
    std::string TagOther = "<BASEFONT SIZE=3>";
    std::string TagURLOn = "<B>";
    std::string TagURLOff = "</B>";
    std::string TagTable = "<TABLE BORDER=0 CELLPADDING=2 CELLSPACING=2>";
    std::string TPLFileName;
    std::string TPLLinkFormat;
};

inline constexpr std::array<std::string_view, 12> TStrHTMLLayout = {
    "HTMLLayout", "ListLayout", "ShowInfo", "ShowURL", "TagHEAD", "TagBODY",
    "TagOther",   "TagURLOn",   "TagURLOff", "TagTable", "TPLFileName", "TPLLinkFormat"};

// The link line of templates that define none.
[[nodiscard]] std::string DefaultLinkFormat();

struct TImportOptions {
    bool Desc = true;
    bool HrefOnly = true;
    bool BaseHREF = true;
    bool Fuzzy = false;
    bool Domains = true;
    bool AllFiles = true;
    std::string Extensions = ".htm;.html;.exe;.zip;.txt";
    std::int32_t FileTypes = -1;
    bool ClipHash = false;
    bool ClipCGI = false;
    bool AllSchemes = false;
};

inline constexpr std::array<std::string_view, 12> TStrImportOptions = {
    "ImportOptions", "Desc",     "HrefOnly", "BaseHREF", "Fuzzy",   "Domains",
    "AllFiles",      "Extensions", "FileTypes", "ClipHash", "ClipCGI", "AllSchemes"};

struct TFindOptions {
    std::uint8_t LookIn = 2;     // 0 URLs, 1 descriptions, 2 both
    std::uint8_t Direction = 1;  // 0 up, 1 down
    bool Wrap = false;
    bool MatchCase = false;
    bool WholeWords = false;
    bool EntireScope = false;
    bool RegularExpr = false;
};

inline constexpr std::array<std::string_view, 8> TStrFindOptions = {
    "FindOptions", "LookIn", "Direction", "Wrap", "MatchCase", "WholeWords", "EntireScope", "RegularExpr"};

struct TInsertOptions {
    bool AsTitle = false;
    bool Backup = true;
    bool BaseHREF = true;
    bool CleanBody = false;
    std::string Path;
    std::string TagOn = "<H4>";
    std::string TagOff = "</H4>";
    bool SuggestFileName = true;
    bool RemoveURL = false;
};

inline constexpr std::array<std::string_view, 10> TStrInsertOptions = {
    "InjectOptions", "AsTitle", "Backup", "BaseHREF", "CleanBody", "Path", "TagOn", "TagOff",
    "SuggestFileName", "RemoveURL"};

inline constexpr std::string_view kSchemesSection = "Schemes";
inline constexpr std::size_t kMaxSchemes = 255;

// Every setting of the program. `ProgramFolder` (with its trailing separator) and
// `DefaultBrowserPath` are facts of the installation that some defaults are made of.
struct Settings {
    std::string ProgramFolder;
    std::string DefaultBrowserPath;

    TBrantlowURLOptions Options;
    THTMLLayout HTMLLayout;
    TImportOptions Import;
    TFindOptions Find;
    TInsertOptions Inject;
    std::vector<std::string> Schemes;
};

void DefaultBrantlowURLOptions(Settings& settings);
void DefaultFontProperties(TFontProperties& font);
void DefaultHTMLLayout(Settings& settings);
void DefaultImportOptions(Settings& settings);
void DefaultFindOptions(Settings& settings);
void DefaultInjectOptions(Settings& settings);
void DefaultSchemes(Settings& settings);
void RestoreAllDefaults(Settings& settings);

}  // namespace brantlow
