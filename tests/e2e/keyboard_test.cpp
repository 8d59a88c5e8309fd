// The real window by real keystrokes: Ctrl+Tab and its kin, the focus as in a property sheet, F1's help,
// and the report Ctrl+C and the system menu put on the clipboard, or say why not.
#include <gtest/gtest.h>

#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"
#include "tests/support/setting_facts.h"

using namespace e2e;
namespace v = velmora;

namespace {

// Tab, as a user would, until the control has the focus.
void tabTo(const App& app, const char* name)
{
    for (int i = 0; i < 12 && app.focus() != app.control(name); ++i) {
        const HWND was = app.focus();
        press({VK_TAB});
        waitUntil([&] { return app.focus() != was; }, 2000);
    }
}

// The help pop-up's text, "" while none shows; and where it is.
std::string popupText(const App& app, RECT* where = nullptr)
{
    char text[2048] = {};
    if (HWND popup = findWindow(app.pid(), nullptr, "VelmoraHelp")) {
        GetWindowTextA(popup, text, sizeof text);
        if (where) GetWindowRect(popup, where);
    }
    return text;
}

}  // namespace

// Ctrl+Tab and its kin wrap round, and the focus moves as in a property sheet.
TEST(KeyboardTest, TheTabKeysAsInAPropertySheetF1ShowsTheTipAndCtrlCOrTheSystemMenuCopiesTheReport)
{
    importFixture("demo.reg");
    SetEnvironmentVariableA("FX_GLIDE_SWAPINTERVAL", "1");
    App app;
    SetEnvironmentVariableA("FX_GLIDE_SWAPINTERVAL", nullptr);
    app.activate();
    const WORD C = VK_CONTROL, S = VK_SHIFT;
    const struct {
        std::vector<WORD> keys;  // none: Tab to the control
        int tab;
        const char* focus;  // from the tab row it stays there; from a page it goes to the new page's first control
    } steps[] = {{{C, VK_PRIOR}, 4, "SSTab1"}, {{C, VK_TAB}, 0, "SSTab1"},   {{C, VK_NEXT}, 1, "SSTab1"},
                 {{C, VK_NEXT}, 2, "SSTab1"},  {{C, S, VK_TAB}, 1, "SSTab1"}, {{C, VK_TAB}, 2, "SSTab1"},
                 {{C, VK_TAB}, 3, "SSTab1"},   {{}, 3, "Check4"},            {{C, VK_NEXT}, 4, "Check9"},
                 {{C, S, VK_TAB}, 3, "Check4"}, {{C, VK_PRIOR}, 2, "Check2"}, {{C, VK_PRIOR}, 1, "Slider1"},
                 {{C, VK_PRIOR}, 0, "SSTab1"}};
    const char* frames[] = {"Frame1", "Frame2", "Frame3", "Frame6", "Frame9"};
    for (const auto& step : steps) {
        step.keys.empty() ? tabTo(app, step.focus) : press(step.keys);
        EXPECT_TRUE(waitUntil([&] { return app.tab() == step.tab && app.focus() == app.control(step.focus); }, 3000) &&
                    IsWindowVisible(app.control(frames[step.tab])))
            << "tab " << step.tab << ", focus on " << step.focus;
    }
    EXPECT_EQ(app.slider(), 166);  // Ctrl+Page Up on the slider changes tabs, not the clock

    // F1 shows the tip beside the focused control without taking the focus, and a key or a click closes it.
    for (int i = 0; i < 2; ++i) press({VK_CONTROL, VK_PRIOR});
    ASSERT_TRUE(waitUntil([&] { return app.tab() == 3; }));  // its page is made when first shown
    const std::string tip = app.tipOf("Check4");
    tabTo(app, "Check4");
    press({VK_F1});
    ASSERT_TRUE(waitUntil([&] { return !popupText(app).empty(); }));
    RECT box, control;
    EXPECT_TRUE(popupText(app, &box) == tip && tip.find("FX_GLIDE_SWAPINTERVAL=1") != std::string::npos) << tip;
    GetWindowRect(app.control("Check4"), &control);
    HDC screen = GetDC(nullptr);
    EXPECT_TRUE(box.top >= control.bottom && box.top < control.bottom + 10 &&  // wrapped to half a 640-pixel screen
                box.right - box.left <= MulDiv(330, v::screenDpi(), 96) &&
                GetPixel(screen, box.right - 3, box.top + 2) == GetSysColor(COLOR_INFOBK));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(GetForegroundWindow() == app.window() && app.focus() == app.control("Check4"));
    App::screenshot(app.window(), "f1-help", findWindow(app.pid(), nullptr, "VelmoraHelp"));
    press({VK_ESCAPE});
    EXPECT_TRUE(waitUntil([&] { return popupText(app).empty(); }));
    EXPECT_TRUE(app.focus() == app.control("Check4") && app.checked("Check4") == BST_UNCHECKED);

    // On the tab row, the help of the page it shows; a click, on the help too, closes it and leaves the focus.
    for (int i = 0; i < 3; ++i) press({VK_CONTROL, VK_PRIOR});  // to the Information tab, which has no tab stop
    press({VK_F1});
    ASSERT_TRUE(waitUntil([&] { return popupText(app, &box).rfind("What the display driver records about the card.", 0) == 0; }));
    const POINT middle = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    waitUntil([&] { return WindowFromPoint(middle) == findWindow(app.pid(), nullptr, "VelmoraHelp"); });
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(waitUntil([&] { return popupText(app).empty(); }));
    EXPECT_TRUE(GetForegroundWindow() == app.window() && app.focus() == app.control("SSTab1"));

    // Ctrl+C copies the report of what the window shows, a change not yet applied too.
    for (int i = 0; i < 2; ++i) press({VK_CONTROL, VK_NEXT});
    ASSERT_TRUE(waitUntil([&] { return app.tab() == 2; }));
    tabTo(app, "Check2");
    press({VK_SPACE});  // cleared, not yet applied
    ASSERT_TRUE(waitUntil([&] { return app.checked("Check2") == BST_UNCHECKED; }));
    DWORD copies = GetClipboardSequenceNumber();
    press({VK_CONTROL, 'C'});
    ASSERT_TRUE(waitUntil([&] { return GetClipboardSequenceNumber() != copies; }));
    const std::string report = clipboardText();
    EXPECT_TRUE(v::keepsTheLineRule(report) && report.find("Not yet applied: 1 setting,") != std::string::npos) << report;

    // Alt+Space opens the system menu, P its "Copy Report".
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    copies = GetClipboardSequenceNumber();
    press({VK_MENU, VK_SPACE});
    HWND menu = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (menu = findWindow(app.pid(), nullptr, "#32768")) != nullptr; }));
    App::screenshot(app.window(), "system-menu", menu);
    press({'P'});
    EXPECT_TRUE(waitUntil([&] { return GetClipboardSequenceNumber() != copies; }) && clipboardText() == report);

    // Held by another program, the clipboard keeps what it has, and a message says so.
    ASSERT_TRUE(OpenClipboard(nullptr));
    app.activate();
    press({VK_CONTROL, 'C'});
    HWND said = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (said = findWindow(app.pid(), "Velmora", "#32770")) != nullptr; }));
    CloseClipboard();
    char message[512] = {};
    GetDlgItemTextA(said, 0xFFFF, message, sizeof message);  // a message box's text
    EXPECT_NE(std::string(message).find("could not be put on the clipboard"), std::string::npos) << message;
    PostMessageA(said, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !findWindow(app.pid(), "Velmora", "#32770"); }) && clipboardText() == report);
}
