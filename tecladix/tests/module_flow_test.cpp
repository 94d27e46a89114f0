// The tutor's windows under the harness display: a student signs up, signs in to a module,
// types its exercises, passes, goes on, and saves the place reached.
#include <windows.h>

#include "tecladix/app/exercise_window.h"
#include "tecladix/app/resource.h"
#include "tecladix/core/labels.h"
#include "tecladix/core/texts.h"
#include "tutor_fixture.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace tecladix {
namespace {

using common::MessageAnswer;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;

constexpr AnsiText kStartTitle = CAPTION_START;
constexpr AnsiText kContinueTitle = CAPTION_CONTINUE;
constexpr AnsiText kNewStudentTitle = CAPTION_NEW_STUDENT;
constexpr AnsiText kApprovedTitle = CAPTION_APPROVED;
constexpr AnsiText kFailedTitle = CAPTION_FAILED;
constexpr AnsiText kEndTitle = CAPTION_END;

class ModuleFlow : public testing::TutorWindows {
protected:
    // Signs up through the main window's button, as a new student does.
    void SignUp(MainWindow& main, const std::string& name, const std::string& password) {
        WhenWindowAppears(kNewStudentTitle.str(), [&](HWND window) {
            WindowDriver dialog(window);
            dialog.Type(IDC_NEW_NAME, name);
            dialog.Type(IDC_NEW_PASSWORD, password);
            dialog.Click(IDC_SAVE_STUDENT);
            dialog.Click(IDCANCEL);
        });
        main.RunCommand(IDM_NEW_STUDENT);
    }

    // Chooses the student in an open sign-in dialog and types the password.
    static void SignIn(const WindowDriver& dialog, const std::string& name, const std::string& password) {
        const HWND names = dialog.Control(IDC_NAMES);
        const auto index = ::SendMessageA(names, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(name.c_str()));
        ::SendMessageA(names, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(dialog.window(), WM_COMMAND, MAKEWPARAM(IDC_NAMES, CBN_SELCHANGE), reinterpret_cast<LPARAM>(names));
        dialog.Type(IDC_PASSWORD, password);
    }

    // Types every typing line of the exercise on screen exactly, ending with Enter where the
    // module does not finish lines by itself.
    static void TypeExercise(const WindowDriver& window, const ExerciseEngine& engine, int firstId) {
        for (int line = 0; line < engine.rules().typingLines; ++line) {
            window.Type(firstId + line, engine.ModelFor(line));
            if (!engine.rules().finishesAtModelLength) window.PressKey(firstId + line, VK_RETURN);
        }
    }
};

TEST_F(ModuleFlow, NewStudentSignsUpAndPassesTheFirstExercise) {
    MainWindow main(tutor_, false);
    ASSERT_TRUE(main.Create(nullptr));
    ::ShowWindow(main.handle(), SW_SHOWNORMAL);
    SignUp(main, "Joana", "Segredo");
    EXPECT_EQ("Joana\r\n", Read("Usuarios.txt"));
    EXPECT_EQ("segredo\r\n", Read("Senhas.txt"));
    EXPECT_EQ("1\r\n", Read("Posicao3.txt"));
    ASSERT_TRUE(WindowDriver(main.handle()).SaveScreenshot(ui::testing::ScreenshotPath("tecladix_main.png")));

    std::string caption, model, captionAfter;
    int errors = -1, keystrokes = -1;
    boxes_.Answer(MessageAnswer::Yes);  // on to the next exercise
    WhenWindowAppears(kStartTitle.str(), [&](HWND window) {
        WindowDriver dialog(window);
        SignIn(dialog, "Joana", "errada");
        dialog.Click(IDC_FROM_DISK);  // the wrong password: only a message
        dialog.PressKey(IDC_PASSWORD, VK_HOME, {VK_SHIFT});
        dialog.Type(IDC_PASSWORD, "SEGREDO");  // the field turns it into lower case
        WhenWindowAppears(texts::kCaptionStudent + "Joana" + texts::kCaptionExercise + "1", [&](HWND exercise) {
            WindowDriver typing(exercise);
            caption = typing.Text();
            model = typing.Text(IDC_MODEL);
            auto* self = reinterpret_cast<ExerciseWindow*>(::GetWindowLongPtrA(exercise, DWLP_USER));
            (void)typing.SaveScreenshot(ui::testing::ScreenshotPath("tecladix_exercise1.png"));
            WhenWindowAppears(kApprovedTitle.str(), [&](HWND approved) {
                errors = std::stoi(WindowDriver(approved).Text(IDC_RESULT_ERRORS));
                keystrokes = std::stoi(WindowDriver(approved).Text(IDC_RESULT_KEYS));
                WindowDriver(approved).PressKey(IDOK, VK_ESCAPE);
            });
            TypeExercise(typing, self->engine(), IDC_UM);
            ui::testing::PumpUntil([&] { return typing.Text().find(texts::kCaptionExercise.str() + "2") != std::string::npos; });
            captionAfter = typing.Text();
            typing.Command(IDM_SAVE_DISK);
            typing.Click(IDCANCEL);
        });
        dialog.PressKey(IDC_PASSWORD, VK_RETURN);
    });
    main.RunCommand(IDM_START1);

    ASSERT_GE(boxes_.shown.size(), 2u);
    EXPECT_EQ(texts::kPasswordMismatch.str(), boxes_.shown[0].text);
    EXPECT_EQ(texts::kResultsReady.str(), boxes_.shown[1].text);
    EXPECT_EQ(0, boxes_.PendingAnswers());
    EXPECT_EQ("Usu\xe1" "rio: Joana - Exerc\xed" "cio: 1", caption);
    EXPECT_EQ("A casa fica perto da praia.", model);
    EXPECT_EQ(0, errors);
    EXPECT_EQ(static_cast<int>(model.size()) * 10, keystrokes);
    EXPECT_EQ("Usu\xe1" "rio: Joana - Exerc\xed" "cio: 2", captionAfter);
    EXPECT_EQ("2\r\n", Read("Posicao.txt"));
}

TEST_F(ModuleFlow, ContinuingModuleOneOpensTheSavedPhrase) {
    Write("Usuarios.txt", "Rui\r\nJoana\r\n");
    Write("Senhas.txt", "r\r\nj\r\n");
    Write("Posicao.txt", "1\r\n5\r\n");
    MainWindow main(tutor_, false);
    ASSERT_TRUE(main.Create(nullptr));
    std::string caption, model;
    WhenWindowAppears(kContinueTitle.str(), [&](HWND window) {
        WindowDriver dialog(window);
        SignIn(dialog, "Joana", "j");
        WhenWindowAppears(texts::kCaptionStudent + "Joana" + texts::kCaptionContinuedExercise + "5", [&](HWND exercise) {
            caption = WindowDriver(exercise).Text();
            model = WindowDriver(exercise).Text(IDC_MODEL);
            WindowDriver(exercise).Click(IDCANCEL);
        });
        dialog.Click(IDC_FROM_DISK);
    });
    main.RunCommand(IDM_CONTINUE1);
    EXPECT_EQ("Usu\xe1" "rio: Joana  - Exerc\xed" "cio: 5", caption);
    EXPECT_EQ("Meu irm\xe3" "o gosta de jogar futebol.", model);
}

TEST_F(ModuleFlow, ModuleThreeByEnterOnlyAndTheFloppyCarriesThePlace) {
    Write("Usuarios.txt", "Rui\r\n");
    Write("Senhas.txt", "r\r\n");
    MainWindow main(tutor_, false);
    ASSERT_TRUE(main.Create(nullptr));
    bool focusStayed = false;
    boxes_.Answer(MessageAnswer::Yes);
    WhenWindowAppears(kStartTitle.str() + " ", [&](HWND window) {
        WindowDriver dialog(window);
        SignIn(dialog, "Rui", "r");
        WhenWindowAppears(texts::kCaptionStudent + "Rui" + texts::kCaptionExercise + "1", [&](HWND exercise) {
            WindowDriver typing(exercise);
            auto* self = reinterpret_cast<ExerciseWindow*>(::GetWindowLongPtrA(exercise, DWLP_USER));
            (void)typing.SaveScreenshot(ui::testing::ScreenshotPath("tecladix_exercise3.png"));
            typing.Type(IDC_UM + 5, self->engine().ModelFor(0));
            focusStayed = ::GetFocus() == typing.Control(IDC_UM + 5);
            typing.PressKey(IDC_UM + 5, VK_RETURN);
            WhenWindowAppears(kApprovedTitle.str(), [](HWND approved) { WindowDriver(approved).Click(IDOK); });
            for (int line = 1; line < 5; ++line) {
                typing.Type(IDC_UM + 5 + line, self->engine().ModelFor(line) + "xx");  // extra characters are free
                typing.PressKey(IDC_UM + 5 + line, VK_RETURN);
            }
            ui::testing::PumpUntil([&] { return self->engine().number() == 2; });
            typing.Command(IDM_SAVE_FLOPPY);
            typing.Click(IDCANCEL);
        });
        dialog.Click(IDC_FROM_DISK);
    });
    main.RunCommand(IDM_START3);
    EXPECT_TRUE(focusStayed);
    EXPECT_EQ("2\r\nRui\r\n", Read("floppy/Modulo3.tcx"));

    // Continuing from the floppy opens exercise 2; a missing disk gives its own box.
    std::string caption;
    WhenWindowAppears(kContinueTitle.str(), [&](HWND window) {
        WindowDriver dialog(window);
        SignIn(dialog, "Rui", "r");
        WhenWindowAppears(texts::kCaptionStudent + "Rui" + texts::kCaptionContinuedExercise + "2", [&](HWND exercise) {
            caption = WindowDriver(exercise).Text();
            WindowDriver(exercise).Click(IDCANCEL);
        });
        dialog.Click(IDC_FROM_FLOPPY);
    });
    main.RunCommand(IDM_CONTINUE3);
    EXPECT_EQ("Usu\xe1" "rio: Rui  - Exerc\xed" "cio: 2", caption);

    tutor_.floppyFolder = "B:\\no-such-drive\\";
    boxes_.shown.clear();
    WhenWindowAppears(kContinueTitle.str(), [&](HWND window) {
        WindowDriver dialog(window);
        dialog.Click(IDC_FROM_FLOPPY);
        dialog.Click(IDCANCEL);
    });
    main.RunCommand(IDM_CONTINUE3);
    ASSERT_EQ(1u, boxes_.shown.size());
    EXPECT_EQ(texts::kFloppyReadCaption.str(), boxes_.shown[0].caption);
    EXPECT_EQ(texts::kFloppyReadFailed.str(), boxes_.shown[0].text);
}

}  // namespace
}  // namespace tecladix
