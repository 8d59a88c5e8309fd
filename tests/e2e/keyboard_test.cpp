// The real window for a keyboard user, with real keystrokes: the tabs by
// Ctrl+Tab and its kin, the focus moved as a property sheet moves it, F1's
// help beside the focused control, and the report that Ctrl+C and the
// system menu put on the clipboard, or say why not.
#include <gtest/gtest.h>

#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"
#include "tests/support/setting_facts.h"

using namespace e2e;

namespace {

struct KeyboardTest : ::testing::Test {
    void SetUp() override { resetRegistry(); }
    void TearDown() override { resetRegistry(); }
};

// Tab, as a user would, until the control has the focus.
void tabTo(const App& app, const char* name)
{
    for (int i = 0; i < 12 && app.focus() != app.control(name); ++i) {
        const HWND was = app.focus();
        press({VK_TAB});
        waitUntil([&] { return app.focus() != was; }, 2000);
    }
}

HWND popup(const App& app) { return findWindow(app.pid(), nullptr, "VelmoraHelp"); }

}  // namespace

TEST_F(KeyboardTest, CtrlTabAndItsKinWrapRoundAndTheFocusMovesAsInAPropertySheet)
{
    App app;
    app.activate();
    const struct {
        std::vector<WORD> keys;
        int tab;
        const char* focus;  // from the tab row it stays there; from a page it goes to the new page's first control
    } steps[] = {
        {{VK_CONTROL, VK_PRIOR}, 4, "SSTab1"}, {{VK_CONTROL, VK_TAB}, 0, "SSTab1"},  {{VK_CONTROL, VK_NEXT}, 1, "SSTab1"},
        {{VK_CONTROL, VK_NEXT}, 2, "SSTab1"},  {{VK_CONTROL, VK_SHIFT, VK_TAB}, 1, "SSTab1"},
        {{VK_CONTROL, VK_TAB}, 2, "SSTab1"},   {{VK_CONTROL, VK_TAB}, 3, "SSTab1"},  {{VK_TAB}, 3, "Check4"},
        {{VK_CONTROL, VK_NEXT}, 4, "Check9"},  {{VK_CONTROL, VK_SHIFT, VK_TAB}, 3, "Check4"},
        {{VK_CONTROL, VK_PRIOR}, 2, "Check2"}, {{VK_CONTROL, VK_PRIOR}, 1, "Slider1"}, {{VK_CONTROL, VK_PRIOR}, 0, "SSTab1"},
    };
    for (const auto& step : steps) {
        if (step.keys.size() == 1) tabTo(app, step.focus);
        else press(step.keys);
        EXPECT_TRUE(waitUntil([&] { return app.tab() == step.tab && app.focus() == app.control(step.focus); }, 3000))
            << "tab " << step.tab << ", focus on " << step.focus;
        const char* frames[] = {"Frame1", "Frame2", "Frame3", "Frame6", "Frame9"};
        EXPECT_TRUE(IsWindowVisible(app.control(frames[step.tab])));
    }
    EXPECT_EQ(app.slider(), 143);  // Ctrl+Page Up on the slider changes tabs, not the clock
}

TEST_F(KeyboardTest, F1ShowsTheTipBesideTheFocusedControlWithoutTheFocusAndAKeyClosesIt)
{
    importFixture("demo.reg");
    SetEnvironmentVariableA("FX_GLIDE_SWAPINTERVAL", "1");
    App app;
    SetEnvironmentVariableA("FX_GLIDE_SWAPINTERVAL", nullptr);
    app.activate();
    press({VK_CONTROL, VK_PRIOR});
    press({VK_CONTROL, VK_PRIOR});
    const std::string tip = app.tipOf("Check4");
    tabTo(app, "Check4");
    ASSERT_EQ(app.focus(), app.control("Check4"));

    press({VK_F1});
    ASSERT_TRUE(waitUntil([&] { return popup(app) != nullptr; }));
    char text[2048] = {};
    GetWindowTextA(popup(app), text, sizeof text);
    EXPECT_EQ(text, tip);
    EXPECT_TRUE(std::string(text).find("FX_GLIDE_SWAPINTERVAL=1") != std::string::npos) << text;
    RECT box, control;
    GetWindowRect(popup(app), &box);
    GetWindowRect(app.control("Check4"), &control);
    EXPECT_TRUE(box.top >= control.bottom && box.top < control.bottom + 10 &&
                box.right - box.left <= MulDiv(330, velmora::screenDpi(), 96));  // half a 640-pixel screen
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, box.right - 3, box.top + 2), GetSysColor(COLOR_INFOBK));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(GetForegroundWindow() == app.window() && app.focus() == app.control("Check4"));
    RECT shot;
    GetWindowRect(app.window(), &shot);
    UnionRect(&shot, &shot, &box);
    App::screenshot(shot, "f1-help");

    press({VK_ESCAPE});
    EXPECT_TRUE(waitUntil([&] { return !popup(app); }));
    EXPECT_EQ(app.focus(), app.control("Check4"));
    EXPECT_EQ(app.checked("Check4"), BST_UNCHECKED);
    // On the tab row, the help of the page it shows; a click, even on the help, closes it and leaves the focus.
    for (int i = 0; i < 3; ++i) press({VK_CONTROL, VK_PRIOR});  // to the Information tab, which has no tab stop
    ASSERT_TRUE(waitUntil([&] { return app.focus() == app.control("SSTab1"); }));
    press({VK_F1});
    ASSERT_TRUE(waitUntil([&] { return popup(app) != nullptr; }));
    GetWindowTextA(popup(app), text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("What the display driver records about the card.", 0), 0u) << text;
    GetWindowRect(popup(app), &box);
    const POINT middle = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    waitUntil([&] { return WindowFromPoint(middle) == popup(app); });
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(waitUntil([&] { return !popup(app); }));
    EXPECT_TRUE(GetForegroundWindow() == app.window() && app.focus() == app.control("SSTab1"));
}

TEST_F(KeyboardTest, CtrlCAndTheSystemMenuCopyTheReportOfWhatTheWindowShowsOrSayWhyNot)
{
    importFixture("demo.reg");
    App app;
    app.activate();
    press({VK_CONTROL, VK_NEXT});
    press({VK_CONTROL, VK_NEXT});
    tabTo(app, "Check2");
    press({VK_SPACE});  // clears it: not yet applied
    ASSERT_TRUE(waitUntil([&] { return app.checked("Check2") == BST_UNCHECKED; }));
    DWORD copies = GetClipboardSequenceNumber();
    press({VK_CONTROL, 'C'});
    ASSERT_TRUE(waitUntil([&] { return GetClipboardSequenceNumber() != copies; }));
    const std::string report = clipboardText();
    ASSERT_EQ(report.rfind("Velmora ", 0), 0u) << report;
    EXPECT_TRUE(velmora::keepsTheLineRule(report));
    for (int i = 1; i <= 10; ++i) {  // the card facts as the Information tab shows them
        std::string caption = velmora::layout::get(("Label" + std::to_string(i)).c_str()).caption;
        caption.erase(caption.find_last_not_of(" :") + 1);
        const std::string line = "  " + caption + ": " + app.text(("Label" + std::to_string(i + 10)).c_str()) + "\r\n";
        EXPECT_NE(report.find(line), std::string::npos) << line;
    }
    for (const velmora::Setting& s : velmora::settings()) {  // and every setting
        if (s.shape == velmora::Shape::Text) continue;
        const char* states[] = {"cleared", "checked", "grayed"};
        std::string shown = s.shape == velmora::Shape::Clock    ? app.text(s.control)
                            : s.shape == velmora::Shape::Choice ? "none selected"
                                                                : states[app.checked(s.control)];
        for (const auto& [code, option] : s.codes)
            if (s.shape == velmora::Shape::Choice && app.checked(option.c_str())) shown = velmora::layout::get(option.c_str()).caption;
        const std::string lines = velmora::reportHeading(s) + "\r\n    Shows " + shown + ";";
        EXPECT_NE(report.find(lines), std::string::npos) << lines;
    }
    EXPECT_NE(report.find("Not yet applied: 1 setting,"), std::string::npos);

    // Alt+Space opens the system menu, P its "Copy Report".
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    copies = GetClipboardSequenceNumber();
    press({VK_MENU, VK_SPACE});
    EXPECT_TRUE(waitUntil([&] { return findWindow(app.pid(), nullptr, "#32768") != nullptr; }));
    RECT shot;
    GetWindowRect(app.window(), &shot);
    App::screenshot(shot, "system-menu");
    press({'P'});
    EXPECT_TRUE(waitUntil([&] { return GetClipboardSequenceNumber() != copies; }));
    EXPECT_EQ(clipboardText(), report);

    // Held by another program, the clipboard keeps what it has, and a message says so.
    HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    app.activate();
    press({VK_CONTROL, 'C'});
    HWND box = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (box = findWindow(app.pid(), "Velmora", "#32770")) != nullptr; }));
    CloseClipboard();
    char message[512] = {};
    GetDlgItemTextA(box, 0xFFFF, message, sizeof message);  // a message box's text
    EXPECT_NE(std::string(message).find("could not be put on the clipboard"), std::string::npos) << message;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !findWindow(app.pid(), "Velmora", "#32770"); }));
    EXPECT_EQ(clipboardText(), report);
    EXPECT_TRUE(app.running());
    DestroyWindow(holder);
}
