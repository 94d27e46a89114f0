#pragma once
// The languages the translator knows, and what the system and the wizard need of each.
#include <cstdint>
#include <string>

namespace install {

enum class TAmblLanguage {
    alChineseSimplified, alCzech, alDanish, alEnglish, alFrench, alGerman, alGreek, alHebrew,
    alItalian, alJapanese, alKorean, alPolish, alPortugese, alRussian, alSpanish, alUser,
    alVietnamese,
};
inline constexpr int kAmblLanguageCount = 17;

struct LanguageData {
    TAmblLanguage ident;
    const char* propertyName;    // "lgEnglish"
    const char* flagResource;    // "BM_LANG_ENGLISH"
    const char* displayName;     // "English"
    int primaryLanguage;         // low 10 bits of a Windows language identifier; -1: any other
    std::uint8_t charset;
    const char* faceName;        // in the language's own code page
    int minimumSize;             // points
};

// The sixteen languages with a table, in the translator's order (alUser has none).
inline constexpr int kTranslatorLanguageCount = 16;
const LanguageData& LanguageDataAt(int index);
// Null for alUser and any value outside the enumeration.
const LanguageData* FindLanguageData(TAmblLanguage ident);
// The language of a Windows language identifier: its primary language through the table,
// English for anything not listed.
TAmblLanguage LanguageOfLangId(int langId);

// The Windows user's default language identifier.
int UserDefaultLangId();

}  // namespace install
