#include "install/translator/language_table.h"

namespace install {

namespace {

constexpr LanguageData kLanguages[kTranslatorLanguageCount] = {
    {TAmblLanguage::alChineseSimplified, "lgChineseSimplified", "BM_LANG_SIMPCHINESE", "ChineseSimplified", 4, 134, "\xB7\x73\xB2\xD3\xA9\xFA\xC5", 9},
    {TAmblLanguage::alCzech, "lgCzech", "BM_LANG_CZECH", "Czech", 5, 238, "Arial", 8},
    {TAmblLanguage::alDanish, "lgDanish", "BM_LANG_DANISH", "Danish", 6, 0, "Arial", 8},
    {TAmblLanguage::alEnglish, "lgEnglish", "BM_LANG_ENGLISH", "English", -1, 0, "Arial", 8},
    {TAmblLanguage::alFrench, "lgFrench", "BM_LANG_FRENCH", "French", 12, 0, "Arial", 8},
    {TAmblLanguage::alGerman, "lgGerman", "BM_LANG_GERMAN", "German", 7, 0, "MS Sans Serif", 8},
    {TAmblLanguage::alGreek, "lgGreek", "BM_LANG_GREEK", "Greek", 8, 0, "SGreek", 8},
    // Hebrew needs a face that carries its characters in code page 1255.
    {TAmblLanguage::alHebrew, "lgHebrew", "BM_LANG_HEBREW", "Hebrew", 13, 177, "Arial", 8},
    {TAmblLanguage::alItalian, "lgItalian", "BM_LANG_ITALIAN", "Italian", 16, 0, "Arial", 8},
    {TAmblLanguage::alJapanese, "lgJapanese", "BM_LANG_JAPANESE", "Japanese", 17, 128,
     "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E", 9},
    {TAmblLanguage::alKorean, "lgKorean", "BM_LANG_KOREAN", "Korean", 18, 129, "\xB9\xD9\xC5\xC1", 9},
    {TAmblLanguage::alPolish, "lgPolish", "BM_LANG_POLISH", "Polish", 21, 238, "Arial", 8},
    {TAmblLanguage::alPortugese, "lgPortugese", "BM_LANG_PORTUGESE", "Portugese", 22, 238, "Arial", 8},
    {TAmblLanguage::alRussian, "lgRussian", "BM_LANG_RUSSIAN", "Russian", 25, 204, "Arial", 8},
    {TAmblLanguage::alSpanish, "lgSpanish", "BM_LANG_SPANISH", "Spanish", 10, 0, "Arial", 8},
    {TAmblLanguage::alVietnamese, "lgVietnamese", "BM_LANG_VIETNAMESE", "Vietnamese", 42, 163, "Arial", 8},
};

}  // namespace

const LanguageData& LanguageDataAt(int index) { return kLanguages[index]; }

const LanguageData* FindLanguageData(TAmblLanguage ident) {
    for (const LanguageData& data : kLanguages)
        if (data.ident == ident) return &data;
    return nullptr;
}

TAmblLanguage LanguageOfLangId(int langId) {
    const int primary = langId & 0x3FF;
    for (const LanguageData& data : kLanguages)
        if (data.primaryLanguage == primary) return data.ident;
    return TAmblLanguage::alEnglish;
}

}  // namespace install
