// The real main window under Wine: what a user sees it load, what "Apply"
// writes and what "Exit" and closing leave alone, the slider and the
// keyboard, and each tab at this screen's DPI with nothing cut off.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>

#include "app/layout.h"
#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"

using namespace e2e;
namespace layout = velmora::layout;

namespace {

struct WindowTest : ::testing::Test {
    void SetUp() override { resetRegistry(); }
    void TearDown() override { resetRegistry(); }
};

// The boxes that are not cleared and the options that are selected, by name.
std::string states(const App& app)
{
    std::string s;
    for (const layout::Control& c : layout::controls())
        if ((c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton) && app.checked(c.name))
            s += std::string(c.name) + (app.checked(c.name) == BST_INDETERMINATE ? "(grayed) " : " ");
    return s;
}

std::size_t valueCount(const std::vector<std::string>& exported)
{
    std::size_t n = 0;
    for (const std::string& line : exported) n += line.find(" = ") != std::string::npos;
    return n;
}

// The text's size in the program's font at this DPI, as a control draws it.
SIZE drawn(const std::string& text, layout::Font f, UINT format, int wrapWidth = 0)
{
    const velmora::Font font = velmora::designFont(f, screenDpi());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    RECT r = {0, 0, wrapWidth, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | format);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}

RECT inParent(HWND h)
{
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST_F(WindowTest, AnEmptyRegistryShowsEveryFallbackAndApplyWritesExactlyThose)
{
    App app;
    for (const char* label : {"Label11", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18",
                              "Label19", "Label20"})
        EXPECT_EQ(app.text(label), "Unknown") << label;
    EXPECT_EQ(app.text("Label23"), "Default");
    EXPECT_EQ(app.slider(), 143);
    EXPECT_EQ(states(app), "Check1 Option2 Option5 Option7 Option10 Option13 ");

    const struct {
        HKEY root;
        const std::string& key;
        const char* name;
        std::string value;
    } written[] = {
        {LM, kDefault, "Grxclock", sz("143")},          {LM, kDefault, "CheckClk", dword(1)},
        {LM, kD3D, "SSTH3_ANTIALIAS", sz("0")},         {LM, kD3D, "SSTH3_OVERLAYMODE", sz("1")},
        {LM, kD3D, "SSTH3_ALPHADITHERMODE", sz("1")},   {LM, kGlide, "SSTH3_OVERLAYMODE", sz("2")},
        {LM, kGlide, "SSTH3_ALPHADITHERMODE", sz("2")}, {CC, kSettings, "Advanced", dword(0)},
        {CC, kSettings, "RefreshRate", sz("0")},
    };
    EXPECT_EQ(valueCount(exportKeys()), 0u);
    for (int press = 0; press < 2; ++press) {  // a second press writes the same again
        app.click("Command1");
        EXPECT_EQ(valueCount(exportKeys()), std::size(written));
        for (const auto& w : written) EXPECT_EQ(stored(w.root, w.key, w.name), w.value) << w.name;
    }
    EXPECT_EQ(app.close(), 0u);
}

TEST_F(WindowTest, DemoStateLoadsIntoEveryControlAndApplyWritesItBackByteForByte)
{
    importFixture("demo.reg");
    putText(LM, kD3D, "SSTH3_ANTIALIAS", "2");
    const auto before = exportKeys();
    App app;
    const std::map<std::string, std::string> labels = {
        {"Label11", "Voodoo3 3000 AGP"}, {"Label12", "3dfx Interactive, Inc."}, {"Label13", "2.18.00"},
        {"Label14", "4.12.01.1222"},    {"Label15", "11-15-2000"},            {"Label16", "AGP 2X"},
        {"Label17", "SDRAM"},           {"Label18", "16 MB"},                 {"Label19", "No"},
        {"Label20", "Yes"},             {"Label23", "166"}};
    for (const auto& [name, text] : labels) EXPECT_EQ(app.text(name.c_str()), text) << name;
    EXPECT_EQ(app.slider(), 166);
    EXPECT_EQ(states(app), "Check2 Check3(grayed) Option3 Option5 Check5 Check6 Check7 Option7 Option12 Check9 Option14 ");
    // Enter and Esc press no button: Apply would write, Exit would end the program.
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(app.control("SSTab1"), WM_KEYDOWN, key, 1);
        PostMessageA(app.control("SSTab1"), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
    }
    Sleep(200);
    SendMessageA(app.window(), WM_NULL, 0, 0);  // returns once the posted keys are handled
    EXPECT_TRUE(app.running());
    EXPECT_EQ(exportKeys(), before);

    app.click("Command1");  // the grayed box is written as not checked, everything else as it was
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_ANTIALIAS"), sz("0"));
    putText(LM, kD3D, "SSTH3_ANTIALIAS", "2");
    EXPECT_EQ(exportKeys(), before);

    // One control of each kind of writer changed, and just those values change;
    // a click never grays a box.
    for (const char* control : {"Check2", "Check8", "Check3", "Check9", "Option1", "Option13"}) app.click(control);
    EXPECT_EQ(app.checked("Check3"), BST_CHECKED);
    app.key("Slider1", VK_END);
    app.click("Command1");
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_SWAPINTERVAL"), "absent");
    EXPECT_EQ(stored(LM, kGlide, "FX_GLIDE_TMU_MEMSIZE"), sz("2"));
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_ANTIALIAS"), sz("1"));
    EXPECT_EQ(stored(CC, kSettings, "Advanced"), dword(0));
    EXPECT_EQ(stored(LM, kD3D, "SSTH3_OVERLAYMODE"), sz("2"));
    EXPECT_EQ(stored(LM, kGlide, "SSTH3_OVERLAYMODE"), sz("2"));  // another frame: untouched
    EXPECT_EQ(stored(CC, kSettings, "RefreshRate"), sz("0"));
    EXPECT_EQ(stored(LM, kDefault, "Grxclock"), sz("250"));
    EXPECT_EQ(valueCount(exportKeys()), valueCount(before));  // one removed, one added
}

TEST_F(WindowTest, ExitAndClosingWriteNothing)
{
    importFixture("demo.reg");
    const auto before = exportKeys();
    for (const char* way : {"Exit", "close box"}) {
        App app;
        app.click("Check2");
        app.key("Slider1", VK_END);
        if (way[0] == 'E') app.click("Command2");
        EXPECT_EQ(way[0] == 'E' ? app.waitExit() : app.close(), 0u) << way;
    }
    EXPECT_EQ(exportKeys(), before);
}

TEST_F(WindowTest, SliderMovesByOneOrFiveWithinItsRangeAndItsLabelFollows)
{
    App app;
    const std::pair<WPARAM, const char*> moves[] = {
        {VK_RIGHT, "144"}, {VK_NEXT, "149"}, {VK_LEFT, "148"}, {VK_HOME, "143"},
        {VK_LEFT, "143"},  {VK_END, "250"},  {VK_RIGHT, "250"},
    };
    for (const auto& [key, shown] : moves) {
        app.key("Slider1", key);
        EXPECT_EQ(app.text("Label23"), shown);
        EXPECT_EQ(std::to_string(app.slider()), shown);
    }
    app.click("Command1");
    EXPECT_EQ(stored(LM, kDefault, "Grxclock"), sz("250"));
}

TEST_F(WindowTest, EachTabShowsItsOwnControlsWithNothingCutOff)
{
    importFixture("demo.reg");
    App app;
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    for (int tab = 0; tab < layout::kTabCount; ++tab) {
        if (tab > 0) app.key("SSTab1", VK_RIGHT);
        App::screenshot(app.window(), "tab" + std::to_string(tab));
        for (const layout::Control& c : layout::controls()) {
            HWND h = app.control(c.name);
            if (layout::tabOf(c) != layout::kNotOnTab) {
                EXPECT_EQ(IsWindowVisible(h) != 0, layout::tabOf(c) == tab) << c.name;
            }
            if (layout::tabOf(c) != tab || c.kind == layout::Kind::TabControl) continue;
            const RECT r = inParent(h);
            RECT inside;
            GetClientRect(GetParent(h), &inside);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= inside.right && r.bottom <= inside.bottom) << c.name;
            if (const layout::Control* frame = layout::find(c.container); frame && frame->kind == layout::Kind::Frame) {
                const RECT f = inParent(app.control(frame->name));
                EXPECT_TRUE(r.left > f.left && r.top > f.top && r.right < f.right && r.bottom < f.bottom) << c.name;
            }
            const std::string caption = app.text(c.name);
            if (caption.empty()) continue;
            const int width = r.right - r.left, height = r.bottom - r.top;
            const bool wraps = c.has(layout::WordWrap);
            const SIZE text = drawn(caption, c.font, wraps ? DT_WORDBREAK : DT_EXPANDTABS, wraps ? width : 0);
            // The box or circle and a gap, the raised edges, or the frame's corners come first.
            const int room = c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton ? check + 4
                             : c.kind == layout::Kind::CommandButton                                   ? 8
                             : c.kind == layout::Kind::Frame                                           ? 16
                                                                                                       : 0;
            EXPECT_LE(text.cx + room, width) << c.name;
            if (c.kind != layout::Kind::Frame) {
                EXPECT_LE(text.cy, height) << c.name;
            }
        }
    }
    // A tab row wider than the control would show scroll arrows.
    HWND arrows = FindWindowExA(app.control("SSTab1"), nullptr, UPDOWN_CLASSA, nullptr);
    EXPECT_TRUE(!arrows || !IsWindowVisible(arrows));
}

TEST_F(WindowTest, AValueLabelHoldsAllOfATextWithATabAndALineBreak)
{
    const std::string desc = "Voodoo3\t3000\r\nAGP";
    putText(LM, kDriver, "DriverDesc", desc);
    App app;
    const RECT r = inParent(app.control("Label11"));
    const SIZE text = drawn(desc, layout::Font::Default, DT_EXPANDTABS);
    EXPECT_EQ(app.text("Label11"), desc);
    EXPECT_EQ(r.right - r.left, text.cx);
    EXPECT_EQ(r.bottom - r.top, text.cy);
    EXPECT_GE(text.cy, 2 * layout::fontPixelHeight(screenDpi()));
}

TEST_F(WindowTest, TabKeyFollowsTheTabIndexes)
{
    App app;
    app.key("SSTab1", VK_RIGHT);  // the Overclock tab: the slider and the check box take part
    std::string order;
    HWND h = app.control("SSTab1");
    for (int i = 0; i < 7; ++i, h = GetNextDlgTabItem(app.window(), h, FALSE))
        for (const layout::Control& c : layout::controls())
            if (c.id == GetDlgCtrlID(h)) order += std::string(c.name) + " ";
    EXPECT_EQ(order, "SSTab1 Command1 Command2 Command3 Slider1 Check1 SSTab1 ");
}
