// The real window's Glide boxes that something else decides, in their warning colour, and the tips under the mouse.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

constexpr char kSwapInterval[] = "FX_GLIDE_SWAPINTERVAL";
constexpr char kSetByAProgram[] = "fx_glide_swapinterval";  // in lower case, which Glide's getenv still finds
constexpr char kAsWindows98[] = "Software\\Wine\\AppDefaults\\Velmcfg.exe";  // Wine's version for the program alone

struct HelpTest : ::testing::Test {
    void SetUp() override { importFixture("demo.reg"); }
    void TearDown() override
    {
        SetEnvironmentVariableA(kSetByAProgram, nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAsWindows98);
    }
};

// Pixels of the control's caption drawn in the warning colour (dark red).
int warningPixels(const App& app, const char* name)
{
    RECT r;
    GetWindowRect(app.control(name), &r);
    HDC screen = GetDC(nullptr);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += GetPixel(screen, x, y) == RGB(0xC0, 0, 0);
    ReleaseDC(nullptr, screen);
    return n;
}

bool has(const std::string& s, const char* piece) { return s.find(piece) != std::string::npos; }

// Windows 95 and 98 set the top bit; on the NT family Glide reads a key of its own.
const bool windows9x = (GetVersion() & 0x80000000u) != 0;

}  // namespace

TEST_F(HelpTest, TheEnvironmentAndTheUsersGlideKeyMarkTheirBoxesAndTheTipNamesTheSource)
{
    putText(HKEY_CURRENT_USER, kGlide, "FX_GLIDE_NO_SPLASH", "0");
    const auto before = exportKeys();
    SetEnvironmentVariableA(kSetByAProgram, "1");  // as a program that starts Velmora would
    App app;
    app.showTab(3);
    // Given the page a moment to paint as it should.
    EXPECT_TRUE(waitUntil([&] { return warningPixels(app, "Check4") > 20 && (warningPixels(app, "Check5") > 20) == windows9x; }, 3000));
    for (const char* other : {"Check6", "Check7", "Check8", "Frame7", "Frame8"}) EXPECT_EQ(warningPixels(app, other), 0) << other;

    const std::string environment = app.tipOf("Check4");
    EXPECT_TRUE(has(environment, "The environment (AUTOEXEC.BAT) sets FX_GLIDE_SWAPINTERVAL=1")) << environment;
    EXPECT_EQ(has(environment, "Takes effect the next time a Glide program starts."), windows9x) << environment;
    EXPECT_EQ(has(environment, "does not reach it"), !windows9x) << environment;

    HWND tip = nullptr;
    const std::string user = app.tipOf("Check5", &tip);
    EXPECT_EQ(has(user, "HKEY_CURRENT_USER holds FX_GLIDE_NO_SPLASH=0"), windows9x) << user;
    App::screenshot(app.window(), "glide-tip", tip);  // both marked captions above the tip
    // A frame's tip shows over the frame itself, where the mouse passes through to the page.
    const std::pair<const char*, const char*> tips[] = {{"Frame7", "The video output filter for Glide 3 programs"},
                                                        {"Option12", "Stores 3: Glide 3 programs subtract the dither"},
                                                        {"Command1", "Stores the settings of every tab"}};
    for (const auto& [control, says] : tips) {
        const std::string shown = app.tipOf(control);
        EXPECT_TRUE(has(shown, says)) << control << ": " << shown;
    }

    // Shown, never removed: Apply writes what it always wrote.
    app.click("Command1");
    EXPECT_EQ(exportKeys(), before);
}

// A stored "1" Glide waits a retrace for, and a DWORD it passes over, are marked until Apply stores the boxes'
// text. As on Windows 98 whatever Wine reports: only there Glide reads its key.
TEST_F(HelpTest, AStoredNumberGlideReadsOtherwiseIsMarkedUntilApplyStoresTheBoxesText)
{
    putText(HKEY_CURRENT_USER, kAsWindows98, "Version", "win98");
    putText(LM, kGlide, kSwapInterval, "1");
    putText(LM, kGlide, "FX_GLIDE_ALLOC_COLOR", std::string("\3\0\0\0", 4), REG_DWORD);
    App app;
    app.showTab(3);
    EXPECT_TRUE(waitUntil([&] { return warningPixels(app, "Check4") > 20 && warningPixels(app, "Check7") > 20; }));
    HWND tip = nullptr;
    const std::string swap = app.tipOf("Check4", &tip);
    EXPECT_TRUE(has(swap, "FX_GLIDE_SWAPINTERVAL=1. Glide waits for 1 vertical retrace at every swap.")) << swap;
    App::screenshot(app.window(), "glide-number", tip);

    app.click("Command1");
    EXPECT_EQ(stored(LM, kGlide, kSwapInterval), sz("0"));
    EXPECT_TRUE(waitUntil([&] { return warningPixels(app, "Check4") + warningPixels(app, "Check7") == 0; }));
    for (const char* box : {"Check4", "Check7"}) EXPECT_FALSE(has(app.tipOf(box), "Velmora's key holds")) << box;
    const std::string frame = app.tipOf("Frame7");
    EXPECT_TRUE(has(frame, "Glide 3 programs")) << frame;
}
