// The report whole, against tests/fixtures/reports (VELMORA_UPDATE_EXPECTED=1 rewrites them), each setting named once; the
// scenario target holds it to its line rule and a size to paste for any data (hostile data: its seed report-hostile).
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "settings/report.h"
#include "tests/support/reg_file.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

TEST(Report, SaysWhatTheWindowAndTheTipsSayInLinesAnyNewsreaderKeeps)
{
    const std::string glide = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\Glide";
    const WindowsVersion win98{WindowsFamily::Win9x, 4, 10, 2222}, xp{WindowsFamily::NT, 5, 1, 2600};
    using Arrange = std::function<void(MemoryStore&, MemoryEnvironment&)>;
    const struct {
        const char* expected;  // under tests/fixtures/reports
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
        const std::string file = VELMORA_FIXTURE_DIR "/reports/" + std::string(c.expected);
        if (std::getenv("VELMORA_UPDATE_EXPECTED")) std::ofstream(file, std::ios::binary) << report;
        std::ostringstream expected;
        expected << std::ifstream(file, std::ios::binary).rdbuf();
        EXPECT_EQ(report, expected.str()) << c.expected;
    }
}
