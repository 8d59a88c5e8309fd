// Which Glide boxes and frames something else decides, and what every tip says then.
#include <gtest/gtest.h>

#include "app/layout.h"
#include "settings/help.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

const std::string kDriverKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
const std::string kGlideKey = kDriverKey + "\\Glide";
constexpr std::int32_t CU = hive::CurrentUser, LM = hive::LocalMachine;
constexpr char kSplash[] = "FX_GLIDE_NO_SPLASH";

struct Machine {
    MemoryStore store;
    MemoryEnvironment environment;
    bool marked(const char* control)
    {
        book = HelpBook(WindowsFamily::Win9x, text(kDriverKey));  // a new book, as a new start makes
        book.findOverrides(store, environment);
        return book.marked(control);
    }
    std::string help(const char* control, bool oneLine = false) const { return str(book.help(control, oneLine)); }
    HelpBook book{WindowsFamily::Win9x, text(kDriverKey)};
};

bool has(const std::string& s, const std::string& piece) { return s.find(piece) != std::string::npos; }

}  // namespace

// The tip names the source Glide looks at first, its value short and readable. hwcGetenv's 255-byte buffer is left the
// size of each value found: a short HKCU value of another kind hides a longer text (the sizes that just fit: seed glide-buffers).
TEST(GlideOverrides, TheTipNamesTheSourceThatDecidesItsValueShortAndWhatGlideDoesWithANumber)
{
    struct Case {
        std::map<std::string, std::string> environment;
        std::vector<std::tuple<std::int32_t, std::string, StoredValue>> values;
        const char* control;
        std::string note, line;  // in the tip, and in the one line a tooltip that cannot wrap shows; none: not marked
        std::string also = "";   // in the tip too
    };
    const std::string longest = "SSTH3_ALPHADITHERMODE=" + std::string(37, 'x') + "...";
    std::vector<Case> cases = {
        {{{"FX_GLIDE_SWAPINTERVAL", "1"}}, {}, "Check4",
         "The environment (AUTOEXEC.BAT) sets FX_GLIDE_SWAPINTERVAL=1: Glide uses that instead of this setting.",
         "Set by the environment instead: FX_GLIDE_SWAPINTERVAL=1"},
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
        {{}, {{CU, "FX_GLIDE_NO_SPLASH", {regtype::Sz, {'a', 1, 0x1F, 0xE9, 0, 'b'}}}}, "Check5", "FX_GLIDE_NO_SPLASH=a??\xE9 at", "=a??\xE9"},
        {{}, {{CU, "FX_GLIDE_LOD_DITHER", {regtype::Sz, {}}}}, "Check6", "FX_GLIDE_LOD_DITHER= at", "FX_GLIDE_LOD_DITHER="},
        // Wide letters give way until the line fits the screen in the tip's font.
        {{{"SSTH3_ALPHADITHERMODE", std::string(50, 'W')}}, {}, "Frame8", std::string(37, 'W') + "...", "=WWW"},
        {{}, {{CU, kSplash, {regtype::Binary, {1}}}, {LM, kSplash, storedText("1")}}, "Check5",
         "binary data of 1 byte, which leaves Glide too little room", "Hidden by binary data"},
        {{}, {{CU, kSplash, storedDword(0)}, {LM, kSplash, storedText("1234")}}, "Check5", "as a DWORD of 4 bytes", "DWORD"},
        {{}, {{LM, kSplash, storedText(std::string(255, 'x'))}}, "Check5", "longer than Glide's 255-byte buffer", "longer than its buffer"},
    };
    // Glide reads SWAPINTERVAL, ALLOC_COLOR and TMU_MEMSIZE by atol: a value from the winning source other than the checked
    // box's number (0, 3, 2) marks the box and the tip says what Glide does. The other two count by presence (seed glide-buffers).
    const std::string fits(253, ' '), overflows(254, ' ');  // 255 bytes with "7" and the zero fit Glide's buffer
    const std::vector<std::string> values = {"0", "1", "2", "3", "", "-1", "12", "none", "7" + fits, "7" + overflows};
    const std::map<const char*, std::vector<std::string>> effects = {  // by value, "" where it is the box's number
        {"Check4", {"", "waits for 1 vertical retrace at", "waits for 2 vertical retraces", "waits for 3", "", "ignores it: the game",
                    "waits for 12", "", "waits for 7", "waits for 7"}},
        {"Check7", {"ignores it: the game", "uses 1 colour buffer,", "uses 2 colour buffers", "", "ignores it", "ignores it",
                    "ignores it", "ignores it", "ignores it", "ignores it"}},
        {"Check8", {"no memory", "each texture unit 1 MB.", "", "each texture unit 3 MB.", "no memory", "the card decides",
                    "each texture unit 12 MB.", "no memory", "7 MB", "7 MB"}},
    };
    for (const auto& [box, effect] : effects)
        for (std::size_t i = 0; i < values.size(); ++i) {  // in the environment, HKEY_CURRENT_USER and Velmora's key
            const std::string name = helpRows().find(box)->glideValue, v = values[i], e = effect[i];
            const bool tooLong = i + 1 == values.size();
            cases.push_back({{{name, v}}, {}, box, e.empty() ? "sets " + name + "=" : e, ""});
            cases.push_back({{}, {{CU, name, storedText(v)}}, box, tooLong ? "" : e.empty() ? "HKEY_CURRENT_USER holds " + name : e, ""});
            cases.push_back({{}, {{LM, name, storedText(v)}}, box, tooLong ? "longer than Glide's 255-byte buffer" : e, "",
                             tooLong || e.empty() ? "" : "While the box is checked, Apply stores"});
        }
    for (const Case& c : cases) {
        Machine m;
        m.environment.vars = c.environment;
        for (const auto& [hive, name, value] : c.values) m.store.set(hive, kGlideKey, name, value);
        EXPECT_EQ(m.marked(c.control), !c.note.empty() && *c.control != 'O') << c.control << " " << c.note;  // an option's frame is marked
        const std::string tip = m.help(c.control), line = m.help(c.control, true);
        EXPECT_TRUE(has(tip, c.note) && has(tip, c.also)) << c.note << ": " << tip;
        EXPECT_TRUE(has(line, c.line) && line.size() <= 100) << c.line << ": " << line;
        EXPECT_TRUE(TipFont().fits(m.book.help(c.control, TipFont()))) << m.book.help(c.control, TipFont()).c_str();
    }
    Machine m;  // beyond a 32-bit long atol's result is not defined
    m.store.set(LM, kGlideKey, "FX_GLIDE_SWAPINTERVAL", storedText("99999999999"));
    EXPECT_TRUE(m.marked("Check4") && has(m.help("Check4"), "too large")) << m.help("Check4");
    const std::string line = m.help("Check4", true);
    EXPECT_TRUE(has(line, "too large") && line.size() <= 100 && TipFont().fits(m.book.help("Check4", TipFont()))) << line;
}

TEST(Help, EveryControlThatShowsOrSetsSomethingHasATip)
{
    Machine m;
    for (const layout::Control& c : layout::controls()) {
        const bool sets = c.kind == layout::Kind::CheckBox || c.kind == layout::Kind::OptionButton ||
                          c.kind == layout::Kind::CommandButton || c.kind == layout::Kind::Slider;
        EXPECT_TRUE(!(sets || c.name == std::string("Frame1") || c.name == std::string("Label23")) || !m.help(c.name).empty()) << c.name;
    }
    EXPECT_TRUE(has(m.help("Frame1"), "HKEY_LOCAL_MACHINE\\" + kDriverKey + ".")) << m.help("Frame1");
    EXPECT_TRUE(has(m.help("Frame7"), "Glide 3 programs") && has(m.help("Frame7"), "Glide 2 programs do not read it"));
    EXPECT_EQ(m.help("Label1"), "");
}
