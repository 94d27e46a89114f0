// The UI layer proven on a real dialog: made from its resource template, driven by
// keystrokes and clicks, answering a real message box, and photographed.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "common/png_writer.h"
#include "sample_dialog.h"
#include "ui/dialog.h"
#include "ui/screenshot.h"
#include "ui/system_message_box.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace {

using namespace std::chrono_literals;
using ui::testing::WindowDriver;

class SampleDialog final : public ui::Dialog {
public:
    SampleDialog() : Dialog(IDD_SAMPLE) {}
    common::MessageAnswer lastAnswer = common::MessageAnswer::Cancel;

private:
    bool OnCommand(int id, int code, HWND) override {
        if (id == IDC_GREET && code == BN_CLICKED) {
            std::string greeting = "Hello, " + ItemText(IDC_NAME) + (IsChecked(IDC_LOUD) ? "!" : ".");
            SetItemText(IDC_GREETING, greeting);
            return true;
        }
        if (id == IDC_ASK && code == BN_CLICKED) {
            ui::SystemMessageBox boxes(handle());
            lastAnswer = boxes.Show({"Keep the greeting?", "Sample question", common::MessageButtons::YesNo,
                                     common::MessageIcon::Question, 2});
            return true;
        }
        return false;
    }
};

TEST(DialogWindow, TypingAndClickingReachTheHandlers) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    WindowDriver driver(dialog.handle());
    EXPECT_EQ("Sample dialog", driver.Text());

    driver.Type(IDC_NAME, "Ana Maria");
    driver.Click(IDC_GREET);
    EXPECT_EQ("Hello, Ana Maria.", driver.Text(IDC_GREETING));

    driver.Click(IDC_LOUD);
    driver.PressKey(IDC_NAME, VK_END);
    driver.Type(IDC_NAME, "z");
    driver.Click(IDC_GREET);
    EXPECT_EQ("Hello, Ana Mariaz!", driver.Text(IDC_GREETING));

    // Shift+Home selects back to the start, so typing replaces the whole text: the held
    // modifier reaches the edit control.
    driver.PressKey(IDC_NAME, VK_HOME, {VK_SHIFT});
    driver.Type(IDC_NAME, "Rui");
    EXPECT_EQ("Rui", driver.Text(IDC_NAME));
}

TEST(DialogWindow, EscapeEndsAModalDialogWithCancel) {
    SampleDialog dialog;
    ui::testing::WhenWindowAppears("Sample dialog", [](HWND window) {
        WindowDriver(window).PressKey(IDC_NAME, VK_ESCAPE);
    });
    EXPECT_EQ(IDCANCEL, dialog.ShowModal(nullptr));
}

TEST(DialogWindow, AScriptAnswersARealMessageBox) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    std::string boxText;
    ui::testing::WhenWindowAppears("Sample question", [&](HWND box) {
        // The text of a message box is its static control 0xFFFF.
        boxText = WindowDriver(box).Text(0xFFFF);
        WindowDriver(box).Click(IDYES);
    });
    WindowDriver(dialog.handle()).Click(IDC_ASK);
    EXPECT_EQ("Keep the greeting?", boxText);
    EXPECT_EQ(common::MessageAnswer::Yes, dialog.lastAnswer);
}

TEST(DialogWindow, ScreenshotShowsTheDialog) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    WindowDriver driver(dialog.handle());
    driver.Type(IDC_NAME, "Screenshot");
    driver.Click(IDC_GREET);

    const common::RgbImage image = ui::CaptureWindow(dialog.handle());
    RECT frame{};
    ::GetWindowRect(dialog.handle(), &frame);
    EXPECT_EQ(frame.right - frame.left, image.width);
    EXPECT_EQ(frame.bottom - frame.top, image.height);
    // A drawn dialog has text, edges and a face: many colours, not an empty rectangle.
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3)
        colours.insert(image.pixels[i] << 16 | image.pixels[i + 1] << 8 | image.pixels[i + 2]);
    EXPECT_GE(colours.size(), 3u);

    const std::string path = ui::testing::ScreenshotPath("sample_dialog.png");
    ASSERT_TRUE(driver.SaveScreenshot(path));
    std::ifstream file(path, std::ios::binary);
    const std::string head(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(0u, head.rfind("\x89PNG", 0));
}

}  // namespace
