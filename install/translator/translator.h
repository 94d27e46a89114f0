#pragma once
// The translator: per language a table of numbered texts ("GLID;Text" lines, memos between
// "#GLID;" and "#", comments starting with "*"), translation of texts, memos and whole
// component trees into the language the installation is shown in, and per-language fonts.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "install/framework/component.h"
#include "install/translator/language_table.h"
#include "install/translator/translatable.h"

namespace install {

class TLanguage;

class TLanguageElement {
public:
    TLanguageElement(TLanguage* owner, int glid, int lineIndex)
        : owner_(owner), glid_(glid), lineIndex_(lineIndex) {}
    [[nodiscard]] TLanguage* Owner() const { return owner_; }
    [[nodiscard]] int GLID() const { return glid_; }
    [[nodiscard]] int LineIndex() const { return lineIndex_; }

private:
    TLanguage* owner_;
    int glid_;
    int lineIndex_;
};

class TLanguageString : public TLanguageElement {
public:
    static constexpr std::size_t kMaxText = 255;
    TLanguageString(TLanguage* owner, int glid, int lineIndex, std::string text)
        : TLanguageElement(owner, glid, lineIndex), Text(std::move(text).substr(0, kMaxText)) {}
    std::string Text;
};

class TLanguageMemo : public TLanguageElement {
public:
    TLanguageMemo(TLanguage* owner, int glid, int lineIndex, std::vector<std::string> lines)
        : TLanguageElement(owner, glid, lineIndex), Lines(std::move(lines)) {}
    std::vector<std::string> Lines;
};

// The text table of one language: every change parses it again (while parsing is on).
class TLangFormatStrings {
public:
    explicit TLangFormatStrings(TLanguage& language) : language_(language) {}

    [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }
    [[nodiscard]] int Count() const { return static_cast<int>(lines_.size()); }
    void Add(const std::string& line);
    void Insert(int index, const std::string& line);
    void Delete(int index);
    void Move(int from, int to);
    void Clear();
    // A whole list is parsed once, at the end.
    void Assign(const std::vector<std::string>& lines);
    void LoadFromText(const std::string& text);  // lines ended by CR LF, LF or CR

private:
    void Changed();
    TLanguage& language_;
    std::vector<std::string> lines_;
};

class TLanguage {
public:
    TLanguage(TAmblLanguage ident, const LanguageData& data);
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;

    TFontSpec Font{"MS Sans Serif", -11, 8, 1};
    bool FontOverride = false;
    [[nodiscard]] TAmblLanguage LanguageIdent() const { return ident_; }
    [[nodiscard]] const LanguageData& Data() const { return data_; }
    [[nodiscard]] const char* FlagResource() const { return data_.flagResource; }
    TLangFormatStrings& Strings() { return strings_; }
    [[nodiscard]] const TLangFormatStrings& Strings() const { return strings_; }

    // Off: changes of the table are not parsed until it is switched on again.
    void SetParseOnChange(bool on);
    [[nodiscard]] bool ParseOnChange() const { return parseOnChange_; }
    // Parses the table; on a syntax error the parsed entries are emptied and it raises.
    void Parse();

    [[nodiscard]] const std::vector<TLanguageString>& ParsedStrings() const { return parsedStrings_; }
    [[nodiscard]] const std::vector<TLanguageMemo>& ParsedMemos() const { return parsedMemos_; }
    // The first entry with the GLID (duplicates are allowed; the first wins).
    [[nodiscard]] const TLanguageString* FindString(int glid) const;
    [[nodiscard]] const TLanguageMemo* FindMemo(int glid) const;

private:
    TAmblLanguage ident_;
    const LanguageData& data_;
    TLangFormatStrings strings_;
    bool parseOnChange_ = true;
    std::vector<TLanguageString> parsedStrings_;
    std::vector<TLanguageMemo> parsedMemos_;
};

class TTranslator : public TComponent {
public:
    explicit TTranslator(TComponent* owner = nullptr);
    ~TTranslator() override;

    // The first translator created is the program's main translator.
    static TTranslator* Main();

    TLanguage& Language(TAmblLanguage ident);  // not for alUser
    [[nodiscard]] const std::vector<TLanguage*>& Languages() const { return order_; }
    TLanguage& lgChineseSimplified() { return Language(TAmblLanguage::alChineseSimplified); }
    TLanguage& lgCzech() { return Language(TAmblLanguage::alCzech); }
    TLanguage& lgDanish() { return Language(TAmblLanguage::alDanish); }
    TLanguage& lgEnglish() { return Language(TAmblLanguage::alEnglish); }
    TLanguage& lgFrench() { return Language(TAmblLanguage::alFrench); }
    TLanguage& lgGerman() { return Language(TAmblLanguage::alGerman); }
    TLanguage& lgGreek() { return Language(TAmblLanguage::alGreek); }
    TLanguage& lgHebrew() { return Language(TAmblLanguage::alHebrew); }
    TLanguage& lgItalian() { return Language(TAmblLanguage::alItalian); }
    TLanguage& lgJapanese() { return Language(TAmblLanguage::alJapanese); }
    TLanguage& lgKorean() { return Language(TAmblLanguage::alKorean); }
    TLanguage& lgPolish() { return Language(TAmblLanguage::alPolish); }
    TLanguage& lgPortugese() { return Language(TAmblLanguage::alPortugese); }
    TLanguage& lgRussian() { return Language(TAmblLanguage::alRussian); }
    TLanguage& lgSpanish() { return Language(TAmblLanguage::alSpanish); }
    TLanguage& lgVietnamese() { return Language(TAmblLanguage::alVietnamese); }

    [[nodiscard]] TAmblLanguage TranslateIntoLanguage() const { return into_; }
    void SetTranslateIntoLanguage(TAmblLanguage language);
    std::function<void(TTranslator&)> OnLanguageChange;
    // Where alUser learns the Windows user's language identifier.
    std::function<int()> UserLanguageId = UserDefaultLangId;

    // The language object of an identity; for alUser the one of the user's language.
    TLanguage* LanguageOf(TAmblLanguage ident);
    TLanguage* CurrentLanguage() { return LanguageOf(into_); }
    // The display name; alUser shows the name of the language it resolves to.
    std::string DisplayNameOf(TAmblLanguage ident);

    std::string TranslateByGLID(int glid, const std::string& text);
    std::string TranslateText(TAmblLanguage from, const std::string& text);
    std::vector<std::string> TranslateMemo(TAmblLanguage from, const std::vector<std::string>& lines);
    // Translates the component and everything it owns; returns the language it is in afterwards.
    TAmblLanguage TranslateComponent(TAmblLanguage from, Translatable* component);
    TAmblLanguage TranslateComponentInto(TAmblLanguage from, TAmblLanguage into, Translatable* component);
    void ApplyLanguageFont(FontTarget& control, bool keep);
    void ApplyLanguageFontInto(TAmblLanguage into, FontTarget& control, bool keep);

private:
    void TranslateOne(TAmblLanguage from, Translatable& component);
    static void ApplyFontTree(const TLanguage& language, FontTarget& control);

    std::vector<std::unique_ptr<TLanguage>> languages_;
    std::vector<TLanguage*> order_;
    TAmblLanguage into_ = TAmblLanguage::alUser;
};

// Program-wide wrappers over the main translator; without one they do nothing.
TAmblLanguage TranslateComponent(TAmblLanguage from, Translatable* component);
TAmblLanguage TranslateComponentInto(TAmblLanguage from, TAmblLanguage into, Translatable* component);
void ApplyLanguageFont(FontTarget& control, bool keep);

}  // namespace install
