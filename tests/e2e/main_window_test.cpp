// The real main window under Wine: what it loads into its controls, what
// "Apply" writes, what "Exit" and closing leave alone, the slider, the layout.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

#include <map>

#include "app/layout.h"
#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"

using velmora::StoredValue;
using velmora::storedDword;
using velmora::storedText;
namespace hive = velmora::hive;
namespace layout = velmora::layout;

namespace {

using e2e::kD3D;
using e2e::kDefault;
using e2e::kGlide;
using e2e::kSettings;

struct Expected {
    std::int32_t hive;
    std::string key, name;
    StoredValue value;
};

// What the two empty-registry tabs' fallbacks make "Apply" write, and nothing else.
const std::vector<Expected> kFallbackWrites = {
    {hive::LocalMachine, kDefault, "Grxclock", storedText("143")},
    {hive::LocalMachine, kDefault, "CheckClk", storedDword(1)},
    {hive::LocalMachine, kD3D, "SSTH3_ANTIALIAS", storedText("0")},
    {hive::LocalMachine, kD3D, "SSTH3_OVERLAYMODE", storedText("1")},
    {hive::LocalMachine, kD3D, "SSTH3_ALPHADITHERMODE", storedText("1")},
    {hive::LocalMachine, kGlide, "SSTH3_OVERLAYMODE", storedText("2")},
    {hive::LocalMachine, kGlide, "SSTH3_ALPHADITHERMODE", storedText("2")},
    {hive::CurrentConfig, kSettings, "Advanced", storedDword(0)},
    {hive::CurrentConfig, kSettings, "RefreshRate", storedText("0")},
};

std::size_t valueLines(const std::vector<std::string>& exported)
{
    std::size_t n = 0;
    for (const auto& line : exported) n += line.find(" = ") != std::string::npos;
    return n;
}

// The caption's size in the font the program gives the control at this DPI
// (its own font handle means nothing in this process), on one line or
// wrapped at the given width.
SIZE captionExtent(const std::string& caption, layout::Font f, int dpi, int wrapWidth)
{
    const velmora::Font font = velmora::designFont(f, dpi);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    RECT r = {0, 0, wrapWidth, 0};
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

struct MainWindowTest : ::testing::Test {
    void SetUp() override { e2e::resetRegistry(); }
    void TearDown() override { e2e::resetRegistry(); }

    // Check boxes by state and the selected option of each group, as one map.
    static std::map<std::string, int> states(const e2e::App& app)
    {
        std::map<std::string, int> s;
        for (const auto& c : layout::controls())
            if (c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton)
                s[c.name] = app.checkState(c.name);
        return s;
    }
    static std::map<std::string, int> expectStates(std::map<std::string, int> nonZero)
    {
        std::map<std::string, int> s;
        for (const auto& c : layout::controls())
            if (c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton)
                s[c.name] = nonZero.count(c.name) ? nonZero[c.name] : 0;
        return s;
    }
};

}  // namespace

TEST_F(MainWindowTest, EmptyRegistryShowsEveryFallbackAndApplyWritesExactlyThose)
{
    e2e::App app;
    for (int i = 11; i <= 20; ++i) EXPECT_EQ(app.text(("Label" + std::to_string(i)).c_str()), "Unknown") << i;
    EXPECT_EQ(app.text("Label23"), "Default");
    EXPECT_EQ(app.sliderPosition(), 143);
    EXPECT_EQ(states(app), expectStates({{"Check1", 1}, {"Option2", 1}, {"Option5", 1}, {"Option7", 1},
                                         {"Option10", 1}, {"Option13", 1}}));

    const auto before = e2e::exportKeys();
    EXPECT_EQ(valueLines(before), 0u);
    for (int press = 0; press < 2; ++press) {  // a second press writes the same again
        app.click("Command1");
        const auto after = e2e::exportKeys();
        EXPECT_EQ(valueLines(after), kFallbackWrites.size());
        for (const auto& e : kFallbackWrites) EXPECT_EQ(e2e::readValue(e.hive, e.key, e.name), e.value) << e.name;
    }
    EXPECT_TRUE(app.running());
    EXPECT_EQ(app.close(), 0u);
}

TEST_F(MainWindowTest, DemoStateLoadsIntoEveryControlAndApplyWritesItBackUnchanged)
{
    e2e::applyFixture("demo.reg");
    const auto before = e2e::exportKeys();
    e2e::App app;
    const std::map<std::string, std::string> labels = {
        {"Label11", "Voodoo3 3000 AGP"}, {"Label12", "3dfx Interactive, Inc."}, {"Label13", "2.18.00"},
        {"Label14", "4.12.01.1222"},    {"Label15", "11-15-2000"},            {"Label16", "AGP 2X"},
        {"Label17", "SDRAM"},           {"Label18", "16 MB"},                 {"Label19", "No"},
        {"Label20", "Yes"},             {"Label23", "166"}};
    for (const auto& [name, text] : labels) EXPECT_EQ(app.text(name.c_str()), text) << name;
    EXPECT_EQ(app.sliderPosition(), 166);
    EXPECT_EQ(states(app), expectStates({{"Check2", 1}, {"Check3", 1}, {"Option3", 1}, {"Option5", 1},
                                         {"Check5", 1}, {"Check6", 1}, {"Check7", 1}, {"Option7", 1},
                                         {"Option12", 1}, {"Check9", 1}, {"Option14", 1}}));

    app.click("Command1");
    EXPECT_EQ(e2e::exportKeys(), before);  // every value written back exactly as it was stored

    // Changing controls changes exactly their values.
    app.click("Check2");    // Disable VSync off: the value goes
    app.click("Option1");   // D3D Normal Quality: 2, the Glide frames untouched
    app.click("Check8");    // Limit Texture on: 2
    app.click("Option13");  // Default refresh: 0
    EXPECT_EQ(app.checkState("Option3"), 0);
    EXPECT_EQ(app.checkState("Option7"), 1);
    app.click("Command1");
    EXPECT_FALSE(e2e::readValue(hive::LocalMachine, kD3D, "SSTH3_SWAPINTERVAL"));
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kD3D, "SSTH3_OVERLAYMODE"), storedText("2"));
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kGlide, "SSTH3_OVERLAYMODE"), storedText("2"));
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kGlide, "FX_GLIDE_TMU_MEMSIZE"), storedText("2"));
    EXPECT_EQ(e2e::readValue(hive::CurrentConfig, kSettings, "RefreshRate"), storedText("0"));
    EXPECT_EQ(valueLines(e2e::exportKeys()), valueLines(before));  // one removed, one added
}

TEST_F(MainWindowTest, ExitAndClosingWriteNothing)
{
    e2e::applyFixture("demo.reg");
    const auto before = e2e::exportKeys();
    {
        e2e::App app;
        app.click("Check2");
        app.click("Command2");
        EXPECT_EQ(app.waitExit(), 0u);
    }
    {
        e2e::App app;
        app.key("Slider1", VK_END);
        EXPECT_EQ(app.close(), 0u);
    }
    EXPECT_EQ(e2e::exportKeys(), before);
}

TEST_F(MainWindowTest, SliderShowsItsPositionAndApplyStoresIt)
{
    e2e::App app;
    ASSERT_EQ(app.text("Label23"), "Default");
    app.key("Slider1", VK_RIGHT);  // the first movement replaces "Default"
    EXPECT_EQ(app.text("Label23"), "144");
    app.key("Slider1", VK_NEXT);
    EXPECT_EQ(app.text("Label23"), "149");
    EXPECT_EQ(app.sliderPosition(), 149);
    app.key("Slider1", VK_LEFT);
    EXPECT_EQ(app.text("Label23"), "148");
    app.key("Slider1", VK_HOME);
    app.key("Slider1", VK_LEFT);  // cannot go below its minimum
    EXPECT_EQ(app.text("Label23"), "143");
    app.key("Slider1", VK_END);
    app.key("Slider1", VK_RIGHT);
    EXPECT_EQ(app.text("Label23"), "250");
    app.click("Command1");
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kDefault, "Grxclock"), storedText("250"));
    app.key("Slider1", VK_HOME);
    app.click("Command1");
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kDefault, "Grxclock"), storedText("143"));
}

TEST_F(MainWindowTest, ClicksNeverGrayACheckBoxAndEnterOrEscPressNothing)
{
    e2e::applyRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + kD3D + "]\n\"SSTH3_ANTIALIAS\"=\"2\"\n");
    const auto before = e2e::exportKeys();
    e2e::App app;
    EXPECT_EQ(app.checkState("Check3"), 2);
    for (int expected : {1, 0, 1, 0}) {
        app.click("Check3");
        EXPECT_EQ(app.checkState("Check3"), expected);
    }
    // No default or cancel button: Apply would write, Exit would end the program.
    app.typeKey(app.control("SSTab1"), VK_RETURN);
    app.typeKey(app.control("SSTab1"), VK_ESCAPE);
    EXPECT_TRUE(app.running());
    EXPECT_EQ(e2e::exportKeys(), before);
}

TEST_F(MainWindowTest, WindowAndControlsStandWhereTheTableSays)
{
    e2e::App app;
    const int dpi = velmora::screenDpi();

    char caption[64] = {};
    GetWindowTextA(app.window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Velmora 1.4 (English)");
    const LONG style = GetWindowLongA(app.window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT client;
    GetClientRect(app.window(), &client);
    EXPECT_EQ(client.right, layout::toPixels(layout::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, layout::toPixels(layout::kClientHeight, dpi));
    EXPECT_EQ(SendMessageA(app.control("SSTab1"), TCM_GETITEMCOUNT, 0, 0), layout::kTabCount);
    EXPECT_EQ(SendMessageA(app.control("SSTab1"), TCM_GETROWCOUNT, 0, 0), 1);

    for (const auto& c : layout::controls()) {
        RECT r;
        GetWindowRect(app.control(c.name), &r);
        MapWindowPoints(nullptr, app.window(), reinterpret_cast<POINT*>(&r), 2);
        const layout::Pixels p = layout::absolutePixels(c, dpi);
        EXPECT_EQ(r.left, p.left) << c.name;
        EXPECT_EQ(r.top, p.top) << c.name;
        // A label that sizes itself follows its text; a picture is its bitmap,
        // drawn at the designed size for 96 DPI and never stretched.
        if (c.kind == layout::Kind::Picture) {
            EXPECT_EQ(r.right - r.left, layout::toPixels(c.rect.width, 96)) << c.name;
            EXPECT_EQ(r.bottom - r.top, layout::toPixels(c.rect.height, 96)) << c.name;
        } else if (!c.has(layout::AutoSize)) {
            EXPECT_EQ(r.right - r.left, p.width) << c.name;
            EXPECT_EQ(r.bottom - r.top, p.height) << c.name;
        }
        const bool valueLabel = c.kind == layout::Kind::Label && *c.caption == 0;
        if (c.kind != layout::Kind::TabControl && c.kind != layout::Kind::Picture && c.kind != layout::Kind::Slider &&
            !valueLabel) {
            EXPECT_EQ(app.text(c.name), c.caption) << c.name;
        }
    }
}

TEST_F(MainWindowTest, NothingIsCutOff)
{
    e2e::applyFixture("demo.reg");
    e2e::App app;
    const int dpi = velmora::screenDpi();
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    for (const auto& c : layout::controls()) {
        HWND h = app.control(c.name);
        RECT r, inside;
        GetWindowRect(h, &r);
        GetClientRect(GetParent(h), &inside);
        MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= inside.right && r.bottom <= inside.bottom) << c.name;
        if (const layout::Control* frame = layout::find(c.container); frame && frame->kind == layout::Kind::Frame) {
            RECT f;
            GetWindowRect(app.control(frame->name), &f);
            MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&f), 2);
            EXPECT_TRUE(r.left > f.left && r.top > f.top && r.right < f.right && r.bottom < f.bottom) << c.name;
        }

        const std::string caption = app.text(c.name);
        if (caption.empty() || c.kind == layout::Kind::TabControl) continue;
        const int width = r.right - r.left, height = r.bottom - r.top;
        const SIZE text = captionExtent(caption, c.font, dpi, c.has(layout::WordWrap) ? width : 0);
        switch (c.kind) {
        case layout::Kind::CheckBox:
        case layout::Kind::OptionButton:  // the box or circle, a gap, the text
            EXPECT_LE(check + 4 + text.cx, width) << c.name;
            EXPECT_LE(text.cy, height) << c.name;
            break;
        case layout::Kind::CommandButton:  // inside the raised edges
            EXPECT_LE(text.cx + 8, width) << c.name;
            EXPECT_LE(text.cy + 4, height) << c.name;
            break;
        case layout::Kind::Frame:  // the caption breaks the top line between corners
            EXPECT_LE(text.cx + 16, width) << c.name;
            break;
        default:  // labels: every line of the text inside the box
            EXPECT_LE(text.cx, width) << c.name;
            EXPECT_LE(text.cy, height) << c.name;
        }
    }
    // A tab row wider than the control would show scroll arrows.
    HWND arrows = FindWindowExA(app.control("SSTab1"), nullptr, UPDOWN_CLASSA, nullptr);
    EXPECT_TRUE(!arrows || !IsWindowVisible(arrows));
}

TEST_F(MainWindowTest, EachTabShowsOnlyItsControls)
{
    e2e::applyFixture("demo.reg");
    e2e::App app;
    char dir[MAX_PATH] = {};
    const bool shots = GetEnvironmentVariableA("VELMORA_SHOTS", dir, sizeof dir) > 0;
    for (int tab = 0; tab < layout::kTabCount; ++tab) {
        if (tab > 0) app.key("SSTab1", VK_RIGHT);
        EXPECT_EQ(SendMessageA(app.control("SSTab1"), TCM_GETCURSEL, 0, 0), tab);
        for (const auto& c : layout::controls()) {
            const int on = layout::tabOf(c);
            if (on != layout::kNotOnTab) {
                EXPECT_EQ(IsWindowVisible(app.control(c.name)) != 0, on == tab) << c.name;
            }
        }
        if (shots) {
            UpdateWindow(app.window());
            Sleep(300);
            app.screenshot(std::string(dir) + "\\tab" + std::to_string(tab) + ".bmp");
        }
    }
}

TEST_F(MainWindowTest, TabKeyFollowsTheTabIndexes)
{
    e2e::App app;
    app.key("SSTab1", VK_RIGHT);  // the Overclock tab: the slider and the check box take part
    std::vector<std::string> order;
    HWND h = app.control("SSTab1");
    for (int i = 0; i < 7; ++i) {
        const layout::Control* c = nullptr;
        for (const auto& candidate : layout::controls())
            if (candidate.id == GetDlgCtrlID(h)) c = &candidate;
        order.push_back(c ? c->name : "?");
        h = GetNextDlgTabItem(app.window(), h, FALSE);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"SSTab1", "Command1", "Command2", "Command3", "Slider1", "Check1",
                                               "SSTab1"}));
}

TEST_F(MainWindowTest, ProgramFileCarriesItsVersionRecordAndIcon)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string exe(path);
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "Velmcfg.exe";

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    for (const auto& [name, expected] : std::vector<std::pair<std::string, std::string>>{
             {"ProductName", "Velmora"},
             {"FileVersion", "1.40"},
             {"ProductVersion", "1.40"},
             {"InternalName", "Velmcfg"},
             {"OriginalFilename", "Velmcfg.exe"}}) {
        char* value = nullptr;
        UINT len = 0;
        const std::string query = "\\StringFileInfo\\040904B0\\" + name;
        ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &len)) << name;
        EXPECT_EQ(std::string(value), expected) << name;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(40, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(40, 1));

    // One icon, in both sizes, for the shell; the window's class uses the same resource.
    EXPECT_EQ(ExtractIconExA(exe.c_str(), -1, nullptr, nullptr, 0), 1u);
    HICON large = nullptr, small = nullptr;
    EXPECT_EQ(ExtractIconExA(exe.c_str(), 0, &large, &small, 1), 2u);
    ICONINFO ii = {};
    ASSERT_TRUE(large && GetIconInfo(large, &ii));
    BITMAP bm = {};
    GetObjectA(ii.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXICON));  // 32 at 96 DPI; Wine scales it with the DPI
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    DestroyIcon(large);
    DestroyIcon(small);
}

TEST_F(MainWindowTest, AValueLabelShowsATabAndALineBreakWhole)
{
    const std::string value = "Voodoo3\t3000\r\nAGP 2X";
    e2e::applyRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + e2e::kDriver + "]\n");
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, e2e::kDriver.c_str(), 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
    RegSetValueExA(k, "DriverDesc", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
    e2e::App app;
    ASSERT_EQ(app.text("Label11"), value);
    // Measured as a static control draws it: tabs expanded, a line for each break.
    const velmora::Font font = velmora::designFont(layout::Font::Default, velmora::screenDpi());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    RECT drawn = {0, 0, 0, 0};
    DrawTextA(dc, value.c_str(), -1, &drawn, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    RECT r;
    GetWindowRect(app.control("Label11"), &r);
    EXPECT_EQ(r.right - r.left, drawn.right);
    EXPECT_EQ(r.bottom - r.top, drawn.bottom);
    EXPECT_GE(drawn.bottom, 2 * layout::fontPixelHeight(velmora::screenDpi()));
}
