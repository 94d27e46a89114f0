#include "brantlow/core/settings.h"

#include "brantlow/core/text.h"
#include "brantlow/core/url_info.h"

namespace brantlow {

std::string DefaultLinkFormat() {
    return std::string("<A HREF=\"") + "__URLLINK__" + "\">" + "__URLDESC__" + "</A>";
}

void DefaultFontProperties(TFontProperties& font) { font = TFontProperties{}; }

void DefaultBrantlowURLOptions(Settings& settings) {
    settings.Options = TBrantlowURLOptions{};
    settings.Options.BrowserPath = settings.DefaultBrowserPath;
    settings.Options.URLFileName = LowerCase(settings.ProgramFolder + "brantlow.html");
}

void DefaultHTMLLayout(Settings& settings) {
    settings.HTMLLayout = THTMLLayout{};
    settings.HTMLLayout.TPLFileName = LowerCase(settings.ProgramFolder + "template.tpl");
    settings.HTMLLayout.TPLLinkFormat = DefaultLinkFormat();
}

void DefaultImportOptions(Settings& settings) { settings.Import = TImportOptions{}; }

void DefaultFindOptions(Settings& settings) { settings.Find = TFindOptions{}; }

void DefaultInjectOptions(Settings& settings) {
    settings.Inject = TInsertOptions{};
    settings.Inject.Path = settings.ProgramFolder;
}

void DefaultSchemes(Settings& settings) {
    settings.Schemes.assign(kBuiltInSchemes.begin(), kBuiltInSchemes.end());
    settings.Options.SchemesCnt = static_cast<std::int32_t>(settings.Schemes.size());
}

void RestoreAllDefaults(Settings& settings) {
    DefaultBrantlowURLOptions(settings);
    DefaultHTMLLayout(settings);
    DefaultImportOptions(settings);
    DefaultFindOptions(settings);
    DefaultInjectOptions(settings);
    DefaultSchemes(settings);
}

}  // namespace brantlow
