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

// Where Glide looks first decides, and only text counts in the registry.
TEST(GlideOverrides, TheEnvironmentThenTextInTheUsersKeyThenAnIgnoredKindMarkTheirControl)
{
    using Set = std::set<std::string>;
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        std::vector<std::tuple<std::int32_t, std::string, StoredValue>> values;
        Set marked;
        const char* control;  // whose tip names the source
        std::string note;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {{LM, "FX_GLIDE_NO_SPLASH", storedText("1")}}, {}, "Check5", ""},
        {"environment", {{"FX_GLIDE_SWAPINTERVAL", "1"}}, {}, {"Check4"}, "Check4",
         "The environment (AUTOEXEC.BAT) sets FX_GLIDE_SWAPINTERVAL=1: Glide uses that instead of this setting."},
        {"environment, other case", {{"fx_glide_lod_dither", "0"}}, {}, {"Check6"}, "Check6", "sets FX_GLIDE_LOD_DITHER=0"},
        {"user's text", {}, {{CU, "FX_GLIDE_NO_SPLASH", storedText("0")}}, {"Check5"}, "Check5",
         "HKEY_CURRENT_USER holds FX_GLIDE_NO_SPLASH=0 at the same Glide key"},
        {"user's text, other case", {}, {{CU, "Fx_Glide_Tmu_MemSize", storedText("4")}}, {"Check8"}, "Check8",
         "FX_GLIDE_TMU_MEMSIZE=4"},
        {"user's DWORD does not count", {}, {{CU, "FX_GLIDE_NO_SPLASH", storedDword(1)}}, {}, "Check5", ""},
        {"own DWORD", {}, {{LM, "FX_GLIDE_ALLOC_COLOR", storedDword(3)}}, {"Check7"}, "Check7",
         "Velmora's key holds FX_GLIDE_ALLOC_COLOR as a DWORD, which Glide ignores"},
        {"own binary frame", {}, {{LM, "SSTH3_OVERLAYMODE", {regtype::Binary, {2}}}}, {"Frame7"}, "Option8",
         "SSTH3_OVERLAYMODE as binary data"},
        {"environment before the user's key", {{"FX_GLIDE_ALLOC_COLOR", "2"}},
         {{CU, "FX_GLIDE_ALLOC_COLOR", storedText("3")}, {LM, "FX_GLIDE_ALLOC_COLOR", storedDword(3)}}, {"Check7"},
         "Check7", "The environment (AUTOEXEC.BAT) sets FX_GLIDE_ALLOC_COLOR=2"},
        {"user's key before an ignored kind", {}, {{CU, "SSTH3_ALPHADITHERMODE", storedText("3")},
                                                   {LM, "SSTH3_ALPHADITHERMODE", storedDword(1)}},
         {"Frame8"}, "Frame8", "HKEY_CURRENT_USER holds SSTH3_ALPHADITHERMODE=3"},
        // The Direct3D names are Glide's too, but only the Glide tab's controls are Glide's.
        {"Direct3D frames untouched", {{"SSTH3_OVERLAYMODE", "3"}}, {}, {"Frame7"}, "Frame4", ""},
    };
    for (const Case& c : cases) {
        Machine m;
        m.environment.vars = c.environment;
        for (const auto& [hive, name, value] : c.values) m.store.set(hive, kGlideKey, name, value);
        EXPECT_EQ(m.marked(), c.marked) << c.what;
        const std::string help = m.help(c.control);
        EXPECT_TRUE(c.note.empty() ? !has(help, "Glide uses") && !has(help, "ignores") : has(help, c.note))
            << c.what << ": " << help;
        EXPECT_TRUE(c.note.empty() || has(m.help(c.control, true), c.note)) << c.what << ": one line";
        // Looking never writes.
        for (const MemoryStore::Call& call : m.store.calls) EXPECT_EQ(call.op, MemoryStore::Op::Read) << c.what;
    }
}

TEST(GlideOverrides, HostileDataIsShownShort)
{
    Machine m;
    m.environment.vars["FX_GLIDE_SWAPINTERVAL"] = std::string(1 << 20, 'x');
    m.store.set(CU, kGlideKey, "FX_GLIDE_NO_SPLASH", {regtype::Sz, {'a', 1, 0x1F, 0xE9, 0, 'b'}});
    m.store.set(CU, kGlideKey, "FX_GLIDE_LOD_DITHER", {regtype::Sz, {}});
    EXPECT_EQ(m.marked(), (std::set<std::string>{"Check4", "Check5", "Check6"}));
    EXPECT_TRUE(has(m.help("Check4"), "FX_GLIDE_SWAPINTERVAL=" + std::string(37, 'x') + "...:")) << m.help("Check4");
    EXPECT_TRUE(has(m.help("Check5"), "FX_GLIDE_NO_SPLASH=a??\xE9 at")) << m.help("Check5");
    EXPECT_TRUE(has(m.help("Check6"), "FX_GLIDE_LOD_DITHER= at")) << m.help("Check6");
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

// Every control that shows or sets something has a tip, and a tip of one
// line still fits a 640-pixel screen where the tooltip cannot wrap.
TEST(Help, EveryControlThatShowsOrSetsSomethingHasATipThatFitsOneLine)
{
    Machine m;
    m.marked();
    std::set<std::string> withHelp;
    for (const ControlHelp& row : helpRows()) {
        ASSERT_NE(layout::find(row.control), nullptr) << row.control;
        EXPECT_TRUE(withHelp.insert(row.control).second) << row.control << " twice";
        EXPECT_LE(m.help(row.control, true).size(), 100u) << row.control;
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
