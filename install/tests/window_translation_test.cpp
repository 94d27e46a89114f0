// A real window and its controls translated into Portuguese and given the language's font.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "install/translator/installation_tables.h"
#include "install/translator/window_translation.h"

namespace install {
namespace {

HWND Child(HWND parent, const char* cls, const char* text, DWORD style = 0) {
    return ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, parent, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

std::string Text(HWND window) {
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(WindowTranslation, AFormAndItsControlsComeOutInPortuguese) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&controls));
    TTranslator translator;
    ConfigureMainTranslator(translator);

    const HWND form = ::CreateWindowExA(0, "STATIC", "Welcome", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(form, nullptr);
    const HWND label = Child(form, "STATIC", "Click Next to continue with the installation.");
    const HWND numbered = Child(form, "STATIC", "ignored text");
    SetControlGLID(numbered, 37);
    const HWND button = Child(form, "BUTTON", "next >");
    const HWND list = Child(form, "LISTBOX", "", LBS_NOTIFY);
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Typical"));
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Custom"));
    ::SendMessageA(list, LB_SETCURSEL, 1, 0);
    const HWND combo = Child(form, "COMBOBOX", "", CBS_DROPDOWNLIST);
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("English"));
    const HWND memo = Child(form, "EDIT", "first\r\nsecond", ES_MULTILINE);
    const HWND view = Child(form, WC_LISTVIEWA, "", LVS_REPORT);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<char*>("Description");
    ::SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    translator.lgEnglish().Strings().Add("#90;");
    translator.lgEnglish().Strings().Add("first");
    translator.lgEnglish().Strings().Add("second");
    translator.lgEnglish().Strings().Add("#");
    translator.lgPortugese().Strings().Add("#90;");
    translator.lgPortugese().Strings().Add("primeira");
    translator.lgPortugese().Strings().Add("#");

    WindowComponent component(form);
    EXPECT_EQ(component.ComponentKind(), Translatable::Kind::Form);
    EXPECT_EQ(TranslateComponent(TAmblLanguage::alEnglish, &component), TAmblLanguage::alPortugese);

    EXPECT_EQ(Text(form), "Bem vindos");
    EXPECT_EQ(Text(label), "Selecionar a tecla Pr\xF3ximo para continuar com a instala\xE7\xE3o.");
    EXPECT_EQ(Text(numbered), "Instala\xE7\xE3o terminada");
    EXPECT_EQ(Text(button), "Pr\xF3ximo>");
    EXPECT_TRUE(::IsWindowVisible(button) || !::IsWindowVisible(form)) << "visibility restored";
    EXPECT_NE(::GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE, 0);
    char item[64] = {};
    ::SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "T\xEDpica");
    ::SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Personalizada");
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 1) << "the selection stays";
    ::SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Ingl\xEAs");
    EXPECT_EQ(Text(memo), "primeira");
    char header[64] = {};
    column.mask = LVCF_TEXT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    ::SendMessageA(view, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Descri\xE7\xE3o");

    ApplyLanguageFont(component, false);
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfCharSet, 238);
    ::DestroyWindow(form);
}

}  // namespace
}  // namespace install
