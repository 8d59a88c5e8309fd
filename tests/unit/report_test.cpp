// The report whole, against tests/fixtures/reports (VELMORA_UPDATE_EXPECTED=1 rewrites them), and for any data
// held to its line rule and a size to paste; the scenario target checks it names every setting once.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "settings/report.h"
#include "tests/support/reg_file.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

TEST(Report, SaysWhatTheWindowAndTheTipsSayInLinesAnyNewsreaderKeeps)
{
    const std::string glide = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\Glide", huge(1 << 20, 'x');
    const WindowsVersion win98{WindowsFamily::Win9x, 4, 10, 2222}, xp{WindowsFamily::NT, 5, 1, 2600};
    using Arrange = std::function<void(MemoryStore&, MemoryEnvironment&)>;
    const struct {
        const char* expected;  // under tests/fixtures/reports; none: the rules alone
        WindowsVersion windows;
        Arrange arrange;  // on the demo registry; none: an empty one
        std::vector<std::pair<const char*, std::string>> changes;  // the user's since the start
    } cases[] = {
        {"demo.txt", win98, [](MemoryStore&, MemoryEnvironment&) {}, {}},
        {"empty.txt", xp, nullptr, {}},
        {"overrides.txt", win98, [&](MemoryStore& r, MemoryEnvironment& e) {
             e.vars["FX_GLIDE_SWAPINTERVAL"] = "1";
             r.set(hive::CurrentUser, glide, "FX_GLIDE_NO_SPLASH", storedText("0"));
             r.set(hive::CurrentUser, glide, "SSTH3_ALPHADITHERMODE", storedText("2"));
             r.set(hive::LocalMachine, glide, "FX_GLIDE_ALLOC_COLOR", storedDword(3));
         }, {{"Check2", "0"}, {"Option4", "1"}, {"Check8", "1"}, {"Slider1", "200"}}},
        {nullptr, xp, [&](MemoryStore& r, MemoryEnvironment& e) {
             const std::string driver = glide.substr(0, glide.size() - 6);
             r.set(hive::LocalMachine, driver, "DriverDesc", storedText(huge));
             r.set(hive::LocalMachine, driver, "ProviderName", storedText("3dfx\t\x01\x7f\xe9\r\n"));
             r.set(hive::LocalMachine, driver + "\\DEFAULT", "Grxclock", {regtype::Binary, Bytes(300)});
             r.set(hive::LocalMachine, driver + "\\D3D", "SSTH3_ANTIALIAS", {regtype::MultiSz, {'1', 0, '2', 0, 0}});
             r.set(hive::CurrentUser, glide, "SSTH3_OVERLAYMODE", storedText(huge + "\x01"));
             e.vars["FX_GLIDE_LOD_DITHER"] = "\x1b[2J" + huge;
         }, {{"Label23", huge + "\xff\r\n"}}},
    };
    for (const auto& c : cases) {
        MemoryStore store;
        MemoryEnvironment environment;
        if (c.arrange) importReg(store, VELMORA_FIXTURE_DIR "/demo.reg"), c.arrange(store, environment);
        DriverKeyFound how;
        const Text key = findDriverKey(store, &how);
        MemoryForm1Controls ui;
        RegEdit regEdit(store);
        Form1 form(regEdit, ui.controls(), '.', key);
        HelpBook help(c.windows.family, key);
        ASSERT_TRUE(form.Form_Load().ok());
        help.findOverrides(store, environment);
        for (const auto& [control, shown] : c.changes)
            ASSERT_TRUE(ui.byName[control]->show(shown).ok() && (control[0] != 'S' || form.Slider1_Scroll().ok()));
        const std::string report = str(buildReport({"1.40", c.windows, {1999, 12, 31}, key, how}, store, ui.controls(), help));
        EXPECT_TRUE(keepsTheLineRule(report) && report.size() < 6000) << report.substr(0, 4000);
        if (!c.expected) continue;
        const std::string file = VELMORA_FIXTURE_DIR "/reports/" + std::string(c.expected);
        if (std::getenv("VELMORA_UPDATE_EXPECTED")) std::ofstream(file, std::ios::binary) << report;
        std::ostringstream expected;
        expected << std::ifstream(file, std::ios::binary).rdbuf();
        EXPECT_EQ(report, expected.str()) << c.expected;
    }
}
