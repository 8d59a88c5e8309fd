// What the window tells a user beside each setting: which Glide boxes and
// frames something else decides, and what every tip says then.
#include <gtest/gtest.h>

#include <set>

#include "app/layout.h"
#include "settings/help.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

const std::string kDriverKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
const std::string kGlideKey = kDriverKey + "\\Glide";
constexpr std::int32_t CU = hive::CurrentUser, LM = hive::LocalMachine;

struct Machine {
    MemoryStore store;
    MemoryEnvironment environment;
    std::set<std::string> marked(WindowsFamily family = WindowsFamily::Win9x)
    {
        book = HelpBook(family, text(kDriverKey));
        book.findOverrides(store, environment);
        std::set<std::string> names;
        for (const layout::Control& c : layout::controls())
            if (book.marked(c.name)) names.insert(c.name);
        return names;
    }
    std::string help(const char* control, bool oneLine = false) const { return str(book.help(control, oneLine)); }
    HelpBook book{WindowsFamily::Win9x, text(kDriverKey)};
};

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

// The tip of a control that something else decides names the source that
// Glide looks at first, and shows its value short and readable. Which controls
// are marked, for any environment and registry, is the scenario fuzz target's.
TEST(GlideOverrides, TheTipNamesTheSourceThatDecidesAndItsValueShort)
{
    struct Case {
        std::map<std::string, std::string> environment;
        std::vector<std::tuple<std::int32_t, std::string, StoredValue>> values;
        const char* control;
        std::string note, line;  // in the tip, and in the one line a tooltip that cannot wrap shows
    };
    const std::string longest = "SSTH3_ALPHADITHERMODE=" + std::string(37, 'x') + "...";
    const std::vector<Case> cases = {
        {{{"FX_GLIDE_SWAPINTERVAL", "1"}}, {}, "Check4",
         "The environment (AUTOEXEC.BAT) sets FX_GLIDE_SWAPINTERVAL=1: Glide uses that instead of this setting.",
         "Set by the environment instead: FX_GLIDE_SWAPINTERVAL=1"},
        {{{"fx_glide_lod_dither", "0"}}, {}, "Check6", "sets FX_GLIDE_LOD_DITHER=0", "FX_GLIDE_LOD_DITHER=0"},
        {{}, {{CU, "Fx_Glide_No_Splash", storedText("0")}}, "Check5", "HKEY_CURRENT_USER holds FX_GLIDE_NO_SPLASH=0 at the same Glide key",
         "Set in HKEY_CURRENT_USER instead: FX_GLIDE_NO_SPLASH=0"},
        {{}, {{LM, "FX_GLIDE_ALLOC_COLOR", storedDword(3)}}, "Check7", "Velmora's key holds FX_GLIDE_ALLOC_COLOR as a DWORD, which Glide ignores",
         "Glide ignores FX_GLIDE_ALLOC_COLOR, stored as a DWORD: it counts as absent."},
        {{}, {{LM, "SSTH3_OVERLAYMODE", {regtype::Binary, {2}}}}, "Option8", "SSTH3_OVERLAYMODE as binary data", "stored as binary data"},
        {{{"FX_GLIDE_ALLOC_COLOR", "2"}}, {{CU, "FX_GLIDE_ALLOC_COLOR", storedText("3")}}, "Check7", "sets FX_GLIDE_ALLOC_COLOR=2", "environment"},
        {{}, {{CU, "SSTH3_ALPHADITHERMODE", storedText("3")}, {LM, "SSTH3_ALPHADITHERMODE", storedDword(1)}}, "Frame8",
         "HKEY_CURRENT_USER holds SSTH3_ALPHADITHERMODE=3", "HKEY_CURRENT_USER"},
        // Hostile data is shown short and readable, and the longest still fits one line.
        {{{"SSTH3_ALPHADITHERMODE", std::string(1 << 20, 'x')}}, {}, "Frame8", longest + ":", longest},
        {{}, {{CU, "SSTH3_ALPHADITHERMODE", storedText(std::string(1 << 20, 'x'))}}, "Frame8", longest + " at", longest},
        {{}, {{CU, "FX_GLIDE_NO_SPLASH", {regtype::Sz, {'a', 1, 0x1F, 0xE9, 0, 'b'}}}}, "Check5", "FX_GLIDE_NO_SPLASH=a??\xE9 at", "=a??\xE9"},
        {{}, {{CU, "FX_GLIDE_LOD_DITHER", {regtype::Sz, {}}}}, "Check6", "FX_GLIDE_LOD_DITHER= at", "FX_GLIDE_LOD_DITHER="},
    };
    for (const Case& c : cases) {
        Machine m;
        m.environment.vars = c.environment;
        for (const auto& [hive, name, value] : c.values) m.store.set(hive, kGlideKey, name, value);
        m.marked();
        EXPECT_TRUE(has(m.help(c.control), c.note)) << c.note << ": " << m.help(c.control);
        const std::string line = m.help(c.control, true);
        EXPECT_TRUE(has(line, c.line) && line.size() <= 100) << c.line << ": " << line;
    }
}

// On the NT family Glide reads a key of its own: only the environment still
// decides, and no Glide tip promises an effect.
TEST(GlideOverrides, OnTheNtFamilyOnlyTheEnvironmentCountsAndNoEffectIsPromised)
{
    Machine m;
    m.environment.vars["FX_GLIDE_NO_SPLASH"] = "1";
    m.store.set(CU, kGlideKey, "FX_GLIDE_SWAPINTERVAL", storedText("0"));
    m.store.set(LM, kGlideKey, "FX_GLIDE_ALLOC_COLOR", storedDword(3));
    EXPECT_EQ(m.marked(WindowsFamily::NT), std::set<std::string>{"Check5"});
    for (const char* glide : {"Check4", "Frame7", "Option12"}) {
        EXPECT_FALSE(has(m.help(glide), "Takes effect") || has(m.help(glide), "each time")) << m.help(glide);
        EXPECT_TRUE(has(m.help(glide), "does not reach it")) << glide;
        EXPECT_TRUE(has(m.help(glide, true), "does not reach it")) << glide;
    }
    EXPECT_EQ(m.help("Check2"), Machine().help("Check2"));  // Direct3D's tips stay as they are
}

// Every control that shows or sets something has a tip.
TEST(Help, EveryControlThatShowsOrSetsSomethingHasATipThatFitsOneLine)
{
    Machine m;
    m.marked();
    std::set<std::string> withHelp;
    for (const ControlHelp& row : helpRows()) {
        ASSERT_NE(layout::find(row.control), nullptr) << row.control;
        EXPECT_TRUE(withHelp.insert(row.control).second) << row.control << " twice";
    }
    for (const layout::Control& c : layout::controls()) {
        const bool sets = c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton ||
                          c.kind == layout::Kind::CommandButton || c.kind == layout::Kind::Slider;
        EXPECT_TRUE(!sets || withHelp.count(c.name)) << c.name;
    }
    for (const char* shows : {"Frame1", "Label23"}) EXPECT_TRUE(withHelp.count(shows)) << shows;
    EXPECT_TRUE(has(m.help("Frame1"), "HKEY_LOCAL_MACHINE\\" + kDriverKey + ".")) << m.help("Frame1");
    EXPECT_TRUE(has(m.help("Label23"), "runs at its own clock"));
    EXPECT_EQ(m.help("Label1"), "");
}
