// The report a user pastes into a support thread, whole: compared with the
// expected texts in tests/fixtures/reports (VELMORA_UPDATE_EXPECTED=1
// rewrites them after a deliberate change), and for any data held to its
// line rule and to naming every setting once.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "settings/report.h"
#include "tests/support/reg_file.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

namespace {

constexpr std::int32_t LM = hive::LocalMachine, CU = hive::CurrentUser;
const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const std::string kHuge(std::size_t{1} << 20, 'x');

struct Machine {
    MemoryStore store;
    MemoryEnvironment environment;
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(Report, SaysWhatTheWindowAndTheTipsSayInLinesAnyNewsreaderKeeps)
{
    const WindowsVersion win98{WindowsFamily::Win9x, 4, 10, 2222}, xp{WindowsFamily::NT, 5, 1, 2600};
    const struct {
        const char* expected;  // under tests/fixtures/reports; none: the rules alone
        WindowsVersion windows;
        std::function<void(Machine&)> arrange;
        std::function<void(MemoryForm1Controls&, Form1&)> act;  // what the user changed since the start
    } cases[] = {
        {"demo.txt", win98, [](Machine&) {}, nullptr},
        {"empty.txt", xp, nullptr, nullptr},
        {"overrides.txt", win98,
         [](Machine& m) {
             m.environment.vars["FX_GLIDE_SWAPINTERVAL"] = "1";
             m.store.set(CU, kDriver + "\\Glide", "FX_GLIDE_NO_SPLASH", storedText("0"));
             m.store.set(CU, kDriver + "\\Glide", "SSTH3_ALPHADITHERMODE", storedText("2"));
             m.store.set(LM, kDriver + "\\Glide", "FX_GLIDE_ALLOC_COLOR", storedDword(3));
         },
         [](MemoryForm1Controls& ui, Form1& form) {
             const std::pair<const char*, const char*> changes[] = {{"Check2", "0"}, {"Option4", "1"}, {"Check8", "1"}};
             for (const auto& [control, state] : changes) ASSERT_TRUE(ui.byName[control]->show(state).ok());
             ASSERT_TRUE(ui.set.Slider1.setValue(200).ok() && form.Slider1_Scroll().ok());
         }},
        {nullptr, xp,
         [](Machine& m) {
             m.store.set(LM, kDriver, "DriverDesc", storedText(kHuge));
             m.store.set(LM, kDriver, "ProviderName", storedText("3dfx\t\x01\x7f\xe9\r\n"));
             m.store.set(LM, kDriver + "\\DEFAULT", "Grxclock", {regtype::Binary, Bytes(300)});
             m.store.set(LM, kDriver + "\\D3D", "SSTH3_ANTIALIAS", {regtype::MultiSz, {'1', 0, '2', 0, 0}});
             m.store.set(CU, kDriver + "\\Glide", "SSTH3_OVERLAYMODE", storedText(kHuge + "\x01"));
             m.environment.vars["FX_GLIDE_LOD_DITHER"] = "\x1b[2J" + kHuge;
         },
         [](MemoryForm1Controls& ui, Form1&) { ASSERT_TRUE(ui.set.Label23.setCaption(text(kHuge + "\r\n\xff")).ok()); }},
    };
    for (const auto& c : cases) {
        Machine m;
        if (c.arrange) importReg(m.store, VELMORA_FIXTURE_DIR "/demo.reg"), c.arrange(m);  // else an empty registry
        DriverKeyFound how;
        const Text key = findDriverKey(m.store, &how);
        MemoryForm1Controls ui;
        RegEdit regEdit(m.store);
        Form1 form(regEdit, ui.controls(), '.', key);
        ASSERT_TRUE(form.Form_Load().ok());
        HelpBook help(c.windows.family, key);
        help.findOverrides(m.store, m.environment);
        if (c.act) c.act(ui, form);
        const auto before = m.store.values;
        const std::string report = str(buildReport({"1.40", c.windows, {1999, 12, 31}, key, how}, m.store, ui.controls(), help));
        EXPECT_EQ(m.store.values, before);  // it only reads
        EXPECT_TRUE(keepsTheLineRule(report) && report.size() < 6000) << report.substr(0, 4000);  // short enough to paste
        for (const Setting& s : settings())
            if (s.shape != Shape::Text) {
                std::size_t lines = 0;
                for (std::size_t at = 0; (at = report.find(reportHeading(s) + "\r\n", at)) != std::string::npos; ++at) lines += at == 0 || report[at - 1] == '\n';
                EXPECT_EQ(lines, 1u) << reportHeading(s);
            }
        if (!c.expected) continue;
        const std::string file = VELMORA_FIXTURE_DIR "/reports/" + std::string(c.expected);
        if (std::getenv("VELMORA_UPDATE_EXPECTED")) std::ofstream(file, std::ios::binary) << report;
        EXPECT_EQ(report, readFile(file)) << c.expected;
    }
}
