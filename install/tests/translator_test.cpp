// The translator: its table format, the tables of this installation, translation of texts,
// memos, whole component trees and fonts, and exceptions translated before formatting.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "install/framework/exceptions.h"
#include "install/translator/installation_tables.h"
#include "install/translator/translate_string.h"
#include "install/translator/translator.h"

namespace install {
namespace {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(TranslatorTable, ParsesTextsMemosAndComments) {
    TTranslator translator;
    TLanguage& english = translator.lgEnglish();
    english.Strings().Assign({
        "* buttons of every page",
        "  5 ; Next >  ",
        "6;Cancel;trailing part",
        "",
        "#7;",
        "first memo line",
        "* a comment inside the memo",
        "  second line  ",
        "#",
        "5;Duplicate",
        "8;" + std::string(300, 'x'),
        "#9;never closed",
        "10;swallowed by the open memo",
    });
    ASSERT_EQ(english.ParsedStrings().size(), 4u);
    EXPECT_EQ(english.FindString(5)->Text, "Next >") << "the first of two entries wins";
    EXPECT_EQ(english.FindString(5)->LineIndex(), 1);
    EXPECT_EQ(english.FindString(6)->Text, "Cancel") << "a text ends at its second \";\"";
    EXPECT_EQ(english.FindString(8)->Text.size(), 255u);
    ASSERT_EQ(english.ParsedMemos().size(), 1u) << "a memo never closed is dropped";
    EXPECT_EQ(english.FindMemo(7)->Lines, (std::vector<std::string>{"first memo line", "second line"}));
    EXPECT_EQ(english.FindString(10), nullptr);

    // Every change parses again.
    english.Strings().Delete(11);
    EXPECT_NE(english.FindString(10), nullptr);
    english.Strings().Clear();
    EXPECT_TRUE(english.ParsedStrings().empty());
}

TEST(TranslatorTable, SyntaxErrorsNameTheLineAndEmptyTheEntries) {
    const struct {
        std::string line;
        std::string message;
    } cases[] = {
        {"#", "Found the end of memo marker # at line 1. Was not in a memo however"},
        {";Text", "The 1'th string (;Text) does not have the proper format of GLID;Text"},
        {"x;Text", "The 1'th string (x;Text) does not have the proper format of GLID;Text or .GLID;"},
        {"12", "The 1'th string (12) does not have the proper format of GLID;Text"},
        {"12;   ", "The 1'th string (12;) does not have the proper format of GLID;Text"},
        {"#;", "The 1'th string (#;) does not have the proper format of GLID;Text"},
        {"#x;", "The 1'th string (#x;) does not have the proper format of GLID;Text or .GLID;"},
    };
    for (const auto& c : cases) {
        TTranslator translator;
        TLanguage& english = translator.lgEnglish();
        EXPECT_EQ(MessageOf([&] { english.Strings().Assign({"1;Good", c.line}); }), c.message) << c.line;
        EXPECT_TRUE(english.ParsedStrings().empty());
        EXPECT_EQ(english.Strings().Count(), 2) << "the lines stay";
    }
}

class InstallationTranslator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(TTranslator::Main(), &translator);
        ConfigureMainTranslator(translator);
    }
    TTranslator translator;
};

TEST_F(InstallationTranslator, CarriesEnglishAndPortugueseAndShowsPortuguese) {
    EXPECT_EQ(translator.TranslateIntoLanguage(), TAmblLanguage::alPortugese);
    EXPECT_EQ(translator.lgEnglish().ParsedStrings().size(), 71u);
    EXPECT_EQ(translator.lgPortugese().ParsedStrings().size(), 71u);
    EXPECT_EQ(translator.lgFrench().Strings().Count(), 0);
    EXPECT_EQ(translator.lgEnglish().Strings().Lines().front(), "4;< Previous");
    EXPECT_EQ(translator.lgPortugese().FindString(5)->Text, "Pr\xF3ximo>");
    EXPECT_EQ(translator.lgPortugese().FindString(75)->Text, "Lendo a informa\xE7\xE3o do arquivo\x85");
    EXPECT_NE(translator.lgPortugese().FindString(11)->Text.find("e sair  do programa"), std::string::npos)
        << "spacing kept";
    EXPECT_EQ(translator.lgEnglish().FindString(26)->Text, "&Browse");
    for (TLanguage* language : translator.Languages()) {
        EXPECT_FALSE(language->FontOverride);
        EXPECT_EQ(language->Font, (TFontSpec{"MS Sans Serif", -11, 8, 1}));
    }
}

TEST_F(InstallationTranslator, TextsAreMatchedInEnglishIgnoringCase) {
    EXPECT_EQ(translator.TranslateText(TAmblLanguage::alEnglish, "next >"), "Pr\xF3ximo>");
    EXPECT_EQ(translator.TranslateText(TAmblLanguage::alEnglish, "Not in the table"), "Not in the table");
    EXPECT_EQ(translator.TranslateByGLID(6, "ignored"), "Cancelar");
    EXPECT_EQ(translator.TranslateByGLID(999, "kept"), "kept");
    translator.lgEnglish().Strings().Add("998;Only in English");
    EXPECT_EQ(translator.TranslateText(TAmblLanguage::alEnglish, "Only in English"), "Only in English");
    translator.SetTranslateIntoLanguage(TAmblLanguage::alFrench);  // no table
    EXPECT_EQ(translator.TranslateText(TAmblLanguage::alEnglish, "Cancel"), "Cancel");
    EXPECT_EQ(TranslateString("Cancel"), "Cancel");
    translator.SetTranslateIntoLanguage(TAmblLanguage::alPortugese);
    EXPECT_EQ(TranslateString("CANCEL"), "Cancelar");
}

TEST_F(InstallationTranslator, ExceptionsAreTranslatedBeforeTheyAreFormatted) {
    EXPECT_EQ(MessageOf([] { throw IEInstall("Please insert disk number %d", {std::int64_t{3}}); }),
              "Favor inserir o disquete n\xFAmero  3");
    EXPECT_EQ(MessageOf([] { throw IException("Could not reboot windows. Please manually reboot windows."); }),
              "N\xE3o foi poss\xEDvel desligar e religar o Windows.  Esta opera\xE7\xE3o dever\xE1ser feita manualmente.");
    EXPECT_EQ(MessageOf([] { throw IEPathSpecifier("Could not find the path specifier"); }),
              "Could not find the path specifier");
}

TEST_F(InstallationTranslator, MemosAreTranslatedWhole) {
    translator.lgEnglish().Strings().Assign({"#80;", "Line one", "Line two", "#"});
    translator.lgPortugese().Strings().Assign({"#80;", "Linha um", "Linha dois", "#"});
    EXPECT_EQ(translator.TranslateMemo(TAmblLanguage::alEnglish, {"Line one", "Line two"}),
              (std::vector<std::string>{"Linha um", "Linha dois"}));
    EXPECT_EQ(translator.TranslateMemo(TAmblLanguage::alEnglish, {"line one", "Line two"}),
              (std::vector<std::string>{"line one", "Line two"}))
        << "memos match exactly";
}

// A component of a form as the translator sees it.
struct FakeComponent final : Translatable {
    Kind kind = Kind::OtherControl;
    int glid = 0;
    bool hasGlid = false;
    std::map<std::string, std::string> properties;
    std::vector<std::string> memo, items;
    bool isMemo = false, visible = true, autoSize = true;
    bool hiddenDuringTranslation = false;
    int realigned = 0;
    std::vector<FakeComponent*> owned;

    Kind ComponentKind() const override { return kind; }
    int GLID() const override { return glid; }
    bool HasGLID() const override { return hasGlid; }
    std::string Caption() const override { return properties.at("Caption"); }
    void SetCaption(const std::string& text) override { properties["Caption"] = text; }
    bool Visible() const override { return visible; }
    void SetVisible(bool on) override { visible = on; }
    bool AutoSize() const override { return autoSize; }
    void SetAutoSize(bool on) override { autoSize = on; }
    void Realign() override { ++realigned; }
    std::vector<std::pair<std::string, std::string>> StringProperties() const override {
        return {properties.begin(), properties.end()};
    }
    void SetStringProperty(const std::string& name, const std::string& value) override {
        hiddenDuringTranslation = !visible;
        properties[name] = value;
    }
    bool IsMemo() const override { return isMemo; }
    std::vector<std::string> MemoLines() const override { return memo; }
    void SetMemoLines(const std::vector<std::string>& lines) override { memo = lines; }
    std::vector<std::string> Items() const override { return items; }
    void SetItem(std::size_t i, const std::string& text) override { items[i] = text; }
    std::vector<Translatable*> OwnedComponents() const override { return {owned.begin(), owned.end()}; }
};

TEST_F(InstallationTranslator, AFormAndEverythingItOwnsIsTranslated) {
    FakeComponent form, label, glidLabel, button, list, innerForm;
    form.kind = Translatable::Kind::Form;
    form.properties = {{"Caption", "Welcome"}, {"Name", "Welcome"}};
    label.kind = Translatable::Kind::Label;
    label.properties = {{"Caption", "Click Next to continue with the installation."}, {"Hint", "  "}};
    glidLabel.kind = Translatable::Kind::Label;
    glidLabel.hasGlid = true;
    glidLabel.glid = 9;
    glidLabel.properties = {{"Caption", "Cancel"}};  // translated by its number, not its text
    button.kind = Translatable::Kind::WindowedControl;
    button.properties = {{"Caption", "cancel"}, {"Name", "Cancel"}};
    list.kind = Translatable::Kind::WindowedControl;
    list.items = {"Typical", "Unknown", "Full"};
    innerForm.kind = Translatable::Kind::Form;
    innerForm.properties = {{"Caption", "Cancel"}};
    form.owned = {&label, &glidLabel, &button, &list, &innerForm};

    EXPECT_EQ(translator.TranslateComponent(TAmblLanguage::alEnglish, &form), TAmblLanguage::alPortugese);
    EXPECT_EQ(form.properties["Caption"], "Bem vindos");
    EXPECT_EQ(form.properties["Name"], "Welcome") << "names are never translated";
    EXPECT_FALSE(form.hiddenDuringTranslation) << "forms stay visible";
    EXPECT_EQ(label.properties["Caption"], "Selecionar a tecla Pr\xF3ximo para continuar com a instala\xE7\xE3o.");
    EXPECT_TRUE(label.hiddenDuringTranslation);
    EXPECT_TRUE(label.visible);
    EXPECT_TRUE(label.autoSize) << "auto-size is restored";
    EXPECT_EQ(glidLabel.properties["Caption"], "Bem vindos");
    EXPECT_EQ(button.properties["Caption"], "Cancelar");
    EXPECT_EQ(button.properties["Name"], "Cancel");
    EXPECT_EQ(button.realigned, 1);
    EXPECT_EQ(list.items, (std::vector<std::string>{"T\xEDpica", "Unknown", "Completa"}));
    EXPECT_EQ(innerForm.properties["Caption"], "Cancel") << "owned forms translate themselves";

    // Back into English from Portuguese, then into a language without a table.
    EXPECT_EQ(translator.TranslateComponentInto(TAmblLanguage::alPortugese, TAmblLanguage::alEnglish, &button),
              TAmblLanguage::alEnglish);
    EXPECT_EQ(button.properties["Caption"], "Cancel");
    EXPECT_EQ(translator.TranslateIntoLanguage(), TAmblLanguage::alPortugese) << "restored";
    EXPECT_EQ(translator.TranslateComponentInto(TAmblLanguage::alEnglish, TAmblLanguage::alGerman, &button),
              TAmblLanguage::alEnglish);
    EXPECT_EQ(translator.TranslateComponent(TAmblLanguage::alEnglish, nullptr), TAmblLanguage::alEnglish);
}

struct FakeControl final : FontTarget {
    TFontSpec font{"MS Sans Serif", -9, 7, 1};
    std::vector<FakeControl*> children;
    TFontSpec Font() const override { return font; }
    void SetFont(const TFontSpec& f) override { font = f; }
    std::vector<FontTarget*> ChildControls() const override { return {children.begin(), children.end()}; }
};

TEST_F(InstallationTranslator, FontsFollowTheLanguage) {
    FakeControl form, child, grandchild;
    child.font.Size = 12;
    child.font.Height = -16;
    form.children = {&child};
    child.children = {&grandchild};
    translator.ApplyLanguageFont(form, false);
    EXPECT_EQ(form.font, (TFontSpec{"Arial", -11, 8, 238})) << "Portuguese: Arial, charset 238, at least 8 points";
    EXPECT_EQ(child.font, (TFontSpec{"Arial", -16, 12, 238}));
    EXPECT_EQ(grandchild.font.Name, "Arial");

    translator.lgPortugese().FontOverride = true;
    translator.lgPortugese().Font = TFontSpec{"Tahoma", -13, 10, 0};
    ApplyLanguageFont(form, false);
    EXPECT_EQ(child.font, (TFontSpec{"Tahoma", -13, 10, 0}));

    // A language without a table falls back to English unless asked to keep it.
    translator.ApplyLanguageFontInto(TAmblLanguage::alJapanese, form, false);
    EXPECT_EQ(form.font.Charset, 0);
    translator.ApplyLanguageFontInto(TAmblLanguage::alJapanese, form, true);
    EXPECT_EQ(form.font.Charset, 128);
    EXPECT_EQ(form.font.Name, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(form.font.Size, 10) << "already above the minimum of 9";
    EXPECT_EQ(MessageOf([&] { translator.ApplyLanguageFontInto(TAmblLanguage::alUser, form, true); }),
              "Unrecognized language");
    EXPECT_EQ(MessageOf([&] { translator.ApplyLanguageFontInto(static_cast<TAmblLanguage>(40), form, true); }),
              "Unrecognized language");
}

TEST(TranslatorLanguages, TheUserLanguageResolvesThroughItsPrimaryLanguage) {
    TTranslator translator;
    int langId = 0x416;
    translator.UserLanguageId = [&] { return langId; };
    EXPECT_EQ(translator.LanguageOf(TAmblLanguage::alUser), &translator.lgPortugese());
    EXPECT_EQ(translator.DisplayNameOf(TAmblLanguage::alUser), "Portugese");
    langId = 0xC0C;  // French (Canada)
    EXPECT_EQ(translator.CurrentLanguage(), &translator.lgFrench());
    langId = 0x436;  // Afrikaans: not listed
    EXPECT_EQ(translator.CurrentLanguage(), &translator.lgEnglish());
    EXPECT_EQ(translator.DisplayNameOf(TAmblLanguage::alChineseSimplified), "ChineseSimplified");
    EXPECT_STREQ(translator.lgHebrew().FlagResource(), "BM_LANG_HEBREW");

    int changes = 0;
    translator.OnLanguageChange = [&](TTranslator&) { ++changes; };
    translator.SetTranslateIntoLanguage(TAmblLanguage::alSpanish);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(translator.Languages().size(), 16u);
    EXPECT_EQ(translator.Languages()[12], &translator.lgPortugese());
}

TEST(TranslatorLanguages, TheFirstTranslatorIsTheMainOne) {
    EXPECT_EQ(TTranslator::Main(), nullptr);
    EXPECT_EQ(TranslateString("Cancel"), "Cancel");
    {
        TTranslator first;
        TTranslator second;
        EXPECT_EQ(TTranslator::Main(), &first);
    }
    EXPECT_EQ(TTranslator::Main(), nullptr);
}

}  // namespace
}  // namespace install
