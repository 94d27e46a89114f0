// The administrator's windows under the harness display: signing in (and the access log it
// leaves), deleting students, the exercise editors, the limits and new credentials.
#include <windows.h>

#include "tecladix/app/options_window.h"
#include "tecladix/app/resource.h"
#include "tecladix/core/labels.h"
#include "tecladix/core/portuguese_date.h"
#include "tecladix/core/texts.h"
#include "tutor_fixture.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"
#include "ui/window.h"

namespace tecladix {
namespace {

using common::MessageAnswer;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;

constexpr AnsiText kAccessTitle = CAPTION_ACCESS;
constexpr AnsiText kPasswordTitle = CAPTION_ADMIN_PASSWORD;
constexpr AnsiText kStartTitle = CAPTION_START;

class Administration : public testing::TutorWindows {
protected:
    void SetUp() override {
        TutorWindows::SetUp();
        main_ = std::make_unique<MainWindow>(tutor_, false);
        ASSERT_TRUE(main_->Create(nullptr));
    }
    void TearDown() override {
        main_.reset();
        TutorWindows::TearDown();
    }

    // Signs in as the shipped administrator and runs `script` in the options window.
    void InOptionsWindow(const std::function<void(OptionsWindow&)>& script) {
        boxes_.Answer(MessageAnswer::Yes);  // the restricted-access question
        WhenWindowAppears(kAccessTitle.str(), [&](HWND access) {
            WindowDriver dialog(access);
            dialog.Type(IDC_ADMIN_NAME, "admin");
            dialog.Type(IDC_ADMIN_PASSWORD, "tecladix");
            WhenWindowAppears(texts::kOptionsCaption + "ADMIN", [&](HWND options) {
                script(*reinterpret_cast<OptionsWindow*>(::GetWindowLongPtrA(options, DWLP_USER)));
                WindowDriver(options).Click(IDCANCEL);
            });
            dialog.Click(IDOK);
        });
        main_->RunCommand(IDM_ADVANCED);
    }

    static void SelectListItem(HWND page, int id, const std::string& text) {
        const HWND list = ::GetDlgItem(page, id);
        const auto index = ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }

    // Replaces an editor's text by typing, as the administrator would.
    static void Retype(const WindowDriver& page, int id, const std::string& text) {
        ::SendMessageA(page.Control(id), EM_SETSEL, 0, -1);
        page.Type(id, text);
    }

    std::unique_ptr<MainWindow> main_;
};

TEST_F(Administration, SignInChecksPasswordThenNameAndEveryOpeningIsLogged) {
    bool enterMovedOn = false;
    int refusals = 0;
    std::string logShown;
    boxes_.Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    WhenWindowAppears(kAccessTitle.str(), [&](HWND access) {
        WindowDriver dialog(access);
        dialog.Type(IDC_ADMIN_NAME, "fulano");
        dialog.PressKey(IDC_ADMIN_NAME, VK_RETURN);
        enterMovedOn = ::GetFocus() == dialog.Control(IDC_ADMIN_PASSWORD);
        dialog.Click(IDOK);                             // no password
        dialog.Type(IDC_ADMIN_PASSWORD, "errada");
        dialog.Click(IDOK);                             // wrong password and wrong name
        ::SetWindowTextA(dialog.Control(IDC_ADMIN_PASSWORD), "");
        dialog.Type(IDC_ADMIN_PASSWORD, "tecladix");    // the field makes it upper case
        dialog.Click(IDOK);                             // right password, wrong name
        ::SetWindowTextA(dialog.Control(IDC_ADMIN_NAME), "");
        dialog.Type(IDC_ADMIN_NAME, "admin");
        dialog.Click(IDOK);                             // "No": the dialog stays
        refusals = ::IsWindowVisible(access) ? 1 : 0;
        WhenWindowAppears(texts::kOptionsCaption + "ADMIN", [&](HWND options) {
            auto& window = *reinterpret_cast<OptionsWindow*>(::GetWindowLongPtrA(options, DWLP_USER));
            logShown = ui::WindowText(::GetDlgItem(window.page(OptionsWindow::kLogPage), IDC_LOG));
            WindowDriver(options).Click(IDCANCEL);
        });
        dialog.PressKey(IDC_ADMIN_PASSWORD, VK_RETURN);  // Enter in the password signs in
    });
    main_->RunCommand(IDM_ADVANCED);

    EXPECT_TRUE(enterMovedOn);
    EXPECT_EQ(1, refusals);
    ASSERT_EQ(5u, boxes_.shown.size());
    EXPECT_EQ(texts::kAdminTypePassword.str(), boxes_.shown[0].text);
    EXPECT_EQ(texts::kPasswordMismatch.str(), boxes_.shown[1].text);
    EXPECT_EQ(texts::kAdminNameMismatch.str(), boxes_.shown[2].text);
    EXPECT_EQ(texts::kRestrictedCaption.str(), boxes_.shown[3].caption);
    EXPECT_EQ(texts::kRestrictedQuestion.str(), boxes_.shown[3].text);
    EXPECT_EQ(0u, boxes_.PendingAnswers());

    const std::string expectedStart = "ADMIN - " + FormatLongDate(CurrentLocalDateTime()) + " - ";
    const Lines once = SplitLines(Read("Alteracoes.txt"));
    ASSERT_EQ(1u, once.size());
    EXPECT_EQ(expectedStart, once[0].substr(0, expectedStart.size()));
    EXPECT_EQ(expectedStart.size() + 8, once[0].size());  // hh:mm:ss
    EXPECT_EQ(once[0], logShown);

    // Every opening adds a line, whether anything changed or not; a data file that cannot
    // be read empties the pages after it but never costs the log its old lines.
    InOptionsWindow([](OptionsWindow&) {});
    ::DeleteFileA((folder_ / "Exercicios1.txt").string().c_str());
    std::string logAfterFailedRead;
    InOptionsWindow([&](OptionsWindow& options) {
        logAfterFailedRead = ui::WindowText(::GetDlgItem(options.page(OptionsWindow::kLogPage), IDC_LOG));
    });
    EXPECT_EQ(3u, SplitLines(Read("Alteracoes.txt")).size());
    EXPECT_EQ(3u, SplitLines(logAfterFailedRead).size());

    // Unreadable credentials are reported when the dialog opens; nobody gets in then.
    ::DeleteFileA((folder_ / "Senha.rew").string().c_str());
    boxes_.shown.clear();
    WhenWindowAppears(kAccessTitle.str(), [&](HWND access) {
        WindowDriver dialog(access);
        dialog.Type(IDC_ADMIN_NAME, "admin");
        dialog.Type(IDC_ADMIN_PASSWORD, "tecladix");
        dialog.Click(IDOK);
        dialog.Click(IDCANCEL);
    });
    main_->RunCommand(IDM_ADVANCED);
    ASSERT_EQ(2u, boxes_.shown.size());
    EXPECT_EQ(common::MessageIcon::Error, boxes_.shown[0].icon);
    EXPECT_EQ(texts::kPasswordMismatch.str(), boxes_.shown[1].text);

    // Ctrl+F1 is the menu item's key.
    HACCEL keys = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ACCEL table[16] = {};
    const int count = ::CopyAcceleratorTableA(keys, table, 16);
    bool ctrlF1 = false;
    for (int i = 0; i < count; ++i)
        ctrlF1 |= table[i].key == VK_F1 && (table[i].fVirt & FCONTROL) && table[i].cmd == IDM_ADVANCED;
    EXPECT_TRUE(ctrlF1);
}

TEST_F(Administration, DeletingStudentsTakesTheirLinesOutOfAllFiveFiles) {
    Write("Usuarios.txt", "Ana\r\nRui\r\nBia\r\nLeo\r\n");
    Write("Senhas.txt", "a\r\nr\r\nb\r\nl\r\n");
    Write("Posicao.txt", "3\r\n4\r\n5\r\n6\r\n");
    Write("Posicao2.txt", "7\r\n8\r\n9\r\n10\r\n");
    Write("Posicao3.txt", "0\r\n1\r\n2\r\n3\r\n");
    tutor_.limits = {"20"};  // Tempo.txt was short at start-up
    std::string chosen, afterDelete, message, firstLimits[2];
    bool enabledWhenChosen = false, enabledAfter = true;
    LRESULT listed = -1;
    InOptionsWindow([&](OptionsWindow& options) {
        for (int field = 0; field < 2; ++field)
            firstLimits[field] = WindowDriver(options.page(OptionsWindow::kLimitsPage)).Text(IDC_LIMIT_FIRST + field);
        options.ShowPage(OptionsWindow::kDeletePage);
        const HWND page = options.page(OptionsWindow::kDeletePage);
        WindowDriver deletion(page);
        SelectListItem(page, IDC_DELETE_LIST, "Rui");
        chosen = deletion.Text(IDC_DELETE_NAME);
        enabledWhenChosen = ::IsWindowEnabled(deletion.Control(IDC_DELETE));
        boxes_.Answer(MessageAnswer::Yes);
        deletion.Click(IDC_DELETE);
        afterDelete = deletion.Text(IDC_DELETE_NAME);
        enabledAfter = ::IsWindowEnabled(deletion.Control(IDC_DELETE));
        message = boxes_.shown.back().text;
        // A second student in the same opening.
        SelectListItem(page, IDC_DELETE_LIST, "Leo");
        boxes_.Answer(MessageAnswer::No);
        deletion.Click(IDC_DELETE);  // "No" keeps Leo
        boxes_.Answer(MessageAnswer::Yes);
        deletion.Click(IDC_DELETE);
        listed = ::SendMessageA(deletion.Control(IDC_DELETE_LIST), LB_GETCOUNT, 0, 0);
    });
    EXPECT_EQ("20", firstLimits[0]);
    EXPECT_EQ("15", firstLimits[1]);  // the design value
    EXPECT_EQ("Rui", chosen);
    EXPECT_TRUE(enabledWhenChosen);
    EXPECT_EQ("", afterDelete);
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(texts::kDeletedPrefix + "Rui" + texts::kDeletedSuffix, message);
    EXPECT_EQ(2, listed);
    EXPECT_EQ("Ana\r\nBia\r\n", Read("Usuarios.txt"));
    EXPECT_EQ("a\r\nb\r\n", Read("Senhas.txt"));
    EXPECT_EQ("3\r\n5\r\n", Read("Posicao.txt"));
    EXPECT_EQ("7\r\n9\r\n", Read("Posicao2.txt"));
    EXPECT_EQ("0\r\n2\r\n", Read("Posicao3.txt"));

    // The start dialogs no longer list them.
    LRESULT offered = -1, rui = -1;
    WhenWindowAppears(kStartTitle.str(), [&](HWND start) {
        offered = ::SendMessageA(::GetDlgItem(start, IDC_NAMES), CB_GETCOUNT, 0, 0);
        rui = ::SendMessageA(::GetDlgItem(start, IDC_NAMES), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("Rui"));
        WindowDriver(start).Click(IDCANCEL);
    });
    main_->RunCommand(IDM_START1);
    EXPECT_EQ(2, offered);
    EXPECT_EQ(CB_ERR, rui);

    // A student whom another window already removed cannot be deleted twice.
    Write("Usuarios.txt", "Ana\r\n");
    Write("Senhas.txt", "a\r\n");
    Write("Posicao.txt", "1\r\n");
    Write("Posicao2.txt", "1\r\n");
    Write("Posicao3.txt", "1\r\n");
    boxes_.shown.clear();
    InOptionsWindow([&](OptionsWindow& options) {
        const HWND page = options.page(OptionsWindow::kDeletePage);
        SelectListItem(page, IDC_DELETE_LIST, "Ana");
        Write("Usuarios.txt", "");
        boxes_.Answer(MessageAnswer::Yes);
        WindowDriver(page).Click(IDC_DELETE);
    });
    ASSERT_FALSE(boxes_.shown.empty());
    EXPECT_EQ(texts::kDeleteErrorCaption.str(), boxes_.shown.back().caption);
    EXPECT_EQ(texts::kDeleteError.str(), boxes_.shown.back().text);
}

TEST_F(Administration, ModuleTwoEditorRefusesASixthLineAndSavesFive) {
    Write("Modulo2.3.txt", "um\r\ndois\r\ntres\r\nquatro\r\ncinco\r\n");
    const std::string before = Read("Modulo2.3.txt");
    std::string shownForThree, afterTooMany, afterReload, afterWord;
    bool saveEnabledAfterLoad = true, saveEnabledAfterSave = true;
    InOptionsWindow([&](OptionsWindow& options) {
        options.ShowPage(OptionsWindow::kModule2Page);
        WindowDriver page(options.page(OptionsWindow::kModule2Page));
        ::SetWindowTextA(page.Control(IDC_EXERCISE_CHOOSER), "");
        page.Type(IDC_EXERCISE_CHOOSER, "3");
        page.PressKey(IDC_EXERCISE_CHOOSER, VK_RETURN);
        shownForThree = page.Text(IDC_EDITOR);
        saveEnabledAfterLoad = ::IsWindowEnabled(page.Control(IDC_SAVE_TEXT));
        (void)WindowDriver(options.handle()).SaveScreenshot(ui::testing::ScreenshotPath("tecladix_options.png"));

        Retype(page, IDC_EDITOR, "um\rdois\rtres\rquatro\rcinco\rseis");
        page.Click(IDC_SAVE_TEXT);  // six lines: refused without a question
        afterTooMany = Read("Modulo2.3.txt");

        // 25 is out of range: the current file comes back, the changes go.
        ::SetWindowTextA(page.Control(IDC_EXERCISE_CHOOSER), "");
        page.Type(IDC_EXERCISE_CHOOSER, "25");
        page.PressKey(IDC_EXERCISE_CHOOSER, VK_RETURN);
        afterReload = page.Text(IDC_EDITOR);
        ::SetWindowTextA(page.Control(IDC_EXERCISE_CHOOSER), "");
        page.Type(IDC_EXERCISE_CHOOSER, "tres");
        page.PressKey(IDC_EXERCISE_CHOOSER, VK_RETURN);  // not a number: an error, the text stays
        afterWord = page.Text(IDC_EDITOR);

        Retype(page, IDC_EDITOR, "Um\r\rDois\rTres\r\r\rQuatro\rCinco\r");
        boxes_.Answer(MessageAnswer::Yes);
        page.Click(IDC_SAVE_TEXT);
        saveEnabledAfterSave = ::IsWindowEnabled(page.Control(IDC_SAVE_TEXT));
    });
    EXPECT_EQ("um\r\ndois\r\ntres\r\nquatro\r\ncinco", shownForThree);
    EXPECT_FALSE(saveEnabledAfterLoad);
    EXPECT_EQ(before, afterTooMany);
    EXPECT_EQ(shownForThree, afterReload);
    EXPECT_EQ(shownForThree, afterWord);
    EXPECT_FALSE(saveEnabledAfterSave);
    EXPECT_EQ("Um\r\nDois\r\nTres\r\nQuatro\r\nCinco\r\n", Read("Modulo2.3.txt"));

    ASSERT_EQ(4u, boxes_.shown.size());  // restricted access, too many lines, not a number, save
    EXPECT_EQ(texts::kTooManyLinesCaption.str(), boxes_.shown[1].caption);
    EXPECT_EQ(texts::kTooManyLines.str(), boxes_.shown[1].text);
    EXPECT_EQ("'tres'" + texts::kNotANumber, boxes_.shown[2].text);
    EXPECT_EQ(texts::kSaveQuestion.str(), boxes_.shown[3].text);
}

TEST_F(Administration, LimitsAndAdministratorCredentialsAreRewritten) {
    tutor_.limits = {"15", "15", "5", "5", "10", "10"};
    bool enabledBefore = true, enabledAfterEdit = false, enabledAfterSave = true;
    std::string keptName;
    InOptionsWindow([&](OptionsWindow& options) {
        WindowDriver page(options.page(OptionsWindow::kLimitsPage));
        enabledBefore = ::IsWindowEnabled(page.Control(IDC_SAVE_LIMITS));
        ::SetWindowTextA(page.Control(IDC_LIMIT_FIRST + 2), "");
        page.Type(IDC_LIMIT_FIRST + 2, "7");  // module 2 time
        enabledAfterEdit = ::IsWindowEnabled(page.Control(IDC_SAVE_LIMITS));
        boxes_.Answer(MessageAnswer::Yes);
        page.Click(IDC_SAVE_LIMITS);
        enabledAfterSave = ::IsWindowEnabled(page.Control(IDC_SAVE_LIMITS));

        WhenWindowAppears(kPasswordTitle.str(), [&](HWND window) {
            WindowDriver change(window);
            change.Click(IDC_CHANGE);
            change.Type(IDC_ADMIN_NAME, "professora");
            change.Click(IDC_CHANGE);
            change.Type(IDC_ADMIN_PASSWORD, "nova");
            change.Click(IDC_CHANGE);
            EXPECT_TRUE(::IsWindowVisible(window));  // it stays open
            change.Click(IDCANCEL);
        });
        WindowDriver(options.handle()).Click(IDC_CHANGE_ADMIN);
        // The window is reused: its fields keep what was typed.
        WhenWindowAppears(kPasswordTitle.str(), [&](HWND window) {
            keptName = WindowDriver(window).Text(IDC_ADMIN_NAME);
            WindowDriver(window).Click(IDCANCEL);
        });
        WindowDriver(options.handle()).Click(IDC_CHANGE_ADMIN);
    });
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfterEdit);
    EXPECT_FALSE(enabledAfterSave);
    EXPECT_EQ("15\r\n15\r\n7\r\n5\r\n10\r\n10\r\n", Read("Tempo.txt"));
    EXPECT_EQ("7", tutor_.limits[2]);
    EXPECT_EQ("PROFESSORA\r\nNOVA\r\n", Read("Senha.rew"));
    EXPECT_EQ("PROFESSORA", keptName);
    const std::size_t shown = boxes_.shown.size();
    ASSERT_GE(shown, 4u);
    EXPECT_EQ(texts::kAdminNeedsName.str(), boxes_.shown[shown - 2].text);
    EXPECT_EQ(texts::kAdminNeedsPassword.str(), boxes_.shown[shown - 1].text);

    // The old credentials no longer open the options.
    boxes_.shown.clear();
    WhenWindowAppears(kAccessTitle.str(), [&](HWND access) {
        WindowDriver dialog(access);
        dialog.Type(IDC_ADMIN_NAME, "admin");
        dialog.Type(IDC_ADMIN_PASSWORD, "tecladix");
        dialog.Click(IDOK);
        dialog.Click(IDCANCEL);
    });
    main_->RunCommand(IDM_ADVANCED);
    ASSERT_EQ(1u, boxes_.shown.size());
    EXPECT_EQ(texts::kPasswordMismatch.str(), boxes_.shown[0].text);
}

}  // namespace
}  // namespace tecladix
