// The real main window under Wine: what it loads, what Apply writes and Exit leaves alone, the clock and
// slider, the focus, each tab at this DPI with nothing cut off, odd data, and the driver key beside an old card.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>

#include "app/layout.h"
#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"

using namespace e2e;
namespace layout = velmora::layout;

namespace {

// Each label's text and the boxes and options not cleared, each tab shown in turn.
std::string shown(const App& app)
{
    std::string s;
    for (int tab = 0; tab < layout::kTabCount; ++tab) {
        app.showTab(tab);
        for (const layout::Control& c : layout::controls()) {
            if (layout::tabOf(c) != tab) continue;
            const bool box = c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton;
            if (box && app.checked(c.name)) s += std::string(c.name) + "=" + std::to_string(app.checked(c.name)) + " ";
            if (c.kind == layout::Kind::Label && !*c.caption) s += app.text(c.name) + "|";
        }
    }
    return s;
}

// The box a control draws its text in, and the size the text needs there in the program's font at this DPI.
std::pair<RECT, SIZE> textIn(const App& app, const layout::Control& c)
{
    RECT r;
    GetWindowRect(app.control(c.name), &r);
    MapWindowPoints(nullptr, GetParent(app.control(c.name)), reinterpret_cast<POINT*>(&r), 2);
    const velmora::Font font = velmora::designFont(c.font, velmora::screenDpi());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    RECT text = {0, 0, c.has(layout::WordWrap) ? r.right - r.left : 0, 0};
    DrawTextA(dc, app.text(c.name).c_str(), -1, &text, DT_CALCRECT | DT_NOPREFIX | (c.has(layout::WordWrap) ? DT_WORDBREAK : DT_EXPANDTABS));
    SelectObject(dc, old), ReleaseDC(nullptr, dc);
    return {r, {text.right, text.bottom}};
}

}  // namespace

// Apply writes the grayed box as cleared and everything else as it was, the tabs never shown (their controls not
// made yet, holding what the load gave them) as well as shown.
TEST(WindowTest, DemoStateLoadsIntoEveryControlAndApplyWritesItBackByteForByte)
{
    importFixture("demo.reg");
    putText(LM, kD3D, "SSTH3_ANTIALIAS", "2");
    const auto before = exportKeys();
    const auto appliesAsBefore = [&](const App& app) {
        app.click("Command1");
        EXPECT_EQ(stored(LM, kD3D, "SSTH3_ANTIALIAS"), sz("0"));
        putText(LM, kD3D, "SSTH3_ANTIALIAS", "2");
        EXPECT_EQ(exportKeys(), before);
    };
    {
        App unshown;
        for (int tab = 1; tab < layout::kTabCount; ++tab) EXPECT_EQ(unshown.find(layout::onTab(tab)[0]->name), nullptr);
        appliesAsBefore(unshown);
    }
    App app;
    EXPECT_EQ(shown(app), "Voodoo3 3000 AGP|3dfx Interactive, Inc.|2.18.00|4.12.01.1222|11-15-2000|AGP 2X|SDRAM|16 MB|"
                          "No|Yes|166|Check2=1 Check3=2 Option3=1 Option5=1 Check5=1 Check6=1 Check7=1 Option7=1 "
                          "Option12=1 Check9=1 Option14=1 ");
    // Enter and Esc press no button: Apply would write, Exit would end the program.
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) PostMessageA(app.control("SSTab1"), WM_KEYDOWN, key, 1);
    Sleep(200);
    SendMessageA(app.window(), WM_NULL, 0, 0);  // returns once the posted keys are handled
    EXPECT_TRUE(app.running());
    EXPECT_EQ(exportKeys(), before);
    appliesAsBefore(app);

    // One control of each kind of writer changed, and just those values change; a click never grays a box.
    for (const char* control : {"Check2", "Check8", "Check3", "Check9", "Option1", "Option13"}) app.click(control);
    app.click("Command1");
    EXPECT_EQ(app.checked("Check3"), BST_CHECKED);
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_SWAPINTERVAL"), "absent");
    EXPECT_EQ(stored(LM, kGlide, "FX_GLIDE_TMU_MEMSIZE"), sz("2"));
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_ANTIALIAS"), sz("1"));
    EXPECT_EQ(stored(CC, kSettings, "Advanced"), dword(0));
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_OVERLAYMODE"), sz("2"));
    EXPECT_EQ(stored(LM, kGlide, "SSTH3_OVERLAYMODE"), sz("2"));  // another frame: untouched
    EXPECT_EQ(stored(CC, kSettings, "RefreshRate"), sz("0"));

    // Exit, and closing the window another time, write nothing.
    const auto applied = exportKeys();
    app.click("Check2");
    app.click("Command2");
    EXPECT_EQ(app.waitExit(), 0u);
    App again;
    again.showTab(2);
    again.click("Check2");
    again.showTab(1);
    again.key("Slider1", VK_HOME);
    EXPECT_EQ(again.close(), 0u);
    EXPECT_EQ(exportKeys(), applied);
}

// Unset, the clock shows "Default" and Apply leaves it unset (the card's own) until the slider moves.
TEST(WindowTest, AnUnsetClockStaysUnsetUntilTheSliderMovesAndTheFocusComesBackAfterAnotherWindow)
{
    App app;
    app.showTab(1);
    EXPECT_EQ(app.text("Label23"), "Default");
    app.click("Command1");
    EXPECT_EQ(stored(LM, kDefault, "Grxclock"), "absent");
    const std::pair<WPARAM, const char*> moves[] = {{VK_RIGHT, "144"}, {VK_NEXT, "149"}, {VK_LEFT, "148"}, {VK_HOME, "143"},
                                                    {VK_LEFT, "143"},  {VK_END, "250"},  {VK_RIGHT, "250"}};
    for (const auto& [key, position] : moves) {
        app.key("Slider1", key);
        EXPECT_EQ(app.text("Label23") + " " + std::to_string(app.slider()), position + (" " + std::string(position)));
    }
    app.click("Command1");
    EXPECT_EQ(stored(LM, kDefault, "Grxclock"), sz("250"));

    // The focused control has the focus again when the window is active again, as in a dialog box (About: AboutTest).
    app.showTab(2);
    app.click("Check2");  // a click focuses what it presses
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == other && app.focus() != app.control("Check2"); }));
    SetForegroundWindow(app.window());
    EXPECT_TRUE(waitUntil([&] { return app.focus() == app.control("Check2"); }));
    DestroyWindow(other);
}

TEST(WindowTest, EachTabShowsItsOwnControlsWithNothingCutOff)
{
    importFixture("demo.reg");
    App app;
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    for (int tab = 0; tab < layout::kTabCount; ++tab) {
        if (tab > 0) app.key("SSTab1", VK_RIGHT);
        App::screenshot(app.window(), "tab" + std::to_string(tab));
        for (const layout::Control& c : layout::controls()) {
            if (layout::tabOf(c) == layout::kNotOnTab) continue;
            EXPECT_EQ(app.find(c.name) && IsWindowVisible(app.find(c.name)), layout::tabOf(c) == tab) << c.name;
            if (layout::tabOf(c) != tab || app.text(c.name).empty()) continue;
            const auto [r, text] = textIn(app, c);
            // Inside its frame; a box or circle, raised edges or a frame's corners take room too.
            const layout::Control* frame = layout::find(c.container);
            if (frame && frame->kind == layout::Kind::Frame) {
                const RECT f = textIn(app, *frame).first;
                EXPECT_TRUE(r.left > f.left && r.top > f.top && r.right < f.right && r.bottom < f.bottom) << c.name;
            }
            const int room = c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton ? check + 4
                             : c.kind == layout::Kind::CommandButton ? 8 : c.kind == layout::Kind::Frame ? 16 : 0;
            EXPECT_LE(text.cx + room, r.right - r.left) << c.name;
            EXPECT_TRUE(c.kind == layout::Kind::Frame || text.cy <= r.bottom - r.top) << c.name;
        }
    }
    // A tab row wider than the control would show scroll arrows.
    HWND arrows = FindWindowExA(app.control("SSTab1"), nullptr, UPDOWN_CLASSA, nullptr);
    EXPECT_TRUE(!arrows || !IsWindowVisible(arrows));
}

// Data no driver writes: a tab and a line break, which the label grows for, and texts beyond any first read.
TEST(WindowTest, AValueLabelHoldsATextWithATabAndALineBreakAndAMegabyteWhole)
{
    const std::string body(std::size_t{1} << 20, 'V');
    putText(LM, kDriver, "DriverDesc", "Voodoo3\t3000\r\nAGP");
    for (const char* name : {"ProviderName", "Ver", "DriverDate"}) putText(LM, kDriver, name, "  " + body);
    putText(LM, kDefault, "Grxclock", std::string(std::size_t{1} << 20, ' ') + "180");
    App app;
    const auto [r, text] = textIn(app, layout::get("Label11"));
    EXPECT_EQ(app.text("Label11"), "Voodoo3\t3000\r\nAGP");
    EXPECT_EQ(std::make_pair(r.right - r.left, r.bottom - r.top), std::make_pair(text.cx, text.cy));
    EXPECT_GE(text.cy, 2 * layout::fontPixelHeight(velmora::screenDpi()));
    for (const char* label : {"Label12", "Label14", "Label15"}) EXPECT_TRUE(app.text(label) == body) << label;
    app.showTab(1);
    EXPECT_EQ(app.slider(), 180);
}

// An old card at Display\0000, two Voodoo3s recorded in Enum\PCI after it, then one present in HKEY_DYN_DATA:
// the window shows the Voodoo3's facts and Apply writes only into its key.
TEST(WindowTest, TheVoodoo3PresentNowElseTheFirstRecordedOneAndTheOldCardLeftByteForByte)
{
    importFixture("old-card.reg");
    auto oldCard = [] {
        std::vector<std::string> lines;
        for (const std::string& line : exportKeys())
            if (line.find(kDriver) != std::string::npos) lines.push_back(line);
        return lines;
    };
    const auto before = oldCard();
    {
        App app;
        EXPECT_EQ(app.text("Label11"), "Voodoo3 #1");
        app.showTab(2);
        EXPECT_EQ(app.checked("Option3"), BST_UNCHECKED);  // the old card's overlay mode is not the Voodoo3's
        app.showTab(1);
        app.key("Slider1", VK_END);
        app.click("Command1");
    }
    EXPECT_EQ(stored(LM, kClass + "\\0001\\DEFAULT", "Grxclock"), sz("250"));
    EXPECT_EQ(stored(LM, kClass + "\\0001\\D3D", "SSTH3_OVERLAYMODE"), sz("1"));
    EXPECT_EQ(stored(LM, kClass + "\\0002\\DEFAULT", "Grxclock"), "absent");
    EXPECT_EQ(oldCard(), before);

    putText(HKEY_DYN_DATA, "Config Manager\\Enum\\C29A3B10", "HardWareKey", "PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_02&DEV_00&FUNC_00");
    EXPECT_EQ(App().text("Label11"), "Voodoo3 #2");
}
